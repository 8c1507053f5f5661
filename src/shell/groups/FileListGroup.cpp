#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/Controls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* fileList(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(ui::combo(box, QStringLiteral("Drive1"), QStringLiteral("Drive"), false));
  column->addWidget(ui::list(box, QStringLiteral("Dir1"), QStringLiteral("Folder")), 1);
  QListWidget* File1 = ui::list(box, QStringLiteral("File1"), QStringLiteral("Files"));
  File1->hide();  // the raw file list behind FiL
  QListWidget* FiL = ui::list(box, QStringLiteral("FiL"), QString());
  ui::describe(FiL, QStringLiteral("FiL"), QString(), QStringLiteral("DClick to run or open. RClick to set associations"));
  FiL->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  column->addWidget(FiL, 2);
  column->addWidget(ui::panelButton(box, QStringLiteral("OpenFile"), QStringLiteral("GoTo"),
                                    QStringLiteral("After selection in bicbox, go to spesific place on given disc")));
  return box;
}

}  // namespace quilmo::groups
