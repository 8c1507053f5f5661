#pragma once
// Every control of the window, named once: its objectName, the index of an element of a
// control array, its caption, its hint (shown in hP when the mouse enters) and tooltip.
// The group that builds a control (src/shell/groups) and the panel that binds it both
// read it here, so a caption, a hint or an index is never written twice.
#include <QString>

namespace quilmo::names {

struct ControlText {
  const char* name;  // the objectName, or the array's name for an element
  int index = -1;    // the element of a control array; -1 for a single control
  const char* caption = "";
  const char* hint = "";
  const char* tooltip = "";

  QString objectName() const;  // "SSPanel1(3)" for an element
  QString captionText() const { return QString::fromUtf8(caption); }
  QString hintText() const { return QString::fromUtf8(hint); }
  QString tooltipText() const { return QString::fromUtf8(tooltip); }
};

// GCom: the window's command buttons. A click, or Quilmo::GCom from code, runs the handler
// bound to the index in src/shell/Wiring.cpp.
enum class Command : int {
  Build = 0,  // no button: the creation's build step
  SearchHelp = 1,
  Find = 2,
  FindNext = 3,
  FindGlobal = 4,
  RefreshDriveInfo = 5,
  SetCdDvd = 6,
  Create = 7,
  Report = 10,
  EditReport = 11,
  CloseFindMenu = 15,
  LoadReport = 16,
  SaveReport = 17,
};

constexpr ControlText command(Command c, const char* caption, const char* hint = "") {
  return {.name = "GCom", .index = int(c), .caption = caption, .hint = hint};
}

inline constexpr const char* kSameList = "Internal-Starts from the beginning of the list";

// The top row: the disc list (DiscNameGroup).
namespace discName {
inline constexpr ControlText label{.name = "Label1", .caption = "Specify Disc Name and"};
inline constexpr ControlText back{.name = "TeXBack", .hint = "Type the name of the disc to get data from and enter."};
inline constexpr ControlText discList{.name = "TeX",
                                      .caption = "Type a name to create or select from the list to open...."};
inline constexpr ControlText nextDisc{.name = "NDc", .caption = ">>", .tooltip = "NextDisc"};
inline constexpr ControlText discCount{.name = "DTel", .hint = "How many discs are in the list?"};
// The entry of TeX's context menu, also Ctrl+I: the disc information panel.
inline constexpr ControlText information{.name = "DiscInformation", .caption = "Disc information…"};
}  // namespace discName

// The row of disc buttons (DiscButtonsGroup); SSPanel1 elements live in three groups.
namespace discButtons {
inline constexpr ControlText create = command(Command::Create, "CREATE");
inline constexpr ControlText rename{.name = "SSPanel1", .index = 1, .caption = "F5",
                                    .hint = "Press F5 to setfocus on the list/ Click to RENAME current disc"};
inline constexpr ControlText open{.name = "SSPanel1", .index = 2, .caption = "OPEN", .hint = "Open Selected disc"};
inline constexpr ControlText deleteDisc{.name = "SSPanel1", .index = 3, .caption = "Delete Disc",
                                        .hint = "DELETE selected disc"};
inline constexpr ControlText deleteMany{.name = "SSPanel1", .index = 5, .caption = "Delete Many Discs",
                                        .hint = "DELETE multiple discs"};
inline constexpr ControlText undoList{
    .name = "UndoList", .caption = "Undo List",
    .hint = "Undo the last rename or delete: the disc list, the catalogues and their sizes"};
inline constexpr ControlText fixFrame{.name = "FiXPan", .caption = "FiX INFO"};
inline constexpr ControlText fix{
    .name = "WCom", .index = 2, .caption = "FiX",
    .hint = "Set a NEW Drive? FiX the OLD drive info with the NEW !   (Within ALL the current Disc Files)"};
inline constexpr ControlText updateXFiles{.name = "Label4", .caption = "Update X-Files"};
inline constexpr ControlText split{.name = "Sundra", .caption = "Label8", .tooltip = "Split current disc in seperate files"};
}  // namespace discButtons

// Man and Aut (ModeGroup), the priority label and its panel PrioF (PriorityGroup).
namespace mode {
inline constexpr ControlText manual{.name = "MAo", .index = 0, .caption = "Man",
                                    .tooltip = "Let the user decide what he/she wants to happen in the program"};
inline constexpr ControlText automatic{.name = "MAo", .index = 1, .caption = "Aut",
                                       .tooltip = "Program choose certain options automatically"};
}  // namespace mode

namespace priority {
inline constexpr ControlText opener{.name = "Prio", .caption = "Default >>"};
inline constexpr ControlText frame{.name = "PrioF", .caption = "Priority Settings (Not saved)"};
inline constexpr ControlText close{.name = "PrioC", .index = 0, .caption = "X", .tooltip = "Close"};
// PrioC(1..3) set PrioLevel 5, 3 and 1; PrioL(0..2) say so beside them.
inline constexpr ControlText levels[3] = {{.name = "PrioC", .index = 1, .caption = "Low"},
                                          {.name = "PrioC", .index = 2, .caption = "Default"},
                                          {.name = "PrioC", .index = 3, .caption = "High"}};
inline constexpr ControlText legends[3] = {{.name = "PrioL", .index = 0, .caption = "Background (5)"},
                                           {.name = "PrioL", .index = 1, .caption = "Normal (3)"},
                                           {.name = "PrioL", .index = 2, .caption = "Foreground (1)"}};
}  // namespace priority

// Above the view (ViewBarGroup) and below it (StatusGroup), with the notices over it.
namespace viewBar {
inline constexpr ControlText wide{.name = "RTXw", .index = 0, .caption = "X", .tooltip = "Wide view"};
inline constexpr ControlText narrow{.name = "RTXw", .index = 1, .caption = "O", .tooltip = "Narrow view"};
inline constexpr ControlText rowLabel{.name = "Label5", .caption = "Row:"};
inline constexpr ControlText row{.name = "LinkTel"};
inline constexpr ControlText folderLabel{.name = "Lab8", .index = 0, .caption = "DIR:"};
inline constexpr ControlText folders{.name = "DirLab"};
inline constexpr ControlText fileLabel{.name = "Lab8", .index = 1, .caption = "FILES"};
inline constexpr ControlText files{.name = "FileLab"};
inline constexpr ControlText view{.name = "RtB", .hint = "To select: Lckick three(3) times"};
}  // namespace viewBar

namespace status {
inline constexpr ControlText line{.name = "LaB"};
inline constexpr ControlText hint{.name = "hP"};
inline constexpr ControlText loading{.name = "Wag", .caption = "Busy Loading..."};
inline constexpr ControlText creating{.name = "CrePan", .caption = "CREATING. PLEASE Wait..."};
inline constexpr ControlText reading{.name = "UpPan"};
inline constexpr ControlText readingImage{.name = "UpIma", .hint = "Reading the drive"};
inline constexpr ControlText setDriveWarning{.name = "Warning", .caption = "&^^^^ Remember to SET the CD/DVD drive!"};
}  // namespace status

// The left column: drives (DriveGroup) with their panels SellDPan and WDrive, and the
// browse area (FileListGroup).
namespace drive {
inline constexpr ControlText defaultLabel{.name = "DefDrivePan", .caption = "  Default Drive:"};
inline constexpr ControlText defaultDrive{.name = "DefDrive"};
inline constexpr ControlText refresh =
    command(Command::RefreshDriveInfo, "Refresh Drive Info",
            "Rfresh disc info. Make sure it is the correct disc in the drive!");
inline constexpr ControlText setCdDvd =
    command(Command::SetCdDvd, "Set CD/DVD", "Done only once, unless a new Source drive is selected");
inline constexpr ControlText dataPath{.name = "SoekCom", .index = 12, .caption = "Data Path"};
inline constexpr ControlText quickFrame{.name = "SellDPan"};
inline constexpr int kQuickDrives = 4;  // SellD(0..3), first captions H, I, J, K
constexpr ControlText quickDrive(int index) { return {.name = "SellD", .index = index}; }
inline constexpr ControlText ready{.name = "KlaaR", .caption = "Ready"};
inline constexpr ControlText choiceFrame{.name = "WDrive"};
inline constexpr ControlText question{.name = "SSPanel2", .index = 0, .caption = "Which is the default CD/DVD drive?"};
inline constexpr ControlText instructions{.name = "Label3"};
inline constexpr ControlText selectLabel{.name = "Lab4", .caption = "Select"};
inline constexpr ControlText letters{.name = "SScLys"};
inline constexpr ControlText proceed{.name = "WCom", .index = 0, .caption = "Continue",
                                     .hint = "Set the default CD/DVD drive. If not set the program will not work!"};
inline constexpr ControlText cancel{.name = "WCom", .index = 1, .caption = "Cancel"};
}  // namespace drive

namespace fileList {
inline constexpr ControlText drives{.name = "Drive1"};
inline constexpr ControlText folders{.name = "Dir1"};
inline constexpr ControlText rawFiles{.name = "File1"};
inline constexpr ControlText files{.name = "FiL", .hint = "DClick to run or open. RClick to set associations"};
inline constexpr ControlText goTo{.name = "OpenFile", .caption = "GoTo",
                                  .hint = "After selection in bicbox, go to spesific place on given disc"};
}  // namespace fileList

// The right column: find (FindGroup) with its panels, reports (ReportGroup) and the view's
// search settings (SearchSettingsGroup).
namespace find {
inline constexpr ControlText frame{.name = "FPan", .caption = "SEARCH "};
inline constexpr ControlText words{.name = "FTex"};
inline constexpr ControlText focusWords{.name = "SSPanel1", .index = 0, .caption = "-F2",
                                        .hint = "Press F2 to activate search text box"};
inline constexpr ControlText clearWords{.name = "SSPanel1", .index = 4, .caption = "DEL",
                                        .hint = "Delete ALL search entries"};
inline constexpr ControlText findFirst = command(Command::Find, "Find-F3", kSameList);
inline constexpr ControlText findNext = command(Command::FindNext, "Find Next-F4", "Internal-Find the next item");
inline constexpr ControlText findGlobal =
    command(Command::FindGlobal, "Find Global", "External-Find in all the disc something...");
inline constexpr ControlText help = command(Command::SearchHelp, "SHelp", "&H0000FF00&");
inline constexpr ControlText found{.name = "TelSoekWys"};
inline constexpr ControlText queue{.name = "QL"};
inline constexpr ControlText reported{.name = "RduB"};
inline constexpr ControlText menu{.name = "FindMenuPan", .caption = "Find Menu"};
// FCom(i) presses GCom(i + 2): Find-F3, Find Next-F4, Find Global.
inline constexpr ControlText menuButtons[3] = {{.name = "FCom", .index = 0, .caption = "Find-F3"},
                                               {.name = "FCom", .index = 1, .caption = "Find Next-F4"},
                                               {.name = "FCom", .index = 2, .caption = "Find Global"}};
inline constexpr const char* kMenuHint =
    "F3 search 1st instance. F4 search through disc. Global search all discs. [";
// The buttons that find in the loaded view, enabled only while it holds a catalogue.
inline constexpr ControlText viewFinders[] = {findFirst, findNext, menuButtons[0], menuButtons[1]};
inline constexpr ControlText closeMenu = command(Command::CloseFindMenu, "X", "Close Find menu");
inline constexpr ControlText helpFrame{.name = "SHelp", .caption = "Global SEARCH help"};
inline constexpr ControlText helpText{.name = "SHelpLab"};
inline constexpr ControlText counterFrame{.name = "FileCounter", .caption = "Search through # files:"};
inline constexpr ControlText examined{.name = "TelSoek"};
inline constexpr ControlText findings{.name = "TVieW"};
}  // namespace find

namespace reports {
inline constexpr ControlText report = command(Command::Report, "Report", kSameList);
inline constexpr ControlText editable = command(Command::EditReport, "ER", kSameList);
inline constexpr ControlText frame{.name = "ReportPan", .caption = "Report"};
inline constexpr ControlText load = command(Command::LoadReport, "Load", kSameList);
inline constexpr ControlText save = command(Command::SaveReport, "Save", kSameList);
inline constexpr ControlText loader{.name = "LoadReport", .caption = "Load Report"};
inline constexpr ControlText saved{.name = "LoadReportLys"};
inline constexpr ControlText text{.name = "LoadReportX"};
inline constexpr ControlText folder{.name = "Dir3"};
inline constexpr ControlText files{.name = "File4"};
inline constexpr ControlText loadChosen{.name = "LoadReportCom", .index = 1, .caption = "Load Report"};
inline constexpr ControlText closeLoader{.name = "LoadReportCom", .index = 0, .caption = "X", .tooltip = "Close"};
}  // namespace reports

namespace searchSettings {
inline constexpr ControlText frame{.name = "SSet", .caption = "Search Settings"};
inline constexpr ControlText caseSensitive{.name = "SSetC", .index = 0, .caption = "Case Sensitive"};
inline constexpr ControlText completeWord{.name = "SSetC", .index = 1, .caption = "Complete Word"};
}  // namespace searchSettings

// The global search's panel DSoekPan (ScopeGroup).
namespace scope {
inline constexpr ControlText frame{.name = "DSoekPan", .caption = " Select Discs to search in"};
inline constexpr ControlText discs{.name = "SoekLys"};
inline constexpr ControlText selectAll{.name = "SoekCom", .index = 1, .caption = "Select ALL"};
inline constexpr ControlText selectNone{.name = "SoekCom", .index = 2, .caption = "Select NONE"};
inline constexpr ControlText selections{.name = "RemSel"};
inline constexpr ControlText deleteSelection{.name = "SoekCom", .index = 11, .caption = "D",
                                             .tooltip = "Delete Selection"};
inline constexpr ControlText rememberSelection{.name = "SoekCom", .index = 4, .caption = "Remember Selection"};
inline constexpr ControlText setSelection{.name = "SoekCom", .index = 5, .caption = "SET Selection",
                                          .tooltip = "SET Selection"};
inline constexpr ControlText typesLabel{.name = "Label7", .index = 1, .caption = "File type to search for"};
inline constexpr ControlText types{.name = "ExtLys"};
inline constexpr ControlText newType{.name = "AddExt", .tooltip = "Max Char = 6"};
inline constexpr ControlText addType{.name = "SoekCom", .index = 6, .caption = "ADD Extention"};
inline constexpr ControlText lengthLabel{.name = "Label7", .index = 2, .caption = "Length"};
inline constexpr ControlText length{.name = "SLen", .tooltip = "Len of extention INCLUDED dot (0=Variable length)"};
inline constexpr ControlText searchTypes{.name = "SoekCom", .index = 7, .caption = "Search Extention"};
inline constexpr ControlText saveTypes{.name = "SoekCom", .index = 8, .caption = "Save List"};
inline constexpr ControlText clearTypes{.name = "SoekCom", .index = 9, .caption = "C", .tooltip = "CLEAR List"};
inline constexpr ControlText deleteTypes{.name = "SoekCom", .index = 10, .caption = "D", .tooltip = "DELETE Selected"};
inline constexpr ControlText sets{.name = "Sette", .caption = "Extention SETS"};
inline constexpr ControlText category{.name = "SoekCom", .index = 13, .caption = "Category"};
inline constexpr ControlText listChanged{.name = "NewDisc", .caption = "List have CHANGED ! !"};
inline constexpr ControlText caseSensitive{.name = "CaseON", .caption = "Case sensitive"};
inline constexpr ControlText wordOnly{.name = "WordOnly", .caption = "Word ONLY"};
inline constexpr ControlText removeDoubles{.name = "AutDub", .caption = "Auto-remove double filenames"};
inline constexpr ControlText removeDoublesNote{.name = "Label7", .index = 0, .caption = "OFF:Get every link"};
inline constexpr ControlText showFindings{.name = "TVieWC", .caption = "VIEW Findings"};
inline constexpr ControlText start{.name = "SoekCom", .index = 3, .caption = "START"};
inline constexpr ControlText cancel{.name = "SoekCom", .index = 0, .caption = "Cancel Search"};
inline constexpr ControlText searchWords{.name = "XTL"};
inline constexpr ControlText setWords{.name = "SSS"};
}  // namespace scope

// The panels of disc maintenance: DmD and UpXFiles (MaintenanceGroup).
namespace maintenance {
inline constexpr ControlText deleteFrame{.name = "DmD", .caption = " DANGER: Delete many discs at once"};
inline constexpr ControlText deleteList{.name = "DmDLys", .tooltip = "Select discs to be DELETED"};
inline constexpr ControlText deleteSelected{.name = "SSPanel1", .index = 7, .caption = "DELETE SELECTED DISCS",
                                            .hint = "DELETE the selected discs and close this box"};
inline constexpr ControlText closeDelete{.name = "SSPanel1", .index = 6, .caption = "X", .hint = "Close this box"};
inline constexpr ControlText updateFrame{.name = "UpXFiles", .caption = "Update old files"};
inline constexpr ControlText oldFiles{.name = "XFile"};
inline constexpr ControlText noOldFiles{
    .name = "XFileNote",
    .caption = "No catalogue in the data folder has the older layout (entry lines that begin with three blanks): "
               "there is nothing to update."};
inline constexpr ControlText update{.name = "XCom", .index = 0, .caption = "Go!"};
inline constexpr ControlText closeUpdate{.name = "XCom", .index = 1, .caption = "X", .tooltip = "Close"};
}  // namespace maintenance

// The associations panel SocPan (AssociationGroup).
namespace associations {
inline constexpr ControlText frame{.name = "SocPan", .caption = "Associations"};
inline constexpr ControlText howTitle{.name = "SSPanel2", .index = 1, .caption = " How it works"};
inline constexpr ControlText howText{.name = "AssHP", .hint = "How it Works"};
inline constexpr ControlText hintLine{.name = "HIW"};
inline constexpr ControlText hints{.name = "HLys"};
inline constexpr ControlText links{.name = "SoCLys"};
inline constexpr ControlText extensions{.name = "EXLys"};
inline constexpr ControlText line{.name = "SoCTeX", .hint = "Use to modify and Edit. Also to see complete prg and path"};
// SoCCom(0..4).
inline constexpr ControlText newLink{.name = "SoCCom", .index = 0, .caption = "NEW"};
inline constexpr ControlText edited{.name = "SoCCom", .index = 1, .caption = "EDITed"};
inline constexpr ControlText remove{.name = "SoCCom", .index = 2, .caption = "DELETE"};
inline constexpr ControlText ok{.name = "SoCCom", .index = 3, .caption = "OK"};
inline constexpr ControlText select{.name = "SoCCom", .index = 4, .caption = "Select"};
inline constexpr ControlText picker{.name = "AddNew"};
inline constexpr ControlText pickerDrive{.name = "Drive2"};
inline constexpr ControlText pickerFolder{.name = "Dir2"};
inline constexpr ControlText pickerFiles{.name = "File2"};
inline constexpr ControlText pastePath{.name = "PastePad",
                                       .hint = "Paste the destination folder to open. EX: copy path from Explorer and enter"};
inline constexpr ControlText pasteArrows{.name = "PasteArrows", .caption = "V V V V"};
inline constexpr ControlText pasteLabel{.name = "PasteLab", .caption = "Paste path && enter"};
}  // namespace associations

// The message panel MsgP that MsG shows (MessagePanel).
namespace message {
inline constexpr ControlText panel{.name = "MsgP"};
inline constexpr ControlText heading{.name = "MsgH"};
inline constexpr ControlText text{.name = "MsgT"};
inline constexpr ControlText icons[2] = {{.name = "MsgI", .index = 0, .hint = "Information"},
                                         {.name = "MsgI", .index = 1, .hint = "Warning"}};
// MsgC(0..2): the answers Yes, No and Cancel.
inline constexpr ControlText buttons[3] = {{.name = "MsgC", .index = 0, .caption = "Yes"},
                                           {.name = "MsgC", .index = 1, .caption = "NO"},
                                           {.name = "MsgC", .index = 2, .caption = "CANCEL"}};
}  // namespace message

}  // namespace quilmo::names
