#pragma once
// Quilmo: the main window. It owns every control (typed, in WindowControls, which the
// groups of src/shell/groups fill as they build them), the program-wide values and the
// services the subsystems share (PanelServices), and runs start-up and shut-down. Each subsystem adds its
// behaviour with one attach call in src/shell/Wiring.cpp; a panel needs only the
// PanelServices part, the wiring also has what belongs to the window alone:
//   onGCom(c, f) / GCom(c)   the GCom click dispatcher, by names::Command (LaB's colour
//                            is restored first)
//   MakePaD()                DataPath + "QReport", errors ignored
//   view()                   the catalogue view RtB
//   browseDrive, setViewWide the browse area's hook and the view's two widths
#include <QHash>
#include <QMainWindow>
#include <functional>

#include "kit/ControlTexts.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "kit/WindowControls.h"
#include "platform/DriveMap.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Yield.h"
#include "search/IndexKeeper.h"

class QTimer;

namespace quilmo {

class CatalogueView;
class MessagePanel;
class Overlays;
class StartupFiles;

class Quilmo : public QMainWindow, public PanelServices {
  Q_OBJECT
 public:
  explicit Quilmo(QWidget* parent = nullptr);
  ~Quilmo() override;

  // Start-up: reads the settings and the file set, fills the lists, attaches every
  // subsystem (attachSubsystems), shows the window and puts the focus on FTex. arguments: the command line without the program name; its
  // first entry may name the drive shown in Drive1 and Dir1.
  void start(const QStringList& arguments);

  // PanelServices.
  QWidget* window() override { return this; }
  const WindowControls& controls() const override { return controls_; }
  ProgramValues& values() override { return values_; }
  Dialogs& dialogs() override { return *dialogs_; }
  Yielder& yielder() override { return yielder_; }
  SettingsStore& programSettings() override { return program_; }  // "QUILMO 2016"
  SettingsStore& discSettings() override { return discs_; }       // "Quilmo": a section per disc
  DriveMap& drives() override { return driveMap_; }
  search::IndexKeeper& indexKeeper() override { return indexKeeper_; }
  // MsG: heading, the buttons enabled, message, icon. Returns the answer, also left in
  // values().msgAnswer as its number (6 Yes, 7 No, 2 Cancel).
  Answer msG(const QString& heading, MsgButtons buttons, const QString& message, MsgIcon icon) override;
  void restoreStatusColour() override;
  // LaB's text; a valid colour also changes its back or text colour.
  void setStatus(const QString& text, const QColor& back = {}, const QColor& fore = {}) override;
  void setHint(const QString& text) override;       // the hint panel hP
  void quilmoCap(const QString& text) override;     // caption "Quilmo [" + text + " ]"
  // Wagter: shows the default-drive panel WDrive and waits, whatever PrioLevel is, until
  // its "Continue" or "Cancel" is pressed.
  void wagter() override;

  // Tests install scripted dialogs; nullptr goes back to Qt's own. Not owned.
  void setDialogs(Dialogs* dialogs);

  CatalogueView* view() const { return view_; }  // RtB

  // GCom: one click handler per index. A click, or GCom(i) from code (index 0 is the
  // build), first gives LaB back its normal colour, then runs the handler of the index.
  void onGCom(names::Command command, std::function<void()> handler);
  void GCom(names::Command command);

  void MakePaD();

  // Shows a drive's root in the browse area (Drive1, Dir1); false when it holds no disc.
  // Set by the wiring; start-up uses it for the drive named on the command line.
  std::function<bool(QChar letter)> browseDrive;
  // RTXw: the view over the whole width (true) or beside the browse area.
  void setViewWide(bool wide);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildWindow();
  void wireShell();
  // The drive named on the command line when it holds a disc, else C (and LaB says so).
  QChar startDriveOf(const QString& argument);
  void sayDriveNotShown(const QString& argument);
  void fillLists(StartupFiles& files);
  void reportStartupProblems(const StartupFiles& files, const QString& currentFolder);
  void startWarningBlink();
  void blinkTick();
  QStringList fixedFilesOnC() const;

  WindowControls controls_;  // filled by the groups as they build the window
  ProgramValues values_;
  SettingsStore program_;
  SettingsStore discs_;
  DriveMap driveMap_;
  Yielder yielder_;
  QtDialogs qtDialogs_;
  Dialogs* dialogs_;
  CatalogueView* view_ = nullptr;
  QWidget* browseColumn_ = nullptr;  // the drive group and the browse area, left of the view
  MessagePanel* messagePanel_ = nullptr;
  Overlays* overlays_ = nullptr;
  QTimer* TiMo_ = nullptr;
  int blinkTicks_ = 0;
  enum class DriveMark { None, Continued, Cancelled } driveMark_ = DriveMark::None;
  bool driveWaiting_ = false;
  QHash<int, std::function<void()>> gcomHandlers_;
  search::IndexKeeper indexKeeper_;
};

}  // namespace quilmo
