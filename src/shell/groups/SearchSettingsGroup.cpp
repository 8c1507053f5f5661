#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "kit/Controls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* searchSettings(QWidget* parent) {
  QGroupBox* SSet = ui::frame(parent, QStringLiteral("SSet"), QStringLiteral("Search Settings"));
  auto* column = new QVBoxLayout(SSet);
  column->addWidget(ui::check(SSet, QStringLiteral("SSetC(0)"), QStringLiteral("Case Sensitive")));
  column->addWidget(ui::check(SSet, QStringLiteral("SSetC(1)"), QStringLiteral("Complete Word")));
  return SSet;
}

}  // namespace quilmo::groups
