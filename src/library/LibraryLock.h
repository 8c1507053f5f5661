#pragma once
// One program at a time changes the library of a data folder. The window and quilmo-cli,
// or two of either, take this lock around every read-modify-write of the disc list and of
// the catalogues' names, and read the list again once they hold it. The lock and the other
// files that keep the library safe live in the data folder's hidden folder ".quilmo", so
// every program that reaches the folder sees them. A lock left by a program that died is
// recognised as stale and taken over.
#include <QLockFile>
#include <QString>

namespace quilmo::library {

// dataPath + ".quilmo/".
QString safetyFolder(const QString& dataPath);
// Makes the safety folder when it is missing; false with the reason when it cannot.
bool makeSafetyFolder(const QString& dataPath, QString* error = nullptr);

class LibraryLock {
 public:
  explicit LibraryLock(const QString& dataPath);

  // Waits while other programs change the library; false, with refusal() saying why, when
  // one holder keeps the lock for kPatienceMs. A queue of programs that each finish in
  // turn is progress, so the wait starts again whenever the holder changes.
  bool acquire();
  QString refusal() const { return refusal_; }
  QString dataPath() const { return dataPath_; }

  static constexpr int kPatienceMs = 5000;

 private:
  QString dataPath_;
  QLockFile lock_;
  QString refusal_;
};

}  // namespace quilmo::library
