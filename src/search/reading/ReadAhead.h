#pragma once
// Reads the catalogues of a search on worker threads, a few files ahead of the one the
// caller is consuming, and hands the pieces back strictly in queue and file order. The
// order of hits and every counter therefore stay those of a one-line-at-a-time reading.
// A caller that may read (a command line, not a window, which must stay free for its
// events however slow the disc) reads a file ahead itself while it waits for a piece
// instead of sleeping; the workers are then one fewer than the cores, so none is shared.
#include <QString>
#include <QStringList>
#include <array>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "search/reading/CatalogueReader.h"

namespace quilmo::search {

class ReadAhead {
 public:
  ReadAhead(const CatalogueReader& reader, QStringList paths, bool callerReads);
  ~ReadAhead();  // cancels and joins the workers

  // The next piece of file number fileIndex (files are consumed in order, each up to
  // its last piece). While waiting, calls whileWaiting every few milliseconds; returns
  // false, without a piece, when whileWaiting returns false.
  bool next(int fileIndex, ReadPiece& piece, const std::function<bool()>& whileWaiting);
  // Gives a consumed piece back, so its memory serves a later block.
  void recycle(ReadPiece&& piece);

  static int workerCount(bool callerReads);

 private:
  void work();
  // Reads file number `file`; a worker waits for room in its queue, the caller does not.
  void read(int file, bool waitForRoom);
  // A file the caller may read while it waits (-1: none); called under the lock.
  int fileToHelpWith();
  // The pieces kept for reuse, under the lock: an empty piece, with memory when one is kept.
  ReadPiece takeSpare();
  void keepSpare(ReadPiece&& piece);

  const CatalogueReader& reader_;
  const QStringList paths_;
  const bool callerReads_;
  // Only the files from the one being consumed to kFilesAhead on are read, so each has a
  // queue of its own in a ring of that many: a search of many catalogues keeps a few
  // queues, not one for each. Many, as a catalogue the index rules out is read in
  // microseconds: a worker close behind the caller would wait for it at every file.
  static constexpr int kFilesAhead = 64;
  std::array<std::vector<ReadPiece>, kFilesAhead> queues_;  // a few pieces each, taken from the front
  std::vector<ReadPiece>& queueOf(int file) { return queues_[std::size_t(file % kFilesAhead)]; }
  // Pieces in all queues that hold lines: those hold memory, empty ones hardly any.
  int linePieces_ = 0;
  static bool holdsLines(const ReadPiece& piece) { return !piece.lines.empty(); }
  // Room for a piece of this file: few pieces wait, or it is the file being consumed.
  bool roomFor(int file) const;
  std::vector<ReadPiece> spare_;               // consumed pieces, for reuse
  std::mutex mutex_;
  std::condition_variable produced_, consumed_;
  int nextFile_ = 0;      // the next file a worker takes
  int consuming_ = 0;     // the file the caller is on
  bool cancelled_ = false;
  std::vector<std::thread> workers_;

  // The caller reads a file only when it is small, so it is soon back to its own work.
  static constexpr qint64 kHelpLimit = 8 << 20;
  static constexpr std::size_t kPiecesAhead = 8;  // of one file
  static constexpr int kLinePieces = 6;             // of all files, holding lines
  static constexpr std::size_t kSpare = 32;
};

}  // namespace quilmo::search
