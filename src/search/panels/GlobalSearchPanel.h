#pragma once
// "Find Global" (GCom(4)): opens the search panel DSoekPan, or runs the global search over
// the discs or file types chosen there, or asks a running search to stop. The caption of
// GCom(4) is the search's state: "Find Global" idle, "STOP" running, "NOW!" stopping.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QListWidget;
class QWidget;

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::search {
class HitLines;
class QuickReportWriter;
}

namespace quilmo::panels {

class GlobalSearchPanel : public QObject {
  Q_OBJECT
 public:
  explicit GlobalSearchPanel(PanelServices& services);

  // The click of GCom(4). The window routes it through its own GCom dispatcher, which
  // restores LaB's colour first, so this panel does not connect the button itself.
  void findGlobal();


  static constexpr auto kIdle = "Find Global";
  static constexpr auto kRunning = "STOP";
  static constexpr auto kStopping = "NOW!";

 Q_SIGNALS:
  void fileTypesWanted();                     // the search panel's loader InEXTLys is to run
  void findWordCleared();                     // FindWord = "" of the find in the view
  void saveOffered(const QString& question);  // the quick report's save offer

 private:
  void openPanel();
  void run();
  void start(search::QuickReportWriter& report);
  void addToHistory(const QString& words);
  void storeExtensionSet();
  void finish(const search::HitLines& hits, const QStringList& discsWithoutCatalogue, search::QuickReportWriter& report);
  void backToIdle();
  QString state() const;
  void setState(const QString& caption);

  PanelServices& services_;
  QAbstractButton* findButton_;  // GCom(4)
  QComboBox* words_;             // FTex
  QWidget* scopePanel_;          // DSoekPan
  QListWidget* discs_;           // SoekLys
  QListWidget* types_;           // ExtLys
  QListWidget* wordList_;        // XTL
  QListWidget* findings_;        // TVieW
  QCheckBox* viewFindings_;      // TVieWC
  QComboBox* sets_;              // Sette
  QWidget* fileCounter_;         // FileCounter
  QWidget* pairCount_;           // TelSoek
  QWidget* hitCount_;            // LinkTel
  CatalogueView* view_;          // RtB
  bool running_ = false;         // from START to the end of the finish, save question included
};

// Binds the search's controls; the panel is the window's child.
GlobalSearchPanel* attachGlobalSearch(PanelServices& services);

}  // namespace quilmo::panels
