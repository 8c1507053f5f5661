#pragma once
// Quilmo: the main window. It owns every control (found by objectName, see control()),
// the program-wide values and the services that the subsystems share. It assembles the
// control groups (src/shell/groups) and runs start-up and shut-down; each subsystem adds
// its behaviour with one attachXxx(Quilmo&) call in src/shell/Wiring.cpp.
//
// What an attach function uses:
//   values()                    DataPath, AppFolder, DiscDrive, AutoMode, PrioLevel, MsgAnswer, ...
//   control<T>("GCom(4)")       any control by its objectName; view() is RtB
//   onGCom(i, f) / GCom(i)      the GCom click dispatcher (LaB's colour is restored first)
//   MsG(...)                    the message panel; the answer is returned and left in MsgAnswer
//   dialogs()                   standard message and input boxes (a seam tests replace)
//   yielder()                   yield points governed by PrioLevel
//   restoreStatusColour(), setStatus(), setStatusColours(), showHint()
//   QuilmoCap(), MakePaD(), Wagter()
//   programSettings(), discSettings(), driveMap()
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "platform/DriveMap.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Yield.h"
#include "shell/ProgramValues.h"

class QTimer;

namespace quilmo {

class CatalogueView;
class MessagePanel;
class Overlays;

class Quilmo : public QMainWindow {
  Q_OBJECT
 public:
  explicit Quilmo(QWidget* parent = nullptr);
  ~Quilmo() override;

  // Start-up: reads the settings and the file set, fills the lists, shows the window and
  // puts the focus on FTex. arguments: the command line without the program name; its
  // first entry may name the drive shown in Drive1 and Dir1.
  void start(const QStringList& arguments);

  ProgramValues& values() { return values_; }
  Dialogs& dialogs() { return *dialogs_; }
  // Tests install scripted dialogs; nullptr goes back to Qt's own. Not owned.
  void setDialogs(Dialogs* dialogs);
  Yielder& yielder() { return yielder_; }
  SettingsStore& programSettings() { return program_; }  // "QUILMO 2016"
  SettingsStore& discSettings() { return discs_; }       // "Quilmo": one section per disc
  DriveMap& driveMap() { return driveMap_; }
  // Where the overlay panels of later subsystems are placed over the view.
  Overlays& overlays() { return *overlays_; }

  template <class T = QWidget>
  T* control(const QString& name) const {
    return findChild<T*>(name);
  }
  CatalogueView* view() const { return view_; }  // RtB

  // GCom: one click handler per index. A click, or GCom(i) from code (index 0 is the
  // build), first gives LaB back its normal colour, then runs the handler of the index.
  void onGCom(int index, std::function<void()> handler);
  void GCom(int index);

  // The message panel: heading, Yes / No / Cancel enabled, message, icon 0 or 1.
  // Returns the answer (6 Yes, 7 No, 2 Cancel), also left in values().msgAnswer.
  int MsG(const QString& heading, bool yes, bool no, bool cancel, const QString& message, int icon);

  // The status label LaB; its normal back colour is kept in its tag.
  void restoreStatusColour();
  void setStatus(const QString& text);
  void setStatusColours(const QColor& back, const QColor& text);
  // The hint panel hP.
  void showHint(const QString& text);

  void QuilmoCap(const QString& text);  // caption "Quilmo [" + text + " ]"
  void MakePaD();                       // DataPath + "QReport", errors ignored
  // Shows the default-drive panel WDrive and waits, whatever PrioLevel is, until its
  // "Continue" or "Cancel" is pressed; true for "Continue".
  bool Wagter();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildWindow();
  void wireShell();
  void showStartDrive(const QString& argument);
  void showDrive(QChar letter);
  void fillLists(class StartupFiles& files);
  void reportStartupProblems(const StartupFiles& files, const QString& currentFolder);
  void startWarningBlink();
  void blinkTick();
  QStringList fixedFilesOnC() const;

  ProgramValues values_;
  SettingsStore program_;
  SettingsStore discs_;
  DriveMap driveMap_;
  Yielder yielder_;
  QtDialogs qtDialogs_;
  Dialogs* dialogs_;
  CatalogueView* view_ = nullptr;
  MessagePanel* messagePanel_ = nullptr;
  Overlays* overlays_ = nullptr;
  QTimer* TiMo_ = nullptr;
  int blinkTicks_ = 0;
  enum class DriveMark { None, Continued, Cancelled } driveMark_ = DriveMark::None;
  bool driveWaiting_ = false;
  QHash<int, std::function<void()>> gcomHandlers_;
};

}  // namespace quilmo
