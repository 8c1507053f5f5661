#include "widgets/XCommandLUP.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "widgets/Twips.h"
#include "widgets/XCommandLUPAccessible.h"

namespace quilmo {

namespace {

constexpr int kInset = 60;       // caption label from the control's edge
constexpr int kEmboss = 15;      // shadow and highlight offset
const QColor kShadow(0x40, 0x40, 0x40);
const QColor kHighlight(0xFF, 0xFF, 0xFF);
const QColor kBevelDark(0x80, 0x80, 0x80);

QString arrayName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

}  // namespace

XCommandLUP::Geometry XCommandLUP::layoutFor(QSize captionTwips) {
  const int w = captionTwips.width(), h = captionTwips.height();
  Geometry g;
  g.control = {w + 150, h + 110};
  g.caption = {kInset, kInset};
  g.shadow = g.caption + QPoint(kEmboss, kEmboss);
  g.highlight = g.caption - QPoint(kEmboss, kEmboss);
  g.bevel = {QLine(0, 0, 0, h + 50), QLine(0, 0, w + 80, 0), QLine(w + 120, 30, w + 120, h + 80),
             QLine(30, h + 80, w + 120, h + 80)};
  return g;
}

XCommandLUP::XCommandLUP(QWidget* parent) : QFrame(parent) {
  installCommandButtonAccessible();
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  shape_ = new QFrame(this);
  shape_->setObjectName(QStringLiteral("Shape1"));
  shape_->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int i = 0; i < 4; ++i) {
    bevel_[i] = new QWidget(this);
    bevel_[i]->setObjectName(arrayName("Ly", i));
    bevel_[i]->setAutoFillBackground(true);
    bevel_[i]->hide();  // hidden until the first caption change
  }
  caption_ = newCaptionLabel(0);
  caption_->setText(QStringLiteral("Label1"));
  caption_->adjustSize();
  placeSimple();
}

QLabel* XCommandLUP::newCaptionLabel(int index) {
  auto* label = new QLabel(this);
  label->setObjectName(arrayName("XLab", index));
  label->installEventFilter(this);
  return label;
}

QSize XCommandLUP::captionSizeTwips() const { return twips::fromPixels(caption_->size()); }

void XCommandLUP::placeSimple() {
  Geometry g = layoutFor(captionSizeTwips());
  g.bevel = geometry_.bevel;
  geometry_ = g;
  caption_->move(twips::toPixels(g.caption));
  setFixedSize(twips::toPixels(g.control));
  shape_->setGeometry(rect());
}

void XCommandLUP::makeCopies() {
  for (QLabel*& copy : copies_) delete copy;
  for (int i = 0; i < 2; ++i) {
    copies_[i] = newCaptionLabel(i + 1);
    copies_[i]->setText(caption_->text());
    copies_[i]->setFont(caption_->font());
    copies_[i]->resize(caption_->size());
  }
  setTextColour(copies_[0], kShadow);
  setTextColour(copies_[1], kHighlight);
  copiesMade_ = true;
}

void XCommandLUP::captionChanged() {
  Q_EMIT Change();
  caption_->adjustSize();
  makeCopies();
  apply(layoutFor(captionSizeTwips()));
}

void XCommandLUP::apply(const Geometry& g) {
  geometry_ = g;
  caption_->move(twips::toPixels(g.caption));
  copies_[0]->move(twips::toPixels(g.shadow));
  copies_[1]->move(twips::toPixels(g.highlight));
  for (QLabel* copy : copies_) copy->show();
  caption_->raise();
  setFixedSize(twips::toPixels(g.control));
  shape_->setGeometry(rect());
  for (int i = 0; i < 4; ++i) {
    QPalette p = bevel_[i]->palette();
    p.setColor(QPalette::Window, i < 2 ? kHighlight : kBevelDark);
    bevel_[i]->setPalette(p);
    const QLine line = twips::toPixels(g.bevel[i]);
    bevel_[i]->setGeometry(QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1));
    bevel_[i]->show();
  }
}

void XCommandLUP::click() {
  if (isEnabled()) Q_EMIT Click();
}

QColor XCommandLUP::backColor() const { return palette().color(QPalette::Window); }

void XCommandLUP::setBackColor(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
}

QString XCommandLUP::caption() const { return caption_->text(); }

void XCommandLUP::setCaption(const QString& caption) {
  if (caption == caption_->text()) return;
  caption_->setText(caption);
  QAccessibleEvent renamed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  captionChanged();
}

QFont XCommandLUP::captionFont() const { return caption_->font(); }

void XCommandLUP::setCaptionFont(const QFont& font) {
  caption_->setFont(font);
  captionChanged();
}

QColor XCommandLUP::foreColor() const { return caption_->palette().color(QPalette::WindowText); }

void XCommandLUP::setForeColor(const QColor& colour) { setTextColour(caption_, colour); }

QString XCommandLUP::toolTipText() const { return caption_->toolTip(); }

void XCommandLUP::setToolTipText(const QString& text) {
  caption_->setToolTip(text);
  setToolTip(text);
}

bool XCommandLUP::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (!label || !isEnabled()) return QFrame::eventFilter(watched, event);
  const auto forward = [&](auto signal) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = twips::fromPixels(mouse->position().toPoint());
    Q_EMIT(this->*signal)(int(mouse->buttons() | mouse->button()), int((mouse->modifiers() >> 25) & 7), float(at.x()),
                          float(at.y()));
  };
  switch (event->type()) {
    case QEvent::MouseButtonPress: forward(&XCommandLUP::MouseDown); break;
    case QEvent::MouseMove: forward(&XCommandLUP::MouseMove); break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        click();
      break;
    default: break;
  }
  return QFrame::eventFilter(watched, event);
}

void XCommandLUP::keyPressEvent(QKeyEvent* event) {
  // Keyboard users press it like any other button.
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QFrame::keyPressEvent(event);
}

}  // namespace quilmo
