#pragma once
// The report buttons: "Report" (GCom(10)) shows ReportPan with "Load" (GCom(16)) and
// "Save" (GCom(17)); "ER" (GCom(11)) switches the view RtB between read-only and
// editable; the loader LoadReport appends saved reports to the view under header lines.
// The window dispatches the GCom clicks itself and calls the public functions here; the
// loader's own buttons LoadReportCom(0..1) are bound by the panel.
#include <QObject>
#include <QString>

class QComboBox;
class QListWidget;
class QWidget;

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class ReportPanel : public QObject {
  Q_OBJECT
 public:
  // Finds its controls below services.window() and binds them; lives as the window's child.
  explicit ReportPanel(PanelServices& services);

  void showReportPanel();  // GCom(10) "Report"
  void toggleEditable();   // GCom(11) "ER"
  void openLoader();       // GCom(16) "Load"
  void saveFromButton();   // GCom(17) "Save"

  // Offers to keep the quick report under a name of the user's choosing; the global search
  // calls it when it finishes, the "Save" button with its own question.
  void offerSave(const QString& question);

  // LoadReportCom(1) "Load Report": the selected saved reports, in list order, each under
  // its header line, after the view's text or in its place.
  void loadSelected();

 private:
  void fixDoubledDataPathSeparator();

  PanelServices& services_;
  CatalogueView* view_;      // RtB
  QWidget* reportPanel_;     // ReportPan
  QWidget* loader_;          // LoadReport
  QListWidget* reportList_;  // LoadReportLys
  QComboBox* searchWords_;   // FTex, whose words are the name proposed for a saved report
};

// Binds the loader's buttons; the panel is the window's child.
ReportPanel* attachReports(PanelServices& services);

}  // namespace quilmo::panels
