#include "cli/SearchCommand.h"

#include <cstdio>

#include "cli/VisibleControls.h"
#include "platform/NameRules.h"
#include "platform/Terminal.h"
#include "platform/TextCase.h"
#include "scope/WordList.h"
#include "search/GlobalSearch.h"
#include "search/QuickReportWriter.h"
#include "search/SearchFinish.h"
#include "search/SearchQueue.h"

namespace quilmo::cli {

namespace {

struct Request {
  QStringList discs, types;
  search::SearchOptions options;
  QString words;
};

// Prints the hit lines as they are found, a block at a time, and hands the quick report's
// blocks to its writer. On a terminal the lines show their control characters escaped; to a
// pipe or file they go byte for byte, without the cost of looking.
class PrintingListener : public search::SearchListener {
 public:
  PrintingListener(const search::SearchOptions& options, QTextStream& err, search::QuickReportWriter& report)
      : options_(options), err_(err), report_(report), visibleControls_(standardOutputIsTerminal()) {
    pending_.reserve(2 * kBlock);
  }
  ~PrintingListener() override { flush(); }
  const search::SearchOptions& options() override { return options_; }
  void hitAdded(QByteArrayView line, const search::SearchCounters&) override {
    if (visibleControls_)
      pending_.append(withVisibleControls(line));
    else
      pending_.append(line);
    pending_.append('\n');
    if (pending_.size() >= kBlock) flush();
  }
  // The report is emptied once the readers are at work; one that cannot be written ends
  // the search.
  void sourceStarted(const QString&) override {
    if (!report_.begun()) report_.begin();
  }
  bool stopRequested() override { return report_.failing(); }
  void reportBlockFilled(QByteArrayView block) override { report_.blockFilled(block); }
  void flush() {
    std::fwrite(pending_.constData(), 1, std::size_t(pending_.size()), stdout);
    std::fflush(stdout);
    pending_.resize(0);  // keeps the buffer
  }
  void errorOccurred(int number, const QString& text, const QString& path) override {
    err_ << "quilmo-cli: error " << number << " reading " << path << ": " << text << Qt::endl;
  }

 private:
  static constexpr qsizetype kBlock = 1 << 16;
  const search::SearchOptions options_;
  QTextStream& err_;
  search::QuickReportWriter& report_;
  const bool visibleControls_;
  QByteArray pending_;
};

// The arguments after "search"; an empty text when they are fine, else the usage problem.
QString parse(const QStringList& arguments, Request& request) {
  bool haveWords = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (arg == u"--disc" || arg == u"--type") {
      if (++i >= arguments.size()) return QStringLiteral("%1 needs a value").arg(arg);
      (arg == u"--disc" ? request.discs : request.types) += arguments[i];
    } else if (arg == u"--case") {
      request.options.caseOn = true;
    } else if (arg == u"--word") {
      request.options.wordOnly = true;
    } else if (arg == u"--names") {
      request.options.autoRemoveDoubles = true;
    } else if (arg.startsWith(u"--") && !haveWords) {
      return QStringLiteral("unknown option %1").arg(arg);
    } else if (haveWords) {
      return QStringLiteral("give the words as one argument, joined by |");
    } else {
      request.words = arg;
      haveWords = true;
    }
  }
  if (request.words.isEmpty()) return QStringLiteral("no words to search for");
  for (QString& type : request.types) {
    type = upperCased(type);
    if (const QString why = whyNameIsRefused(type); !why.isEmpty()) return QStringLiteral("--type %1: %2").arg(type, why);
  }
  return {};
}

}  // namespace

int SearchCommand::run(Context& context, const QStringList& arguments) {
  Request request;
  if (const QString problem = parse(arguments, request); !problem.isEmpty()) return usageError(context, problem);

  const QStringList discList = search::discList(context.dataPath);
  QStringList discs = request.discs.isEmpty() ? discList : QStringList();
  for (const QString& disc : request.discs) {
    const int at = indexIgnoringCase(discList, disc);
    if (at < 0) return fail(context, Exit::Failure, QStringLiteral("There is no disc \"%1\" in the disc list.").arg(disc));
    discs += discList[at];
  }
  const bool split = !request.types.isEmpty();
  const search::GlobalSearch engine(scope::splitSearchWords(request.words),
                                    split ? search::splitFileSources(context.dataPath, request.types)
                                          : search::discSources(context.dataPath, discs),
                                    split);
  QString error;
  search::QuickReportWriter report(context.appFolder);
  PrintingListener listener(request.options, context.err, report);
  const search::SearchOutcome outcome = engine.run(listener);
  listener.flush();
  if (outcome.abandoned && !report.failing())  // the report stays empty
    return fail(context, Exit::Failure, QStringLiteral("The search was abandoned after %1 errors.").arg(outcome.errors));
  if (!report.commit(outcome.hits, &error))
    return fail(context, Exit::Failure, QStringLiteral("The quick report cannot be written: %1").arg(error));
  // A split file missing for a type is no listed disc gone astray.
  context.err << search::finishedSearchingText(outcome.hits.size(), split ? QStringList() : outcome.missing) << Qt::endl;
  return Exit::Ok;
}

}  // namespace quilmo::cli
