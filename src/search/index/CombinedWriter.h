#pragma once
// Writes the combined index (IndexFormat.h, namespace combined) from the catalogues of an
// earlier one and from parts, without reading any catalogue: lists are copied, checked
// first. Memory stays bounded: the lists are laid out a range of keys at a time.
#include <QString>
#include <QStringList>
#include <vector>

namespace quilmo::search {

class CombinedIndex;

struct CombinedSources {
  const CombinedIndex* earlier = nullptr;
  std::vector<std::uint32_t> keptDiscs;  // of earlier, rising
  struct Part {
    QString name, partPath, cataloguePath;
  };
  std::vector<Part> parts;
};

// Writes the combined index at path through a temporary file. Parts that are no longer up
// to date or fail their checks are left out (the search then reads their catalogues
// whole); merged receives the part paths taken in. Failed, with the reason, when the file
// cannot be written; nothing is written either when the earlier index fails its checks.
enum class CombineOutcome { Written, EarlierDamaged, Failed };
CombineOutcome writeCombinedIndex(const QString& path, const CombinedSources& sources, QStringList& merged,
                                  QString* error = nullptr);

}  // namespace quilmo::search
