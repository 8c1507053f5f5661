#pragma once
// Find in the catalogue view RtB. Enter in the search words FTex opens the find menu
// FindMenuPan (FCom(0..2)) when a catalogue is loaded, else starts "Find Global".
// "Find-F3" asks for a word and finds its first occurrence, "Find Next-F4" the next one,
// and past the last it wraps to the top. GCom(1) shows or hides the help on searching for
// several words, GCom(15) closes the find menu.
//
// The GCom clicks reach the panel through the window's GCom handler, which restores LaB's
// colour first; the panel binds only FTex's Enter, the FCom buttons and the hints.
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QWidget;

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class FindPanel : public QObject {
  Q_OBJECT
 public:
  // Finds its controls below services.window() and binds them; lives as the window's child.
  explicit FindPanel(PanelServices& services);


  // The actions of GCom(1), GCom(2), GCom(3) and GCom(15), for the window's GCom handler.
  void toggleHelp();
  void findNew();    // "Find-F3"
  void findNext();   // "Find Next-F4"
  void closeMenu();

  // "Find Global" empties FindWord, the word of the find in the view.
  void clearFindWord() { findWord_.clear(); }

 Q_SIGNALS:
  // FCom(2): the action of GCom(4) "Find Global" is wanted.
  void findGlobalRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Finder { New, Next };

  void enterInSearchWords();
  void finders(Finder kind);
  qint64 newFindStart();  // -1: the user cancelled

  PanelServices& services_;
  CatalogueView* view_;      // RtB
  QComboBox* searchWords_;   // FTex
  QWidget* menu_;            // FindMenuPan
  QWidget* help_;            // SHelp
  QWidget* helpText_;        // SHelpLab
  QString findWord_;         // FindWord
};

// Binds FTex's Enter, the find menu and the hints; the panel is the window's child.
FindPanel* attachFind(PanelServices& services);

}  // namespace quilmo::panels
