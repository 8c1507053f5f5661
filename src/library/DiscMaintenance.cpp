#include "library/DiscMaintenance.h"

#include <QFileInfo>

#include "library/DiscListFile.h"
#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/SettingsStore.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

const QString kSize = QStringLiteral("Size");

}  // namespace

DiscMaintenance::DiscMaintenance(const QString& dataPath, SettingsStore& discs) : dataPath_(dataPath), discs_(discs) {}

QString DiscMaintenance::notListed(const QString& name) {
  return QStringLiteral("The disc \"%1\" is not in the disc list.").arg(name);
}

QString DiscMaintenance::catalogueOf(const QString& name) const {
  return resolveInFolder(dataPath_, name + QStringLiteral(".rtf"));
}

QString DiscMaintenance::whyRenameIsRefused(const QStringList& list, const QString& from, const QString& to) const {
  if (to.isEmpty()) return QStringLiteral("Want to DELETE? Well, Open your eyes (or ears). Two other options do that!");
  if (indexIgnoringCase(list, from) < 0) return notListed(from);
  if (const QString why = whyNameIsRefused(to); !why.isEmpty()) return why;
  if (indexIgnoringCase(list, to) >= 0)
    return QStringLiteral("A disc named \"%1\" is already in the list. Choose another name, "
                          "or delete that disc first.").arg(to);
  if (QFileInfo::exists(catalogueOf(to)))
    return QStringLiteral("The data folder already holds a catalogue \"%1.rtf\" that is not in the disc list. "
                          "Choose another name, or move that file away first.").arg(to);
  return {};
}

MaintenanceResult DiscMaintenance::rename(const QStringList& list, const QString& from, const QString& to) {
  MaintenanceResult result;
  if (equalsIgnoringCase(from, to)) {
    result.refused = true;  // the same name: nothing to do and nothing to say
    return result;
  }
  if (const QString why = whyRenameIsRefused(list, from, to); !why.isEmpty()) {
    result.refused = true;
    result.refusal = why;
    return result;
  }

  // The settings section carries the name as listed, whatever case was typed.
  const QString listed = list[indexIgnoringCase(list, from)];
  discs_.setValue(to, kSize, discs_.value(listed, kSize, QStringLiteral("0")));
  discs_.removeSection(listed);

  QStringList renamed;
  renamed.reserve(list.size());
  for (const QString& entry : list) {
    if (equalsIgnoringCase(entry, from)) {
      if (StepError e = renameFile(catalogueOf(entry), dataPath_ + to + QStringLiteral(".rtf")); e.number)
        result.errors += e;
      renamed += to;
    } else {
      renamed += entry;
    }
    if (afterEntry_) afterEntry_();
  }
  if (StepError e = rewriteDiscList(dataPath_, renamed); e.number) result.errors += e;
  return result;
}

void DiscMaintenance::forgetDisc(const QString& name, StepErrors& errors) {
  // Made to exist first, so a missing catalogue does not stop the delete.
  const QString catalogue = catalogueOf(name);
  QString why;
  if (!ListFile::ensureExists(catalogue, &why)) errors += accessError(why);
  else if (StepError e = removeFile(catalogue); e.number) errors += e;
  discs_.removeSection(name);
}

MaintenanceResult DiscMaintenance::remove(const QStringList& list, const QString& name) {
  MaintenanceResult result;
  result.position = indexIgnoringCase(list, name);
  if (result.position < 0) {
    result.refused = true;
    result.refusal = notListed(name);
    return result;
  }
  QStringList kept;
  bool forgotten = false;
  for (const QString& entry : list) {
    if (!equalsIgnoringCase(entry, name)) {
      kept += entry;
    } else if (!forgotten) {
      forgetDisc(entry, result.errors);  // a name listed twice has only one catalogue
      forgotten = true;
    }
  }
  if (StepError e = rewriteDiscList(dataPath_, kept); e.number) result.errors += e;
  return result;
}

MaintenanceResult DiscMaintenance::removeRows(const QStringList& list, const QList<int>& rows) {
  MaintenanceResult result;
  QStringList kept;
  for (int row = 0; row < list.size(); ++row) {
    if (rows.contains(row)) forgetDisc(list[row], result.errors);
    else kept += list[row];
    if (afterEntry_) afterEntry_();
  }
  if (StepError e = rewriteDiscList(dataPath_, kept); e.number) result.errors += e;
  return result;
}

MaintenanceResult DiscMaintenance::removeNamed(const QStringList& list, const QStringList& names) {
  QList<int> rows;
  for (const QString& name : names) {
    const int row = indexIgnoringCase(list, name);
    if (row < 0) {
      MaintenanceResult result;
      result.refused = true;
      result.refusal = notListed(name);
      return result;
    }
    for (int r = row; r < list.size(); ++r)
      if (equalsIgnoringCase(list[r], name) && !rows.contains(r)) rows += r;
  }
  return removeRows(list, rows);
}

}  // namespace quilmo::library
