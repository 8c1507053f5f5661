#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* fileList(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(ui::combo(box, names::fileList::drives, QStringLiteral("Drive"), false));
  column->addWidget(ui::list(box, names::fileList::folders, QStringLiteral("Folder")), 1);
  QListWidget* File1 = ui::list(box, names::fileList::rawFiles, QStringLiteral("Files"));
  File1->hide();  // the raw file list behind FiL
  QListWidget* FiL = ui::list(box, names::fileList::files, {});
  FiL->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  column->addWidget(FiL, 2);
  column->addWidget(ui::panelButton(box, names::fileList::goTo));
  return box;
}

}  // namespace quilmo::groups
