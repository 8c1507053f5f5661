#include "scope/Selections.h"

#include <QFile>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/TextCase.h"
#include "scope/ScopeFiles.h"

namespace quilmo::scope {

namespace {

// Names whose selection file would be one of the panel's own list files.
QString whyNotASelectionName(const QString& name) {
  if (const QString why = whyNameIsRefused(name); !why.isEmpty()) return why;
  if (equalsIgnoringCase(name, u"ExtLys") || equalsIgnoringCase(name, u"RemSel"))
    return QStringLiteral("The name \"%1\" belongs to one of the program's own list files. Type another name.")
        .arg(name);
  return {};
}

}  // namespace

QString selectionFilePath(const QString& dataPath, const QString& name) {
  return resolveInFolder(dataPath, name + QStringLiteral(".ini"));
}

QByteArray selectionFileBytes(const QList<int>& positions) {
  QByteArray bytes;
  for (const int position : positions) bytes += ' ' + QByteArray::number(position) + " \r\n";
  return bytes;
}

QList<int> readSelection(const QString& dataPath, const QString& name, int rowCount) {
  QList<int> positions;
  if (!whyNameIsRefused(name).isEmpty()) return positions;
  const QString path = selectionFilePath(dataPath, name);
  ListFile::ensureExists(path);
  for (const QString& field : ListFile::readFields(path)) {
    bool number = false;
    const int position = field.toInt(&number);
    if (number && position >= 0 && position < rowCount) positions += position;
  }
  return positions;
}

SelectionResult rememberSelection(const QString& dataPath, QStringList& names, const QString& answer,
                                  const QList<int>& selectedPositions) {
  if (answer.isEmpty()) return {false, QStringLiteral("I don't like files with no names. . .")};
  if (indexIgnoringCase(names, answer) >= 0)
    return {false, QStringLiteral("Name: ") + answer + QStringLiteral(" Already Exists!\n\n") +
                       QStringLiteral("Please use another name and try again")};
  if (const QString why = whyNotASelectionName(answer); !why.isEmpty()) return {false, why};
  QStringList updated = names;
  updated += answer;
  QString error;
  if (!ListFile::rewriteBytes(selectionFilePath(dataPath, answer), selectionFileBytes(selectedPositions), &error) ||
      !saveSelectionNames(dataPath, updated, &error))
    return {false, QStringLiteral("The selection could not be saved: %1").arg(error)};
  names = updated;
  return {true, {}};
}

SelectionResult deleteSelection(const QString& dataPath, QStringList& names, const QString& name) {
  const int at = int(names.indexOf(name));
  if (at < 0) return {false, QStringLiteral("There is no saved selection named \"%1\".").arg(name)};
  QStringList updated = names;
  updated.removeAt(at);
  QString error;
  if (!saveSelectionNames(dataPath, updated, &error))
    return {false, QStringLiteral("The list of selections could not be saved: %1").arg(error)};
  if (whyNotASelectionName(name).isEmpty()) QFile::remove(selectionFilePath(dataPath, name));
  names = updated;
  return {true, {}};
}

}  // namespace quilmo::scope
