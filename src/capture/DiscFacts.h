#pragma once
// What Quilmo knows of a disc beyond its catalogue: the volume it was read from and the
// size and time of every file, kept in a side-car of its own, ".quilmo/facts/NAME.facts"
// in the data folder (format in README; see library/DiscSideFiles). The catalogue itself
// never changes for it.
//
// The side-car is streamed while the walk writes the catalogue, one record per catalogue
// line in line order, so its writer holds no list of files. It remembers the size and
// time of the catalogue it belongs to: once the catalogue changed, the facts are stale
// and are ignored rather than applied to other lines.
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

#include "platform/DeviceProbe.h"
#include "platform/StreamedFile.h"

namespace quilmo::capture {

struct VolumeFacts {
  QString label;
  QString identity;  // the file system's UUID or serial; empty when it has none
  QString fileSystem;
  qint64 capacity = 0;  // bytes
  qint64 free = 0;
  bool mountPoint = false;  // false: a plain folder mapped as a drive
  QDateTime scanned;        // UTC, to the second
};

// The identity, or "no identity".
QString identityText(const VolumeFacts& volume);

// Reads the device's own facts (a seam: tests pass a fake).
using DeviceProber = DeviceFacts (*)(const QByteArray& device);

// The facts of the volume whose root nativeRoot is, scanned now. Only a mount point is
// probed: a plain folder belongs to a volume that is not the disc, so it has no identity.
VolumeFacts readVolumeFacts(const QString& nativeRoot, DeviceProber probe = probeDevice);

// The facts of the volume at nativeRoot as creation and "GoTo" see them: readVolumeFacts,
// or what a test stood in for it, so that plain folders can pass for labelled discs with
// an identity. An empty reader puts the real one back.
using VolumeReader = std::function<VolumeFacts(const QString& nativeRoot)>;
VolumeFacts volumeFactsOf(const QString& nativeRoot);
void replaceVolumeReader(VolumeReader reader);

struct FileFact {
  qint64 size = -1;     // -1: the file could not be asked
  qint64 modified = 0;  // nanoseconds since 1970-01-01 UTC
  bool operator==(const FileFact&) const = default;
};

struct DiscFacts {
  VolumeFacts volume;
  qint64 files = 0;
  qint64 folders = 0;
  qint64 bytes = 0;             // the sum of the known file sizes
  std::vector<FileFact> lines;  // one per catalogue file line, in line order
};

// The side-car of the catalogue at cataloguePath (library/DiscSideFiles).
QString factsPath(const QString& cataloguePath);

class FactsWriter {
 public:
  // Starts a new side-car at path (its folder is made); the old one stays until close().
  FactsWriter(const QString& path, const VolumeFacts& volume);

  // The facts of the next catalogue file line.
  void file(const FileFact& fact);
  // Ends the side-car with the totals and the stamp of the catalogue, which must be
  // complete by now, and puts it in place; false (with the reason) when it could not.
  bool close(qint64 folders, const QString& cataloguePath, QString* error = nullptr);

  static constexpr size_t kBufferSize = 256 * 1024;

 private:
  StreamedFile file_;
  qint64 files_ = 0;
  qint64 bytes_ = 0;
};

enum class FactsState { Read, Missing, Truncated, OtherVersion, Damaged, Stale };

struct FactsReading {
  FactsState state = FactsState::Missing;
  QString message;  // why they are ignored; empty when read
  DiscFacts facts;  // empty unless read
};

// Reads and checks the side-car at path of the catalogue at cataloguePath.
FactsReading readFacts(const QString& path, const QString& cataloguePath);
// The same for the side-car in its place.
inline FactsReading readDiscFacts(const QString& cataloguePath) { return readFacts(factsPath(cataloguePath), cataloguePath); }

// The volume's facts and the totals without the per-file records (lines stays empty):
// reads only the head and the closing lines, so a disc of a million files costs no more
// than one of ten. Those lines and the catalogue's stamp are checked as readFacts checks
// them; the records between are not read at all.
FactsReading readFactsSummary(const QString& path, const QString& cataloguePath);
inline FactsReading readDiscSummary(const QString& cataloguePath) {
  return readFactsSummary(factsPath(cataloguePath), cataloguePath);
}

// Only the volume at the head of the side-car at path, its file records left unread, so
// that asking thousands of discs which one a volume is stays cheap. Read means the head is
// sound; the catalogue is not compared, since a disc stays the disc its facts name even
// once its catalogue changed (stale).
FactsReading readFactsHead(const QString& path);

}  // namespace quilmo::capture
