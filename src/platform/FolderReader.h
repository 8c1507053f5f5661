#pragma once
// Lists the entries of one folder, in the order the file system gives them, without
// following anything: a symbolic link is an entry that is not a folder, and so are
// FIFOs, sockets and device nodes. Names are the raw bytes of the file system.
#include <string>
#include <string_view>

namespace quilmo {

struct FolderEntry {
  std::string_view name;  // valid until the next call of next()
  bool isFolder = false;
};

class FolderReader {
 public:
  // folder is a native path, with or without a trailing separator. A folder that cannot
  // be opened (missing, not a folder, access denied) simply yields no entries.
  explicit FolderReader(std::string folder);
  ~FolderReader();
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;

  bool isOpen() const { return handle_ != nullptr; }
  // The next entry other than "." and ".."; false when there is none left.
  bool next(FolderEntry& entry);

 private:
  bool isFolderByStatus(std::string_view name);

  std::string folder_;  // ends with the separator, for the rare status look-ups
  void* handle_ = nullptr;
};

}  // namespace quilmo
