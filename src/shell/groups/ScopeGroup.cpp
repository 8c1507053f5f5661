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

#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::scope;

namespace {

QWidget* discColumn(QWidget* pan, ScopeControls& c) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  QListWidget* SoekLys = c.discs = ui::list(box, discs, QStringLiteral("Discs to search in"), true);
  SoekLys->setMinimumWidth(200);
  grid->addWidget(SoekLys, 0, 0, 1, 2);
  grid->addWidget(c.selectAll = ui::panelButton(box, selectAll), 1, 0);
  grid->addWidget(c.selectNone = ui::panelButton(box, selectNone), 1, 1);
  QComboBox* RemSel = c.selections = ui::combo(box, selections, QStringLiteral("Saved selections"));
  grid->addWidget(RemSel, 2, 0);
  grid->addWidget(c.deleteSelection = ui::panelButton(box, deleteSelection), 2, 1);
  grid->addWidget(c.rememberSelection = ui::panelButton(box, rememberSelection), 3, 0);
  grid->addWidget(c.setSelection = ui::panelButton(box, setSelection), 3, 1);
  return box;
}

QWidget* typeColumn(QWidget* pan, ScopeControls& c) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(c.typesLabel = ui::label(box, typesLabel), 0, 0, 1, 3);
  QListWidget* ExtLys = c.types = ui::list(box, types, QStringLiteral("File types"), true);
  ExtLys->setMinimumWidth(140);
  grid->addWidget(ExtLys, 1, 0, 1, 3);
  auto* AddExt = new QLineEdit(box);
  ui::describe(AddExt, newType);
  c.newType = AddExt;
  AddExt->setMaxLength(6);
  grid->addWidget(AddExt, 2, 0);
  grid->addWidget(c.addType = ui::panelButton(box, addType), 2, 1, 1, 2);
  grid->addWidget(ui::label(box, lengthLabel), 3, 0);
  auto* SLen = new QLineEdit(QStringLiteral("4"), box);
  ui::describe(SLen, length);
  c.length = SLen;
  SLen->setMaxLength(1);
  SLen->setFixedWidth(30);
  grid->addWidget(SLen, 3, 1);
  grid->addWidget(c.searchTypes = ui::panelButton(box, searchTypes), 4, 0, 1, 3);
  grid->addWidget(c.saveTypes = ui::panelButton(box, saveTypes), 5, 0);
  grid->addWidget(c.clearTypes = ui::panelButton(box, clearTypes), 5, 1);
  grid->addWidget(c.deleteTypes = ui::panelButton(box, deleteTypes), 5, 2);
  QComboBox* Sette = c.sets = ui::combo(box, sets, sets.captionText());
  Sette->setEditText(sets.captionText());
  grid->addWidget(Sette, 6, 0, 1, 2);
  grid->addWidget(c.category = ui::panelButton(box, category), 6, 2);
  return box;
}

QWidget* optionColumn(QWidget* pan, ScopeControls& c) {
  auto* box = new QWidget(pan);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  QPushButton* NewDisc = c.listChanged = ui::panelButton(box, listChanged);
  NewDisc->hide();  // the loader shows it when the disc list has changed
  column->addWidget(NewDisc);
  column->addWidget(c.caseSensitive = ui::check(box, caseSensitive));
  column->addWidget(c.wordOnly = ui::check(box, wordOnly));
  column->addWidget(c.removeDoubles = ui::check(box, removeDoubles));
  column->addWidget(ui::label(box, removeDoublesNote));
  column->addWidget(c.showFindings = ui::check(box, showFindings));
  column->addStretch();
  column->addWidget(c.start = ui::panelButton(box, start));
  column->addWidget(c.cancel = ui::panelButton(box, cancel));
  return box;
}

}  // namespace

void scopePanel(Overlays& overlays, ScopeControls& c) {
  QGroupBox* DSoekPan = c.frame = ui::frame(nullptr, frame);
  auto* row = new QHBoxLayout(DSoekPan);
  row->addWidget(discColumn(DSoekPan, c), 3);
  row->addWidget(typeColumn(DSoekPan, c), 2);
  row->addWidget(optionColumn(DSoekPan, c), 2);
  // The words of a search and the words of an extension set; never shown.
  (c.searchWords = ui::list(DSoekPan, searchWords, QStringLiteral("Search words")))->hide();
  (c.setWords = ui::list(DSoekPan, setWords, QStringLiteral("Extension set words")))->hide();
  overlays.add(DSoekPan, Overlays::Anchor::RightColumn);
}

}  // namespace quilmo::groups
