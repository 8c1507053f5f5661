#include "platform/NameRules.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace quilmo {

namespace {

bool isControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0); }

// The longest name the file system of folder holds; 0 or less when it does not say.
long longestName([[maybe_unused]] const QString& folder) {
#ifdef Q_OS_WIN
  return 0;  // NTFS, exFAT, FAT with long names and UDF all hold 255, the fallback
#else
  return ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
#endif
}

}  // namespace

QString whyNameIsRefused(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("The name is empty. Type a name.");
  if (name.trimmed().isEmpty() || name == u"." || name == u"..")
    return QStringLiteral("\"%1\" is not a usable file name. Type a name with letters or digits.").arg(name);
  if (name.front() == u' ' || name.back() == u' ')
    return QStringLiteral("The name \"%1\" begins or ends with a blank, which the list would lose. "
                          "Type it without outer blanks.").arg(name);
  if (name.front() == u'"')
    return QStringLiteral("The name \"%1\" begins with a double quote, which the list would lose. "
                          "Type it without the quote.").arg(name);
  if (name.contains(u','))
    return QStringLiteral("The name \"%1\" holds a comma, which would split it in two in the list. "
                          "Use another character, for instance a dash.").arg(name);
  for (const QChar c : name) {
    if (c == u'/' || c == u'\\' || isControl(c))
      return QStringLiteral("The name \"%1\" holds a character that a file name cannot hold "
                            "(/, \\ or a control character). Leave it out.").arg(printableName(name));
  }
  return {};
}

QString printableName(QString name) {
  for (QChar& c : name)
    if (isControl(c)) c = u'?';
  return name;
}

QString whyNameIsRefusedIn(const QString& folder, const QString& name, const QString& suffix) {
  if (QString why = whyNameIsRefused(name); !why.isEmpty()) return why;
  const long limit = longestName(folder);
  const qsizetype length = QFile::encodeName(name + suffix).size();
  if (length > (limit > 0 ? limit : 255))
    return QStringLiteral("The name \"%1\" is too long for a file name in %2 (%3 bytes; at most %4 fit "
                          "with \"%5\"). Type a shorter name.")
        .arg(name.left(40) + (name.size() > 40 ? QStringLiteral("...") : QString()), folder)
        .arg(length - suffix.size())
        .arg((limit > 0 ? limit : 255) - QFile::encodeName(suffix).size())
        .arg(suffix);
  return {};
}

}  // namespace quilmo
