#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* searchSettings(QWidget* parent) {
  using namespace names::searchSettings;
  QGroupBox* SSet = ui::frame(parent, frame);
  auto* column = new QVBoxLayout(SSet);
  column->addWidget(ui::check(SSet, caseSensitive));
  column->addWidget(ui::check(SSet, completeWord));
  return SSet;
}

}  // namespace quilmo::groups
