#pragma once
// Reads the combined index (IndexFormat.h, namespace combined): one file that answers a
// search for every catalogue it holds with one look-up per trigram. Like a part, it is
// believed only as far as it checks out: the header and the catalogue records when it is
// opened, each list and block table when a search reads it, and each catalogue's record
// against the catalogue as it is now.
#include <QFile>
#include <QHash>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FileStamp.h"
#include "platform/StampedFile.h"
#include "search/index/BlockLists.h"
#include "search/index/BlockTable.h"
#include "search/index/Trigrams.h"

namespace quilmo::search {

class CombinedIndex {
 public:
  // Read: each list and table is read when asked for, as a search asks for a few; a fresh
  // mapping would cost a page fault every few pages, dearer than reading them. Mapped: the
  // whole file is mapped, for reading most of it (combining it anew).
  enum class Access { Read, Mapped };
  explicit CombinedIndex(const QString& path, Access access = Access::Read);

  bool usable() const { return usable_; }
  std::uint32_t discCount() const { return discs_; }
  // The number of the catalogue of this name (relative to the data folder, without
  // ".rtf"); none when it holds no such catalogue.
  std::optional<std::uint32_t> discOf(const QString& name) const;
  QString nameOf(std::uint32_t disc) const;
  // The catalogue as it was when indexed.
  FileStamp stampOf(std::uint32_t disc) const;
  // What is read lands in scratch, and what points into it stays valid until its next use.
  // Bytes read from the file for a caller. A read fills them whole, so they are never
  // cleared first: a search reads a few megabytes of lists.
  class Scratch {
   public:
    unsigned char* sized(std::size_t size) {
      if (size > capacity_ || !bytes_) {
        bytes_ = std::make_unique_for_overwrite<unsigned char[]>(std::max<std::size_t>(size, 1));
        capacity_ = size;
      }
      return bytes_.get();
    }

   private:
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t capacity_ = 0;
  };
  // Its block table, checked; none when damaged. Its extent alone (offsets null) needs no
  // check of the table, for a catalogue none of whose blocks is read.
  std::optional<BlockTable> tableOf(std::uint32_t disc, Scratch& scratch) const;
  BlockTable extentOf(std::uint32_t disc) const;

  // The blocks of every catalogue that may hold a line with one of the words; per
  // catalogue, none when they are more than maxShare of its blocks. None at all when a
  // list read is damaged.
  using Answer = std::vector<std::optional<BlockSet>>;
  std::optional<Answer> answer(const IndexQuery& query, double maxShare) const;

  // One catalogue's block list of a key's list.
  struct Entry {
    std::uint32_t disc = 0, count = 0;
    index::ListForm form = index::ListForm::Gaps;
    const unsigned char* payload = nullptr;
    std::size_t size = 0;
  };
  // The entries of key's list, checked; false when it is damaged (an absent key has none).
  bool entriesOf(std::uint32_t key, std::vector<Entry>& entries, Scratch& scratch) const;

 private:
  const unsigned char* disc(std::uint32_t d) const { return discTable_ + std::size_t(d) * index::combined::kDiscSize; }
  // The file's bytes [at, at + size), which the caller knows to lie in it: mapped, or read
  // into scratch; null when they cannot be read.
  const unsigned char* bytesAt(std::uint64_t at, std::size_t size, Scratch& scratch) const;
  const unsigned char* directoryEntry(std::uint32_t key, Scratch& scratch) const;
  bool open(std::uint64_t size);

  StampedFile file_;              // Read
  std::unique_ptr<QFile> mapped_;  // Mapped
  const unsigned char* base_ = nullptr;
  bool usable_ = false;
  std::uint32_t discs_ = 0;
  Scratch records_;  // the catalogue records and names, read or mapped once
  const unsigned char *discTable_ = nullptr, *names_ = nullptr;
  std::uint64_t namesSize_ = 0, tablesSize_ = 0, listsSize_ = 0;
  std::uint64_t tablesAt_ = 0, listsAt_ = 0, directoryAt_ = 0;
  QHash<QString, std::uint32_t> byName_;
};

}  // namespace quilmo::search
