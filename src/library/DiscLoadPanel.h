#pragma once
// Loading a disc (TeX_Click): the catalogue of the current TeX text goes into the view RtB,
// or to the companion viewer lornex, and DTel, Label4, the caption and LaB tell the result.
// Also the hints of TeXBack and DTel.
#include <QObject>
#include <QString>

class QComboBox;
class QWidget;

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class DiscLoadPanel : public QObject {
  Q_OBJECT
 public:
  // Finds its controls below services.window() and binds them; lives as the window's child.
  explicit DiscLoadPanel(PanelServices& services);

  // TeX_Click: runs when the user picks an entry of TeX; "OPEN" and the creation flow
  // call it too.
  void load();

  // The companion viewer started when the user opens a disc "in New List": lornex beside
  // the program. Tests put a stand-in here.
  QString viewer;

 Q_SIGNALS:
  // The catalogue at cataloguePath is now the view's text.
  void discShown(const QString& cataloguePath);

 private:
  // Shown in RtB or handed to the viewer; Closed: the user closed "Where to open disc"
  // without choosing.
  enum class Outcome { Shown, HandedOver, Closed, InUse, NotThere };
  // Opens the catalogue where the user chooses.
  Outcome open(const QString& catalogue);
  void fail(Outcome error);
  void showSize(const QString& name);

  PanelServices& services_;
  QComboBox* discList_;   // TeX
  CatalogueView* view_;   // RtB
  QWidget* busy_;         // Wag
  QWidget* discCount_;    // DTel
  QWidget* updateLabel_;  // Label4
};

// Binds TeX's drop-down and the hints; the panel is the window's child.
DiscLoadPanel* attachDiscLoad(PanelServices& services);

}  // namespace quilmo::panels
