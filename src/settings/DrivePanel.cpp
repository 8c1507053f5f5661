#include "settings/DrivePanel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"

namespace quilmo::panels {

namespace {

constexpr int kQuickDrives = 4;
const char* const kQuickDefaults[kQuickDrives] = {"H", "I", "J", "K"};
const QString kQuickSection = QStringLiteral("TmpDrive");

QString quickKey(int index) { return QStringLiteral("SellD%1").arg(index); }

// An empty answer (the box cancelled) clears the drive; anything else must be one letter,
// with or without its colon.
bool isDriveAnswer(const QString& answer) {
  static const QRegularExpression kLetter(QStringLiteral("^[A-Za-z](:\\\\?)?$"));
  return answer.isEmpty() || kLetter.match(answer).hasMatch();
}

}  // namespace

DrivePanel::DrivePanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      quickPanel_(services.controls().drive.quickFrame) {
  for (QWidget* opener : {services.controls().drive.defaultDrive, services.controls().drive.defaultLabel})
    onActivated(opener, [this] {
      quickPanel_->show();
      quickPanel_->raise();
    });
  for (int index = 0; index < kQuickDrives; ++index) {
    QWidget* button = services_.controls().drive.quickDrives[index];
    setCaption(button, services.programSettings().value(kQuickSection, quickKey(index),
                                                        QString::fromLatin1(kQuickDefaults[index])));
    onActivated(button, [this, index] { chooseQuickDrive(index); });
    onRightClick(button, [this, index](QPoint) { askQuickDrive(index); });
  }
  onActivated(services_.controls().drive.ready, [this] { quickPanel_->hide(); });
}

void DrivePanel::chooseQuickDrive(int index) {
  showDrive(services_.controls().drive.quickDrives[index]->text());
  quickPanel_->hide();
}

void DrivePanel::askQuickDrive(int index) {
  const QString title = QStringLiteral("Create temporary external drive(s)");
  const QString answer = services_.dialogs()
                             .input(title, QStringLiteral("Type the letter of the CD/DvD Drive and enter"), QString())
                             .value_or(QString())
                             .trimmed();
  if (!isDriveAnswer(answer)) {
    services_.dialogs().message(
        title, QStringLiteral("\"%1\" is not a drive letter. Type one letter, A to Z.").arg(answer));
    return;
  }
  const QString letter = answer.isEmpty() ? QString() : QString(DriveMap::letterOf(answer));
  setCaption(services_.controls().drive.quickDrives[index], letter);
  services_.programSettings().setValue(kQuickSection, quickKey(index), letter);
  showDrive(letter);
}

void DrivePanel::showDrive(const QString& letter) {
  services_.values().discDrive = letter;
  setCaption(services_.controls().drive.defaultDrive, letter);
}

void DrivePanel::refreshDriveInfo() {
  Q_EMIT browseAreaRefreshRequested();
}

void DrivePanel::setCdDvd() { showDriveChoice(services_); }

void showDriveChoice(PanelServices& services) {
  auto* letters = services.controls().drive.letters;
  letters->clear();
  for (char16_t letter = u'D'; letter <= u'Z'; ++letter) letters->addItem(QString(QChar(letter)));
  const QChar lf = kLineBreak;
  setCaption(services.controls().drive.instructions,
             QStringLiteral("Select the letter from the list (on the right) to set the default CD/DVD drive.") + lf +
                 lf + QStringLiteral("This is done only once until you decide to set a new drive letter."));
  services.programSettings().setValue(QStringLiteral("Set Drive"), QStringLiteral("OLD Drive"),
                                      services.values().discDrive);
  QWidget* panel = services.controls().drive.choiceFrame;
  panel->show();
  panel->raise();
}

DrivePanel* attachDrivePanel(PanelServices& services) { return new DrivePanel(services); }

}  // namespace quilmo::panels
