#pragma once
// Lists the entries of one folder, in the order the file system gives them, without
// following anything: a symbolic link is an entry that is not a folder, and so are
// FIFOs, sockets and device nodes. Names are the raw bytes of the file system.
// One reader lists one folder after another through the same large buffer, so a walk
// of thousands of folders costs two system calls per folder and no allocation.
#include <memory>
#include <string>
#include <string_view>

namespace quilmo {

struct FolderEntry {
  std::string_view name;  // valid until the next call of next() or open()
  bool isFolder = false;
};

class FolderReader {
 public:
  FolderReader();
  ~FolderReader();
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;

  // Starts listing folder, a native path with or without a trailing separator. A folder
  // that cannot be opened (missing, not a folder, access denied) yields no entries and
  // gives false. With followLink false, a folder that has become a symbolic link since it
  // was listed is not opened either.
  bool open(const std::string& folder, bool followLink = true);
  bool isOpen() const { return fd_ >= 0; }
  // The next entry other than "." and ".."; false when there is none left.
  bool next(FolderEntry& entry);

  static constexpr size_t kBufferSize = 256 * 1024;

 private:
  void close();
  bool fill();

  int fd_ = -1;
  std::unique_ptr<char[]> buffer_;
  size_t filled_ = 0;  // bytes of entries in the buffer
  size_t at_ = 0;      // the next entry's offset
};

}  // namespace quilmo
