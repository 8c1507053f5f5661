#pragma once
// A folder pasted into the program picker (PastePad). A folder that does not exist is cut
// back to just before its last backslash, again and again, until an existing folder is
// reached. A path with a drive letter goes through the drive map; a native path
// (one copied from a file manager) is taken as it is.
#include <QString>

namespace quilmo {
class DriveMap;
}

namespace quilmo::library {

struct PastedFolder {
  bool found = false;
  QString text;          // what PastePad holds afterwards
  QString nativeFolder;  // the folder the picker shows, ending with the separator
};

// Not found: nothing was left to cut, or the drive has no disc; the window then shows
// "Cannot fix path" with cannotFixPathMessage().
PastedFolder findPastedFolder(const DriveMap& drives, const QString& pasted);

QString cannotFixPathMessage();

}  // namespace quilmo::library
