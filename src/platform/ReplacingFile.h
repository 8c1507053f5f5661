#pragma once
// Writes a file that takes another's place whole: the content goes to a temporary file
// beside the target, every write, the sync and the close are checked, and only then is it
// renamed over the target. A crash or a full disk therefore leaves the old file or the new
// one, never a part of either; a failed or abandoned file leaves only the old one.
//
// Temporary files are named ".quilmo-PID-XXXXXX.tmp", so the ones a killed program left
// behind can be recognised and removed (removeStaleTemporaryFiles).
#include <QByteArrayView>
#include <QString>
#include <memory>

#include "platform/BackgroundSync.h"

namespace quilmo {

class ReplacingFile {
 public:
  explicit ReplacingFile(QString target);
  ~ReplacingFile();  // removes the temporary file unless it was committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false (see errorString) when the folder cannot hold it.
  bool open();
  bool isOpen() const { return fd_ >= 0; }
  // Appends bytes. After a failure every later call fails too, with the first reason.
  bool write(QByteArrayView bytes);
  // Syncs what was written so far on a thread of its own, so that commit() finds little
  // left to wait for. Only worth it for a large file written in parts.
  void syncSoFar();
  // Syncs, closes and renames over the target. False, with the target untouched, when any
  // of it fails. A cache that its reader checks in full (the search index) may skip the
  // syncs: after a crash it holds the old file, the new one, or one that fails its checks.
  enum class Sync { Durable, Skip };
  bool commit(Sync sync = Sync::Durable);
  // Throws the temporary file away; the target stays as it was.
  void cancel();

  // The first failure in plain words ("No space left on the disk that holds ...").
  QString errorString() const { return error_; }
  QString target() const { return target_; }

 private:
  bool fail(int error);
  int finishEarlySync();  // the errno of a failed early sync, else 0

  QString target_;
  QString temporary_;
  int fd_ = -1;
  qint64 written_ = 0;
  qint64 syncAsked_ = 0;  // written_ when a sync so far was last asked for
  std::unique_ptr<BackgroundSync> earlySync_;
  QString error_;
};

// Writes bytes as the whole new content of target (see ReplacingFile).
bool replaceFile(const QString& target, QByteArrayView bytes, QString* error = nullptr);

// Removes the temporary files in folder whose program is no longer running.
void removeStaleTemporaryFiles(const QString& folder);

// The reason for a failed file operation, in the user's words; folder is where it happened.
QString plainFileError(int error, const QString& folder);

// Why a small file cannot be written in folder (no space, no permission, ...), found by
// trying; for messages after a failure that gave no reason of its own.
QString whyFolderTakesNoFiles(const QString& folder);

// Makes a rename or removal in folder as lasting as the files it concerns.
bool syncFolder(const QString& folder, QString* error = nullptr);

}  // namespace quilmo
