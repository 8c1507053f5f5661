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

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {

QPushButton* soekCom(QWidget* parent, int index, const QString& caption, const QString& tooltip = {}) {
  return ui::panelButton(parent, panels::arrayName(QStringLiteral("SoekCom"), index), caption, {}, tooltip);
}

QWidget* discColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  QListWidget* SoekLys = ui::list(box, QStringLiteral("SoekLys"), QStringLiteral("Discs to search in"), true);
  SoekLys->setMinimumWidth(200);
  grid->addWidget(SoekLys, 0, 0, 1, 2);
  grid->addWidget(soekCom(box, 1, QStringLiteral("Select ALL")), 1, 0);
  grid->addWidget(soekCom(box, 2, QStringLiteral("Select NONE")), 1, 1);
  QComboBox* RemSel = ui::combo(box, QStringLiteral("RemSel"), QStringLiteral("Saved selections"));
  grid->addWidget(RemSel, 2, 0);
  grid->addWidget(soekCom(box, 11, QStringLiteral("D"), QStringLiteral("Delete Selection")), 2, 1);
  grid->addWidget(soekCom(box, 4, QStringLiteral("Remember Selection")), 3, 0);
  grid->addWidget(soekCom(box, 5, QStringLiteral("SET Selection"), QStringLiteral("SET Selection")), 3, 1);
  return box;
}

QWidget* typeColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(ui::label(box, QStringLiteral("Label7(1)"), QStringLiteral("File type to search for")), 0, 0, 1, 3);
  QListWidget* ExtLys = ui::list(box, QStringLiteral("ExtLys"), QStringLiteral("File types"), true);
  ExtLys->setMinimumWidth(140);
  grid->addWidget(ExtLys, 1, 0, 1, 3);
  auto* AddExt = new QLineEdit(box);
  ui::describe(AddExt, QStringLiteral("AddExt"), QString(), {}, QStringLiteral("Max Char = 6"));
  AddExt->setMaxLength(6);
  grid->addWidget(AddExt, 2, 0);
  grid->addWidget(soekCom(box, 6, QStringLiteral("ADD Extention")), 2, 1, 1, 2);
  grid->addWidget(ui::label(box, QStringLiteral("Label7(2)"), QStringLiteral("Length")), 3, 0);
  auto* SLen = new QLineEdit(QStringLiteral("4"), box);
  ui::describe(SLen, QStringLiteral("SLen"), QString(), {},
               QStringLiteral("Len of extention INCLUDED dot (0=Variable length)"));
  SLen->setMaxLength(1);
  SLen->setFixedWidth(30);
  grid->addWidget(SLen, 3, 1);
  grid->addWidget(soekCom(box, 7, QStringLiteral("Search Extention")), 4, 0, 1, 3);
  grid->addWidget(soekCom(box, 8, QStringLiteral("Save List")), 5, 0);
  grid->addWidget(soekCom(box, 9, QStringLiteral("C"), QStringLiteral("CLEAR List")), 5, 1);
  grid->addWidget(soekCom(box, 10, QStringLiteral("D"), QStringLiteral("DELETE Selected")), 5, 2);
  QComboBox* Sette = ui::combo(box, QStringLiteral("Sette"), QStringLiteral("Extention SETS"));
  Sette->setEditText(QStringLiteral("Extention SETS"));
  grid->addWidget(Sette, 6, 0, 1, 2);
  grid->addWidget(soekCom(box, 13, QStringLiteral("Category")), 6, 2);
  return box;
}

QWidget* optionColumn(QWidget* pan) {
  auto* box = new QWidget(pan);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  QPushButton* NewDisc = ui::panelButton(box, QStringLiteral("NewDisc"), QStringLiteral("List have CHANGED ! !"));
  NewDisc->hide();  // the loader shows it when the disc list has changed
  column->addWidget(NewDisc);
  column->addWidget(ui::check(box, QStringLiteral("CaseON"), QStringLiteral("Case sensitive")));
  column->addWidget(ui::check(box, QStringLiteral("WordOnly"), QStringLiteral("Word ONLY")));
  column->addWidget(ui::check(box, QStringLiteral("AutDub"), QStringLiteral("Auto-remove double filenames")));
  column->addWidget(ui::label(box, QStringLiteral("Label7(0)"), QStringLiteral("OFF:Get every link")));
  column->addWidget(ui::check(box, QStringLiteral("TVieWC"), QStringLiteral("VIEW Findings")));
  column->addStretch();
  column->addWidget(soekCom(box, 3, QStringLiteral("START")));
  column->addWidget(soekCom(box, 0, QStringLiteral("Cancel Search")));
  return box;
}

}  // namespace

void scopePanel(Overlays& overlays) {
  QGroupBox* DSoekPan = ui::frame(nullptr, QStringLiteral("DSoekPan"), QStringLiteral(" Select Discs to search in"));
  auto* row = new QHBoxLayout(DSoekPan);
  row->addWidget(discColumn(DSoekPan), 3);
  row->addWidget(typeColumn(DSoekPan), 2);
  row->addWidget(optionColumn(DSoekPan), 2);
  // The words of a search and the words of an extension set; never shown.
  ui::list(DSoekPan, QStringLiteral("XTL"), QStringLiteral("Search words"))->hide();
  ui::list(DSoekPan, QStringLiteral("SSS"), QStringLiteral("Extension set words"))->hide();
  overlays.add(DSoekPan, Overlays::Anchor::RightColumn);
}

}  // namespace quilmo::groups
