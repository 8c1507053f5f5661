#pragma once
// Adding a disc from the window: Enter in the disc list TeX or "CREATE" (GCom(7)) runs the
// name step (questions, the drive check, QM.tex and TeX), which runs the build (GCom
// index 0): the walk with its running counts, the catalogue, and the catalogue shown in
// RtB. Also NameMatch while typing, the next-disc button NDc and the notice NewDisc.
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QWidget;

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::capture {
class CreationClaim;
struct ScanCounts;
}  // namespace quilmo::capture

namespace quilmo::panels {

class CreationPanel : public QObject {
  Q_OBJECT
 public:
  // Finds its controls below services.window() and binds them; lives as the window's child.
  explicit CreationPanel(PanelServices& services);


  // "CREATE", GCom(7): the name step with CrePan shown.
  void create();
  // Enter in TeX.
  void nameStep();
  // The build, GCom index 0: walks DiscDrive into the catalogue of the current TeX text.
  void build();

 Q_SIGNALS:
  // The current disc is to be loaded (TeX_Click): the user chose not to rebuild it.
  void loadDiscRequested();
  // The new catalogue, at cataloguePath, is now the view's text.
  void discShown(const QString& cataloguePath);

 public Q_SLOTS:
  void nextDisc();  // NDc
  // Asks, for each disc whose creation a killed program left without a catalogue,
  // whether to create it again or remove it from the list.
  void offerCutOffCreations();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildDisc(const QString& name);
  bool refusedAtStart(const QString& name);
  // Takes the claim on the disc name; says why not when it cannot.
  bool claimed(capture::CreationClaim& claim);
  void updateNameMatch();
  void showCounts(const capture::ScanCounts& counts);
  void appendToCaption(const capture::ScanCounts& counts);
  void addSorted(const QString& name);
  void showDiscError();
  void hideNewDiscNotice();
  void yield();

  PanelServices& services_;
  QComboBox* discList_;   // TeX
  CatalogueView* view_;   // RtB
  QWidget* creating_;     // CrePan
  QWidget* reading_;      // UpPan
  QWidget* status_;       // LaB
  QWidget* folderCount_;  // DirLab
  QWidget* fileCount_;    // FileLab
  QWidget* updateLabel_;  // Label4
  bool busy_ = false;     // a name step or a build is running
};

// Binds TeX's keys, NDc and NewDisc (the window's GCom dispatcher binds GCom(7)); the panel is the window's child.
CreationPanel* attachCreation(PanelServices& services);

}  // namespace quilmo::panels
