// The side-car half of DiscFacts.h: writing it as the walk goes, reading it back with
// every field checked. The layout is described in README ("Disc facts").
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>
#include <utility>

#include "capture/DiscFacts.h"
#include "library/DiscSideFiles.h"

namespace quilmo::capture {

namespace {

constexpr std::string_view kMagic = "quilmo facts ";
constexpr std::string_view kVersion = "1";

struct Stamp {
  qint64 size = 0;
  qint64 modified = 0;  // nanoseconds since 1970-01-01 UTC
  bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stampOf(const QString& path) {
  std::error_code error;
  const std::filesystem::path file(path.toStdU16String());
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  const auto time = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  const auto since1970 = std::chrono::file_clock::to_sys(time).time_since_epoch();
  return Stamp{qint64(size), qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(since1970).count())};
}

// Texts keep their UTF-8 but for "%" and control characters, which are percent-encoded, so no
// value can break its line and a label still reads as itself.
void appendField(std::string& out, std::string_view key, const QString& value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out.append(key).append(" ");
  for (const char c : value.toUtf8()) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || byte == '%')
      out.append({'%', kHex[byte >> 4], kHex[byte & 15]});
    else
      out += c;
  }
  out.append("\n");
}

void appendField(std::string& out, std::string_view key, qint64 value) {
  out.append(key).append(" ").append(std::to_string(value)).append("\n");
}

std::optional<qint64> number(std::string_view text) {
  qint64 value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// Reads the side-car line by line; a line is only complete with its LF.
class Cursor {
 public:
  explicit Cursor(const QByteArray& bytes) : rest_(bytes.constData(), size_t(bytes.size())) {}

  bool atEnd() const { return rest_.empty(); }
  // The next complete line, or none when the file stops first.
  std::optional<std::string_view> line() {
    const size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    ++number_;
    return line;
  }
  int lineNumber() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

struct Failure {
  FactsState state;
  QString reason;
};

// The value of "key value", or a failure naming what was expected.
class Parser {
 public:
  // Keeps the bytes, which the cursor reads in place. countsLines false: they are the
  // file's last lines, whose line numbers are unknown.
  explicit Parser(QByteArray bytes, bool countsLines = true)
      : bytes_(std::move(bytes)), cursor_(bytes_), countsLines_(countsLines) {}
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  std::optional<std::string_view> field(std::string_view key) {
    const auto line = next();
    if (!line) return std::nullopt;
    if (line->size() <= key.size() || !line->starts_with(key) || (*line)[key.size()] != ' ')
      return damaged(QStringLiteral("\"%1\" expected").arg(QLatin1String(key.data(), qsizetype(key.size()))));
    return line->substr(key.size() + 1);
  }
  std::optional<QString> text(std::string_view key) {
    const auto value = field(key);
    if (!value) return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray(value->data(), qsizetype(value->size()))));
  }
  std::optional<qint64> count(std::string_view key) {
    const auto value = field(key);
    if (!value) return std::nullopt;
    const auto parsed = number(*value);
    if (!parsed || *parsed < 0) return damaged<qint64>(QStringLiteral("a number expected"));
    return parsed;
  }
  std::optional<std::string_view> next() {
    if (failure_) return std::nullopt;
    const auto line = cursor_.line();
    if (!line) failure_ = Failure{FactsState::Truncated, QStringLiteral("stops before its end")};
    return line;
  }
  template <typename T = std::string_view>
  std::optional<T> damaged(const QString& what) {
    if (failure_) return std::nullopt;
    const QString where =
        countsLines_ ? QStringLiteral("at line %1").arg(cursor_.lineNumber()) : QStringLiteral("near its end");
    failure_ = Failure{FactsState::Damaged, QStringLiteral("is damaged %1 (%2)").arg(where, what)};
    return std::nullopt;
  }
  void stale() {
    failure_ = Failure{FactsState::Stale, QStringLiteral("no longer matches its catalogue, which changed after it was written")};
  }
  void otherVersion(std::string_view version) {
    failure_ = Failure{FactsState::OtherVersion,
                       QStringLiteral("is of version %1, and this Quilmo reads version %2")
                           .arg(QString::fromUtf8(version.data(), qsizetype(version.size())))
                           .arg(QLatin1String(kVersion.data(), qsizetype(kVersion.size())))};
  }
  bool atEnd() const { return cursor_.atEnd(); }
  const std::optional<Failure>& failure() const { return failure_; }

 private:
  QByteArray bytes_;
  Cursor cursor_;
  bool countsLines_;
  std::optional<Failure> failure_;
};

