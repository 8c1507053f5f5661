// quilmo-cli search: the global search over the disc list (or over Split-9 per file type),
// printing the hit lines and writing the quick report.
#include <QFileInfo>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/FileFilter.h"
#include "cli/ProgressLine.h"
#include "cli/VisibleControls.h"
#include "platform/NameRules.h"
#include "platform/NumberFormat.h"
#include "platform/Terminal.h"
#include "platform/TextCase.h"
#include "scope/WordList.h"
#include "search/GlobalSearch.h"
#include "search/index/SearchIndex.h"
#include "search/reading/SearchQueue.h"
#include "search/reports/QuickReportWriter.h"
#include "search/reports/SearchFinish.h"

namespace quilmo::cli {

namespace {

struct Request {
  QStringList discs, types;
  search::SearchOptions options;
  FileFilter filter;
  QString words;
  bool index = true;
};

// Prints the hit lines as they are found, a block at a time, and hands the quick report's
// blocks to its writer. On a terminal the lines show their control characters escaped; to a
// pipe or file they go byte for byte, without the cost of looking. The progress line is
// redrawn between blocks of work, and erased before anything else is printed.
class PrintingListener : public search::SearchListener {
 public:
  PrintingListener(const Request& request, QTextStream& err, search::QuickReportWriter& report, ProgressLine& line)
      : options_(request.options), filter_(request.filter), err_(err), report_(report), line_(line),
        visibleControls_(standardOutputIsTerminal()) {
    pending_.reserve(2 * kBlock);
  }
  ~PrintingListener() override { flush(); }
  const search::SearchOptions& options() override { return options_; }
  search::Flow hitAdded(QByteArrayView line, const search::SearchCounters& counters) override {
    hits_ = counters.hitCount;
    if (visibleControls_)
      pending_.append(withVisibleControls(line));
    else
      pending_.append(line);
    pending_.append('\n');
    if (pending_.size() >= kBlock) flush();
    return reportFlow();  // the hit may have filled a report block
  }
  // The report is emptied once the readers are at work; one that cannot be written ends
  // the search.
  search::Flow sourceStarted(const QString& source) override {
    if (!report_.begun()) report_.begin();
    source_ = source;
    showProgress();
    return reportFlow();
  }
  // A disc that lacks the facts a filter needs is left out, saying so; one without a
  // catalogue is named when the search ends.
  search::LineFilter lineFilter(const search::SearchSource& source) override {
    if (!filter_.isSet() || !QFileInfo::exists(source.path)) return {};
    QString why;
    search::LineFilter lines = linesPassing(filter_, source.path, &why);
    if (!why.isEmpty()) {
      line_.clear();
      err_ << "quilmo-cli: " << why << " Disc " << source.name << " is left out of this search by size and date."
           << Qt::endl;
    }
    return lines;
  }
  search::Flow progress() override {
    showProgress();
    return search::Flow::Continue;
  }
  void reportBlockFilled(QByteArrayView block) override { report_.blockFilled(block); }
  void flush() {
    line_.clear();
    std::fwrite(pending_.constData(), 1, std::size_t(pending_.size()), stdout);
    std::fflush(stdout);
    pending_.resize(0);  // keeps the buffer
  }
  void errorOccurred(int number, const QString& text, const QString& path) override {
    line_.clear();
    err_ << "quilmo-cli: error " << number << " reading " << path << ": " << text << Qt::endl;
  }

 private:
  void showProgress() {
    if (line_.due())
      line_.draw(QStringLiteral("HITS: %1  %2").arg(grouped(double(hits_)), QString::fromUtf8(withVisibleControls(source_.toUtf8()))));
  }
  search::Flow reportFlow() const { return report_.failing() ? search::Flow::Stop : search::Flow::Continue; }

