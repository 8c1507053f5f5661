#include "companions/LornexWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "capture/DiscFacts.h"
#include "capture/FactColumns.h"
#include "platform/NumberFormat.h"
#include "widgets/CatalogueView.h"

namespace quilmo::companions {

LornexWindow::LornexWindow(const QString& path, bool sizesAndDates, QWidget* parent)
    : QWidget(parent),
      view_(new CatalogueView(this)),
      lines_(new QLabel(this)),
      message_(new QLabel(this)),
      sizesAndDates_(new QCheckBox(QStringLiteral("&Sizes and dates"), this)),
      factsNote_(new QLabel(this)),
      findBox_(new QLineEdit(this)),
      findNote_(new QLabel(this)) {
  view_->setObjectName(QStringLiteral("View"));
  lines_->setObjectName(QStringLiteral("Lines"));
  message_->setObjectName(QStringLiteral("Message"));
  sizesAndDates_->setObjectName(QStringLiteral("SizesAndDates"));
  factsNote_->setObjectName(QStringLiteral("FactsNote"));
  findBox_->setObjectName(QStringLiteral("FindBox"));
  findNote_->setObjectName(QStringLiteral("FindNote"));
  findBox_->setPlaceholderText(QStringLiteral("Find (Enter for the next one)"));
  findBox_->setAccessibleName(QStringLiteral("Find"));
  sizesAndDates_->setAccessibleName(QStringLiteral("Sizes and dates"));
  sizesAndDates_->setToolTip(QStringLiteral("The size and time of each file, from the disc's facts (Alt+S)"));
  sizesAndDates_->setChecked(sizesAndDates);
  view_->setAccessibleName(QStringLiteral("Catalogue"));
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  message_->hide();
  factsNote_->hide();

  auto* bar = new QHBoxLayout;
  bar->addWidget(lines_);
  bar->addWidget(sizesAndDates_);
  bar->addStretch();
  bar->addWidget(findNote_);
  bar->addWidget(findBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(factsNote_);
  layout->addWidget(message_);
  layout->addWidget(view_, 1);
  resize(900, 600);

  connect(findBox_, &QLineEdit::returnPressed, this, &LornexWindow::findNext);
  connect(sizesAndDates_, &QCheckBox::toggled, this, [this] { load(path_); });
  load(path);
  if (findBox_->isEnabled()) findBox_->setFocus();
}

QString LornexWindow::usage() { return QStringLiteral("usage: lornex [--long] CATALOGUE"); }

void LornexWindow::load(const QString& path) {
  path_ = path;
  setWindowTitle(path.isEmpty() ? QStringLiteral("lornex")
                                : QFileInfo(path).fileName() + QStringLiteral(" - lornex"));
  if (path.isEmpty()) return showMessage(QStringLiteral("No catalogue was given.\n") + usage());
  QString error;
  if (!showCatalogue(&error))
    return showMessage(QStringLiteral("Cannot show the catalogue %1: %2").arg(path, error));
  lines_->setText(QStringLiteral("Lines: ") + grouped(double(view_->lineCount())));
}

bool LornexWindow::showCatalogue(QString* error) {
  factsNote_->hide();
  if (!sizesAndDates_->isChecked()) return view_->loadFile(path_, error);
  const capture::FactsReading reading = capture::readDiscFacts(path_);
  if (reading.state != capture::FactsState::Read) {
    factsNote_->setText(QStringLiteral("Sizes and dates cannot be shown. ") + reading.message);
    factsNote_->show();
    return view_->loadFile(path_, error);
  }
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return *error = file.errorString(), false;
  view_->setUtf8Text(capture::withFactColumns(file.readAll(), reading.facts.lines, QTimeZone::systemTimeZone()));
  return true;
}

void LornexWindow::showMessage(const QString& message) {
  message_->setText(message);
  message_->show();
  view_->hide();
  findBox_->setEnabled(false);
  sizesAndDates_->setEnabled(false);
  lines_->clear();
}

// From just after the current hit (or from the caret) to the end, then from the top.
void LornexWindow::findNext() {
  const QString word = findBox_->text();
  findNote_->clear();
  if (word.isEmpty()) return;
  const qint64 from = view_->caretPosition() + (view_->selectionLength() > 0 ? 1 : 0);
  qint64 hit = view_->find(word, from);
  if (hit < 0 && from > 0) {
    hit = view_->find(word, 0);
    if (hit >= 0) findNote_->setText(QStringLiteral("Continued from the top"));
  }
  if (hit < 0) findNote_->setText(QStringLiteral("Not found"));
}

}  // namespace quilmo::companions
