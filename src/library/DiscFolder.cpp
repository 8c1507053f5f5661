#include "library/DiscFolder.h"

#include <QDir>
#include <QFileInfo>

#include "library/FileEntry.h"
#include "platform/DataFolder.h"
#include "platform/DriveMap.h"
#include "platform/FieldReader.h"
#include "platform/NameRules.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

// The part of a hit line that is the catalogue line: what follows its first "* ".
QString withoutHitMark(const QString& selection) {
  const qsizetype mark = selection.indexOf(QStringLiteral("* "), 2);
  return mark < 0 ? selection : selection.mid(mark + 2);
}

// A catalogue line "folder","name" becomes folder + name; a piece of one that starts at
// the drive letter loses everything from the quote that closes the folder.
QString withoutQuotes(const QString& text) {
  if (text.startsWith(u'"')) {
    const QStringList fields = readFields(text);
    return fields.size() > 1 ? fields[0] + fields[1] : fields.value(0);
  }
  const qsizetype quote = text.indexOf(u'"');
  return quote < 0 ? text : text.left(quote);
}

bool startsWithDriveLetter(const QString& text) {
  return text.size() >= 2 && text[1] == u':' && text[0].isLetter();
}

}  // namespace

std::optional<QString> discFolderOfSelection(const QString& selection) {
  if (selection.size() < 2) return std::nullopt;
  QString path = withoutQuotes(withoutHitMark(selection).trimmed());
  if (startsWithDriveLetter(path)) path.remove(0, 2);
  const qsizetype slash = path.lastIndexOf(u'\\');
  QString folder = slash < 0 ? QString() : path.left(slash);
  if (!folder.isEmpty() && !folder.startsWith(u'\\')) folder.prepend(u'\\');
  return folder;
}

QString catalogueOfSelection(const QString& selection, const QString& viewedFile, const QString& dataPath) {
  const QString text = selection.trimmed();
  if (const qsizetype mark = text.startsWith(u'*') ? text.indexOf(QStringLiteral("* "), 2) : -1; mark >= 0) {
    const QString disc = text.mid(1, mark - 1);
    return whyNameIsRefused(disc).isEmpty() ? resolveInFolder(dataPath, disc + QStringLiteral(".rtf")) : QString();
  }
  // A report or any other file the view shows is no disc's catalogue.
  const QFileInfo viewed(viewedFile);
  const bool inDataFolder = !viewedFile.isEmpty() && QDir(viewed.absolutePath()) == QDir(dataPath);
  const bool catalogue = viewed.suffix().compare(QStringLiteral("rtf"), Qt::CaseInsensitive) == 0;
  return inDataFolder && catalogue ? viewedFile : QString();
}

QStringList fileListEntries(const QString& nativeFolder) {
  QStringList entries;
  for (const QString& name : QDir(nativeFolder).entryList(QDir::Files | QDir::Hidden | QDir::System))
    entries += fileListEntry(name);
  std::stable_sort(entries.begin(), entries.end(),
                   [](const QString& a, const QString& b) { return compareIgnoringCase(a, b) < 0; });
  return entries;
}

DiscFolder openDiscFolder(const DriveMap& drives, QChar letter, const QString& folder) {
  DiscFolder result;
  result.browseFolder = QString(letter.toUpper()) + u':' + folder + u'\\';
  const NativeLocation where = drives.toNative(result.browseFolder);
  switch (where.status) {
    case DriveStatus::NoDisc:
      result.errorNumber = 68;
      result.heading = QStringLiteral("Drive ERROR");
      result.message = QStringLiteral("There is no disc in the drive!");
      return result;
    case DriveStatus::PathNotFound:
      result.errorNumber = 76;
      result.heading = QStringLiteral("Wrong Disc");
      result.message = QStringLiteral("Although there is a disc in the specified drive, it's not the correct one!");
      return result;
    case DriveStatus::Ready:
      break;
  }
  result.nativeFolder = where.path.endsWith(QDir::separator()) ? where.path : where.path + QDir::separator();
  result.entries = fileListEntries(result.nativeFolder);
  return result;
}

}  // namespace quilmo::library
