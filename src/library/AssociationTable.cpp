#include "library/AssociationTable.h"

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

QStringList sortedFields(const QString& path) {
  QStringList sorted;
  for (const QString& field : ListFile::readFields(path)) sorted.insert(sortedInsertPosition(sorted, field), field);
  return sorted;
}

}  // namespace

QString whyAssociationLineIsRefused(const QString& line) {
  if (line.contains(u','))
    return QStringLiteral("The association cannot hold a comma: the association list would split it in two.\n%1")
        .arg(line);
  if (line.size() < 5 || line[3] != u' ' || line.left(3).contains(u' ') || line.mid(4).trimmed().isEmpty())
    return QStringLiteral("An association is the file type (three characters), a blank and the program, for "
                          "example:\ntxt /usr/bin/xdg-open");
  return {};
}

AssociationTable::AssociationTable(const QString& dataPath)
    : soc_(resolveInFolder(dataPath, QStringLiteral("QM.soc"))),
      mmd_(resolveInFolder(dataPath, QStringLiteral("QM.mmd"))),
      exl_(resolveInFolder(dataPath, QStringLiteral("QM.EXL"))) {
  for (const QString& path : {soc_, mmd_, exl_}) ListFile::ensureExists(path);
  lines_ = sortedFields(soc_);
  for (const QString& type : sortedFields(exl_))
    if (!type.isEmpty()) types_ += type;
}

QString AssociationTable::programFor(const QString& typePrefix) const {
  const QString type = upperCased(typePrefix.left(3));
  for (const QString& line : lines_)
    if (upperCased(line.left(3)) == type) return line.mid(4);
  return {};
}

StepError AssociationTable::noteType(const QString& typePrefix) {
  if (indexIgnoringCase(types_, typePrefix) >= 0) return {};
  types_.insert(sortedInsertPosition(types_, typePrefix), typePrefix);
  QString why;
  return ListFile::appendLine(exl_, typePrefix, &why) ? StepError{} : accessError(why);
}

int AssociationTable::insertSorted(const QString& line) {
  const int row = sortedInsertPosition(lines_, line);
  lines_.insert(row, line);
  return row;
}

int AssociationTable::select(const QString& typePrefix, const QString& program, StepError* error) {
  const QString line = typePrefix + u' ' + program;
  QString why;
  if (!ListFile::appendLine(soc_, line, &why) && error) *error = accessError(why);
  return insertSorted(line);
}

StepError AssociationTable::saveTable() {
  QString why;
  if (!ListFile::rewrite(soc_, lines_, &why) || !ListFile::rewrite(mmd_, lines_, &why)) return accessError(why);
  return {};
}

StepError AssociationTable::edit(int row, const QString& text) {
  if (text.isEmpty()) return {};
  if (row >= 0 && row < lines_.size()) lines_.removeAt(row);
  insertSorted(text);
  return saveTable();
}

StepError AssociationTable::remove(int row) {
  if (row < 0 || row >= lines_.size()) return {};
  lastDeleted_ = lines_.takeAt(row);
  return saveTable();
}

}  // namespace quilmo::library
