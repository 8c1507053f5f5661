#include "cli/CommandLine.h"

#include <algorithm>

#include "cli/Command.h"

namespace quilmo::cli {

namespace {

const Option kHelp{QStringLiteral("help"), {}, QStringLiteral("show this help")};

const Option* findOption(const Syntax& syntax, QStringView name) {
  const auto found = std::find_if(syntax.options.begin(), syntax.options.end(),
                                  [name](const Option& option) { return option.name == name; });
  return found == syntax.options.end() ? nullptr : &*found;
}

QString bareName(QString positional) {
  positional.remove(u'[').remove(u']');
  return positional.endsWith(QStringLiteral("...")) ? positional.chopped(3) : positional;
}

QString optionText(const Option& option) {
  return option.valueName.isEmpty() ? QStringLiteral("--%1").arg(option.name)
                                    : QStringLiteral("--%1 %2").arg(option.name, option.valueName);
}

}  // namespace

Arguments parseArguments(const QStringList& words, const Syntax& syntax, bool optionsFirst) {
  Arguments parsed;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < words.size(); ++i) {
    const QString& word = words[i];
    if (optionsEnded || !word.startsWith(QStringLiteral("--"))) {
      parsed.positionals += word;
      optionsEnded = optionsEnded || optionsFirst;
    } else if (word == u"--") {
      optionsEnded = true;
    } else if (word == u"--help") {
      parsed.help = true;
      return parsed;
    } else if (const Option* option = findOption(syntax, QStringView(word).mid(2)); !option) {
      parsed.problem = QStringLiteral("unknown option %1").arg(word);
      return parsed;
    } else if (option->valueName.isEmpty()) {
      parsed.options[option->name] += QString();
    } else if (++i == words.size()) {
      parsed.problem = QStringLiteral("%1 needs a value").arg(word);
      return parsed;
    } else {
      parsed.options[option->name] += words[i];
    }
  }
  const qsizetype required = std::count_if(syntax.positionals.begin(), syntax.positionals.end(),
                                           [](const QString& name) { return !name.startsWith(u'['); });
  const bool open = !syntax.positionals.isEmpty() && syntax.positionals.last().endsWith(QStringLiteral("..."));
  if (parsed.positionals.size() < required)
    parsed.problem = QStringLiteral("no %1 given").arg(bareName(syntax.positionals[parsed.positionals.size()]));
  else if (!open && parsed.positionals.size() > syntax.positionals.size())
    parsed.problem = QStringLiteral("unexpected argument %1").arg(parsed.positionals[syntax.positionals.size()]);
  return parsed;
}

QString synopsisOf(const Syntax& syntax) {
  QStringList parts;
  for (const Option& option : syntax.options)
    parts += QStringLiteral("[%1]%2").arg(optionText(option), option.repeatable ? QStringLiteral("...") : QString());
  return (parts + syntax.positionals).join(u' ');
}

void printOptions(QTextStream& out, const Syntax& syntax) {
  const QList<Option> options = syntax.options + QList<Option>{kHelp};
  qsizetype width = 0;
  for (const Option& option : options) width = std::max(width, optionText(option).size());
  for (const Option& option : options)
    out << "  " << optionText(option).leftJustified(width + 2) << option.description << '\n';
}

QString usageLine(const QString& synopsis) {
  return QStringLiteral("usage: quilmo-cli [--data DIR] [--app DIR] [--drive L=PATH]... ") + synopsis;
}

int usageError(QTextStream& err, const QString& reason, const QString& synopsis) {
  err << "quilmo-cli: " << reason << Qt::endl << usageLine(synopsis) << Qt::endl;
  return Exit::Usage;
}

}  // namespace quilmo::cli
