#pragma once
// The program-wide values, one set for the whole run.
#include <QString>

namespace quilmo {

struct ProgramValues {
  QString dataPath;   // DataPath: the data folder, ends with the native separator
  QString appFolder;  // AppFolder: the program's own folder, ends with the separator
  QString discDrive;  // DiscDrive: letter of the CD/DVD drive, no colon; empty when unset
  bool autoMode = true;  // AutoMode
  int prioLevel = 3;     // PrioLevel: 5 low, 3 default, 1 high
  int msgAnswer = 0;     // MsgAnswer: 6 Yes, 7 No, 2 Cancel, 0 while waiting
  bool nameMatch = false;  // NameMatch
  QString scanRoot;        // ScanRoot, e.g. "E:\"
  double filesCount = 0;   // FilesCount
  double foldersCount = 0;  // FoldersCount
  QString chosenPath;      // ChosenPath
  qint64 viewCaret = 0;    // ViewCaret
  qint64 findStart = 0;    // FindStart
  QString browseFolder;    // BrowseFolder, a disc path ending with "\"
  QString pickFolder;      // PickFolder
  double discHits = 0;     // DiscHits
};

inline constexpr QChar kLineBreak = u'\n';  // LineBreak

}  // namespace quilmo
