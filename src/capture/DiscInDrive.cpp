#include "capture/DiscInDrive.h"

#include <QDirIterator>
#include <QFileInfo>

#include "capture/DiscFacts.h"
#include "library/DiscFolder.h"
#include "library/DiscSideFiles.h"
#include "platform/DataFolder.h"
#include "platform/TextCase.h"

namespace quilmo::capture {

namespace {

const QString kCatalogueSuffix = QStringLiteral(".rtf");

// Tools print a UUID in either case.
bool sameIdentity(const QString& a, const QString& b) {
  return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

QString identityOfCatalogue(const QString& cataloguePath) {
  return readFactsHead(factsPath(cataloguePath)).facts.volume.identity;
}

}  // namespace

QStringList discsWithIdentity(const QString& dataPath, const QString& identity) {
  QStringList discs;
  if (identity.isEmpty()) return discs;
  const QString suffix = QStringLiteral(".facts");
  QDirIterator sideCars(library::sideFileFolder(dataPath, library::SideFile::Facts), {QLatin1Char('*') + suffix},
                        QDir::Files | QDir::Hidden);
  while (sideCars.hasNext()) {
    const QString path = sideCars.next();
    if (!sameIdentity(readFactsHead(path).facts.volume.identity, identity)) continue;
    const QString disc = sideCars.fileName().chopped(suffix.size());
    if (QFileInfo::exists(resolveInFolder(dataPath, disc + kCatalogueSuffix))) discs += disc;
  }
  return sortedIgnoringCase(discs);
}

void explainMissingFolder(library::DiscFolder& folder, const QString& nativeRoot, const QString& dataPath,
                          const QString& catalogue) {
  const QString inDrive = volumeFactsOf(nativeRoot).identity;
  if (inDrive.isEmpty()) return;
  // A catalogue renamed or deleted since it was shown names no disc.
  const QString shown = QFileInfo::exists(catalogue) ? QFileInfo(catalogue).completeBaseName() : QString();
  if (!shown.isEmpty() && sameIdentity(identityOfCatalogue(catalogue), inDrive)) {
    folder.heading = QStringLiteral("Folder Missing");
    folder.message = QStringLiteral("The disc in the drive is %1, but it holds no folder %2!\n\n"
                                    "Was the folder moved or deleted since the disc was catalogued?")
                         .arg(shown, folder.browseFolder);
    return;
  }
  const QStringList discs = discsWithIdentity(dataPath, inDrive);
  if (discs.isEmpty()) return;
  folder.message += QStringLiteral("\n\nThe drive holds ") + discs.join(QStringLiteral(" or ")) +
                    (shown.isEmpty() ? QStringLiteral(".") : QStringLiteral("; this catalogue is ") + shown + u'.');
}

}  // namespace quilmo::capture
