#pragma once
// What a command line takes, declared as data, and the one parser that checks the words
// given against it, so every command refuses the same mistakes with the same words.
#include <QMap>
#include <QStringList>
#include <QTextStream>

namespace quilmo::cli {

struct Option {
  QString name;             // without the leading "--"
  QString valueName;        // empty for a switch that takes no value
  QString description;      // one line for the help
  bool repeatable = false;  // shown as "..." in the synopsis; each use adds a value
};

// Positional names: "NAME" is one word, "[NAME]" one or none, and a last name ending in
// "..." takes any more words.
struct Syntax {
  QStringList positionals;
  QList<Option> options;
};

struct Arguments {
  QStringList positionals;
  QMap<QString, QStringList> options;  // by name, the values in order; a switch has an empty one per use
  bool help = false;                   // --help was given; what followed it was not looked at
  QString problem;                     // why the words do not fit the syntax; empty when they do

  bool isSet(const QString& option) const { return options.contains(option); }
  QStringList values(const QString& option) const { return options.value(option); }
  QString value(const QString& option) const { return isSet(option) ? options[option].last() : QString(); }  // the last
};

// "--help" is taken by every syntax and "--" ends the options. With optionsFirst the first
// positional word ends them too: the global options come before the command, and what
// follows it is the command's.
Arguments parseArguments(const QStringList& words, const Syntax& syntax, bool optionsFirst = false);

// The options in brackets, then the positional names.
QString synopsisOf(const Syntax& syntax);

// One aligned line per option, --help included.
void printOptions(QTextStream& out, const Syntax& syntax);

// "usage: quilmo-cli", the global options, then the synopsis.
QString usageLine(const QString& synopsis);

// Prints the reason and the usage line; returns Exit::Usage.
int usageError(QTextStream& err, const QString& reason, const QString& synopsis);

}  // namespace quilmo::cli
