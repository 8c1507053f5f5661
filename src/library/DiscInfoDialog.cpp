#include "library/DiscInfoDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "capture/FactsText.h"
#include "kit/WidgetFactory.h"
#include "library/DiscNote.h"

namespace quilmo::panels {

using ui::named;

namespace {

// "Free at scan" gives the value's objectName "DiscFreeAtScan".
QString objectNameOf(const QString& caption) {
  QString name = QStringLiteral("Disc");
  for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts)) name += word.front().toUpper() + word.mid(1);
  return name;
}

// A value beside its caption: read by its text, said to be the caption's, and selectable
// so an identity can be copied.
QLabel* value(const QString& caption, const QString& text, QWidget* parent) {
  auto* label = named(new QLabel(text, parent), objectNameOf(caption));
  label->setTextFormat(Qt::PlainText);
  label->setAccessibleDescription(caption);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

DiscInfoDialog::DiscInfoDialog(const QString& cataloguePath, const QString& dataPath, QWidget* parent)
    : QDialog(parent), cataloguePath_(cataloguePath), dataPath_(dataPath) {
  const QString name = QFileInfo(cataloguePath).completeBaseName();
  setObjectName(QStringLiteral("DiscInfo"));
  setWindowTitle(QStringLiteral("Disc information: ") + name);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Name:"), value(QStringLiteral("Name"), name, this));
  addFacts(form);
  addNote(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  named(buttons->button(QDialogButtonBox::Close), QStringLiteral("CloseDiscInfo"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  note_->setFocus();
}

void DiscInfoDialog::addFacts(QFormLayout* form) {
  // Only the head and end of the side-car: the per-file records are not shown here.
  const capture::FactsReading reading = capture::readDiscSummary(cataloguePath_);
  if (reading.state != capture::FactsState::Read) {
    auto* why = named(new QLabel(reading.message, this), QStringLiteral("DiscNoFacts"));
    why->setTextFormat(Qt::PlainText);
    why->setWordWrap(true);
    why->setAccessibleDescription(QStringLiteral("Why there are no disc facts"));
    form->addRow(why);
    return;
  }
  for (const capture::FactRow& row : capture::factRows(reading.facts))
    form->addRow(row.caption + u':', value(row.caption, row.value, this));
}

void DiscInfoDialog::addNote(QFormLayout* form) {
  note_ = named(new QLineEdit(library::readNote(cataloguePath_), this), QStringLiteral("DiscNote"),
                QStringLiteral("Note"));
  note_->setPlaceholderText(QStringLiteral("Where the disc is kept, what is on it…"));
  // Widens the dialog through its layout, so a wrapped reason is measured at the width shown.
  note_->setMinimumWidth(300);
  // The default button: Enter in the note saves it.
  auto* save = named(new QPushButton(QStringLiteral("Save"), this), QStringLiteral("SaveNote"));
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &DiscInfoDialog::saveNote);
  auto* row = new QHBoxLayout;
  row->addWidget(note_, 1);
  row->addWidget(save);
  form->addRow(QStringLiteral("&Note:"), row);
  noteStatus_ = named(new QLabel(this), QStringLiteral("NoteStatus"));
  noteStatus_->setTextFormat(Qt::PlainText);
  noteStatus_->setWordWrap(true);
  noteStatus_->setAccessibleDescription(QStringLiteral("Note status"));
  form->addRow(QString(), noteStatus_);
  if (auto* caption = qobject_cast<QLabel*>(form->labelForField(row))) caption->setBuddy(note_);
}

void DiscInfoDialog::saveNote() {
  QString error;
  if (!library::writeNote(dataPath_, cataloguePath_, note_->text(), &error)) return noteStatus_->setText(error);
  note_->setText(note_->text().trimmed());
  noteStatus_->setText(QStringLiteral("Note saved."));
}

}  // namespace quilmo::panels
