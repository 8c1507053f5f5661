#include "cli/DiscCatalogue.h"

#include <QDir>
#include <QFileInfo>

#include "platform/DataFolder.h"
#include "platform/NameRules.h"

namespace quilmo::cli {

QString cataloguePathOf(const QString& dataPath, const QString& disc, QString* why) {
  if (*why = whyNameIsRefused(disc); !why->isEmpty()) return {};
  const QString path = resolveInFolder(dataPath, disc + QStringLiteral(".rtf"));
  if (QFileInfo::exists(path)) return path;
  *why = QStringLiteral("Disc %1 has no catalogue in %2.").arg(disc, QDir::toNativeSeparators(dataPath));
  return {};
}

}  // namespace quilmo::cli
