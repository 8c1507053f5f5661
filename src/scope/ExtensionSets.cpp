#include "scope/ExtensionSets.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace quilmo::scope {

namespace {

QStringView withoutTrailingBlanks(QStringView text) {
  while (!text.isEmpty() && text.back() == u' ') text.chop(1);
  return text;
}

}  // namespace

QString extensionSetLine(const QStringList& selectedTypes) {
  QString line;
  for (const QString& type : selectedTypes) line += type + u' ';
  return line;
}

bool isNewExtensionSet(const QString& line, const QStringList& sets) {
  if (line.size() <= 1) return false;
  return std::none_of(sets.begin(), sets.end(), [&](const QString& set) {
    return equalsIgnoringCase(withoutTrailingBlanks(set), withoutTrailingBlanks(line));
  });
}

QStringList extensionSetWords(const QString& setText) {
  QString text = setText;
  if (!text.endsWith(u' ')) text += u' ';
  QStringList words;
  QString word;
  for (const QChar c : text) {
    if (c != u' ') {
      word += c;
      continue;
    }
    words += word;
    word.clear();
  }
  return words;
}

QList<int> rowsOfExtensionSet(const QStringList& types, const QString& setText) {
  QList<int> rows;
  for (const QString& word : extensionSetWords(setText))
    for (int row = 0; row < types.size(); ++row)
      if (equalsIgnoringCase(types[row], word) && !rows.contains(row)) rows += row;
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace quilmo::scope
