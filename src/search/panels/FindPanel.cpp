#include "search/panels/FindPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "kit/ControlTexts.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/Yield.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {


QString helpText() {
  const QChar lf = kLineBreak;
  return QStringLiteral("A quick and simple way to add more than one word to search for:") + lf +
         QStringLiteral("Use the PIPE | comand (usually on the left of the backspace; Shift+\\") + lf + lf +
         QStringLiteral("       Example:") + lf + QStringLiteral("             kamera|camera|snap") + lf + lf +
         QStringLiteral("Remember the extention selection list.") + lf + QStringLiteral("===============") + lf +
         QStringLiteral("Extention list:") + lf + QStringLiteral("The length of the extention, with the dot is 4 chars");
}

}  // namespace

FindPanel::FindPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      view_(services.controls().viewBar.view),
      searchWords_(services.controls().find.words),
      menu_(services.controls().find.menu),
      help_(services.controls().find.helpFrame),
      helpText_(services.controls().find.helpText) {
  // The combo box hands its keys to its line edit: both are watched, so Enter never
  // reaches the box's own handling (which would add the text to the history).
  searchWords_->installEventFilter(this);
  if (QLineEdit* edit = searchWords_->lineEdit()) edit->installEventFilter(this);

  // FCom(i) does what GCom(i + 2) does, and first restores LaB's colour as a GCom click would.
  const FindControls& c = services.controls().find;
  const std::pair<QPushButton*, std::function<void()>> menu[] = {
      {c.menuButtons[0], [this] { findNew(); }},
      {c.menuButtons[1], [this] { findNext(); }},
      {c.menuButtons[2], [this] { Q_EMIT findGlobalRequested(); }},
  };
  for (const auto& [button, action] : menu) {
    onActivated(button, [this, action] {
      services_.restoreStatusColour();
      action();
      closeMenu();
    });
    // The hint names the caption the button shows now.
    onHover(button, [this, button] { services_.setHint(QString::fromLatin1(names::find::kMenuHint) + button->text() + u']'); });
  }
}

bool FindPanel::eventFilter(QObject*, QEvent* event) {
  if (!isEnterPress(event)) return false;
  enterInSearchWords();
  return true;
}

void FindPanel::enterInSearchWords() {
  const bool loaded = !view_->isEmpty();
  for (QPushButton* finder : services_.controls().find.viewFinders()) finder->setEnabled(loaded);
  if (!loaded) {
    // Nothing to find in: the global search with its disc selection.
    services_.controls().find.menuButtons[2]->click();
    return;
  }
  menu_->show();
  menu_->raise();
  services_.controls().find.menuButtons[0]->setFocus(Qt::OtherFocusReason);
}

void FindPanel::toggleHelp() {
  if (!help_->isHidden()) {
    help_->hide();
    setCaption(helpText_, QString());
    return;
  }
  setCaption(helpText_, helpText());
  help_->show();
  help_->raise();
}

void FindPanel::findNew() {
  const std::optional<QString> answer = services_.dialogs().input(
      QStringLiteral("Search for another word"), QStringLiteral("Type in the new word to search for:"), QString());
  services_.setStatus(QStringLiteral("Find ") + searchWords_->currentText());
  services_.yielder().now(YieldKind::Always);
  findWord_ = answer.value_or(QString());
  finders(Finder::New);
}

void FindPanel::findNext() {
  if (searchWords_->currentText().isEmpty() && findWord_.isEmpty()) return;
  finders(Finder::Next);
}

void FindPanel::closeMenu() { menu_->hide(); }

// Finders(0) and Finders(2): the view's own find, which ignores letter case and gives
// "|" no meaning.
void FindPanel::finders(Finder kind) {
  ProgramValues& values = services_.values();
  if (!findWord_.isEmpty()) {
    if (kind == Finder::New) {
      values.findStart = 0;
      const qint64 start = newFindStart();
      if (start < 0) return;  // cancelled: the focus stays where it is
      values.findStart = values.viewCaret = view_->find(findWord_, start);
    } else {
      values.findStart = values.viewCaret + findWord_.size();
      const qint64 hit = view_->find(findWord_, values.findStart);
      // Past the last occurrence the position becomes -1, so the next find starts
      // (almost) at the top again.
      if (hit < 0)
        services_.msG(QStringLiteral("Information..."), MsgButton::Yes, QStringLiteral("Finished Searching..."),
                      MsgIcon::Warning);
      values.findStart = values.viewCaret = hit;
      searchWords_->setProperty("tag", QString::number(hit));
    }
  }
  view_->setFocus(Qt::OtherFocusReason);
}

// From the top, unless the user clicked in the view or a find stopped past it: then from
// the caret, or, when the user is asked, as answered.
qint64 FindPanel::newFindStart() {
  const ProgramValues& values = services_.values();
  if (values.viewCaret <= 0) return 0;
  if (values.autoMode) return view_->caretPosition();
  const Answer answer = services_.msG(
      QStringLiteral("Where to start searching"), MsgButton::Yes | MsgButton::No | MsgButton::Cancel,
      QStringLiteral("Do you want to start at the beginning of the document?-YES / From this point forward?-NO"),
      MsgIcon::Information);
  if (answer == Answer::Yes) return 0;
  if (answer == Answer::No) return view_->caretPosition();
  return -1;
}

FindPanel* attachFind(PanelServices& services) { return new FindPanel(services); }

}  // namespace quilmo::panels
