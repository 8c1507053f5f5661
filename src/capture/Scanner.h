#pragma once
// The disc scanner: walks a drive breadth first and writes one catalogue line per file
// as it is found, then the totals line. Only the queue of folders still to list, and the
// few listings read ahead of it (see FolderWalk), are held in memory. Symbolic links are
// never followed (a link is a file line), and a folder that cannot be read contributes
// what could be read of it while the walk goes on, and is counted for the user to know.
#include <QChar>
#include <QString>
#include <functional>
#include <string_view>

namespace quilmo::capture {

class ScanListWriter;
class FactsWriter;
struct VolumeFacts;

// FilesCount and FoldersCount: floating point, as counts shown to the user.
struct ScanCounts {
  double files = 0;       // file lines written
  double folders = 0;     // folders found below the root
  size_t unreadable = 0;  // folders, the root among them, that could not be read; set at the end
};

// "3 folders could not be read", or an empty text when every folder was read.
QString unreadableText(const ScanCounts& counts);

// Called after every entry listed, with the counts so far and the disc path (UTF-8, as in
// the catalogue) of the folder being listed. Keep it cheap: a window throttles its label
// updates and event processing inside it.
using ScanProgress = std::function<void(const ScanCounts&, std::string_view folder)>;

struct ScanResult {
  bool written = false;  // the scan list is complete and closed
  QString error;         // why it is not
  QString factsError;    // why the disc's facts were not written, though the list was
  ScanCounts counts;
};

// Walks nativeRoot (a folder) as the disc root letter + ":\" and writes the lines. With
// facts, each file is also asked for its size and time, streamed in line order.
ScanCounts walkDisc(const QString& nativeRoot, QChar letter, ScanListWriter& writer,
                    const ScanProgress& progress = {}, FactsWriter* facts = nullptr);

// The whole scan: opens listPath afresh, walks, writes the totals line, closes. With a
// volume, the facts side-car of listPath is written alongside and put in place after it.
ScanResult scanDisc(const QString& nativeRoot, QChar letter, const QString& listPath,
                    const ScanProgress& progress = {}, const VolumeFacts* volume = nullptr);

}  // namespace quilmo::capture