std::optional<FileFact> record(Parser& p, std::string_view line) {
  if (line == "-") return FileFact{};
  const size_t blank = line.find(' ');
  const auto size = number(line.substr(0, blank));
  const auto modified = blank == std::string_view::npos ? std::nullopt : number(line.substr(blank + 1));
  if (!size || *size < 0 || !modified) return p.damaged<FileFact>(QStringLiteral("a file record expected"));
  return FileFact{*size, *modified};
}

std::optional<VolumeFacts> volume(Parser& p) {
  const auto label = p.text("label"), identity = p.text("identity"), type = p.text("filesystem");
  const auto capacity = p.count("capacity"), free = p.count("free");
  const auto root = p.field("root");
  if (root && *root != "mount" && *root != "folder") p.damaged(QStringLiteral("\"mount\" or \"folder\" expected"));
  const auto scanned = p.text("scanned");
  const QDateTime when = scanned ? QDateTime::fromString(*scanned, Qt::ISODate) : QDateTime();
  if (scanned && !when.isValid()) p.damaged(QStringLiteral("a date expected"));
  if (p.failure()) return std::nullopt;
  return VolumeFacts{*label, *identity, *type, *capacity, *free, *root == "mount", when};
}

// The lines up to "records": the version and the volume.
bool head(Parser& p, DiscFacts& facts) {
  const auto magic = p.next();
  if (!magic) return false;
  if (!magic->starts_with(kMagic)) return p.damaged(QStringLiteral("not a facts file")), false;
  if (magic->substr(kMagic.size()) != kVersion) return p.otherVersion(magic->substr(kMagic.size())), false;
  const auto read = volume(p);
  if (!read) return false;
  facts.volume = *read;
  if (const auto line = p.next(); line && *line != "records") p.damaged(QStringLiteral("\"records\" expected"));
  return !p.failure();
}

// The lines after "end": the totals, and the stamp of the catalogue they were written for.
std::optional<Stamp> tail(Parser& p, DiscFacts& facts) {
  const auto files = p.count("files"), folders = p.count("folders"), bytes = p.count("bytes");
  const auto size = p.count("catalogue-size"), time = p.count("catalogue-time");
  if (p.failure()) return std::nullopt;
  if (!p.atEnd()) return p.damaged<Stamp>(QStringLiteral("text after the end"));
  facts.files = *files;
  facts.folders = *folders;
  facts.bytes = *bytes;
  return Stamp{*size, *time};
}

bool belongsTo(Parser& p, const Stamp& written, const std::optional<Stamp>& catalogue) {
  if (!catalogue || *catalogue != written) return p.stale(), false;
  return true;
}

// Fills facts from the whole side-car; false when it cannot be trusted (see p.failure()).
bool parse(Parser& p, DiscFacts& facts, const std::optional<Stamp>& catalogue) {
  if (!head(p, facts)) return false;
  for (auto line = p.next(); line && *line != "end"; line = p.next())
    if (const auto fact = record(p, *line)) facts.lines.push_back(*fact);
  const auto written = tail(p, facts);
  if (!written) return false;
  if (qint64(facts.lines.size()) != facts.files) return p.damaged(QStringLiteral("the file count disagrees")), false;
  return belongsTo(p, *written, catalogue);
}

// Where the summary looks: the head within the first bytes of the file, the closing lines
// within its last ones.
constexpr qint64 kHeadBytes = 64 * 1024;  // the volume's texts are short, even percent-encoded
constexpr qint64 kTailBytes = 4 * 1024;   // five numbers

// The side-car's bytes up to the end of its head, read a small block at a time: the records
// behind it may run to megabytes, and "GoTo" reads the heads of thousands of discs. A head
// that does not end within kHeadBytes is damaged, and the parser says how.
QByteArray headBytes(QFile& file) {
  constexpr qint64 kBlock = 2048;
  static const QByteArray kHeadEnd = QByteArrayLiteral("\nrecords\n");
  QByteArray bytes;
  while (bytes.size() < kHeadBytes) {
    const QByteArray block = file.read(kBlock);
    if (block.isEmpty()) break;
    bytes += block;
    if (const qsizetype end = bytes.indexOf(kHeadEnd); end >= 0) return bytes.left(end + kHeadEnd.size());
  }
  return bytes;
}

