#include "shell/Quilmo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include "kit/AutomationIds.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "kit/WidgetFactory.h"
#include "platform/Folders.h"
#include "platform/TextCase.h"
#include "shell/MessagePanel.h"
#include "shell/StartupFiles.h"
#include "shell/Wiring.h"
#include "shell/groups/Groups.h"
#include "widgets/CatalogueView.h"

namespace quilmo {

namespace {

const QString kTitle = QStringLiteral("Quilmo");
constexpr int kBlinkMs = 400;
constexpr int kBlinkTicks = 6;

// The colour as one decimal number (red + 256 green + 65536 blue), the form kept in tags.
qint64 colourNumber(const QColor& c) { return c.red() + 256 * c.green() + 65536 * qint64(c.blue()); }
QColor fromColourNumber(qint64 n) { return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF)); }

// Invalid colours leave the one they stand for as it is.
void setColours(QWidget* w, const QColor& back, const QColor& text) {
  QPalette p = w->palette();
  if (back.isValid()) p.setColor(QPalette::Window, back);
  if (text.isValid()) p.setColor(QPalette::WindowText, text);
  w->setPalette(p);
}

QWidget* column(QWidget* parent, std::initializer_list<QWidget*> parts, int width, bool stretchLast) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* part : parts) layout->addWidget(part, stretchLast && part == *(parts.end() - 1) ? 1 : 0);
  if (!stretchLast) layout->addStretch();
  box->setFixedWidth(width);
  return box;
}

}  // namespace

Quilmo::Quilmo(QWidget* parent)
    : QMainWindow(parent),
      program_(QString::fromLatin1(SettingsStore::kProgram)),
      discs_(QString::fromLatin1(SettingsStore::kDiscs)),
      driveMap_(program_),
      yielder_(values_.prioLevel),
      qtDialogs_(this),
      dialogs_(&qtDialogs_) {
  setObjectName(QStringLiteral("Quilmo"));
  setWindowTitle(QStringLiteral("Quilmo 2016 []"));
  if (automationIdsWanted()) enableAutomationIds();
  buildWindow();
  wireShell();
  qApp->installEventFilter(this);
  if (automationIdsWanted()) applyAutomationIds(this);
}

Quilmo::~Quilmo() { qApp->removeEventFilter(this); }

void Quilmo::buildWindow() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 4);

  auto* top = new QHBoxLayout;
  top->addWidget(groups::discName(central, controls_.discName), 1);
  top->addSpacing(12);
  top->addWidget(groups::mode(central, controls_.mode));
  top->addWidget(groups::priority(central, controls_.priority));
  outer->addLayout(top);
  outer->addWidget(groups::discButtons(central, controls_.discButtons));

  view_ = controls_.viewBar.view = new CatalogueView(central);
  ui::describe(view_, names::viewBar::view, QStringLiteral("Catalogue"));
  auto* middle = new QHBoxLayout;
  browseColumn_ = column(central, {groups::drive(central, controls_.drive), groups::fileList(central, controls_.fileList)},
                         250, true);
  middle->addWidget(browseColumn_);
  auto* centre = new QVBoxLayout;
  centre->addWidget(groups::viewBar(central, controls_.viewBar));
  centre->addWidget(view_, 1);
  middle->addLayout(centre, 1);
  middle->addWidget(
      column(central,
             {groups::find(central, controls_.find), groups::reports(central, controls_.reports),
              groups::searchSettings(central, controls_.searchSettings)},
             240, false));
  outer->addLayout(middle, 1);
  outer->addWidget(groups::status(central, controls_.status));

  overlays_ = new Overlays(central, view_);
  groups::statusPanels(*overlays_, controls_.status);
  groups::drivePanels(*overlays_, controls_.drive);
  groups::findPanels(*overlays_, controls_.find);
  groups::reportPanels(*overlays_, controls_.reports);
  groups::scopePanel(*overlays_, controls_.scope);
  groups::associationPanel(*overlays_, controls_.associations);
  groups::maintenancePanels(*overlays_, controls_.maintenance);
  groups::priorityPanel(*overlays_, controls_.priority);
  // The warning's "&^" marks a mnemonic, as its caption always did: Alt+^ goes to the drive.
  controls_.status.setDriveWarning->setBuddy(controls_.drive.defaultDrive);
  messagePanel_ = new MessagePanel(central, values_.msgAnswer);
  overlays_->add(messagePanel_, Overlays::Anchor::Center);

  TiMo_ = new QTimer(this);
  TiMo_->setObjectName(QStringLiteral("TiMo"));
  TiMo_->setInterval(kBlinkMs);
  TiMo_->setTimerType(Qt::PreciseTimer);
  resize(1280, 720);
}

