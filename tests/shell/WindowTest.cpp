// The main window, offscreen: start-up, shut-down, message panel, focus keys, priority,
// the embossed button and the starting state of the controls.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include "capture/DiscFacts.h"
#include "platform/SettingsStore.h"
#include "shell/Quilmo.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"
#include "widgets/Twips.h"
#include "widgets/XCommandLUP.h"

using namespace quilmo;
using quilmo::test::TempWorld;

using Run = quilmo::test::WindowHarness;

namespace {

// The caption a control paints, as the eye reads it: a mnemonic's ampersand is not seen.
QString paintedCaption(QWidget* widget) {
  const auto seen = [](QString text, bool mnemonics) {
    return mnemonics ? text.replace(QRegularExpression("&(.)"), "\\1") : text;
  };
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
      text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return seen(text, label->buddy());
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return seen(button->text(), true);
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return seen(box->title(), true);
  if (auto* button = qobject_cast<XCommandLUP*>(widget)) return button->caption();
  return {};
}

// What a screen reader would find wrong below `root`, walking its accessible tree: a
// focusable control without a name or a role it can announce, a caption read otherwise
// than it is painted, a button it cannot press, a check box or list that hides its state.
QStringList unreadable(QWidget* root) {
  QStringList faults;
  const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (!widget || !widget->isVisible()) return;
    const QString id = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
    const QString name = node->text(QAccessible::Name), painted = paintedCaption(widget);
    const QAccessible::State state = node->state();
    if (state.focusable && name.trimmed().isEmpty()) faults += id + " has no name";
    if (state.focusable && QList{QAccessible::Border, QAccessible::Client, QAccessible::NoRole}.contains(node->role()))
      faults += id + " has no role a reader announces";
    if (!painted.isEmpty() && name != painted) faults += QString("%1 reads \"%2\", shows \"%3\"").arg(id, name, painted);
    const QAccessibleActionInterface* actions = node->actionInterface();
    if (node->role() == QAccessible::Button && widget->isEnabled() &&
        !(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction())))
      faults += id + " cannot be pressed";
    if (auto* box = qobject_cast<QCheckBox*>(widget); box && (!state.checkable || bool(state.checked) != box->isChecked()))
      faults += id + " hides whether it is checked";
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      QAccessibleTableInterface* table = node->tableInterface();
      if (!table || table->rowCount() != list->count() || table->selectedRowCount() != list->selectedItems().size())
        faults += id + " hides its items or selection";
      else
        for (int row = 0; row < list->count(); ++row)
          if (table->cellAt(row, 0)->text(QAccessible::Name) != list->item(row)->text()) faults += id + " misreads an item";
    }
    for (int i = 0; i < node->childCount(); ++i)
      if (QAccessibleInterface* child = node->child(i)) walk(child);
  };
  walk(QAccessible::queryAccessibleInterface(root));
  return faults;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void firstStartCreatesTheFileSetAndShowsZeroDiscs() {
    Run run;
    Quilmo& w = run.start();
    // No drive is set: the warning blinks three times and disappears.
    auto* TiMo = w.findChild<QTimer*>("TiMo");
    QWidget* Warning = run.get("Warning");
    QVERIFY(TiMo->isActive());
    QCOMPARE(TiMo->interval(), 400);
    QList<bool> shown;
    connect(TiMo, &QTimer::timeout, this, [&] { shown.append(Warning->isVisible()); });
    for (const char* name : {"QM.mmd", "QM.tex", "QM.SoC", "QM.EXL", "FTex.Lys"})
      QVERIFY2(QFile::exists(run.world.dataPath() + name), name);
    QVERIFY(QFile::exists(run.world.appFolder() + "SSc.ini"));
    QCOMPARE(TempWorld::readFile(run.world.home() + "QM.tmp"), QByteArray(30, '.') + "\r\n");
    QCOMPARE(run.get<QLabel>("DTel")->text(), QString("0"));
    QCOMPARE(run.get<QComboBox>("TeX")->count(), 0);
    for (int i = 0; i < 4; ++i)
      QCOMPARE(run.get<QPushButton>(QString("SellD(%1)").arg(i))->text(), QString(QChar(u'H' + i)));
    QCOMPARE(w.windowTitle(), QString("Quilmo 2016 []"));
    QCOMPARE(w.values().dataPath, QDir::toNativeSeparators(run.world.dataPath()));
    QCOMPARE(w.values().appFolder, QDir::toNativeSeparators(run.world.appFolder()));
    QVERIFY(w.values().autoMode);
    QVERIFY(w.values().discDrive.isEmpty());
    QVERIFY(run.dialogs.messages.isEmpty());
    QVERIFY(w.isVisible());
    // Every group fits on a 1366 by 768 screen, title bar and panel included.
    QVERIFY(w.minimumSizeHint().width() <= 1366);
    QVERIFY(w.minimumSizeHint().height() <= 700);
    QCOMPARE(run.get<QComboBox>("Drive1")->currentData().toString(), QString("C"));

    w.MakePaD();
    w.MakePaD();  // an existing folder is no error
    QVERIFY(QFileInfo(run.world.dataPath() + "QReport").isDir());

    QTRY_VERIFY_WITH_TIMEOUT(!TiMo->isActive(), 5000);
    QCOMPARE(shown, (QList<bool>{true, false, true, false, true, false}));
    QVERIFY(!Warning->isVisible());
  }

  void listsAreFilledSortedAndTheDriveIsShown() {
    Run run;
    run.world.writeFile(run.world.dataPath() + "QM.tex", "photos\r\nBackup2,archive\r\n\"Zoo, trip\"\r\n");
    run.world.writeFile(run.world.dataPath() + "qm.soc", "txt C:\\Tools\\edit.exe\r\nbmp C:\\Paint.exe\r\n");
    run.world.writeFile(run.world.dataPath() + "QM.EXL", "txt\r\n  \r\nBMP\r\n");
    run.world.writeFile(run.world.appFolder() + "SSc.ini", "E\r\n");
    SettingsStore(SettingsStore::kProgram).setValue("TmpDrive", "SellD2", "X");
    Quilmo& w = run.start();
    QCOMPARE(run.entries("TeX"), (QStringList{"archive", "Backup2", "photos", "Zoo, trip"}));
    QCOMPARE(run.get<QLabel>("DTel")->text(), QString("4"));
    QCOMPARE(run.get<QListWidget>("SoCLys")->item(0)->text(), QString("bmp C:\\Paint.exe"));
    QCOMPARE(run.get<QListWidget>("EXLys")->count(), 2);
    QCOMPARE(w.values().discDrive, QString("E"));
    QCOMPARE(run.get<QPushButton>("DefDrive")->text(), QString("E"));
    QCOMPARE(run.get<QPushButton>("SellD(2)")->text(), QString("X"));
    QVERIFY(!w.findChild<QTimer*>("TiMo")->isActive());  // a drive is set: no warning
  }

  void messagePanelAnswers() {
    Run run;
    run.answersMessages = false;
    Quilmo& w = run.start();
    auto* panel = run.get("MsgP");
    QVERIFY(!panel->isVisible());

    // Only Yes enabled: the other buttons cannot answer.
    QTimer::singleShot(0, &w, [&] {
      QVERIFY(panel->isVisible());
      QCOMPARE(run.get<QLabel>("MsgH")->text(), QString("Disc ERROR"));
      QVERIFY(run.get("MsgI(1)")->isVisible());
      QVERIFY(!run.get("MsgI(0)")->isVisible());
      QVERIFY(!run.get("MsgC(1)")->isEnabled());
      QVERIFY(!run.get("MsgC(2)")->isEnabled());
      QTest::mouseClick(run.get<QPushButton>("MsgC(2)"), Qt::LeftButton);
      QTest::mouseClick(run.get<QPushButton>("MsgC(1)"), Qt::LeftButton);
      QCOMPARE(w.values().msgAnswer, 0);
      // Dragged by its title bar: the press point is taken 60 twips (4 pixels) up and left.
      QWidget* MsgH = run.get("MsgH");
      const QPoint before = panel->pos();
      QTest::mousePress(MsgH, Qt::LeftButton, {}, QPoint(10, 10));
      QMouseEvent move(QEvent::MouseMove, QPointF(30, 25), MsgH->mapToGlobal(QPointF(30, 25)), Qt::NoButton,
                       Qt::LeftButton, {});
      QApplication::sendEvent(MsgH, &move);
      QCOMPARE(panel->pos(), before + QPoint(24, 19));
      QTest::mouseRelease(MsgH, Qt::LeftButton, {}, QPoint(30, 25));
      QMouseEvent after(QEvent::MouseMove, QPointF(50, 50), MsgH->mapToGlobal(QPointF(50, 50)), Qt::NoButton,
                        Qt::NoButton, {});
      QApplication::sendEvent(MsgH, &after);
      QCOMPARE(panel->pos(), before + QPoint(24, 19));  // released: no more dragging
      QTest::mouseClick(run.get<QPushButton>("MsgC(0)"), Qt::LeftButton);
    });
    QCOMPARE(w.msG("Disc ERROR", MsgButton::Yes, "There is no disc in the drive!", MsgIcon::Warning), Answer::Yes);
    QCOMPARE(w.values().msgAnswer, 6);
    QVERIFY(!panel->isVisible());

    // Presses a message-panel button as soon as the panel waits.
    const auto pressWhenAsked = [&run](const char* button) {
      QTimer::singleShot(0, [&run, button] { QTest::mouseClick(run.get<QPushButton>(button), Qt::LeftButton); });
    };
    pressWhenAsked("MsgC(2)");
    QCOMPARE(w.msG("Where to start searching", MsgButton::Yes | MsgButton::No | MsgButton::Cancel, "From the top?",
                   MsgIcon::Information),
             Answer::Cancel);
    QCOMPARE(w.values().msgAnswer, 2);

    pressWhenAsked("MsgC(1)");
    QCOMPARE(w.msG("Name Set", MsgButton::Yes | MsgButton::No, "Are you ready to start?", MsgIcon::Information),
             Answer::No);

    // Escape, wherever the focus is in the window, closes the question unanswered (Cancel),
    // also where Cancel is not offered.
    for (const char* focus : {"MsgC(0)", "RtB"}) {
      QTimer::singleShot(0, [&run, focus] { QTest::keyClick(run.get(focus), Qt::Key_Escape); });
      QCOMPARE(w.msG("Name Set", MsgButton::Yes | MsgButton::No, "Ready?", MsgIcon::Information), Answer::Cancel);
      QVERIFY(!panel->isVisible());
    }
  }

  void keyboardFocusKeysEditableListsAndLabelButtons() {
    Run run;
    Quilmo& w = run.start();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* TeX = run.get<QComboBox>("TeX");
    auto* FTex = run.get<QComboBox>("FTex");
    const auto holds = [](QWidget* control) {
      QWidget* focus = QApplication::focusWidget();
      return focus && (focus == control || control->isAncestorOf(focus));
    };
    QVERIFY(holds(FTex));  // start-up leaves the focus on the search words
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QVERIFY(holds(TeX));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QVERIFY(holds(FTex));
    run.get("OpenFile")->setFocus();
    QTest::keyClick(run.get("OpenFile"), Qt::Key_F5);
    QVERIFY(holds(TeX));
    // Other keys go on to the control with the focus.
    QTest::keyClicks(QApplication::focusWidget(), "Disc");
    QCOMPARE(TeX->currentText(), QString("Disc"));
    // Neither completing inline from the list nor taking a listed entry of another case.
    for (const char* name : {"FTex", "TeX", "RemSel", "Sette"}) {
      auto* box = run.get<QComboBox>(name);
      box->addItems({"beach|kamera", "Disc1", "beach"});
      for (const QString typed : {"beach", "Disc", "BEACH"}) {
        box->clearEditText();
        QTest::keyClicks(box->lineEdit(), typed);
        Q_EMIT box->lineEdit()->editingFinished();  // as when the focus leaves it
        QCOMPARE(box->currentText(), typed);
      }
    }
    TeX->clearEditText();  // no disc chosen: Sundra asks for one
    QWidget* update = run.get("Label4");
    QCOMPARE(update->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(update, Qt::Key_Space);
    QVERIFY(run.visible("UpXFiles"));
    QTest::keyClick(run.get("Sundra"), Qt::Key_Return);
    QVERIFY(run.dialogs.messages.value(0).startsWith("Choose the disc to split"));
  }

  void embossedButtonGeometry() {
    XCommandLUP button;
    button.show();
    QVERIFY(!button.isEmbossed());
    QVERIFY(!button.findChild<QWidget*>("XLab(1)"));
    for (int i = 0; i < 4; ++i) QVERIFY(!button.findChild<QWidget*>(QString("Ly(%1)").arg(i))->isVisible());

    // A new caption embosses it once: two caption copies and four visible bevels, sized to the caption.
    QSignalSpy changes(&button, &XCommandLUP::Change);
    button.setCaption("Next");
    button.setCaption(">>");
    QCOMPARE(changes.count(), 2);
    QVERIFY(button.isEmbossed());
    for (const char* copy : {"XLab(1)", "XLab(2)"}) QCOMPARE(button.findChildren<QLabel*>(copy).size(), 1);
    QCOMPARE(button.findChild<QLabel*>("XLab(1)")->text(), QString(">>"));
    QCOMPARE(button.size(), twips::toPixels(button.geometryTwips().control));
    for (int i = 0; i < 4; ++i) QVERIFY(button.findChild<QWidget*>(QString("Ly(%1)").arg(i))->isVisible());

    QSignalSpy clicks(&button, &XCommandLUP::Click);
    QSignalSpy downs(&button, &XCommandLUP::MouseDown);
    QTest::mouseClick(button.findChild<QLabel*>("XLab(0)"), Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 3));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.first(), (QVariantList{1, 1, 30.f, 45.f}));  // left button, shift, x and y in twips
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1));  // outside the caption
    QCOMPARE(clicks.count(), 1);
  }

  void searchWordsRoundTripThroughShutDown() {
    Run run;
    run.world.writeFile(run.world.dataPath() + "FTex.Lys", "zebra\r\nbeach\r\n");
    run.world.writeFile(run.world.home() + "QM.003", "x");
    Quilmo& w = run.start();
    QCOMPARE(run.entries("FTex"), (QStringList{"beach", "zebra"}));
    run.get<QComboBox>("FTex")->addItem("red,car");
    QVERIFY(QFile::exists(run.world.home() + "QM.tmp"));
    w.close();
    QCOMPARE(TempWorld::readFile(run.world.dataPath() + "FTex.Lys"), QByteArray("beach\r\nzebra\r\nred,car\r\n"));
    for (const char* name : {"QM.tmp", "QM.003", "QM.004"}) QVERIFY2(!QFile::exists(run.world.home() + name), name);
    run.start();
    QCOMPARE(run.entries("FTex"), (QStringList{"beach", "car", "red", "zebra"}));
  }

  void commandLineDrive() {
    {
      Run run;
      SettingsStore(SettingsStore::kProgram).setValue("Drives", "E", run.world.folder("dvd"));
      run.world.folder("dvd/PHOTOS");
      run.start({"e"});
      QCOMPARE(run.get<QComboBox>("Drive1")->currentData().toString(), QString("E"));
      QCOMPARE(run.entries("Dir1"), (QStringList{"E:\\", "PHOTOS"}));
      QVERIFY(run.get<QLabel>("LaB")->text().isEmpty());
    }
    for (const QString& bad : {QString("q"), QString("12")}) {
      Run run;
      run.start({bad});
      QCOMPARE(run.get<QComboBox>("Drive1")->currentData().toString(), QString("C"));
      QVERIFY2(run.get<QLabel>("LaB")->text().contains("\"" + bad + "\""), qPrintable(run.get<QLabel>("LaB")->text()));
      QVERIFY(run.dialogs.messages.isEmpty());
    }
  }

  void storedDataFolderThatIsGone() {
    Run run;
    const QString gone = run.world.root() + "usbstick/Quilmo/";
    SettingsStore(SettingsStore::kProgram).setValue("Form_Load", "Def DPath", gone);
    Quilmo& w = run.start();
    QCOMPARE(run.dialogs.messages.size(), 1);
    QVERIFY(run.dialogs.messages.first().contains(gone));
    QVERIFY(!run.dialogs.messages.first().contains("form load"));
    QVERIFY(QFile::exists(run.world.dataPath() + "QM.tex"));  // the current folder instead
    w.close();
    QVERIFY(!QFileInfo::exists(run.world.root() + "usbstick"));
  }

  void unwritableFolders() {
    if (!QFileInfo(QStringLiteral("/proc/")).isDir()) QSKIP("no read-only folder to try");
    Run run;
    SettingsStore(SettingsStore::kProgram).setValue("Form_Load", "Def DPath", "/proc/");
    qputenv("QUILMO_APP_FOLDER", "/proc/");
    Quilmo& w = run.start();
    QCOMPARE(run.dialogs.messages.size(), 1);
    QVERIFY(run.dialogs.messages.first().contains("/proc/"));
    QVERIFY(!run.dialogs.messages.join(u' ').contains("form load"));
    QVERIFY(w.isVisible());
    QCOMPARE(run.get<QLabel>("DTel")->text(), QString("0"));
  }

  void aFailingStepIsReportedAndStartUpGoesOn() {
    Run run;
    QDir().mkpath(run.world.dataPath() + "QM.EXL");  // a folder where a list file should be
    run.world.writeFile(run.world.dataPath() + "FTex.Lys", "beach\r\n");
    Quilmo& w = run.start();
    QCOMPARE(run.dialogs.messages.size(), 1);
    const QString text = run.dialogs.messages.first();
    QVERIFY2(text.startsWith("form load: 9\n\n" + QDir::toNativeSeparators(QDir::cleanPath(run.world.dataPath())) + "\n75 / "),
             qPrintable(text));
    QCOMPARE(run.entries("FTex"), QStringList{"beach"});  // the steps after the failing one ran
    QVERIFY(w.isVisible());
  }

  void wagterWaitsForTheDrivePanel() {
    Run run;
    Quilmo& w = run.start();
    QWidget* WDrive = run.get("WDrive");
    auto* SScLys = run.get<QListWidget>("SScLys");
    SScLys->addItems({"D", "E", "F"});
    QTimer::singleShot(0, &w, [&] {
      QVERIFY(WDrive->isVisible());
      SScLys->setCurrentRow(1);
      QTest::mouseClick(run.get<QPushButton>("WCom(0)"), Qt::LeftButton);
    });
    w.wagter();  // returns only once "Continue" was pressed
    QVERIFY(!WDrive->isVisible());
    // The drive panel's own "Continue" made the letter the default drive.
    QCOMPARE(w.values().discDrive, QString("E"));
    QCOMPARE(run.get<QPushButton>("DefDrive")->text(), QString("E"));
    bool cancelled = false;
    QTimer::singleShot(0, &w, [&] {
      cancelled = true;
      QTest::mouseClick(run.get<QPushButton>("WCom(1)"), Qt::LeftButton);
    });
    w.wagter();
    QVERIFY(cancelled);
    QVERIFY(!WDrive->isVisible());
  }

  void commandButtonsReachTheirPanelsAndHandlers() {
    Run run;
    Quilmo& w = run.start();
    QTest::mouseClick(run.get<QPushButton>("GCom(1)"), Qt::LeftButton);
    QVERIFY(run.get("SHelp")->isVisible());
    QVERIFY(run.get<QLabel>("SHelpLab")->text().contains("kamera|camera|snap"));
    QTest::mouseClick(run.get<QPushButton>("GCom(10)"), Qt::LeftButton);
    QVERIFY(run.get("ReportPan")->isVisible());
    QVERIFY(run.window->view()->isReadOnly());
    QTest::mouseClick(run.get<QPushButton>("GCom(11)"), Qt::LeftButton);
    QVERIFY(!run.window->view()->isReadOnly());
    auto* TeX = run.get<QComboBox>("TeX");
    auto* NDc = run.get<XCommandLUP>("NDc");
    QCOMPARE(NDc->caption(), QString(">>"));
    QCOMPARE(NDc->toolTipText(), QString("NextDisc"));
    TeX->setEditText("Disc0");
    Q_EMIT NDc->Click();
    QCOMPARE(TeX->currentText(), QString("Disc1"));
    TeX->setEditText("Disc9");
    Q_EMIT NDc->Click();
    QCOMPARE(TeX->currentText(), QString("Disc9"));
    TeX->setEditText("Disc1");  // pressed as a screen reader presses it
    QAccessible::queryAccessibleInterface(NDc)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(TeX->currentText(), QString("Disc2"));
    auto* LaB = run.get<QLabel>("LaB");
    const QColor normal = LaB->palette().color(QPalette::Window);
    QList<int> calls;
    QColor seen;
    using quilmo::names::Command;
    w.onGCom(Command::FindGlobal, [&] {
      calls.append(4);
      seen = LaB->palette().color(QPalette::Window);
    });
    w.onGCom(Command::Build, [&] { calls.append(0); });
    w.setStatus("ERROR: File in use!!. Type another!", QColor(128, 0, 0), QColor(0, 255, 255));
    QCOMPARE(LaB->palette().color(QPalette::Window), QColor(128, 0, 0));
    QTest::mouseClick(run.get<QPushButton>("GCom(4)"), Qt::LeftButton);
    QCOMPARE(seen, normal);
    w.GCom(Command::Build);
    w.GCom(Command(13));  // an index without a handler does nothing
    QCOMPARE(calls, (QList<int>{4, 0}));
    auto* Prio = run.get<QPushButton>("Prio");
    QCOMPARE(Prio->text(), QString("Default >>"));
    QVERIFY(!run.visible("PrioF"));
    struct Step {
      int button, level;
      const char* caption;
    };
    for (const Step& step : {Step{3, 1, "High >>"}, Step{0, 1, "High >>"}, Step{1, 5, "Low >>"}}) {
      QTest::mouseClick(Prio, Qt::LeftButton);
      QVERIFY(run.visible("PrioF"));
      QTest::mouseClick(run.get<QPushButton>(QString("PrioC(%1)").arg(step.button)), Qt::LeftButton);
      QCOMPARE(w.values().prioLevel, step.level);
      QCOMPARE(Prio->text(), QString(step.caption));
      QVERIFY(!run.visible("PrioF"));
    }
    // The yielder reads the level the buttons set.
    bool ran = false;
    QTimer::singleShot(0, &w, [&ran] { ran = true; });
    w.values().prioLevel = 1;
    w.yielder().now(YieldKind::Both);
    QVERIFY(!ran);
    w.values().prioLevel = 5;
    w.yielder().now(YieldKind::Low);
    QVERIFY(ran);
  }

  void controlsStartHiddenOrShownAndAreAnnounced() {
    Run run;
    run.writeData("QM.tex", "alpha\r\nbeta\r\n");
    SettingsStore(SettingsStore::kProgram).setValue("TmpDrive", "SellD2", "X");  // a caption from the last run
    Quilmo& w = run.start();
    const QStringList hidden{"MsgP", "Warning", "CrePan", "UpPan", "Wag", "DSoekPan", "FindMenuPan", "SHelp", "SocPan",
                             "DmD", "UpXFiles", "WDrive", "SellDPan", "ReportPan", "LoadReport", "PrioF", "FileCounter",
                             "TVieW", "NewDisc", "AddNew", "XTL", "QL", "File1"};
    for (const QString& name : hidden) QVERIFY2(!run.get(name)->isVisible(), qPrintable(name));
    for (const char* shown : {"TeX", "RtB", "FTex", "GCom(7)", "LaB", "hP", "FiL", "Drive1", "Dir1", "NDc", "Prio", "MAo(1)"})
      QVERIFY2(run.get(shown)->isVisible(), shown);

    // A screen reader reads the window, each panel in turn and the dialogs as they are shown.
    w.setStatus("Finished.");
    run.get<QLabel>("DirLab")->setText("12");
    QStringList faults = unreadable(&w);
    for (const QString& name : hidden) {
      QWidgetList opened;
      for (QWidget* widget = run.get(name); widget; widget = widget->parentWidget())
        if (widget->isHidden()) opened += widget;
      for (QWidget* widget : opened) widget->show();
      faults += unreadable(run.get(name));
      for (QWidget* widget : opened) widget->hide();
    }
    run.whenShown("Data Path", [&](QWidget* dataPath) {
      faults += unreadable(dataPath);
      run.whenShown("Drive letters", [&](QWidget* letters) { faults += unreadable(letters); });
      QTest::mouseClick(dataPath->findChild<QPushButton*>("DriveLetters"), Qt::LeftButton);
    });
    run.click("SoekCom(12)");
    // The disc information dialog, with the facts of a disc.
    run.writeData("alpha.rtf", "1 files :  folders\r\n");
    capture::FactsWriter facts(capture::factsPath(run.data("alpha.rtf")), {"HOLIDAY", "0f1e", "iso9660", 7, 0, true, QDateTime::currentDateTimeUtc()});
    QVERIFY(facts.close(0, run.data("alpha.rtf")));
    run.get<QComboBox>("TeX")->setEditText("alpha");
    run.get<QAction>("DiscInformation")->trigger();
    auto* information = w.findChild<QDialog*>("DiscInfo");
    QVERIFY(information->findChild<QLabel*>("DiscLabel"));
    QCOMPARE(information->findChild<QLabel*>("DiscLabel")->text(), QString("HOLIDAY"));
    faults += unreadable(information);
    information->close();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));


    // Moving the pointer over a control puts its hint into hP.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(run.get("SSPanel1(3)"), &enter);
    QCOMPARE(run.get<QLabel>("hP")->text(), QString("DELETE selected disc"));
    // The longest hint, FiX's, is shown whole.
    QApplication::sendEvent(run.get("WCom(2)"), &enter);
    auto* hP = run.get<QLabel>("hP");
    QVERIFY(hP->text().endsWith("(Within ALL the current Disc Files)"));
    const bool onOneLine = hP->sizeHint().width() <= hP->width();
    QVERIFY(onOneLine || (hP->wordWrap() && hP->heightForWidth(hP->width()) <= hP->height()));
  }

  void automationIds() {
    qputenv("QUILMO_AUTOMATION_IDS", "1");
    Run run;
    run.start();
    QCOMPARE(run.get("GCom(7)")->accessibleDescription(), QString("GCom(7)"));
    QDialog later(run.window.get());
    later.setObjectName("SetDPad");
    auto* inner = new QPushButton("Set selected path", &later);
    inner->setObjectName("SetCom(0)");
    later.show();
    QCOMPARE(later.accessibleDescription(), QString("SetDPad"));
    QCOMPARE(inner->accessibleDescription(), QString("SetCom(0)"));
    qunsetenv("QUILMO_AUTOMATION_IDS");
  }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
