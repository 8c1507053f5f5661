#include "library/DiscMaintenance.h"

#include <QFileInfo>

#include "library/DiscListFile.h"
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
    PendingChange change;
    for (const QString& entry : list) {
      change.list += equalsIgnoringCase(entry, from) ? to : entry;
      if (afterEntry_) afterEntry_();
    }
    change.list = sortedIgnoringCase(change.list);  // as the sorted disc list shows it
    change.moves.append({catalogueFile(listed), to + kCatalogueSuffix});
    change.sizes.append({to, discs_.value(listed, kSize, QStringLiteral("0"))});
    change.forgotten += listed;
    return apply(change, {});
  });
}

MaintenanceResult DiscMaintenance::remove(const QStringList& names) {
  return locked([&](const QStringList& list) {
    for (const QString& name : names)
      if (indexIgnoringCase(list, name) < 0) return refusedWith(notListed(name));
    PendingChange change;
    QStringList skipped;
    for (const QString& entry : list) {
      if (indexIgnoringCase(names, entry) < 0) {
        change.list += entry;
      } else if (!whyNameIsRefused(entry).isEmpty()) {
        skipped += entry;  // a hostile line goes from the list, and that is all
      } else if (!change.forgotten.contains(entry)) {  // a name listed twice has one catalogue
        change.removals += catalogueFile(entry);
        change.forgotten += entry;
      }
      if (afterEntry_) afterEntry_();
    }
    change.list = sortedIgnoringCase(change.list);  // as the sorted disc list shows it
    return apply(change, skipped);
  });
}

MaintenanceResult DiscMaintenance::apply(const PendingChange& change, const QStringList& skipped) {
  QString why;
  if (!recordChange(dataPath_, change, &why)) return refusedWith(QStringLiteral("Nothing was changed: %1.").arg(why));
  MaintenanceResult result;
  result.errors = carryOutChange(dataPath_, change);
  result.skipped = skipped;
  return result;
}

MaintenanceResult DiscMaintenance::undoListChange() {
  return locked([&](const QStringList&) {
    MaintenanceResult result;
    if (StepError e = restoreDiscListBackup(dataPath_); e.number) return refusedWith(e.text);
    return result;
  });
}

}  // namespace quilmo::library
