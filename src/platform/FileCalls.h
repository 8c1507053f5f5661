#pragma once
// The system calls behind ReplacingFile, one implementation per system (FileCalls_posix.cpp,
// FileCalls_win.cpp). A failure leaves an errno value in errno on every system, so the
// messages for it are worded in one place (plainFileError).
#include <QString>

namespace quilmo::FileCalls {

qint64 processId();
// False only when it is certain that no process with that id is running; an id that
// names no single process counts as running.
bool processMayBeRunning(qint64 pid);

// A descriptor for a file that did not exist before (EEXIST when it did), or -1.
int createNew(const QString& path);
// The number of bytes written, at least one, or -1 (EINTR asks for a retry).
qint64 writeSome(int fd, const char* data, qint64 size);
bool syncData(int fd);
bool close(int fd);

// Puts from in the place of to, replacing it whole.
bool renameOver(const QString& from, const QString& to);
void remove(const QString& path);
// Makes the latest renames and removals in folder last.
bool syncFolder(const QString& folder);

}  // namespace quilmo::FileCalls
