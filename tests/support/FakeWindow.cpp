#include "support/FakeWindow.h"

#include "controls/CatalogueView.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

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
  addButtons(drive, QStringLiteral("WCom"), 3);
  add<QLabel>(root_, QStringLiteral("LaB"));
  add<CatalogueView>(root_, QStringLiteral("RtB"));
  add<QLabel>(root_, QStringLiteral("TeXBack"));
  add<QLabel>(root_, QStringLiteral("DirLab"));
  add<QLabel>(root_, QStringLiteral("FileLab"));
  add<QListWidget>(root_, QStringLiteral("File1"));
  add<QPushButton>(root_, QStringLiteral("GCom(7)"));
  add<QPushButton>(root_, QStringLiteral("NewDisc"));
  add<ClickLabel>(root_, QStringLiteral("NDc"));
  for (const char* notice : {"Wag", "CrePan", "UpPan"}) addHiddenFrame(root_, QString::fromLatin1(notice));
  root_->show();
}

FakeWindow::~FakeWindow() { delete root_; }

void FakeWindow::restoreStatusColour() {
  ++statusRestores;
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
  root_->setWindowTitle(QStringLiteral("Quilmo [") + text + QStringLiteral(" ]"));
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
