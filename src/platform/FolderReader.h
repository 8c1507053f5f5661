#pragma once
// Lists the entries of one folder, in the order the file system gives them, without
// following anything: a symbolic link is an entry that is not a folder, and so are
// FIFOs, sockets and device nodes. Names are the raw bytes of the file system (on
// Windows, the UTF-8 of its UTF-16 names). One reader lists one folder after another
// through the same large buffer, so a walk of thousands of folders costs few system calls
// per folder and no allocation. FolderReader_posix.cpp and FolderReader_win.cpp hold the
// two implementations.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class QString;

namespace quilmo {

struct FolderEntry {
  std::string_view name;  // valid until the next call of next() or start()
  bool isFolder = false;
  // A file's size and modification time, when the walk was asked for them (FolderWalk).
  int64_t size = -1;      // -1: not asked, or the file could not be asked
  int64_t modified = 0;   // nanoseconds since 1970-01-01 UTC
};

// Fills entry's size and modification time from the entry `name` (NUL-ended) of the open
// folder, without following a link; leaves size -1 when the file cannot be asked.
void readEntryStatus(int folder, const char* name, FolderEntry& entry);

// Opens folder (a native path, relative to the folder open at base when base is not
// kWorkingFolder) for listing: a descriptor, or -1 when it cannot be opened (missing, not a
// folder, access denied). The path may be longer than the system's longest path. With
// followLink false, a folder that has become a symbolic link since it was listed is not
// opened either. The caller closes it.
constexpr int kWorkingFolder = -100;
int openFolder(const char* folder, bool followLink = true, int base = kWorkingFolder);
void closeFolder(int folder);

// A folder's path in the bytes that openFolder takes.
std::string folderPathBytes(const QString& folder);

class FolderReader {
 public:
  FolderReader() : buffer_(new char[kBufferSize]) {}

  // Starts listing the folder open at descriptor folder, which stays the caller's; -1 lists
  // nothing.
  void start(int folder) {
    folder_ = folder;
    failed_ = folder < 0;
    filled_ = at_ = 0;
  }
  // The next entry other than "." and ".."; false when there is none left.
  bool next(FolderEntry& entry);
  // The folder could not be listed to its end: it was not open, or reading it failed.
  bool failed() const { return failed_; }

  static constexpr size_t kBufferSize = 256 * 1024;

 private:
  bool fill();

  int folder_ = -1;
  bool failed_ = false;
  std::unique_ptr<char[]> buffer_;
  size_t filled_ = 0;  // bytes of entries in the buffer
  size_t at_ = 0;      // the next entry's offset
};

}  // namespace quilmo
