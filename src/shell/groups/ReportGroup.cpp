#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "kit/Overlays.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::reports;

QWidget* reports(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::panelButton(box, report));
  row->addWidget(ui::panelButton(box, editable));
  return box;
}

void reportPanels(Overlays& overlays) {
  QGroupBox* ReportPan = ui::frame(nullptr, frame);
  auto* row = new QHBoxLayout(ReportPan);
  row->addWidget(ui::panelButton(ReportPan, load));
  row->addWidget(ui::panelButton(ReportPan, save));
  overlays.add(ReportPan, Overlays::Anchor::TopRight);

  QGroupBox* LoadReport = ui::frame(nullptr, loader);
  auto* column = new QVBoxLayout(LoadReport);
  QListWidget* LoadReportLys = ui::list(LoadReport, saved, QStringLiteral("Saved reports"), true);
  LoadReportLys->setMinimumSize(300, 240);
  column->addWidget(LoadReportLys);
  auto* LoadReportX = new QTextEdit(LoadReport);
  ui::describe(LoadReportX, text, QStringLiteral("Report text"));
  LoadReportX->hide();
  ui::list(LoadReport, folder, QStringLiteral("Report folder"))->hide();
  ui::list(LoadReport, files, QStringLiteral("Report files"))->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ui::panelButton(LoadReport, loadChosen));
  QPushButton* close = ui::panelButton(LoadReport, closeLoader);
  close->setAccessibleName(closeLoader.tooltipText());
  buttons->addWidget(close);
  column->addLayout(buttons);
  overlays.add(LoadReport, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
