#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::scope;

namespace {

QWidget* discColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  QListWidget* SoekLys = ui::list(box, discs, QStringLiteral("Discs to search in"), true);
  SoekLys->setMinimumWidth(200);
  grid->addWidget(SoekLys, 0, 0, 1, 2);
  grid->addWidget(ui::panelButton(box, selectAll), 1, 0);
  grid->addWidget(ui::panelButton(box, selectNone), 1, 1);
  QComboBox* RemSel = ui::combo(box, selections, QStringLiteral("Saved selections"));
  grid->addWidget(RemSel, 2, 0);
  grid->addWidget(ui::panelButton(box, deleteSelection), 2, 1);
  grid->addWidget(ui::panelButton(box, rememberSelection), 3, 0);
  grid->addWidget(ui::panelButton(box, setSelection), 3, 1);
  return box;
}

QWidget* typeColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(ui::label(box, typesLabel), 0, 0, 1, 3);
  QListWidget* ExtLys = ui::list(box, types, QStringLiteral("File types"), true);
  ExtLys->setMinimumWidth(140);
  grid->addWidget(ExtLys, 1, 0, 1, 3);
  auto* AddExt = new QLineEdit(box);
  ui::describe(AddExt, newType);
  AddExt->setMaxLength(6);
  grid->addWidget(AddExt, 2, 0);
  grid->addWidget(ui::panelButton(box, addType), 2, 1, 1, 2);
  grid->addWidget(ui::label(box, lengthLabel), 3, 0);
  auto* SLen = new QLineEdit(QStringLiteral("4"), box);
  ui::describe(SLen, length);
  SLen->setMaxLength(1);
  SLen->setFixedWidth(30);
  grid->addWidget(SLen, 3, 1);
  grid->addWidget(ui::panelButton(box, searchTypes), 4, 0, 1, 3);
  grid->addWidget(ui::panelButton(box, saveTypes), 5, 0);
  grid->addWidget(ui::panelButton(box, clearTypes), 5, 1);
  grid->addWidget(ui::panelButton(box, deleteTypes), 5, 2);
  QComboBox* Sette = ui::combo(box, sets, sets.captionText());
  Sette->setEditText(sets.captionText());
  grid->addWidget(Sette, 6, 0, 1, 2);
  grid->addWidget(ui::panelButton(box, category), 6, 2);
  return box;
}

QWidget* optionColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  QPushButton* NewDisc = ui::panelButton(box, listChanged);
  NewDisc->hide();  // the loader shows it when the disc list has changed
  column->addWidget(NewDisc);
  column->addWidget(ui::check(box, caseSensitive));
  column->addWidget(ui::check(box, wordOnly));
  column->addWidget(ui::check(box, removeDoubles));
  column->addWidget(ui::label(box, removeDoublesNote));
  column->addWidget(ui::check(box, showFindings));
  column->addStretch();
  column->addWidget(ui::panelButton(box, start));
  column->addWidget(ui::panelButton(box, cancel));
  return box;
}

}  // namespace

void scopePanel(Overlays& overlays) {
  QGroupBox* DSoekPan = ui::frame(nullptr, frame);
  auto* row = new QHBoxLayout(DSoekPan);
  row->addWidget(discColumn(DSoekPan), 3);
  row->addWidget(typeColumn(DSoekPan), 2);
  row->addWidget(optionColumn(DSoekPan), 2);
  // The words of a search and the words of an extension set; never shown.
  ui::list(DSoekPan, searchWords, QStringLiteral("Search words"))->hide();
  ui::list(DSoekPan, setWords, QStringLiteral("Extension set words"))->hide();
  overlays.add(DSoekPan, Overlays::Anchor::RightColumn);
}

}  // namespace quilmo::groups
