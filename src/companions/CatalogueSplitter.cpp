#include "companions/CatalogueSplitter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include "platform/DataFolder.h"
#include "platform/FieldReader.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/ReplacingFile.h"
#include "platform/TextCase.h"

namespace quilmo::companions {

namespace {

const QString kExtension = QStringLiteral(".rtf");

bool byTextIgnoringCase(const QString& a, const QString& b) { return compareIgnoringCase(a, b) < 0; }

// The type of a catalogue file line, or empty for the totals line and names without one.
// A type becomes a file name, so one that is no usable file name (a catalogue edited to
// hold "x./../../y", say) counts as none.
QString typeOfLine(const QByteArray& line) {
  if (!line.startsWith('"')) return {};
  const QString name = readFields(QString::fromUtf8(line)).value(1);
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString type = dot < 0 ? QString() : upperCased(name.mid(dot + 1));
  return whyNameIsRefused(type).isEmpty() ? type : QString();
}

// The catalogue's lines, kept as bytes so the per-type files repeat them exactly.
QMap<QString, QByteArray> linesByType(const QByteArray& catalogue, int& placed) {
  QMap<QString, QByteArray> byType;
  for (QByteArray line : catalogue.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    const QString type = typeOfLine(line);
    if (type.isEmpty()) continue;
    byType[type] += line + "\r\n";
    ++placed;
  }
  return byType;
}

QString folderIn(const QString& parent, const QString& name) {
  return withTrailingSeparator(resolveInFolder(parent, name));
}

QStringList partTypes(const QString& discFolder) {
  QStringList types;
  for (const QString& file : QDir(discFolder).entryList(QDir::Files))
    if (upperCased(file).endsWith(upperCased(kExtension))) types += upperCased(file.chopped(kExtension.size()));
  return types;
}

// Split-9/TYPE.rtf again from every disc's part of that type.
QString rebuildType(const QString& splitFolder, const QString& partsFolder, const QString& type) {
  QStringList discs = QDir(partsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  std::stable_sort(discs.begin(), discs.end(), byTextIgnoringCase);
  QByteArray bytes;
  for (const QString& disc : discs) {
    QFile part(resolveInFolder(withTrailingSeparator(partsFolder + disc), type + kExtension));
    if (part.open(QIODevice::ReadOnly)) bytes += part.readAll();
  }
  const QString target = resolveInFolder(splitFolder, type + kExtension);
  if (bytes.isEmpty()) {
    if (QFileInfo::exists(target) && !QFile::remove(target)) return QStringLiteral("cannot delete %1").arg(target);
    return {};
  }
  QString why;
  return ListFile::rewriteBytes(target, bytes, &why) ? QString() : QStringLiteral("%1: %2").arg(target, why);
}

}  // namespace

QString splitFolderOf(const QString& dataPath) { return folderIn(dataPath, QStringLiteral("Split-9")); }

QString dataFolderOf(const QString& cataloguePath) { return QFileInfo(cataloguePath).absolutePath() + QDir::separator(); }

QStringList splitTypesOf(const QString& dataPath, const QString& disc) {
  QStringList types = partTypes(folderIn(folderIn(splitFolderOf(dataPath), QStringLiteral("Discs")), disc));
  types.sort();
  return types;
}

SplitResult splitCatalogue(const QString& cataloguePath, const QString& disc) {
  SplitResult result;
  if (const QString why = whyNameIsRefused(disc); !why.isEmpty()) {
    result.error = why;
    return result;
  }
  const QString dataPath = dataFolderOf(cataloguePath);
  QFile catalogue(resolveInFolder(dataPath, QFileInfo(cataloguePath).fileName()));
  if (!catalogue.open(QIODevice::ReadOnly)) {
    result.error = QStringLiteral("Cannot read the catalogue %1: %2").arg(cataloguePath, catalogue.errorString());
    return result;
  }
  const QMap<QString, QByteArray> byType = linesByType(catalogue.readAll(), result.lines);
  result.types = byType.keys();

  const QString splitFolder = splitFolderOf(dataPath);
  const QString partsFolder = folderIn(splitFolder, QStringLiteral("Discs"));
  const QString discFolder = folderIn(partsFolder, disc);
  if (!QDir().mkpath(discFolder)) {
    result.error = QStringLiteral("Cannot create the folder %1").arg(discFolder);
    return result;
  }
  // What a split that was killed left half-written in the folders this one writes.
  removeStaleTemporaryFiles(splitFolder);
  removeStaleTemporaryFiles(discFolder);

  const QStringList before = partTypes(discFolder);
  QStringList gone;
  for (const QString& type : before)
    if (!byType.contains(type)) gone += type;

  QString why;
  for (auto it = byType.cbegin(); it != byType.cend(); ++it)
    if (!ListFile::rewriteBytes(resolveInFolder(discFolder, it.key() + kExtension), it.value(), &why)) {
      result.error = why;
      return result;
    }
  for (const QString& type : gone)
    if (!ListFile::rewriteBytes(resolveInFolder(discFolder, type + kExtension), {}, &why)) {
      result.error = why;
      return result;
    }

  QSet<QString> affected(before.cbegin(), before.cend());
  for (const QString& type : result.types) affected.insert(type);
  for (const QString& type : affected)
    if (const QString error = rebuildType(splitFolder, partsFolder, type); !error.isEmpty()) {
      result.error = error;
      return result;
    }

  for (const QString& type : gone) QFile::remove(resolveInFolder(discFolder, type + kExtension));
  if (result.types.isEmpty()) QDir().rmdir(discFolder);
  return result;
}

SplitArgument parseSplitArgument(const QString& argument) {
  const qsizetype comma = argument.lastIndexOf(u',');
  if (comma < 0) return {argument, {}};
  return {argument.left(comma), argument.mid(comma + 1)};
}

SplitLaunch splitLaunch(const QString& programFolder, const QString& dataPath, const QString& discText) {
#ifdef Q_OS_WIN
  const QString program = QStringLiteral("\\Sundra.exe");
#else
  const QString program = QStringLiteral("/sundra");
#endif
  return {programFolder + program, {dataPath + discText + QStringLiteral(".rtf,") + discText.trimmed()}};
}

}  // namespace quilmo::companions
