#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {
const QString kSameList = QStringLiteral("Internal-Starts from the beginning of the list");
}

QWidget* reports(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::panelButton(box, QStringLiteral("GCom(10)"), QStringLiteral("Report"), kSameList));
  row->addWidget(ui::panelButton(box, QStringLiteral("GCom(11)"), QStringLiteral("ER"), kSameList));
  return box;
}

void reportPanels(Overlays& overlays) {
  QGroupBox* ReportPan = ui::frame(nullptr, QStringLiteral("ReportPan"), QStringLiteral("Report"));
  auto* report = new QHBoxLayout(ReportPan);
  report->addWidget(ui::panelButton(ReportPan, QStringLiteral("GCom(16)"), QStringLiteral("Load"), kSameList));
  report->addWidget(ui::panelButton(ReportPan, QStringLiteral("GCom(17)"), QStringLiteral("Save"), kSameList));
  overlays.add(ReportPan, Overlays::Anchor::TopRight);

  QGroupBox* LoadReport = ui::frame(nullptr, QStringLiteral("LoadReport"), QStringLiteral("Load Report"));
  auto* loader = new QVBoxLayout(LoadReport);
  QListWidget* LoadReportLys = ui::list(LoadReport, QStringLiteral("LoadReportLys"), QStringLiteral("Saved reports"), true);
  LoadReportLys->setMinimumSize(300, 240);
  loader->addWidget(LoadReportLys);
  auto* LoadReportX = new QTextEdit(LoadReport);
  ui::describe(LoadReportX, QStringLiteral("LoadReportX"), QStringLiteral("Report text"));
  LoadReportX->hide();
  ui::list(LoadReport, QStringLiteral("Dir3"), QStringLiteral("Report folder"))->hide();
  ui::list(LoadReport, QStringLiteral("File4"), QStringLiteral("Report files"))->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ui::panelButton(LoadReport, QStringLiteral("LoadReportCom(1)"), QStringLiteral("Load Report")));
  QPushButton* close = ui::panelButton(LoadReport, QStringLiteral("LoadReportCom(0)"), QStringLiteral("X"), {},
                                       QStringLiteral("Close"));
  close->setAccessibleName(QStringLiteral("Close"));
  buttons->addWidget(close);
  loader->addLayout(buttons);
  overlays.add(LoadReport, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
