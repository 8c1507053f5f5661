#include "library/DiscMaintenance.h"

#include <QDir>
#include <QFileInfo>

#include "library/DiscListFile.h"
#include "library/KeptCatalogues.h"
#include "library/LibraryLock.h"
#include "library/PendingChange.h"
#include "platform/DataFolder.h"
#include "platform/NameRules.h"
#include "platform/SettingsStore.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

const QString kSize = QStringLiteral("Size");
const QString kCatalogueSuffix = QStringLiteral(".rtf");

MaintenanceResult refusedWith(const QString& why) {
  MaintenanceResult result;
  result.refused = true;
  result.refusal = why;
  return result;
}

QString cannotUndo(const QString& why) {
  return QStringLiteral("The last change of the disc list cannot be undone: %1 Nothing was changed.").arg(why);
}

QString occupied(const QString& file) {
  return QStringLiteral("the data folder holds another file \"%1\" now; move it away first.").arg(printableName(file));
}

// The one disc that a change of the list gave another name, if it did.
std::optional<std::pair<QString, QString>> renameBetween(const QStringList& before, const QStringList& after) {
  QStringList gone, added;
  for (const QString& name : before)
    if (indexIgnoringCase(after, name) < 0) gone += name;
  for (const QString& name : after)
    if (indexIgnoringCase(before, name) < 0) added += name;
  if (gone.size() != 1 || added.size() != 1) return std::nullopt;
  return std::pair{gone[0], added[0]};
}

}  // namespace

DiscMaintenance::DiscMaintenance(const QString& dataPath, SettingsStore& discs) : dataPath_(dataPath), discs_(discs) {}

QString DiscMaintenance::notListed(const QString& name) {
  return QStringLiteral("The disc \"%1\" is not in the disc list.").arg(name);
}

// The catalogue's file name as the folder spells it.
QString DiscMaintenance::catalogueFile(const QString& name) const {
  return QFileInfo(resolveInFolder(dataPath_, name + kCatalogueSuffix)).fileName();
}

MaintenanceResult DiscMaintenance::locked(const std::function<MaintenanceResult(const QStringList&)>& change) {
  LibraryLock lock(dataPath_);
  StepErrors earlier;
  if (!lockForChange(lock, &earlier)) return refusedWith(lock.refusal());
  MaintenanceResult result = change(readDiscList(dataPath_));
  result.errors = earlier + result.errors;
  return result;
}

QString DiscMaintenance::whyRenameIsRefused(const QStringList& list, const QString& from, const QString& to) const {
  if (to.isEmpty()) return QStringLiteral("Want to DELETE? Well, Open your eyes (or ears). Two other options do that!");
  if (indexIgnoringCase(list, from) < 0) return notListed(from);
  if (const QString why = whyNameIsRefused(from); !why.isEmpty())
    return QStringLiteral("The listed disc cannot be renamed: ") + why;
  if (const QString why = whyNameIsRefusedIn(dataPath_, to, kCatalogueSuffix); !why.isEmpty()) return why;
  if (indexIgnoringCase(list, to) >= 0)
    return QStringLiteral("A disc named \"%1\" is already in the list. Choose another name, "
                          "or delete that disc first.").arg(to);
  if (QFileInfo::exists(resolveInFolder(dataPath_, to + kCatalogueSuffix)))
    return QStringLiteral("The data folder already holds a catalogue \"%1.rtf\" that is not in the disc list. "
                          "Choose another name, or move that file away first.").arg(to);
  return {};
}

MaintenanceResult DiscMaintenance::rename(const QString& from, const QString& to) {
  if (equalsIgnoringCase(from, to)) return refusedWith({});  // the same name: nothing to do, nothing to say
  return locked([&](const QStringList& list) {
    if (const QString why = whyRenameIsRefused(list, from, to); !why.isEmpty()) return refusedWith(why);
    // The settings section carries the name as listed, whatever case was typed.
    const QString listed = list[indexIgnoringCase(list, from)];
    const QString file = catalogueFile(listed);
    const QString renamed = to + kCatalogueSuffix;
    auto undo = std::make_shared<PendingChange>();
    undo->list = list;
    if (QFileInfo::exists(dataPath_ + file)) undo->moves.append({renamed, file});
    undoSize(*undo, listed);
    undo->forgotten += to;
    PendingChange change;
    change.undo = undo;
    for (const QString& entry : list) {
      change.list += equalsIgnoringCase(entry, from) ? to : entry;
      if (afterEntry_) afterEntry_();
    }
    change.list = sortedIgnoringCase(change.list);  // as the sorted disc list shows it
    change.moves.append({file, renamed});
    // Named whether or not there are any yet: a note may be written before the undo.
    change.sideMoves.append({file, renamed});
    undo->sideMoves.append({renamed, file});
    change.sizes.append({to, discs_.value(listed, kSize, QStringLiteral("0"))});
    change.forgotten += listed;
    return apply(list, change);
  });
}

