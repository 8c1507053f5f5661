#pragma once
// A chain of folders deeper than the longest path the system opens, made and removed a
// folder at a time, each relative to the one before: neither a path nor the temporary
// folder's own clean-up can reach its bottom.
#include <string>

namespace quilmo::test {

class FolderChain {
 public:
  // levels folders named name, one in the other, below root; an empty file in the last.
  FolderChain(std::string root, std::string name, int levels, std::string file);
  ~FolderChain();
  FolderChain(const FolderChain&) = delete;
  FolderChain& operator=(const FolderChain&) = delete;

  bool made() const { return made_; }
  // "name/name/.../name", relative to root.
  std::string path() const;

 private:
  const std::string root_, name_, file_;
  const int levels_;
  bool made_ = false;
};

}  // namespace quilmo::test
