#include "platform/NameRules.h"

namespace quilmo {

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
    if (c == u'/' || c == u'\\' || c == QChar(0) || c == u'\r' || c == u'\n')
      return QStringLiteral("The name \"%1\" holds a character that a file name cannot hold "
                            "(/, \\ or a control character). Leave it out.").arg(name);
  }
  return {};
}

}  // namespace quilmo
