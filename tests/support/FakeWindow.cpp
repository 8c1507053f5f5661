#include "support/FakeWindow.h"

#include "controls/CatalogueView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>


namespace quilmo::test {

namespace {

template <class T>
T* add(QWidget* parent, const QString& name) {
  auto* widget = new T(parent);
  widget->setObjectName(name);
  return widget;
}

void addButtons(QWidget* parent, const QString& name, int count) {
  for (int i = 0; i < count; ++i) add<QPushButton>(parent, QStringLiteral("%1(%2)").arg(name).arg(i));
}

QFrame* addHiddenFrame(QWidget* parent, const QString& name) {
  auto* frame = add<QFrame>(parent, name);
  frame->hide();
  return frame;
}

// --- The report panel ReportPan and the report loader LoadReport ------------------------
// The window dispatches the GCom buttons of the reports itself, so only the panels and the
// loader's own controls stand in here.
void addReportControls(QWidget* root) {
  addHiddenFrame(root, QStringLiteral("ReportPan"));
  QFrame* loader = addHiddenFrame(root, QStringLiteral("LoadReport"));
  add<QListWidget>(loader, QStringLiteral("LoadReportLys"))->resize(300, 200);
  addButtons(loader, QStringLiteral("LoadReportCom"), 2);
}
// --- end of the report controls ----------------------------------------------------------

}  // namespace

FakeWindow::FakeWindow(const QString& dataPath, const QString& appFolder)
    : yielder_(values_.prioLevel),
      program_(QString::fromLatin1(SettingsStore::kProgram)),
      discs_(QString::fromLatin1(SettingsStore::kDiscs)),
      drives_(program_),
      root_(new QWidget) {
  root_->setObjectName(QStringLiteral("Quilmo"));
  values_.dataPath = dataPath;
  values_.appFolder = appFolder;

  add<QComboBox>(root_, QStringLiteral("TeX"))->setEditable(true);
  add<QComboBox>(root_, QStringLiteral("FTex"))->setEditable(true);
  add<QLabel>(root_, QStringLiteral("DTel"));
  add<QLabel>(root_, QStringLiteral("Label4"))->setText(QStringLiteral("Update X-Files"));
  add<QLabel>(root_, QStringLiteral("DefDrive"));
  addButtons(root_, QStringLiteral("SSPanel1"), 8);
  add<QListWidget>(addHiddenFrame(root_, QStringLiteral("DmD")), QStringLiteral("DmDLys"));
  QFrame* xFiles = addHiddenFrame(root_, QStringLiteral("UpXFiles"));
  add<QListWidget>(xFiles, QStringLiteral("XFile"));
  addButtons(xFiles, QStringLiteral("XCom"), 2);
  QFrame* drive = addHiddenFrame(root_, QStringLiteral("WDrive"));
  add<QListWidget>(drive, QStringLiteral("SScLys"));
  add<QLabel>(drive, QStringLiteral("Label3"));
  addButtons(drive, QStringLiteral("WCom"), 3);

  // Drive buttons, the browse area and the catalogue view's neighbours.
  add<QPushButton>(root_, QStringLiteral("DefDrivePan"));
  QFrame* quick = addHiddenFrame(root_, QStringLiteral("SellDPan"));
  addButtons(quick, QStringLiteral("SellD"), 4);
  add<QPushButton>(quick, QStringLiteral("KlaaR"));
  addButtons(root_, QStringLiteral("GCom"), 18);
  add<QComboBox>(root_, QStringLiteral("Drive1"));
  add<QListWidget>(root_, QStringLiteral("Dir1"));
  add<QListWidget>(root_, QStringLiteral("File1"))->hide();
  add<QListWidget>(root_, QStringLiteral("FiL"));
  add<QPushButton>(root_, QStringLiteral("OpenFile"));
  add<CatalogueView>(root_, QStringLiteral("RtB"));
  add<QLabel>(root_, QStringLiteral("LinkTel"));
  addButtons(root_, QStringLiteral("RTXw"), 2);
  add<QLabel>(root_, QStringLiteral("Sundra"));

  // The find menu and the help on searching for several words.
  QFrame* findMenu = addHiddenFrame(root_, QStringLiteral("FindMenuPan"));
  addButtons(findMenu, QStringLiteral("FCom"), 3);
  const char* const findCaptions[] = {"Find-F3", "Find Next-F4", "Find Global"};
  for (int i = 0; i < 3; ++i)
    root_->findChild<QPushButton*>(QStringLiteral("FCom(%1)").arg(i))->setText(QString::fromLatin1(findCaptions[i]));
  add<QLabel>(addHiddenFrame(root_, QStringLiteral("SHelp")), QStringLiteral("SHelpLab"));

  // The associations panel and its program picker.
  QFrame* associations = addHiddenFrame(root_, QStringLiteral("SocPan"));
  add<QTextBrowser>(associations, QStringLiteral("AssHP"));
  add<QListWidget>(associations, QStringLiteral("SoCLys"));
  add<QListWidget>(associations, QStringLiteral("EXLys"));
  add<QLineEdit>(associations, QStringLiteral("SoCTeX"));
  addButtons(associations, QStringLiteral("SoCCom"), 5);
  add<QLabel>(associations, QStringLiteral("HIW"));
  add<QListWidget>(associations, QStringLiteral("HLys"))->hide();
  QFrame* picker = addHiddenFrame(associations, QStringLiteral("AddNew"));
  add<QComboBox>(picker, QStringLiteral("Drive2"));
  add<QListWidget>(picker, QStringLiteral("Dir2"));
  add<QListWidget>(picker, QStringLiteral("File2"));
  add<QLineEdit>(picker, QStringLiteral("PastePad"));
  // Room for a few rows, so tests can click them.
  for (QListWidget* list : root_->findChildren<QListWidget*>()) list->resize(300, 200);

  // The disc list's neighbours: status, counts and the notices of loading and creating.
  add<QLabel>(root_, QStringLiteral("LaB"));
  add<QLabel>(root_, QStringLiteral("TeXBack"));
  add<QLabel>(root_, QStringLiteral("DirLab"));
  add<QLabel>(root_, QStringLiteral("FileLab"));
  add<QPushButton>(root_, QStringLiteral("NewDisc"));
  add<ClickLabel>(root_, QStringLiteral("NDc"));
  for (const char* notice : {"Wag", "CrePan", "UpPan"}) addHiddenFrame(root_, QString::fromLatin1(notice));
  addReportControls(root_);

  // --- The search panel DSoekPan and the global search's counters (search and scope panels).
  {
    QFrame* scope = addHiddenFrame(root_, QStringLiteral("DSoekPan"));
    for (const char* list : {"SoekLys", "ExtLys", "XTL", "SSS"}) add<QListWidget>(scope, QString::fromLatin1(list));
    get<QWidget>(QStringLiteral("XTL"))->hide();
    get<QWidget>(QStringLiteral("SSS"))->hide();
    add<QLineEdit>(scope, QStringLiteral("AddExt"));
    add<QLineEdit>(scope, QStringLiteral("SLen"))->setText(QStringLiteral("4"));
    add<QComboBox>(scope, QStringLiteral("RemSel"))->setEditable(true);
    add<QComboBox>(scope, QStringLiteral("Sette"))->setEditable(true);
    for (int i = 0; i < 3; ++i) add<QLabel>(scope, QStringLiteral("Label7(%1)").arg(i));
    addButtons(scope, QStringLiteral("SoekCom"), 14);
    for (const char* box : {"CaseON", "WordOnly", "AutDub", "TVieWC"}) add<QCheckBox>(scope, QString::fromLatin1(box));
    add<QListWidget>(root_, QStringLiteral("TVieW"))->hide();
    add<QLabel>(addHiddenFrame(root_, QStringLiteral("FileCounter")), QStringLiteral("TelSoek"));
    add<QLabel>(root_, QStringLiteral("TelSoekWys"));
    add<QLabel>(root_, QStringLiteral("Label5"));
    get<QPushButton>(QStringLiteral("GCom(4)"))->setText(QStringLiteral("Find Global"));
    for (const char* list : {"SoekLys", "ExtLys", "TVieW"}) get<QWidget>(QString::fromLatin1(list))->resize(300, 200);
  }
  // --- End of the search panel's controls.

  root_->show();
}

FakeWindow::~FakeWindow() { delete root_; }

void FakeWindow::restoreStatusColour() {
  ++statusColourRestored;
  QWidget* status = get<QWidget>(QStringLiteral("LaB"));
  QPalette palette = status->palette();
  palette.setColor(QPalette::Window, kNormalStatusBack);
  status->setPalette(palette);
}

void FakeWindow::setStatus(const QString& text, const QColor& back, const QColor& fore) {
  statuses += text;
  auto* status = get<QLabel>(QStringLiteral("LaB"));
  status->setText(text);
  QPalette palette = status->palette();
  if (back.isValid()) palette.setColor(QPalette::Window, back);
  if (fore.isValid()) palette.setColor(QPalette::WindowText, fore);
  status->setPalette(palette);
}

void FakeWindow::quilmoCap(const QString& text) {
  caption = text;
  root_->setWindowTitle(QStringLiteral("Quilmo [") + text + QStringLiteral(" ]"));
}

void FakeWindow::wagter() {
  ++wagterCalls;
  if (whileWaiting) whileWaiting();
}

int FakeWindow::msG(const QString& heading, bool, bool, bool, const QString& message, int) {
  msgHeadings += heading;
  msgMessages += message;
  if (msgAnswers.isEmpty()) {
    ++msgUnanswered;
    return int(Answer::Cancel);
  }
  return msgAnswers.takeFirst();
}

}  // namespace quilmo::test
