#pragma once
// The search index of a data folder, in the hidden folder ".quilmo/index/": the combined
// index ("library.qil", CombinedIndex.h), which holds most catalogues, and a part for each
// catalogue indexed since ("NAME.qix" for "NAME.rtf", "Split-9/JPG.qix" for
// "Split-9/JPG.rtf"). Nothing needs it: a catalogue that neither holds as it is now is
// only read whole.
//
// Searches note which catalogues they could not read through it, so that those are
// indexed afterwards.
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

#include "search/index/IndexPart.h"

namespace quilmo::search {

class CombinedIndex;

class SearchIndex {
 public:
  explicit SearchIndex(QString dataPath);

  // The library has an index: someone made it with `quilmo-cli index`. Until then a search
  // builds none, so no user waits for an index they never asked for.
  bool exists() const;

  // The catalogue's name in the index (relative to the data folder, without ".rtf"), and
  // the path of its part; empty for a catalogue outside the data folder.
  QString nameOf(const QString& cataloguePath) const;
  QString partPath(const QString& cataloguePath) const;
  QString combinedPath() const { return folder_ + QStringLiteral("library.qil"); }
  // Fresh when the combined index or the part holds the catalogue as it is now. The first
  // opens the combined index for the one catalogue; for many, open it once.
  PartState stateOf(const QString& cataloguePath) const;
  PartState stateOf(const QString& cataloguePath, const CombinedIndex& combined) const;

  // Brings an existing index in line with the library after any change of its catalogues:
  // catalogues new, changed or damaged are indexed, those gone are dropped. Does nothing
  // for a library without an index. Safe beside running searches and other programs
  // doing the same: every file is replaced whole.
  using Failure = std::function<void(const QString& cataloguePath, const QString& error)>;
  struct Update {
    qsizetype catalogues = 0, rebuilt = 0, failed = 0;
  };
  Update update(const Failure& failed = {}) const;
  // The same for a library that may have no index yet: makes one (quilmo-cli index);
  // anew indexes every catalogue again.
  Update build(bool anew, const Failure& failed = {}) const;
  // After a search that noted catalogues it could not read through the index: indexes them.
  void updateAfterSearch();

  // Beyond this share of a catalogue's blocks, reading it whole is as quick as reading
  // those blocks, so a search does.
  double indexedShare() const { return indexedShare_; }
  void setIndexedShare(double share) { indexedShare_ = share; }

  // Thread-safe: a search found the index unusable for this catalogue (or found the
  // combined index damaged), or read the catalogue through it.
  void noteUnusable(const QString& cataloguePath) const;
  void noteCombinedDamaged() const { combinedDamaged_ = true; }
  QStringList takeUnusable();  // those noted since the last call
  void noteIndexedRead() const { ++indexedReads_; }
  qint64 indexedReads() const { return indexedReads_; }

  // The catalogues of a library: those of the disc list, then the split files.
  static QStringList catalogues(const QString& dataPath);

 private:
  struct Catalogue {
    QString path;
    FileStamp stamp;
  };
  // The same with their stamps, each file asked once.
  static std::vector<Catalogue> cataloguesNow(const QString& dataPath);
  PartState stateOf(const Catalogue& catalogue, const CombinedIndex& combined) const;
  static QStringList pathsOf(const std::vector<Catalogue>& catalogues);
  // Indexes these catalogues into parts on a few threads; every (catalogue, error) that
  // failed goes to failed, from any of those threads, one at a time.
  void buildParts(const QStringList& cataloguePaths, const Failure& failed) const;
  // Removes the parts of catalogues that are not among these or that the combined index
  // holds as they are (a rebuild cut short leaves both), and temporary files of programs gone.
  void removeOthers(const std::vector<Catalogue>& catalogues, const CombinedIndex& combined) const;
  bool combinedHolds(const Catalogue& catalogue, const CombinedIndex& combined) const;
  // Writes the combined index anew from the earlier one and the parts, when enough has
  // changed since it was written (or always), and removes the parts it took in. False when
  // the earlier one failed a check.
  bool combine(const std::vector<Catalogue>& catalogues, bool always) const;

  QString dataPath_, dataPathSlashed_, folder_;  // the second with "/" between folders
  double indexedShare_ = 0.25;
  mutable std::atomic<qint64> indexedReads_ = 0;
  mutable std::atomic<bool> combinedDamaged_ = false;
  mutable std::mutex mutex_;
  mutable QStringList unusable_;
};

}  // namespace quilmo::search
