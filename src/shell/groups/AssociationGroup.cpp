#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::associations;

namespace {

// HLys: the hints shown in HIW, by position.
const char* const kHints[] = {
    "Green-Paste path from memory and enter",
    "New-Clear all fields and begin with next association",
    "Edited-After edit in yellow line",
    "Delete-Delete current selected association in link list",
    "OK-Exit the association option box",
    "Select-Complete the association of the file",
    "LinkList-Visual and selective list of all associations",
    "Association Line-This is the association of the file. Also to edit an existing link from the list",
    "Extention List-Current extentions",
    "This is me!",
    "How it Works",
};

QGroupBox* programPicker(QWidget* pan, AssociationControls& c) {
  QGroupBox* AddNew = c.picker = ui::frame(pan, picker);
  AddNew->setAccessibleName(QStringLiteral("Program picker"));
  auto* grid = new QGridLayout(AddNew);
  grid->addWidget(c.pickerDrive = ui::combo(AddNew, pickerDrive, QStringLiteral("Drive"), false), 0, 0);
  grid->addWidget(c.pickerFolder = ui::list(AddNew, pickerFolder, QStringLiteral("Folder")), 1, 0);
  QListWidget* File2 = c.pickerFiles = ui::list(AddNew, pickerFiles, QStringLiteral("*.exe;*.com;*.bat"));
  grid->addWidget(File2, 0, 1, 2, 1);
  auto* PastePad = new QLineEdit(AddNew);
  ui::describe(PastePad, pastePath);
  c.pastePath = PastePad;
  QLabel* arrows = ui::label(AddNew, pasteArrows);
  QLabel* paste = ui::label(AddNew, pasteLabel);
  paste->setBuddy(PastePad);  // shows the doubled ampersand as one
  grid->addWidget(arrows, 2, 0);
  grid->addWidget(paste, 2, 1);
  grid->addWidget(PastePad, 3, 0, 1, 2);
  AddNew->hide();  // "NEW" shows it
  return AddNew;
}

}  // namespace

void associationPanel(Overlays& overlays, AssociationControls& c) {
  QGroupBox* SocPan = c.frame = ui::frame(nullptr, frame);
  auto* grid = new QGridLayout(SocPan);
  grid->addWidget(ui::notice(SocPan, howTitle), 0, 0);
  auto* AssHP = new QTextBrowser(SocPan);
  ui::describe(AssHP, howText);
  c.howText = AssHP;
  AssHP->setMinimumSize(280, 160);
  grid->addWidget(AssHP, 1, 0, 3, 1);
  QLabel* HIW = c.hintLine = ui::label(SocPan, hintLine);
  ui::storeHint(HIW, QString::fromLatin1(kHints[9]));
  HIW->setWordWrap(true);
  HIW->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  grid->addWidget(HIW, 4, 0);
  QListWidget* HLys = c.hints = ui::list(SocPan, hints, QStringLiteral("Hints"));
  for (const char* hint : kHints) HLys->addItem(QString::fromLatin1(hint));
  HLys->hide();

  QListWidget* SoCLys = c.links = ui::list(SocPan, links, QStringLiteral("Associations"));
  ui::storeHint(SoCLys, QString::fromLatin1(kHints[6]));
  SoCLys->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SoCLys->setMinimumWidth(280);
  grid->addWidget(SoCLys, 0, 1, 3, 1);
  QListWidget* EXLys = c.extensions = ui::list(SocPan, extensions, QStringLiteral("Extention List"));
  EXLys->setFixedWidth(70);
  grid->addWidget(EXLys, 0, 2, 3, 1);
  auto* SoCTeX = new QLineEdit(SocPan);
  ui::describe(SoCTeX, line);
  c.line = SoCTeX;
  grid->addWidget(SoCTeX, 3, 1, 1, 2);

  auto* buttons = new QHBoxLayout;
  for (auto [button, entry] : {std::pair{&c.newLink, newLink}, {&c.edited, edited}, {&c.remove, remove}, {&c.ok, ok},
                               {&c.select, select}})
    buttons->addWidget(*button = ui::panelButton(SocPan, entry));
  grid->addLayout(buttons, 4, 1, 1, 2);
  grid->addWidget(programPicker(SocPan, c), 5, 0, 1, 3);
  overlays.add(SocPan, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
