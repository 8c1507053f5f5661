#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* searchSettings(QWidget* parent, SearchSettingControls& c) {
  using namespace names::searchSettings;
  QGroupBox* SSet = ui::frame(parent, frame);
  auto* column = new QVBoxLayout(SSet);
  column->addWidget(c.caseSensitive = ui::check(SSet, caseSensitive));
  column->addWidget(c.completeWord = ui::check(SSet, completeWord));
  return SSet;
}

}  // namespace quilmo::groups