// Reads the head and the closing lines of the side-car in file, not the records between;
// why it cannot be trusted, if it cannot.
std::optional<Failure> parseSummary(QFile& file, DiscFacts& facts, const std::optional<Stamp>& catalogue) {
  Parser start(headBytes(file));
  if (!head(start, facts)) return start.failure();
  file.seek(qMax<qint64>(0, file.size() - kTailBytes));
  const QByteArray last = file.read(kTailBytes);
  const qsizetype end = last.lastIndexOf("\nend\n");
  Parser closing(end < 0 ? QByteArray() : last.mid(end + 5), false);
  if (end < 0) closing.next();  // the file stops before its end
  if (const auto written = tail(closing, facts)) belongsTo(closing, *written, catalogue);
  return closing.failure();
}

FactsReading ignored(const QString& path, const Failure& failure) {
  FactsReading reading;
  reading.state = failure.state;
  reading.message = QStringLiteral("Disc facts ignored: %1 %2.").arg(QDir::toNativeSeparators(path), failure.reason);
  return reading;
}

FactsReading missing(const QString& path) {
  FactsReading reading;
  reading.message = QStringLiteral("No disc facts: %1 is missing.").arg(QDir::toNativeSeparators(path));
  return reading;
}

}  // namespace

QString factsPath(const QString& cataloguePath) { return library::sideFilePath(cataloguePath, library::SideFile::Facts); }

namespace {
QString withFolderMade(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  return path;
}
}  // namespace

FactsWriter::FactsWriter(const QString& path, const VolumeFacts& volume) : file_(withFolderMade(path), kBufferSize) {
  std::string& out = file_.buffer();
  out.append(kMagic).append(kVersion).append("\n");
  appendField(out, "label", volume.label);
  appendField(out, "identity", volume.identity);
  appendField(out, "filesystem", volume.fileSystem);
  appendField(out, "capacity", volume.capacity);
  appendField(out, "free", volume.free);
  out.append(volume.mountPoint ? "root mount\n" : "root folder\n");
  // A reader refuses a side-car without a date, so one that came without stands for now.
  const QDateTime scanned = volume.scanned.isValid() ? volume.scanned : QDateTime::currentDateTimeUtc();
  appendField(out, "scanned", scanned.toUTC().toString(Qt::ISODate));
  out.append("records\n");
}

void FactsWriter::file(const FileFact& fact) {
  std::string& out = file_.buffer();
  if (fact.size < 0) {
    out.append("-\n");
  } else {
    out.append(std::to_string(fact.size)).append(" ").append(std::to_string(fact.modified)).append("\n");
    bytes_ += fact.size;
  }
  ++files_;
  file_.spill();
}

bool FactsWriter::close(qint64 folders, const QString& cataloguePath, QString* error) {
  const auto catalogue = stampOf(cataloguePath);
  if (!catalogue) {
    // A side-car must belong to a catalogue; the unfinished one is removed with file_.
    if (error) *error = QStringLiteral("%1 cannot be read").arg(QDir::toNativeSeparators(cataloguePath));
    return false;
  }
  std::string& out = file_.buffer();
  out.append("end\n");
  appendField(out, "files", files_);
  appendField(out, "folders", folders);
  appendField(out, "bytes", bytes_);
  appendField(out, "catalogue-size", catalogue->size);
  appendField(out, "catalogue-time", catalogue->modified);
  return file_.close(error);
}

FactsReading readFacts(const QString& path, const QString& cataloguePath) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return missing(path);
  FactsReading reading;
  Parser parser(file.readAll());
  if (!parse(parser, reading.facts, stampOf(cataloguePath))) return ignored(path, *parser.failure());
  reading.state = FactsState::Read;
  return reading;
}

FactsReading readFactsSummary(const QString& path, const QString& cataloguePath) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return missing(path);
  FactsReading reading;
  if (const auto failure = parseSummary(file, reading.facts, stampOf(cataloguePath))) return ignored(path, *failure);
  reading.state = FactsState::Read;
  return reading;
}

FactsReading readFactsHead(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return missing(path);
  Parser parser(headBytes(file));
  FactsReading reading;
  if (!head(parser, reading.facts)) return ignored(path, *parser.failure());
  reading.state = FactsState::Read;
  return reading;
}

}  // namespace quilmo::capture
