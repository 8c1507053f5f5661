#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "kit/Overlays.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* status(QWidget* parent, StatusControls& c) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  QLabel* LaB = c.line = ui::label(box, names::status::line, QStringLiteral("Status"));
  LaB->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  LaB->setAutoFillBackground(true);
  LaB->setMargin(2);
  row->addWidget(LaB, 3);
  QLabel* hP = c.hint = ui::label(box, names::status::hint, QStringLiteral("Hint"));
  hP->setFrameStyle(QFrame::Panel | QFrame::Raised);
  hP->setMargin(2);
  hP->setMinimumWidth(200);
  row->addWidget(hP, 2);
  // Long hints and messages wrap; two lines high from the start, so the row never jumps.
  for (QLabel* label : {LaB, hP}) {
    label->setWordWrap(true);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing() + 2 * (label->margin() + label->frameWidth()));
  }
  return box;
}

void statusPanels(Overlays& overlays, StatusControls& c) {
  // Overlays gives each panel its parent.
  const auto place = [&overlays](QWidget* panel, Overlays::Anchor anchor) { overlays.add(panel, anchor); };
  place(c.loading = ui::notice(nullptr, names::status::loading), Overlays::Anchor::Center);
  place(c.creating = ui::notice(nullptr, names::status::creating), Overlays::Anchor::Center);

  QLabel* UpPan = c.reading = ui::notice(nullptr, names::status::reading);
  UpPan->setAccessibleName(QStringLiteral("Reading the drive"));
  auto* inside = new QVBoxLayout(UpPan);
  QLabel* UpIma = ui::label(UpPan, names::status::readingImage);
  UpIma->setPixmap(UpPan->style()->standardIcon(QStyle::SP_DriveCDIcon).pixmap(48, 48));
  inside->addWidget(UpIma, 0, Qt::AlignCenter);
  place(UpPan, Overlays::Anchor::Center);

  QLabel* Warning = c.setDriveWarning = ui::notice(nullptr, names::status::setDriveWarning);
  QPalette p = Warning->palette();
  p.setColor(QPalette::Window, QColor(255, 255, 0));
  p.setColor(QPalette::WindowText, QColor(192, 0, 0));
  Warning->setPalette(p);
  place(Warning, Overlays::Anchor::TopLeft);
}

}  // namespace quilmo::groups
