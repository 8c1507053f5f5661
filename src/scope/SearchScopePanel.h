#pragma once
// The search panel DSoekPan: which discs a global search reads (SoekLys and the saved
// selections RemSel), which file types it is about (ExtLys, AddExt, SLen, the extension
// sets Sette), and the button row SoekCom that starts it. Element 12 of SoekCom ("Data
// Path") sits outside the panel and belongs to the window.
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QEvent;
class QLineEdit;
class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class SearchScopePanel : public QObject {
  Q_OBJECT
 public:
  explicit SearchScopePanel(PanelServices& services);

  // InEXTLys: reloads Sette, ExtLys and RemSel from their files and shows or hides the
  // NewDisc notice; "Find Global" calls it each time it opens the panel.
  void inExtLys();


 Q_SIGNALS:
  // "START" or Enter on a SoekCom button: the "Find Global" action is wanted.
  void findGlobalRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void startSearch();
  void rememberSelection();
  void applySelection(const QString& name);
  void deleteSelection();
  void addFileType(bool fromEnter);
  void searchExtensions();
  void saveList();
  void clearList();
  void deleteSelectedTypes();
  void applyExtensionSet(const QString& set);
  void toggleAllTypes();
  // Insert, Ctrl+Insert and the right-button drag over SoekLys.
  void toggleCurrentDisc();
  void moveCurrentDisc(int step);

  void saveTypes(const QStringList& types);
  void refillSelectionNames(const QStringList& names);
  void tell(const QString& title, const QString& message);

  PanelServices& services_;
  QWidget* panel_;            // DSoekPan
  QListWidget* discs_;        // SoekLys
  QListWidget* wordList_;     // XTL
  QListWidget* setWords_;     // SSS
  QListWidget* types_;        // ExtLys
  // Their viewports, kept so that an event a viewport gets while its list is being
  // destroyed is told apart without asking the list.
  QWidget* discsViewport_;
  QWidget* typesViewport_;
  QLineEdit* newType_;        // AddExt
  QLineEdit* typeLength_;     // SLen
  QComboBox* selections_;     // RemSel
  QComboBox* sets_;           // Sette
  QWidget* typeCaption_;      // Label7(1)
  bool allTypesNext_ = true;  // ExtLys's right click: select all next, else clear all
};

// Binds the search panel's controls; the panel is the window's child.
SearchScopePanel* attachSearchScope(PanelServices& services);

}  // namespace quilmo::panels
