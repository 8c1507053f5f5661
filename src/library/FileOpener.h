#pragma once
// What a double click on a FiL entry starts: a program entry (types exe, msi, bat, com)
// directly, anything else with the first program of the association table for its type
// prefix. Programs start with an argument vector, never through a shell; the command
// line as text is recorded in AppFolder + "ttt.ttt".
#include <QString>
#include <QStringList>

namespace quilmo {
class DriveMap;
}

namespace quilmo::library {

class AssociationTable;

struct OpenPlan {
  enum Kind { Program, Association, NoAssociation } kind = NoAssociation;
  QString fileName;     // the entry without its type prefix (for the window caption)
  QString program;      // what is started
  QStringList arguments;
  QString commandLine;  // the text recorded in ttt.ttt
};

// nativeFolder: the folder FiL shows, ending with the separator. A program of the table
// written with a drive letter ("C:\Tools\edit.exe") is found through the drive map.
OpenPlan planOpen(const QString& entry, const QString& nativeFolder, const AssociationTable& table,
                  const DriveMap& drives);

struct OpenOutcome {
  OpenPlan plan;
  bool started = false;
  QString error;  // why nothing started (no association, or the start failed)
};

// Plans, starts and records. Not started: the window says "No association?".
OpenOutcome openEntry(const QString& entry, const QString& nativeFolder, const AssociationTable& table,
                      const DriveMap& drives, const QString& appFolder);

// The message panel's text when nothing was started.
QString noAssociationMessage();

}  // namespace quilmo::library
