#include "scope/FileTypes.h"

#include "platform/NameRules.h"
#include "platform/TextCase.h"

namespace quilmo::scope {

int extensionLength(const QString& slenText) {
  int value = 0;
  qsizetype i = 0;
  while (i < slenText.size() && slenText[i] == u' ') ++i;
  for (; i < slenText.size() && slenText[i].isDigit() && slenText[i].unicode() < 0x80 && value < 1000; ++i)
    value = value * 10 + slenText[i].digitValue();
  return value;
}

QString settledExtensionLength(const QString& slenText) {
  return slenText.isEmpty() || slenText.size() >= 2 ? QStringLiteral("4") : slenText;
}

QString extractExtension(const QString& fileName, int length) {
  const QString upper = upperCased(fileName);
  if (length <= 0) return upper.mid(upper.lastIndexOf(u'.') + 1);
  QString tail = upper.right(length);
  const qsizetype dot = tail.indexOf(u'.');
  if (dot >= 0) tail = tail.mid(dot + 1);
  return tail.size() < length - 1 ? QString() : tail;
}

AddOutcome addFileType(QStringList& types, const QString& text) {
  const QString type = upperCased(text);
  if (type.isEmpty()) return AddOutcome::Empty;
  if (indexIgnoringCase(types, type) >= 0) return AddOutcome::Duplicate;
  if (!whyNameIsRefused(type).isEmpty()) return AddOutcome::Refused;
  types += type;
  return AddOutcome::Added;
}

void addFileTypesOf(QStringList& types, const QStringList& fileNames, int length) {
  for (const QString& name : fileNames) {
    const QString type = extractExtension(name, length);
    if (!type.isEmpty() && indexIgnoringCase(types, type) < 0) types += type;
  }
}

QString fileTypeCaption(qsizetype typeCount) {
  return QStringLiteral("File type to search for: (%1)").arg(typeCount - 1);
}

}  // namespace quilmo::scope
