#include "kit/Overlays.h"

#include <QEvent>
#include <QWidget>

#include "kit/PanelShadow.h"

namespace quilmo {

namespace {
constexpr int kMargin = 6;
}

Overlays::Overlays(QWidget* host, QWidget* area) : QObject(host), host_(host), area_(area) {
  area_->installEventFilter(this);
  host_->installEventFilter(this);
}

void Overlays::add(QWidget* panel, Anchor anchor) {
  panel->setParent(host_);
  panel->hide();
  // A shadow lifts the panel off the view it covers.
  anchors_.insert(panel, {anchor, new PanelShadow(panel)});
  panel->installEventFilter(this);
}

void Overlays::place(QWidget* panel) {
  const QRect area(area_->mapTo(host_, QPoint(0, 0)), area_->size());
  const QRect room = area.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const Anchor anchor = anchors_.value(panel).anchor;
  const QSize limit = anchor == Anchor::WindowTopRight ? host_->size() : room.size();
  QSize size = panel->sizeHint().expandedTo(panel->minimumSizeHint()).boundedTo(limit);
  if (anchor == Anchor::RightColumn) size.setHeight(room.height());
  QPoint at;
  switch (anchor) {
    case Anchor::Center: at = room.center() - QPoint(size.width() / 2, size.height() / 2); break;
    case Anchor::TopLeft: at = room.topLeft(); break;
    case Anchor::TopRight:
    case Anchor::RightColumn: at = QPoint(room.right() - size.width(), room.top()); break;
    case Anchor::BottomLeft: at = QPoint(room.left(), room.bottom() - size.height()); break;
    case Anchor::WindowTopRight: at = QPoint(host_->width() - size.width() - kMargin, kMargin); break;
  }
  at.setX(qBound(0, at.x(), qMax(0, host_->width() - size.width())));
  at.setY(qBound(0, at.y(), qMax(0, host_->height() - size.height())));
  panel->setGeometry(QRect(at, size));
}

bool Overlays::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (auto* panel = qobject_cast<QWidget*>(watched); panel && anchors_.contains(panel)) {
    if (type == QEvent::Show) {
      place(panel);
      panel->raise();
    }
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move || type == QEvent::Resize)
      anchors_.value(panel).shadow->follow(type != QEvent::Hide);
  } else if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::LayoutRequest) {
    for (auto it = anchors_.cbegin(); it != anchors_.cend(); ++it)
      if (it.key()->isVisible()) place(it.key());
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quilmo
