#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/Controls.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {

QLabel* counter(QWidget* parent, const QString& name) {
  QLabel* l = ui::label(parent, name, QString());
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setMinimumWidth(70);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

}  // namespace

QWidget* viewBar(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  const QString widths[2] = {QStringLiteral("X"), QStringLiteral("O")};
  const QString spoken[2] = {QStringLiteral("Wide view"), QStringLiteral("Narrow view")};
  for (int i = 0; i < 2; ++i) {
    QPushButton* b = ui::panelButton(box, panels::arrayName(QStringLiteral("RTXw"), i), widths[i], {}, spoken[i]);
    b->setAccessibleName(spoken[i]);
    b->setFixedWidth(28);
    row->addWidget(b);
  }
  row->addSpacing(12);
  row->addWidget(ui::label(box, QStringLiteral("Label5"), QStringLiteral("Row:")));
  row->addWidget(counter(box, QStringLiteral("LinkTel")));
  row->addStretch();
  row->addWidget(ui::label(box, QStringLiteral("Lab8(0)"), QStringLiteral("DIR:")));
  row->addWidget(counter(box, QStringLiteral("DirLab")));
  row->addWidget(ui::label(box, QStringLiteral("Lab8(1)"), QStringLiteral("FILES")));
  row->addWidget(counter(box, QStringLiteral("FileLab")));
  return box;
}

}  // namespace quilmo::groups
