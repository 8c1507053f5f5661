#include "capture/Scanner.h"

#include <deque>
#include <optional>
#include <string>

#include "capture/CatalogueLine.h"
#include "capture/DiscFacts.h"
#include "capture/ScanListWriter.h"
#include "platform/FolderWalk.h"
#include "platform/NumberFormat.h"

namespace quilmo::capture {

// The walk hands out folders in the order their folder entries came, so a queue of their
// disc paths, filled in that order, names each folder as its turn comes.
ScanCounts walkDisc(const QString& nativeRoot, QChar letter, ScanListWriter& writer, const ScanProgress& progress,
                    FactsWriter* facts) {
  ScanCounts counts;
  std::deque<std::string> discFolders{CatalogueLine::rootFolder(letter)};
  FolderWalk walk(folderPathBytes(nativeRoot), facts ? FolderWalk::FileStatus::Read : FolderWalk::FileStatus::Skip);
  FolderEntry entry;
  while (walk.nextFolder()) {
    const std::string folder = std::move(discFolders.front());
    discFolders.pop_front();
    while (walk.nextEntry(entry)) {
      if (entry.isFolder) {
        CatalogueLine::appendFolder(discFolders.emplace_back(), folder, entry.name);
        counts.folders += 1;
      } else {
        writer.fileLine(folder, entry.name);
        if (facts) facts->file(FileFact{entry.size, entry.size < 0 ? 0 : entry.modified});
        counts.files += 1;
      }
      if (progress) progress(counts, folder);
    }
  }
  counts.unreadable = walk.unreadableFolders();
  return counts;
}

QString unreadableText(const ScanCounts& counts) {
  if (counts.unreadable == 0) return {};
  return counts.unreadable == 1 ? QStringLiteral("1 folder could not be read")
                                : QStringLiteral("%1 folders could not be read").arg(grouped(double(counts.unreadable)));
}

ScanResult scanDisc(const QString& nativeRoot, QChar letter, const QString& listPath, const ScanProgress& progress,
                    const VolumeFacts* volume) {
  ScanResult result;
  ScanListWriter writer(listPath);
  if (!writer.isOpen()) {
    writer.close(&result.error);
    return result;
  }
  // The side-car goes in place after the catalogue, since it records the catalogue's stamp;
  // a crash between the two leaves the old side-car, which that stamp then marks stale.
  std::optional<FactsWriter> facts;
  if (volume) facts.emplace(factsPath(listPath), *volume);
  result.counts = walkDisc(nativeRoot, letter, writer, progress, facts ? &*facts : nullptr);
  writer.totals(result.counts.files, result.counts.folders);
  result.written = writer.close(&result.error);
  if (result.written && facts) facts->close(qint64(result.counts.folders), listPath, &result.factsError);
  return result;
}

}  // namespace quilmo::capture
