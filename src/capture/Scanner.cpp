#include "capture/Scanner.h"

#include <QFile>
#include <deque>
#include <string>

#include "capture/CatalogueLine.h"
#include "capture/ScanListWriter.h"
#include "platform/FolderReader.h"

namespace quilmo {

namespace {

struct PendingFolder {
  std::string native;  // ends with '/'
  std::string disc;    // "E:\DOCS\"
};

}  // namespace

// One listing per folder gives what two listings (subfolders first, then files) would:
// subfolders join the queue in listing order, and files are written in listing order.
ScanCounts walkDisc(const QString& nativeRoot, QChar letter, ScanListWriter& writer, const ScanProgress& progress) {
  ScanCounts counts;
  std::deque<PendingFolder> queue;
  std::string root = QFile::encodeName(nativeRoot).toStdString();
  if (root.empty() || root.back() != '/') root += '/';
  queue.push_back({std::move(root), CatalogueLine::rootFolder(letter)});

  while (!queue.empty()) {
    const PendingFolder folder = std::move(queue.front());
    queue.pop_front();
    FolderReader reader(folder.native);
    FolderEntry entry;
    while (reader.next(entry)) {
      if (entry.isFolder) {
        PendingFolder sub;
        sub.native.reserve(folder.native.size() + entry.name.size() + 1);
        sub.native.append(folder.native).append(entry.name) += '/';
        CatalogueLine::appendFolder(sub.disc, folder.disc, entry.name);
        queue.push_back(std::move(sub));
        counts.folders += 1;
      } else {
        writer.fileLine(folder.disc, entry.name);
        counts.files += 1;
      }
      if (progress) progress(counts);
    }
  }
  return counts;
}

ScanResult scanDisc(const QString& nativeRoot, QChar letter, const QString& listPath, const ScanProgress& progress) {
  ScanResult result;
  ScanListWriter writer(listPath);
  if (!writer.isOpen()) {
    writer.close(&result.error);
    return result;
  }
  result.counts = walkDisc(nativeRoot, letter, writer, progress);
  writer.totals(result.counts.files, result.counts.folders);
  result.written = writer.close(&result.error);
  return result;
}

}  // namespace quilmo