MaintenanceResult DiscMaintenance::remove(const QStringList& names) {
  return locked([&](const QStringList& list) {
    for (const QString& name : names)
      if (indexIgnoringCase(list, name) < 0) return refusedWith(notListed(name));
    auto undo = std::make_shared<PendingChange>();
    undo->list = list;
    PendingChange change;
    change.undo = undo;
    QStringList skipped;
    for (const QString& entry : list) {
      if (indexIgnoringCase(names, entry) < 0) {
        change.list += entry;
      } else if (!whyNameIsRefused(entry).isEmpty()) {
        skipped += entry;  // a hostile line goes from the list, and that is all
      } else if (!change.forgotten.contains(entry)) {  // a name listed twice has one catalogue
        // Kept aside rather than deleted, for the undo.
        const QString file = catalogueFile(entry);
        if (QFileInfo::exists(dataPath_ + file) && !change.kept.contains(file)) {
          change.kept += file;
          undo->restored += file;
        }
        // Side files too, whether or not the catalogue is there.
        if (!change.keptSides.contains(file)) {
          change.keptSides += file;
          undo->restoredSides += file;
        }
        undoSize(*undo, entry);
        change.forgotten += entry;
      }
      if (afterEntry_) afterEntry_();
    }
    change.list = sortedIgnoringCase(change.list);  // as the sorted disc list shows it
    return apply(list, change, skipped);
  });
}

MaintenanceResult DiscMaintenance::apply(const QStringList& before, const PendingChange& change,
                                         const QStringList& skipped) {
  QString why;
  if (!recordChange(dataPath_, change, &why)) return refusedWith(QStringLiteral("Nothing was changed: %1.").arg(why));
  MaintenanceResult result;
  result.errors = carryOutChange(dataPath_, change);
  result.skipped = skipped;
  result.renamed = renameBetween(before, change.list);
  return result;
}

void DiscMaintenance::undoSize(PendingChange& undo, const QString& disc) const {
  if (discs_.contains(disc, kSize)) undo.sizes.append({disc, discs_.value(disc, kSize)});
}

// Checked before the undo is journalled, so that it is done whole or not at all.
QString DiscMaintenance::whyUndoIsBlocked(const PendingChange& undo) const {
  for (const auto& [from, to] : undo.moves) {
    if (!QFileInfo::exists(resolveInFolder(dataPath_, from)))
      return QStringLiteral("the catalogue \"%1\" is no longer in the data folder.").arg(printableName(from));
    if (QFileInfo::exists(resolveInFolder(dataPath_, to))) return occupied(to);
  }
  for (const QString& file : undo.restored) {
    if (!QFileInfo::exists(keptFolder(dataPath_) + file))
      return QStringLiteral("the catalogue \"%1\" of a deleted disc is no longer kept in %2.")
          .arg(printableName(file), QDir::toNativeSeparators(keptFolder(dataPath_)));
    if (QFileInfo::exists(resolveInFolder(dataPath_, file))) return occupied(file);
  }
  return {};
}

MaintenanceResult DiscMaintenance::undoListChange() {
  return locked([&](const QStringList& list) {
    PendingChange last;
    if (!readLastChange(dataPath_, last))
      return refusedWith(QStringLiteral("There is no change of the disc list to undo. Only the last rename or delete "
                                        "can be undone, until the list changes again (a new disc, an undo)."));
    if (list != last.list)
      return refusedWith(cannotUndo(QStringLiteral("the disc list has changed since (a disc was added, or another "
                                                   "program changed it).")));
    if (const QString why = whyUndoIsBlocked(*last.undo); !why.isEmpty()) return refusedWith(cannotUndo(why));
    return apply(list, *last.undo);
  });
}

}  // namespace quilmo::library