void Quilmo::wireShell() {
  using names::Command;
  const WindowControls& c = controls_;
  const std::pair<Command, QPushButton*> commandButtons[] = {
      {Command::SearchHelp, c.find.help},     {Command::Find, c.find.findFirst},
      {Command::FindNext, c.find.findNext},   {Command::FindGlobal, c.find.findGlobal},
      {Command::RefreshDriveInfo, c.drive.refresh}, {Command::SetCdDvd, c.drive.setCdDvd},
      {Command::Create, c.discButtons.create}, {Command::Report, c.reports.report},
      {Command::EditReport, c.reports.editable}, {Command::CloseFindMenu, c.find.closeMenu},
      {Command::LoadReport, c.reports.load},  {Command::SaveReport, c.reports.save}};
  for (const auto& [command, button] : commandButtons)
    connect(button, &QPushButton::clicked, this, [this, command] { GCom(command); });
  connect(controls_.mode.automatic, &QRadioButton::toggled, this,
          [this](bool aut) { values_.autoMode = aut; });
  const auto markDrive = [this](DriveMark mark) {
    driveMark_ = mark;
    controls_.drive.choiceFrame->hide();
  };
  // "Continue" ends the wait only once the drive panel took a letter and closed itself;
  // queued, so the panel's own handler has run first.
  connect(
      controls_.drive.proceed, &QPushButton::clicked, this,
      [this, markDrive] {
        if (controls_.drive.choiceFrame->isHidden()) markDrive(DriveMark::Continued);
      },
      Qt::QueuedConnection);
  connect(controls_.drive.cancel, &QPushButton::clicked, this,
          [markDrive] { markDrive(DriveMark::Cancelled); });
  connect(TiMo_, &QTimer::timeout, this, &Quilmo::blinkTick);
}

void Quilmo::setDialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : &qtDialogs_; }

void Quilmo::onGCom(names::Command command, std::function<void()> handler) {
  gcomHandlers_.insert(int(command), std::move(handler));
}

void Quilmo::GCom(names::Command command) {
  restoreStatusColour();
  if (const auto handler = gcomHandlers_.value(int(command))) handler();
}

Answer Quilmo::msG(const QString& heading, MsgButtons buttons, const QString& message, MsgIcon icon) {
  return messagePanel_->ask(heading, buttons, message, icon);
}

void Quilmo::restoreStatusColour() {
  auto* LaB = controls_.status.line;
  bool ok = false;
  const qint64 number = LaB->property("tag").toString().toLongLong(&ok);
  if (ok) setColours(LaB, fromColourNumber(number), {});
}

void Quilmo::setStatus(const QString& text, const QColor& back, const QColor& fore) {
  auto* LaB = controls_.status.line;
  LaB->setText(text);
  setColours(LaB, back, fore);
}

void Quilmo::setHint(const QString& text) { controls_.status.hint->setText(text); }

void Quilmo::quilmoCap(const QString& text) { setWindowTitle(QStringLiteral("Quilmo [") + text + QStringLiteral(" ]")); }

void Quilmo::MakePaD() { QDir().mkdir(values_.dataPath + QStringLiteral("QReport")); }

void Quilmo::wagter() {
  QWidget* WDrive = controls_.drive.choiceFrame;
  driveMark_ = DriveMark::None;
  WDrive->show();
  WDrive->raise();
  driveWaiting_ = true;
  Yielder::waitUntil([this] { return driveMark_ != DriveMark::None; });
  driveWaiting_ = false;
}

void Quilmo::start(const QStringList& arguments) {
  // The quick drive buttons keep the captions the user gave them.
  for (int i = 0; i < names::drive::kQuickDrives; ++i)
    controls_.drive.quickDrives[i]
        ->setText(program_.value(QStringLiteral("TmpDrive"), QStringLiteral("SellD%1").arg(i), QString(QChar('H' + i))));
  // Priority level 3 (how often long work lets the window breathe) until the user picks another.
  values_.prioLevel = 3;
  const QString currentFolder = QDir::currentPath();
  // The drive the browse area shows, once it is attached.
  const QChar startDrive = startDriveOf(arguments.value(0));
  // Questions are skipped until the user turns "Man" on; the program folder is settled.
  values_.autoMode = true;
  QDir::setCurrent(currentFolder);
  values_.appFolder = defaultAppFolder(QCoreApplication::applicationDirPath());
  // The data folder. A stored one that has gone is told once; nothing is written there.
  const DataPathChoice choice = chooseDataPath(program_, currentFolder);
  values_.dataPath = choice.dataPath;
  if (!choice.missingFolder.isEmpty())
    dialogs_->message(kTitle, QStringLiteral("The data folder %1 does not exist (is its drive unplugged?).\n\n"
                                             "Quilmo uses the current folder %2 for this run. Choose another data "
                                             "folder with \"Data Path\".")
                                  .arg(choice.missingFolder, choice.dataPath));
  // The status label's normal colour, to come back to after a coloured message.
  auto* LaB = controls_.status.line;
  LaB->setProperty("tag", QString::number(colourNumber(LaB->palette().color(QPalette::Window))));
  // The data and program folders' file set, finished after a crash, read into the lists.
  StartupFiles files(values_.dataPath, values_.appFolder);
  files.createMirror();
  files.writeScratch(driveMap_.root(u'C').path);
  fillLists(files);
  // The subsystems bind their controls now that the folders are settled and the file
  // set exists; the association table fills SoCLys and EXLys as it reads its files.
  attachSubsystems(*this);
  if (browseDrive && startDrive != u'C' && !browseDrive(startDrive)) sayDriveNotShown(arguments.value(0));
  reportStartupProblems(files, currentFolder);
  // Without a default drive the drive button blinks; then the window shows, ready to search.
  if (values_.discDrive.isEmpty()) startWarningBlink();
  show();
  controls_.find.words->setFocus();
}

