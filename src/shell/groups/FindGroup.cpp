#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/Overlays.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::find;

QWidget* find(QWidget* parent, FindControls& c) {
  QGroupBox* FPan = ui::frame(parent, frame);
  auto* grid = new QGridLayout(FPan);
  QComboBox* FTex = c.words = ui::combo(FPan, words, QStringLiteral("Search words"));
  FTex->setMaxVisibleItems(20);
  grid->addWidget(FTex, 0, 0, 1, 2);
  grid->addWidget(c.focusWords = ui::panelButton(FPan, focusWords), 1, 0);
  grid->addWidget(c.clearWords = ui::panelButton(FPan, clearWords), 1, 1);
  grid->addWidget(c.findFirst = ui::panelButton(FPan, findFirst), 2, 0);
  grid->addWidget(c.findNext = ui::panelButton(FPan, findNext), 2, 1);
  grid->addWidget(c.findGlobal = ui::panelButton(FPan, findGlobal), 3, 0);
  grid->addWidget(c.help = ui::panelButton(FPan, help), 3, 1);
  QLabel* TelSoekWys = c.found = ui::label(FPan, found, QStringLiteral("Files found"));
  grid->addWidget(TelSoekWys, 4, 0, 1, 2);
  // The queue of sources and the file names already reported; never shown.
  (c.queue = ui::list(FPan, queue, QStringLiteral("Search queue")))->hide();
  (c.reported = ui::list(FPan, reported, QStringLiteral("Reported file names")))->hide();
  return FPan;
}

void findPanels(Overlays& overlays, FindControls& c) {
  QGroupBox* FindMenuPan = c.menu = ui::frame(nullptr, menu);
  auto* menuColumn = new QVBoxLayout(FindMenuPan);
  for (int i = 0; i < 3; ++i)  // their hint follows the caption (FindPanel)
    menuColumn->addWidget(c.menuButtons[i] = ui::panelButton(FindMenuPan, menuButtons[i]));
  menuColumn->addWidget(c.closeMenu = ui::panelButton(FindMenuPan, closeMenu));
  overlays.add(FindMenuPan, Overlays::Anchor::TopRight);

  QGroupBox* SHelp = c.helpFrame = ui::frame(nullptr, helpFrame);
  auto* helpColumn = new QVBoxLayout(SHelp);
  QLabel* SHelpLab = c.helpText = ui::label(SHelp, helpText);
  SHelpLab->setWordWrap(true);
  SHelpLab->setMinimumWidth(360);
  helpColumn->addWidget(SHelpLab);
  overlays.add(SHelp, Overlays::Anchor::Center);

  QGroupBox* FileCounter = c.counterFrame = ui::frame(nullptr, counterFrame);
  auto* count = new QVBoxLayout(FileCounter);
  QLabel* TelSoek = c.examined = ui::label(FileCounter, examined, QStringLiteral("Examined"));
  TelSoek->setMinimumWidth(160);
  TelSoek->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  count->addWidget(TelSoek);
  FileCounter->setFocusPolicy(Qt::StrongFocus);
  overlays.add(FileCounter, Overlays::Anchor::BottomLeft);

  QListWidget* TVieW = c.findings = ui::list(nullptr, findings, QStringLiteral("Findings"));
  TVieW->setMinimumWidth(420);
  overlays.add(TVieW, Overlays::Anchor::RightColumn);
}

}  // namespace quilmo::groups