  static constexpr qsizetype kBlock = 1 << 16;
  const search::SearchOptions options_;
  const FileFilter filter_;
  QTextStream& err_;
  search::QuickReportWriter& report_;
  ProgressLine& line_;
  const bool visibleControls_;
  QByteArray pending_;
  QString source_;  // the disc or file type being read
  qint64 hits_ = 0;
};

// The size and date options as the request's filter; an empty text when they are fine,
// else the first problem.
QString toFilter(const Arguments& arguments, Request& request) {
  using Parse = std::optional<qint64> (*)(const QString&);
  struct Bound { const char* option; Parse parse; std::optional<qint64>& into; };
  FileFilter& filter = request.filter;
  for (const Bound& bound : {Bound{"min-size", parseSize, filter.minSize}, Bound{"max-size", parseSize, filter.maxSize},
                             Bound{"newer", parseTime, filter.newer}, Bound{"older", parseTime, filter.older}}) {
    const QString option = QString::fromLatin1(bound.option);
    if (!arguments.isSet(option)) continue;
    if ((bound.into = bound.parse(arguments.value(option)))) continue;
    const QString takes = bound.parse == parseSize
                              ? QStringLiteral("a whole number of bytes, or of KiB, MiB, GiB or TiB with K, M, G or T")
                              : QStringLiteral("a date YYYY-MM-DD or a time YYYY-MM-DDTHH:MM[:SS]");
    return QStringLiteral("--%1 takes %2, not %3").arg(option, takes, arguments.value(option));
  }
  if (filter.isSet() && !request.types.isEmpty())
    return QStringLiteral("--type cannot be joined with a size or date: Split-9 files keep no sizes or dates");
  return {};
}

// The parsed arguments as a request; an empty text when they are fine, else the usage problem.
QString toRequest(const Arguments& arguments, Request& request) {
  request.discs = arguments.values(QStringLiteral("disc"));
  request.types = arguments.values(QStringLiteral("type"));
  request.options.caseOn = arguments.isSet(QStringLiteral("case"));
  request.options.wordOnly = arguments.isSet(QStringLiteral("word"));
  request.options.autoRemoveDoubles = arguments.isSet(QStringLiteral("names"));
  request.index = !arguments.isSet(QStringLiteral("no-index"));
  request.words = arguments.positionals.first();
  if (request.words.isEmpty()) return QStringLiteral("no words to search for");
  for (QString& type : request.types) {
    type = upperCased(type);
    if (const QString why = whyNameIsRefused(type); !why.isEmpty()) return QStringLiteral("--type %1: %2").arg(type, why);
  }
  return toFilter(arguments, request);
}

class SearchCommand : public Command {
 public:
  SearchCommand()
      : Command(QStringLiteral("search"),
                QStringLiteral("find WORDS (joined by |) in the catalogues and write the quick report"),
                {{QStringLiteral("WORDS")},
                 {{QStringLiteral("disc"), QStringLiteral("NAME"),
                   QStringLiteral("search disc NAME (default: every disc)"), true},
                  {QStringLiteral("type"), QStringLiteral("EXT"),
                   QStringLiteral("search the Split-9 file of type EXT instead of the catalogues"), true},
                  {QStringLiteral("case"), {}, QStringLiteral("Case sensitive")},
                  {QStringLiteral("word"), {}, QStringLiteral("Word ONLY: whole words only")},
                  {QStringLiteral("names"), {}, QStringLiteral("Auto-remove double filenames")},
                  {QStringLiteral("min-size"), QStringLiteral("SIZE"),
                   QStringLiteral("only files of at least SIZE bytes; with K, M, G or T: KiB, MiB, GiB or TiB (1K = 1024)")},
                  {QStringLiteral("max-size"), QStringLiteral("SIZE"), QStringLiteral("only files of at most SIZE bytes")},
                  {QStringLiteral("newer"), QStringLiteral("DATE"),
                   QStringLiteral("only files modified at or after DATE: YYYY-MM-DD[THH:MM[:SS]], local time unless Z "
                                  "or an offset such as +02:00 follows")},
                  {QStringLiteral("older"), QStringLiteral("DATE"), QStringLiteral("only files modified before DATE")},
                  {QStringLiteral("no-index"), {}, QStringLiteral("read every catalogue whole; leave the index as it is")},
                  kQuietOption}}) {}

  int run(Context& context, const Arguments& arguments) override;
};

int SearchCommand::run(Context& context, const Arguments& arguments) {
  Request request;
  if (const QString problem = toRequest(arguments, request); !problem.isEmpty()) return usageError(context, problem);

  const QStringList discList = search::discList(context.dataPath);
  QStringList discs = request.discs.isEmpty() ? discList : QStringList();
  for (const QString& disc : request.discs) {
    const int at = indexIgnoringCase(discList, disc);
    if (at < 0) return fail(context, Exit::Failure, QStringLiteral("There is no disc \"%1\" in the disc list.").arg(disc));
    discs += discList[at];
  }
  const bool split = !request.types.isEmpty();
  search::GlobalSearch engine(scope::splitSearchWords(request.words),
                              split ? search::splitFileSources(context.dataPath, request.types)
                                    : search::discSources(context.dataPath, discs),
                              split);
  search::SearchIndex index(context.dataPath);
  const bool indexed = request.index && index.exists();
  if (indexed) engine.useIndex(&index);
  QString error;
  search::QuickReportWriter report(context.appFolder);
  ProgressLine line = ProgressLine::onStandardError(context.err, arguments.isSet(kQuietOption.name));
  PrintingListener listener(request, context.err, report, line);
  const search::SearchOutcome outcome = engine.run(listener);
  listener.flush();
  if (outcome.abandoned && !report.failing())  // the report stays empty
    return fail(context, Exit::Failure, QStringLiteral("The search was abandoned after %1 errors.").arg(outcome.errors));
  if (!report.commit(outcome.hits, &error))
    return fail(context, Exit::Failure, QStringLiteral("The quick report cannot be written: %1").arg(error));
  // A split file missing for a type is no listed disc gone astray.
  context.err << search::finishedSearchingText(outcome.hits.size(), split ? QStringList() : outcome.missing) << Qt::endl;
  // The catalogues that were read whole for want of a usable part get one for next time.
  if (indexed) index.updateAfterSearch();
  return Exit::Ok;
}

}  // namespace

std::unique_ptr<Command> makeSearchCommand() { return std::make_unique<SearchCommand>(); }

}  // namespace quilmo::cli