void Quilmo::fillLists(StartupFiles& files) {
  auto* TeX = controls_.discName.discList;
  TeX->addItems(sortedIgnoringCase(files.discs()));
  TeX->setCurrentIndex(-1);
  controls_.discName.discCount->setText(QString::number(TeX->count()));
  yielder_.now(YieldKind::Both);
  files.createAssociationFiles();
  auto* FTex = controls_.find.words;
  FTex->addItems(sortedIgnoringCase(files.searchWords()));
  FTex->setCurrentIndex(-1);
  values_.discDrive = files.discDrive();
  panels::setCaption(controls_.drive.defaultDrive, values_.discDrive);
}

void Quilmo::reportStartupProblems(const StartupFiles& files, const QString& currentFolder) {
  if (!files.unwritableFolders().isEmpty())
    dialogs_->message(kTitle, QStringLiteral("Quilmo cannot write in:\n\n%1\n\nThe lists show what is stored there, "
                                             "but changes cannot be saved until the folder can be written.")
                                  .arg(files.unwritableFolders().join(u'\n')));
  for (const LoadFailure& f : files.failures())
    dialogs_->message(kTitle, QStringLiteral("form load: %1\n\n%2\n%3 / %4")
                                  .arg(f.step)
                                  .arg(QDir::toNativeSeparators(currentFolder))
                                  .arg(f.number)
                                  .arg(f.text));
}

QChar Quilmo::startDriveOf(const QString& argument) {
  // Without an argument the browse area stays on drive c, where it starts.
  if (argument.isEmpty()) return u'C';
  static const QRegularExpression oneLetter(QStringLiteral("^\\s*([A-Za-z]):?\\\\?\\s*$"));
  const auto match = oneLetter.match(argument);
  const QChar letter = match.hasMatch() ? match.captured(1).at(0).toUpper() : QChar();
  if (!letter.isNull() && driveMap_.root(letter).status == DriveStatus::Ready) return letter;
  sayDriveNotShown(argument);
  return u'C';
}

void Quilmo::sayDriveNotShown(const QString& argument) {
  setStatus(QStringLiteral("The drive \"%1\" given on the command line could not be shown: no disc or folder stands "
                           "for it. Showing drive c.")
                .arg(argument));
}

void Quilmo::setViewWide(bool wide) { browseColumn_->setVisible(!wide); }

void Quilmo::startWarningBlink() {
  blinkTicks_ = 0;
  TiMo_->start();
}

void Quilmo::blinkTick() {
  QWidget* Warning = controls_.status.setDriveWarning;
  ++blinkTicks_;
  if (blinkTicks_ != kBlinkTicks) {
    Warning->setVisible(!Warning->isVisible());
  } else {
    TiMo_->stop();
    Warning->hide();
  }
  yielder_.now(YieldKind::Default);
}

QStringList Quilmo::fixedFilesOnC() const {
  const NativeLocation c = driveMap_.root(u'C');
  if (c.status != DriveStatus::Ready) return {};
  return {c.path + QStringLiteral("QM.003"), c.path + QStringLiteral("QM.004"), c.path + QStringLiteral("QM.tmp")};
}

void Quilmo::closeEvent(QCloseEvent* event) {
  // A wait in progress ends as cancelled, so its handler can finish.
  messagePanel_->cancelWait();
  if (driveWaiting_) driveMark_ = DriveMark::Cancelled;
  TiMo_->stop();
  removeFixedFiles(fixedFilesOnC());
  QStringList words;
  const auto* FTex = controls_.find.words;
  for (int i = 0; i < FTex->count(); ++i) words.append(FTex->itemText(i));
  if (!values_.dataPath.isEmpty()) saveSearchWords(values_.dataPath, words);
  event->accept();
}

bool Quilmo::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::Enter) || !watched->isWidgetType())
    return QMainWindow::eventFilter(watched, event);
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this) return QMainWindow::eventFilter(watched, event);
  if (type == QEvent::Enter) {
    if (const QString hint = ui::hintOf(widget); !hint.isEmpty()) setHint(hint);
    return false;
  }
  // The window sees key presses before its controls: F2 goes to the search words, F5 to
  // the disc list, and Escape closes a waiting question without an answer (Cancel).
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Escape && messagePanel_->isWaiting()) {
    messagePanel_->cancelWait();
    return true;
  }
  if (key == Qt::Key_F2 || key == Qt::Key_F5) {
    (key == Qt::Key_F2 ? static_cast<QWidget*>(controls_.find.words) : controls_.discName.discList)
        ->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quilmo
