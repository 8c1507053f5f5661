#include "controls/FolderBox.h"

#include <QDir>

namespace quilmo {

FolderBox::FolderBox(QWidget* parent) : QListWidget(parent) {}

void FolderBox::setPath(const QString& discPath, const QString& nativeFolder) {
  path_ = discPath;
  clear();
  addItem(discPath);
  if (!nativeFolder.isEmpty()) {
    const QStringList folders = QDir(nativeFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& folder : folders) addItem(QStringLiteral("  ") + folder);
  }
  setCurrentRow(0);
  Q_EMIT pathChanged(discPath);
}

}  // namespace quilmo
