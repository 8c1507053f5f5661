#pragma once
// The search index of a data folder: one part per catalogue in the hidden folder
// ".quilmo/index/", named after the catalogue as it is on disk ("NAME.rtf" has
// "NAME.qix"; "Split-9/JPG.rtf" has "Split-9/JPG.qix"). Nothing needs it: a part that is
// missing, out of date or damaged only means that its catalogue is read whole.
//
// Searches note which parts they could not use, so that those are rebuilt afterwards.
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>

#include "search/index/IndexPart.h"

namespace quilmo::search {

class SearchIndex {
 public:
  explicit SearchIndex(QString dataPath);

  // The library has an index: someone made it with `quilmo-cli index`. Until then a search
  // builds no parts, so no user waits for an index they never asked for.
  bool exists() const;

  // The part of the catalogue at cataloguePath; empty for a catalogue outside the data folder.
  QString partPath(const QString& cataloguePath) const;
  PartState stateOf(const QString& cataloguePath) const;

  // Rebuilds the parts of these catalogues on a few threads; every (catalogue, error) that
  // failed goes to failed, from any of those threads, one at a time.
  using Failure = std::function<void(const QString& cataloguePath, const QString& error)>;
  void rebuild(const QStringList& cataloguePaths, const Failure& failed = {}) const;
  // Removes parts whose catalogue is not among these and temporary files of programs gone.
  void removeOthers(const QStringList& cataloguePaths) const;

  // Brings an existing index in line with the library after any change of its catalogues:
  // the parts of new, changed or damaged catalogues are rebuilt, those of catalogues gone
  // removed. Does nothing for a library without an index. Safe beside running searches and
  // other programs doing the same: every part is replaced whole.
  struct Update {
    qsizetype catalogues = 0, rebuilt = 0, failed = 0;
  };
  Update update(const Failure& failed = {}) const;
  // The same for a library that may have no index yet: makes one (quilmo-cli index).
  Update build(bool anew, const Failure& failed = {}) const;

  // Beyond this share of a catalogue's blocks, reading it whole is as quick as reading
  // those blocks, so a search does.
  double indexedShare() const { return indexedShare_; }
  void setIndexedShare(double share) { indexedShare_ = share; }

  // Thread-safe: a search found the part of this catalogue unusable, or read the
  // catalogue through its part.
  void noteUnusable(const QString& cataloguePath) const;
  QStringList takeUnusable();
  void noteIndexedRead() const { ++indexedReads_; }
  qint64 indexedReads() const { return indexedReads_; }

  // The catalogues of a library: those of the disc list, then the split files.
  static QStringList catalogues(const QString& dataPath);

 private:
  QString dataPath_, folder_;
  double indexedShare_ = 0.25;
  mutable std::atomic<qint64> indexedReads_ = 0;
  mutable std::mutex mutex_;
  mutable QStringList unusable_;
};

}  // namespace quilmo::search
