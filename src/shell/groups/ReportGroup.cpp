#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "kit/Overlays.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::reports;

QWidget* reports(QWidget* parent, ReportControls& c) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(c.report = ui::panelButton(box, report));
  row->addWidget(c.editable = ui::panelButton(box, editable));
  return box;
}

void reportPanels(Overlays& overlays, ReportControls& c) {
  QGroupBox* ReportPan = c.frame = ui::frame(nullptr, frame);
  auto* row = new QHBoxLayout(ReportPan);
  row->addWidget(c.load = ui::panelButton(ReportPan, load));
  row->addWidget(c.save = ui::panelButton(ReportPan, save));
  overlays.add(ReportPan, Overlays::Anchor::TopRight);

  QGroupBox* LoadReport = c.loader = ui::frame(nullptr, loader);
  auto* column = new QVBoxLayout(LoadReport);
  QListWidget* LoadReportLys = c.saved = ui::list(LoadReport, saved, QStringLiteral("Saved reports"), true);
  LoadReportLys->setMinimumSize(300, 240);
  column->addWidget(LoadReportLys);
  auto* LoadReportX = c.text = new QTextEdit(LoadReport);
  ui::describe(LoadReportX, text, QStringLiteral("Report text"));
  LoadReportX->hide();
  (c.folder = ui::list(LoadReport, folder, QStringLiteral("Report folder")))->hide();
  (c.files = ui::list(LoadReport, files, QStringLiteral("Report files")))->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(c.loadChosen = ui::panelButton(LoadReport, loadChosen));
  QPushButton* close = c.closeLoader = ui::panelButton(LoadReport, closeLoader);
  buttons->addWidget(close);
  column->addLayout(buttons);
  overlays.add(LoadReport, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
