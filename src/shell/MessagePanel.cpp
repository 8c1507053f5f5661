#include "shell/MessagePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>

#include "kit/PanelControls.h"
#include "kit/WidgetFactory.h"
#include "platform/Yield.h"
#include "widgets/Twips.h"

namespace quilmo {

namespace {
// MsgC(0..2) in order.
constexpr MsgButton kButtons[3] = {MsgButton::Yes, MsgButton::No, MsgButton::Cancel};
constexpr Answer kAnswers[3] = {Answer::Yes, Answer::No, Answer::Cancel};
constexpr int kGripTwips = 60;  // the press point is remembered this much up and left
}

MessagePanel::MessagePanel(QWidget* parent, int& answer) : QFrame(parent), answer_(answer) {
  ui::describe(this, names::message::panel, QStringLiteral("Message"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(3);
  setAutoFillBackground(true);
  setMinimumSize(420, 220);

  heading_ = ui::label(this, names::message::heading);
  heading_->setAutoFillBackground(true);
  heading_->setStyleSheet(QStringLiteral("background:#000080; color:white; font-weight:bold; padding:4px;"));
  heading_->setCursor(Qt::SizeAllCursor);
  heading_->installEventFilter(this);

  message_ = new QTextEdit(this);
  ui::describe(message_, names::message::text, QStringLiteral("Message"));
  message_->setReadOnly(true);

  const QStyle::StandardPixmap pictures[2] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning};
  for (int i = 0; i < 2; ++i) {
    icons_[i] = ui::label(this, names::message::icons[i]);
    icons_[i]->setPixmap(style()->standardIcon(pictures[i]).pixmap(32, 32));
    icons_[i]->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  }
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = ui::panelButton(this, names::message::buttons[i]);
    buttons_[i]->setMinimumWidth(80);
    connect(buttons_[i], &QPushButton::clicked, this, [this, i] { press(i); });
    row->addWidget(buttons_[i]);
  }
  row->addStretch();

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 8);
  grid->addWidget(heading_, 0, 0, 1, 2);
  grid->addWidget(icons_[0], 1, 0);
  grid->addWidget(icons_[1], 1, 0);
  grid->addWidget(message_, 1, 1);
  grid->addLayout(row, 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
}

Answer MessagePanel::ask(const QString& heading, MsgButtons buttons, const QString& message, MsgIcon icon) {
  for (int i = 0; i < 3; ++i) buttons_[i]->setEnabled(buttons.testFlag(kButtons[i]));
  for (QLabel* picture : icons_) picture->hide();
  icons_[icon == MsgIcon::Warning ? 1 : 0]->show();
  heading_->setText(heading);
  message_->setPlainText(message);
  message_->selectAll();  // centres every paragraph, not just the first
  message_->setAlignment(Qt::AlignCenter);
  message_->moveCursor(QTextCursor::Start);  // and shows the text unselected
  show();
  raise();
  if (buttons.testFlag(MsgButton::Yes)) buttons_[0]->setFocus();
  answer_ = 0;
  waiting_ = true;
  Yielder::waitUntil([this] { return answer_ != 0; });
  waiting_ = false;
  return Answer(answer_);
}

void MessagePanel::press(int index) {
  answer_ = int(kAnswers[index]);
  hide();
}

void MessagePanel::cancelWait() {
  if (waiting_) press(2);
}

bool MessagePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != heading_) return QFrame::eventFilter(watched, event);
  const auto at = [event] { return static_cast<QMouseEvent*>(event)->position().toPoint(); };
  const int grip = twips::toPixels(kGripTwips);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        dragging_ = true;
        grip_ = at() - QPoint(grip, grip);
      }
      break;
    case QEvent::MouseMove:
      if (dragging_) move(pos() + at() - grip_);
      break;
    case QEvent::MouseButtonRelease: dragging_ = false; break;
    default: break;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace quilmo
