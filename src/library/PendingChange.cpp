#include "library/PendingChange.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "library/DiscListFile.h"
#include "library/DiscSideFiles.h"
#include "library/KeptCatalogues.h"
#include "library/LibraryLock.h"
#include "library/SideFileSteps.h"
#include "platform/CrashPoint.h"
#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsStore.h"

namespace quilmo::library {

namespace {

const QString kSize = QStringLiteral("Size");
const QByteArray kHeader = "quilmo journal 1";

QString journalPath(const QString& dataPath) { return safetyFolder(dataPath) + QStringLiteral("journal"); }
QString lastChangePath(const QString& dataPath) { return safetyFolder(dataPath) + QStringLiteral("last-change"); }

// One word a line, then its values a line each; names hold no line ends (NameRules).
QStringList encodeBody(const PendingChange& change) {
  QStringList lines{QStringLiteral("list"), QString::number(change.list.size())};
  lines += change.list;
  for (const auto& [from, to] : change.moves) lines << QStringLiteral("move") << from << to;
  for (const QString& file : change.kept) lines << QStringLiteral("keep") << file;
  for (const QString& file : change.restored) lines << QStringLiteral("restore") << file;
  for (const auto& [from, to] : change.sideMoves) lines << QStringLiteral("move-sides") << from << to;
  for (const QString& file : change.keptSides) lines << QStringLiteral("keep-sides") << file;
  for (const QString& file : change.restoredSides) lines << QStringLiteral("restore-sides") << file;
  for (const auto& [section, value] : change.sizes) lines << QStringLiteral("size") << section << value;
  for (const QString& section : change.forgotten) lines << QStringLiteral("forget") << section;
  return lines;
}

QByteArray encode(const PendingChange& change) {
  QStringList lines = QStringList{QString::fromLatin1(kHeader)} + encodeBody(change);
  if (change.undo) lines << QStringLiteral("undo") << encodeBody(*change.undo);
  lines << QStringLiteral("end");
  return lines.join(u'\n').toUtf8() + '\n';
}

// Reads one change up to the word that ends it ("end" or "undo"), left in *last. A journal
// is only ever written whole, but one edited by hand must not move files outside the data
// folder: every file name obeys the rules of a typed name, and side files are named by
// their catalogue's file name, never by a path.
bool decodeBody(QStringList& lines, PendingChange& change, QString* last) {
  if (lines.size() < 2 || lines.takeFirst() != u"list") return false;
  bool number = false;
  const qsizetype count = lines.takeFirst().toLongLong(&number);
  if (!number || count < 0 || count > lines.size()) return false;
  change.list = lines.mid(0, count);
  lines.remove(0, count);
  const auto take = [&lines](qsizetype n, QStringList& out) {
    if (lines.size() < n) return false;
    out = lines.mid(0, n);
    lines.remove(0, n);
    return true;
  };
  const auto fileName = [](const QString& name) { return whyNameIsRefused(name).isEmpty(); };
  QStringList values;
  while (!lines.isEmpty()) {
    *last = lines.takeFirst();
    if (*last == u"end" || *last == u"undo") return true;
    if (*last == u"move" && take(2, values) && fileName(values[0]) && fileName(values[1]))
      change.moves.append({values[0], values[1]});
    else if ((*last == u"keep" || *last == u"remove") && take(1, values) && fileName(values[0]))
      change.kept += values[0];  // "remove": a journal of an older Quilmo, whose deletes kept nothing
    else if (*last == u"restore" && take(1, values) && fileName(values[0]))
      change.restored += values[0];
    else if (*last == u"move-sides" && take(2, values) && fileName(values[0]) && fileName(values[1]))
      change.sideMoves.append({values[0], values[1]});
    else if (*last == u"keep-sides" && take(1, values) && fileName(values[0]))
      change.keptSides += values[0];
    else if (*last == u"restore-sides" && take(1, values) && fileName(values[0]))
      change.restoredSides += values[0];
    else if (*last == u"size" && take(2, values))
      change.sizes.append({values[0], values[1]});
    else if (*last == u"forget" && take(1, values))
      change.forgotten += values[0];
    else
      return false;
  }
  return false;
}

bool decode(const QByteArray& bytes, PendingChange& change) {
  QStringList lines = QString::fromUtf8(bytes).split(u'\n');
  if (lines.isEmpty() || lines.takeFirst().toUtf8() != kHeader) return false;
  QString last;
  if (!decodeBody(lines, change, &last)) return false;
  if (last == u"end") return true;
  auto undo = std::make_shared<PendingChange>();
  if (!decodeBody(lines, *undo, &last) || last != u"end") return false;
  change.undo = std::move(undo);
  return true;
}

StepErrors carryOut(const QString& dataPath, const PendingChange& change) {
  StepErrors errors;
  if (readDiscList(dataPath) != change.list)
    if (StepError e = rewriteDiscList(dataPath, change.list); e.number) return {e};  // the journal stays
  for (const auto& [from, to] : change.moves) {
    const QString source = resolveInFolder(dataPath, from);
    const bool movedBeforeACut = !QFileInfo::exists(source) && QFileInfo::exists(resolveInFolder(dataPath, to));
    if (movedBeforeACut) continue;
    if (StepError e = renameFile(source, dataPath + to); e.number) errors += e;
  }
  for (const QString& file : change.kept)
    if (StepError e = keepCatalogue(dataPath, file); e.number) errors += e;
  for (const QString& file : change.restored)
    if (StepError e = restoreCatalogue(dataPath, file); e.number) errors += e;
  for (const auto& [from, to] : change.sideMoves) errors += moveSideFiles(dataPath, from, to);
  for (const QString& file : change.keptSides) errors += keepSideFiles(dataPath, file);
  for (const QString& file : change.restoredSides) errors += restoreSideFiles(dataPath, file);
  // Kept catalogues live until the next change of the list.
  errors += dropKeptCatalogues(dataPath, change.kept);
  errors += dropKeptSideFiles(dataPath, change.keptSides);
  // The settings change only once the files have.
  SettingsStore discs(QString::fromLatin1(SettingsStore::kDiscs));
  for (const auto& [section, value] : change.sizes) discs.setValue(section, kSize, value);
  for (const QString& section : change.forgotten) discs.removeSection(section);
  crashPoint();
  // The journal of a change that can be undone becomes the record of the last change; any
  // other change leaves nothing to undo.
  const QString lastChange = lastChangePath(dataPath);
  if (QFileInfo::exists(lastChange))
    if (StepError e = removeFile(lastChange); e.number) errors += e;
  const StepError e =
      change.undo ? renameFile(journalPath(dataPath), lastChange) : removeFile(journalPath(dataPath));
  if (e.number) errors += e;
  return errors;
}

}  // namespace

bool recordChange(const QString& dataPath, const PendingChange& change, QString* error) {
  return makeSafetyFolder(dataPath, error) && replaceFile(journalPath(dataPath), encode(change), error);
}

StepErrors carryOutChange(const QString& dataPath, const PendingChange& change) { return carryOut(dataPath, change); }

bool readLastChange(const QString& dataPath, PendingChange& change) {
  QFile record(lastChangePath(dataPath));
  return record.open(QIODevice::ReadOnly) && decode(record.readAll(), change) && change.undo;
}

void forgetLastChange(const QString& dataPath) {
  const QString lastChange = lastChangePath(dataPath);
  if (QFileInfo::exists(lastChange)) removeFile(lastChange);
  dropKeptCatalogues(dataPath, {});
  dropKeptSideFiles(dataPath, {});
}

StepErrors finishPendingChange(const QString& dataPath, bool* finished) {
  if (finished) *finished = false;
  QFile journal(journalPath(dataPath));
  if (!journal.exists()) return {};
  if (!journal.open(QIODevice::ReadOnly)) return {accessError(journal.errorString())};
  PendingChange change;
  if (!decode(journal.readAll(), change)) {
    // Kept for a person to look at, out of the way of every later change.
    const QString aside = journal.fileName() + QStringLiteral(".unreadable");
    journal.close();
    QFile::remove(aside);
    QFile::rename(journal.fileName(), aside);
    return {accessError(QStringLiteral("the journal of an earlier change could not be read; it was set aside as %1")
                            .arg(QDir::toNativeSeparators(aside)))};
  }
  if (finished) *finished = true;
  return carryOut(dataPath, change);
}

bool lockForChange(LibraryLock& lock, StepErrors* earlier, bool* finished) {
  if (!lock.acquire()) return false;
  const bool rewriteFinished = recoverDiscList(lock.dataPath());
  bool changeFinished = false;
  const StepErrors errors = finishPendingChange(lock.dataPath(), &changeFinished);
  if (earlier) *earlier = errors;
  if (finished) *finished = rewriteFinished || changeFinished;
  return true;
}

bool recoverLibrary(const QString& dataPath, MissingList missingList) {
  removeStaleTemporaryFiles(dataPath);
  removeStaleTemporaryFiles(safetyFolder(dataPath));
  for (const QString& folder : sideFileFolders(dataPath)) removeStaleTemporaryFiles(folder);
  const DiscListPaths paths(dataPath);
  const bool makeList = missingList == MissingList::Create && !QFileInfo::exists(paths.list());
  if (!makeList && !isCutOff(dataPath) && !QFileInfo::exists(journalPath(dataPath))) return false;
  LibraryLock lock(dataPath);
  bool finished = false;
  // A read-only library, or its holder finishes the job itself.
  if (!lockForChange(lock, nullptr, &finished)) return false;
  // Made here, under the lock, so it never stands in the way of another program's rename.
  if (makeList) ListFile::ensureExists(paths.list());
  return finished;
}

}  // namespace quilmo::library
