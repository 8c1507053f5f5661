#pragma once
// The control groups of the main window, one file each. A group builds its controls with
// their design values (names, captions, hints, tooltips, start visibility) and lays them
// out, and fills its part of WindowControls; it attaches no behaviour. Panels hidden until
// asked for are handed to Overlays.
#include "kit/WindowControls.h"

class QWidget;

namespace quilmo {
class Overlays;
}

namespace quilmo::groups {

// Top bar and rows of the window.
QWidget* discName(QWidget* parent, DiscNameControls& c);      // TeXBack with TeX, Label1, NDc, DTel
QWidget* discButtons(QWidget* parent, DiscButtonControls& c);  // GCom(7), SSPanel1(1,2,3,5), UndoList, FiX, Label4, Sundra
QWidget* mode(QWidget* parent, ModeControls& c);              // MAo(0), MAo(1)
QWidget* priority(QWidget* parent, PriorityControls& c);      // Prio
QWidget* viewBar(QWidget* parent, ViewBarControls& c);        // RTXw, Label5, LinkTel, Lab8 with DirLab and FileLab
QWidget* status(QWidget* parent, StatusControls& c);          // LaB, hP
// Left column.
QWidget* drive(QWidget* parent, DriveControls& c);            // DefDrivePan, DefDrive, GCom(5), GCom(6), SoekCom(12)
QWidget* fileList(QWidget* parent, FileListControls& c);      // Drive1, Dir1, File1, FiL, OpenFile
// Right column.
QWidget* find(QWidget* parent, FindControls& c);              // FPan with FTex, SSPanel1(0), SSPanel1(4), GCom(1..4)
QWidget* reports(QWidget* parent, ReportControls& c);         // GCom(10), GCom(11)
QWidget* searchSettings(QWidget* parent, SearchSettingControls& c);  // SSet with SSetC

// Panels shown over the view when asked for.
void statusPanels(Overlays& overlays, StatusControls& c);            // Wag, CrePan, UpPan, Warning
void drivePanels(Overlays& overlays, DriveControls& c);              // SellDPan, WDrive
void findPanels(Overlays& overlays, FindControls& c);                // FindMenuPan, SHelp, FileCounter, TVieW
void reportPanels(Overlays& overlays, ReportControls& c);            // ReportPan, LoadReport
void scopePanel(Overlays& overlays, ScopeControls& c);               // DSoekPan
void associationPanel(Overlays& overlays, AssociationControls& c);   // SocPan
void maintenancePanels(Overlays& overlays, MaintenanceControls& c);  // DmD, UpXFiles
void priorityPanel(Overlays& overlays, PriorityControls& c);         // PrioF

}  // namespace quilmo::groups
