#pragma once
// The control groups of the main window, one file each. A group builds its controls with
// their design values (names, captions, hints, tooltips, start visibility) and lays them
// out; it attaches no behaviour. Panels hidden until asked for are handed to Overlays.
class QWidget;

namespace quilmo {
class Overlays;
}

namespace quilmo::groups {

// Top bar and rows of the window.
QWidget* discName(QWidget* parent);      // TeXBack with TeX, Label1, NDc, DTel
QWidget* discButtons(QWidget* parent);   // GCom(7), SSPanel1(1,2,3,5), UndoList, FiXPan, Label4, Sundra
QWidget* mode(QWidget* parent);          // MAo(0), MAo(1)
QWidget* priority(QWidget* parent);      // Prio
QWidget* viewBar(QWidget* parent);       // RTXw, Label5, LinkTel, Lab8 with DirLab and FileLab
QWidget* status(QWidget* parent);        // LaB, hP
// Left column.
QWidget* drive(QWidget* parent);         // DefDrivePan, DefDrive, GCom(5), GCom(6), SoekCom(12)
QWidget* fileList(QWidget* parent);      // Drive1, Dir1, File1, FiL, OpenFile
// Right column.
QWidget* find(QWidget* parent);          // FPan with FTex, SSPanel1(0), SSPanel1(4), GCom(1..4)
QWidget* reports(QWidget* parent);       // GCom(10), GCom(11)
QWidget* searchSettings(QWidget* parent);  // SSet with SSetC

// Panels shown over the view when asked for.
void statusPanels(Overlays& overlays);       // Wag, CrePan, UpPan, Warning
void drivePanels(Overlays& overlays);        // SellDPan, WDrive
void findPanels(Overlays& overlays);         // FindMenuPan, SHelp, FileCounter, TVieW
void reportPanels(Overlays& overlays);       // ReportPan, LoadReport
void scopePanel(Overlays& overlays);         // DSoekPan
void associationPanel(Overlays& overlays);   // SocPan
void maintenancePanels(Overlays& overlays);  // DmD, UpXFiles
void priorityPanel(Overlays& overlays);      // PrioF

}  // namespace quilmo::groups
