#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* fileList(QWidget* parent, FileListControls& c) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(c.drives = ui::combo(box, names::fileList::drives, QStringLiteral("Drive"), false));
  column->addWidget(c.folders = ui::list(box, names::fileList::folders, QStringLiteral("Folder")), 1);
  QListWidget* File1 = c.rawFiles = ui::list(box, names::fileList::rawFiles, QStringLiteral("Files"));
  File1->hide();  // the raw file list behind FiL
  QListWidget* FiL = c.files = ui::list(box, names::fileList::files, {});
  FiL->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  column->addWidget(FiL, 2);
  column->addWidget(c.goTo = ui::panelButton(box, names::fileList::goTo));
  return box;
}

}  // namespace quilmo::groups
