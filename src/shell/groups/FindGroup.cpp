#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {
const QString kSameList = QStringLiteral("Internal-Starts from the beginning of the list");
}

QWidget* find(QWidget* parent) {
  QGroupBox* FPan = ui::frame(parent, QStringLiteral("FPan"), QStringLiteral("SEARCH "));
  auto* grid = new QGridLayout(FPan);
  QComboBox* FTex = ui::combo(FPan, QStringLiteral("FTex"), QStringLiteral("Search words"));
  FTex->setMaxVisibleItems(20);
  grid->addWidget(FTex, 0, 0, 1, 2);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("SSPanel1(0)"), QStringLiteral("-F2"),
                                  QStringLiteral("Press F2 to activate search text box")),
                  1, 0);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("SSPanel1(4)"), QStringLiteral("DEL"),
                                  QStringLiteral("Delete ALL search entries")),
                  1, 1);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("GCom(2)"), QStringLiteral("Find-F3"), kSameList), 2, 0);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("GCom(3)"), QStringLiteral("Find Next-F4"),
                                  QStringLiteral("Internal-Find the next item")),
                  2, 1);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("GCom(4)"), QStringLiteral("Find Global"),
                                  QStringLiteral("External-Find in all the disc something...")),
                  3, 0);
  grid->addWidget(ui::panelButton(FPan, QStringLiteral("GCom(1)"), QStringLiteral("SHelp"), QStringLiteral("&H0000FF00&")),
                  3, 1);
  QLabel* TelSoekWys = ui::label(FPan, QStringLiteral("TelSoekWys"), QString());
  TelSoekWys->setAccessibleName(QStringLiteral("Files found"));
  grid->addWidget(TelSoekWys, 4, 0, 1, 2);
  // The queue of sources and the file names already reported; never shown.
  ui::list(FPan, QStringLiteral("QL"), QStringLiteral("Search queue"))->hide();
  ui::list(FPan, QStringLiteral("RduB"), QStringLiteral("Reported file names"))->hide();
  return FPan;
}

void findPanels(Overlays& overlays) {
  QGroupBox* FindMenuPan = ui::frame(nullptr, QStringLiteral("FindMenuPan"), QStringLiteral("Find Menu"));
  auto* menu = new QVBoxLayout(FindMenuPan);
  const QString captions[3] = {QStringLiteral("Find-F3"), QStringLiteral("Find Next-F4"), QStringLiteral("Find Global")};
  for (int i = 0; i < 3; ++i)
    menu->addWidget(ui::panelButton(FindMenuPan, panels::arrayName(QStringLiteral("FCom"), i), captions[i],
                                    QStringLiteral("F3 search 1st instance. F4 search through disc. Global search all "
                                                   "discs. [") + captions[i] + u']'));
  menu->addWidget(ui::panelButton(FindMenuPan, QStringLiteral("GCom(15)"), QStringLiteral("X"),
                                  QStringLiteral("Close Find menu")));
  overlays.add(FindMenuPan, Overlays::Anchor::TopRight);

  QGroupBox* SHelp = ui::frame(nullptr, QStringLiteral("SHelp"), QStringLiteral("Global SEARCH help"));
  auto* help = new QVBoxLayout(SHelp);
  QLabel* SHelpLab = ui::label(SHelp, QStringLiteral("SHelpLab"), QString());
  SHelpLab->setAccessibleName(QStringLiteral("Global SEARCH help"));
  SHelpLab->setWordWrap(true);
  SHelpLab->setMinimumWidth(360);
  help->addWidget(SHelpLab);
  overlays.add(SHelp, Overlays::Anchor::Center);

  QGroupBox* FileCounter = ui::frame(nullptr, QStringLiteral("FileCounter"), QStringLiteral("Search through # files:"));
  auto* count = new QVBoxLayout(FileCounter);
  QLabel* TelSoek = ui::label(FileCounter, QStringLiteral("TelSoek"), QString());
  TelSoek->setAccessibleName(QStringLiteral("Examined"));
  TelSoek->setMinimumWidth(160);
  TelSoek->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  count->addWidget(TelSoek);
  FileCounter->setFocusPolicy(Qt::StrongFocus);
  overlays.add(FileCounter, Overlays::Anchor::BottomLeft);

  QListWidget* TVieW = ui::list(nullptr, QStringLiteral("TVieW"), QStringLiteral("Findings"));
  TVieW->setMinimumWidth(420);
  overlays.add(TVieW, Overlays::Anchor::RightColumn);
}

}  // namespace quilmo::groups
