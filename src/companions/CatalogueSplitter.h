#pragma once
// Splits one disc's catalogue into per-type catalogues, DataPath/Split-9/TYPE.rtf, which
// the split-file search reads: TYPE is the file name's extension after its last dot, in
// capitals; a name without a dot has no type and its line is left out.
//
// Which disc a line came from is kept beside the search files, so the per-type files
// stay plain catalogue lines: Split-9/Discs/DISC/TYPE.rtf holds that disc's lines of that
// type. Each Split-9/TYPE.rtf is rebuilt from those parts, disc after disc in the order of
// the disc list (ignoring case), each disc's lines in catalogue order. Splitting a disc
// again replaces its parts and rebuilds the types it had or has; other discs' lines stay.
//
// Every file is written crash-safe. A type the disc no longer has is first emptied, then
// its search file rebuilt, and only then is the empty part deleted, so a split cut off at
// any point is completed by running it again.
#include <QString>
#include <QStringList>

namespace quilmo::companions {

struct SplitResult {
  QString error;       // empty on success
  QStringList types;   // the types the disc has now, sorted
  int lines = 0;       // catalogue lines placed in per-type files
};

// The folder of the per-type files for a data folder ("Split-9" beside the catalogues).
QString splitFolderOf(const QString& dataPath);
// The data folder of a catalogue, ending with the separator: where its split writes.
QString dataFolderOf(const QString& cataloguePath);

SplitResult splitCatalogue(const QString& cataloguePath, const QString& disc);

// The types a disc has in the per-type files of a data folder, sorted.
QStringList splitTypesOf(const QString& dataPath, const QString& disc);

// The single argument "CATALOGUE.rtf,DISC": the disc is the text after the last comma.
struct SplitArgument {
  QString cataloguePath;
  QString disc;
};
SplitArgument parseSplitArgument(const QString& argument);

// How the window starts the companion: programFolder + "/sundra" with the one argument
// dataPath + discText + ".rtf," + discText without outer blanks.
struct SplitLaunch {
  QString program;
  QStringList arguments;
};
SplitLaunch splitLaunch(const QString& programFolder, const QString& dataPath, const QString& discText);

}  // namespace quilmo::companions
