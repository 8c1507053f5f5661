// What the window shows of a disc beyond its catalogue: the information dialog (Ctrl+I or
// the disc list's context menu) and the size and date of the caret's file in the hint.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "capture/FactsText.h"
#include "library/DiscNote.h"
#include "library/DiscSideFiles.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;

namespace {
const QString kViewHint = QStringLiteral("To select: Lckick three(3) times");

// Drive E holds a.bin (1,234,567 bytes) in its root and DOCS/b.txt (12 bytes), with known
// times; the disc Photos is created from it, so its facts come from a real walk.
struct World : test::WindowHarness {
  QString disc = world.folder(QStringLiteral("disc"));
  QString catalogue = data(QStringLiteral("Photos.rtf"));

  World() {
    writeFile(QStringLiteral("a.bin"), 1'234'567, QDateTime(QDate(2024, 3, 5), QTime(14, 22, 30)));
    writeFile(QStringLiteral("DOCS/b.txt"), 12, QDateTime(QDate(2023, 1, 2), QTime(3, 4)));
    writeData(QStringLiteral("QM.tex"), "Gamma\r\n");
    writeData(QStringLiteral("Gamma.rtf"), "\"E:\\\",\"old.txt\"\r\n1 files :  folders\r\n");
    start();
    window->drives().overrideForRun(u'E', disc);
    window->values().discDrive = QStringLiteral("E");
    auto* TeX = get<QComboBox>(QStringLiteral("TeX"));
    QTest::keyClicks(TeX, QStringLiteral("Photos"));
    QTest::keyClick(TeX, Qt::Key_Return);
  }
  void writeFile(const QString& name, qint64 size, const QDateTime& modified) const {
    world.writeFile(disc + name, "");
    QFile file(disc + name);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(size));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
  }
  void openInfo(const QString& named) const {
    get<QComboBox>(QStringLiteral("TeX"))->setEditText(named);
    get<QAction>(QStringLiteral("DiscInformation"))->trigger();
  }
  QDialog* info() const {
    for (auto* dialog : window->findChildren<QDialog*>(QStringLiteral("DiscInfo")))
      if (dialog->isVisible()) return dialog;
    return nullptr;
  }
  QString shown(const QString& value) const {
    const auto* label = info()->findChild<QLabel*>(value);
    return label ? label->text() : QStringLiteral("(not shown)");
  }
  QByteArray noteFile() const { return test::TempWorld::readFile(library::sideFilePath(catalogue, library::SideFile::Note)); }
  void caretToLine(int line) const {
    CatalogueView* view = window->view();
    qint64 position = 0;
    for (int i = 0; i < line; ++i) position = view->text().indexOf(u'\n', position) + 1;
    view->setCaretPosition(position);
  }
  QString hint() const { return text(QStringLiteral("hP")); }
};
}  // namespace

class DiscInfoPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void ctrlIAndTheDiscListMenuShowTheFactsOfTheCreation() {
    World w;
    w.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QStringLiteral("photos"));
    w.window->activateWindow();
    QTest::keyClick(w.window.get(), Qt::Key_I, Qt::ControlModifier);
    QVERIFY(w.info());
    QCOMPARE(w.info()->windowTitle(), QStringLiteral("Disc information: Photos"));
    const QStringList values{"DiscName", "DiscLabel", "DiscIdentity", "DiscRoot", "DiscFiles", "DiscFolders", "DiscTotalSize"};
    QStringList shown;
    for (const QString& value : values) shown += w.shown(value);
    QCOMPARE(shown, (QStringList{"Photos", "no label", "no identity", "plain folder mapped as a drive", "2", "1",
                                 "1.2 MB (1,234,579 bytes)"}));
    QCOMPARE(w.info()->focusWidget(), w.info()->findChild<QLineEdit*>("DiscNote"));
    QTest::keyClick(w.info(), Qt::Key_Escape);
    QVERIFY(!w.info());

    // With no disc named in TeX, the menu's entry shows the disc in view.
    auto* line = w.get<QComboBox>(QStringLiteral("TeX"))->lineEdit();
    line->clear();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4), line->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(line, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* entry = menu->actions().constLast();
    QCOMPARE(entry->text(), QStringLiteral("Disc information…"));
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    QVERIFY(w.info());
    QCOMPARE(w.shown("DiscName"), QStringLiteral("Photos"));

    // Nothing named and nothing in view: the status line says so.
    w.window->view()->setText(QStringLiteral("a report"));
    w.openInfo(QStringLiteral("Nowhere"));
    QVERIFY(w.text("LaB").startsWith("No disc to show"));
  }

  void aNoteIsSavedByEnterAndOneWithATabWritesNothing() {
    World w;
    w.openInfo(QStringLiteral("Photos"));
    auto* note = w.info()->findChild<QLineEdit*>("DiscNote");
    QTest::keyClicks(note, QStringLiteral(" box 3, top shelf "));
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(w.noteFile(), QByteArray("box 3, top shelf\n"));
    QCOMPARE(w.shown("NoteStatus"), QStringLiteral("Note saved."));

    note->setText(QStringLiteral("box\t4"));
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(w.shown("NoteStatus"), library::whyNoteIsRefused(QStringLiteral("\t")));
    QCOMPARE(w.noteFile(), QByteArray("box 3, top shelf\n"));

    // Opened again, the dialog reads the saved note; the old one has closed.
    const QPointer<QDialog> old = w.info();
    w.openInfo(QStringLiteral("Photos"));
    QVERIFY(!old || !old->isVisible());
    QCOMPARE(w.info()->findChild<QLineEdit*>("DiscNote")->text(), QStringLiteral("box 3, top shelf"));
  }

  void aDiscWithoutCurrentFactsSaysWhyAndKeepsItsNote() {
    World w;
    QFile catalogue(w.catalogue);
    QVERIFY(catalogue.open(QIODevice::Append));
    catalogue.write("\"E:\\\",\"added by hand.txt\"\r\n");
    catalogue.close();
    w.openInfo(QStringLiteral("Photos"));
    QVERIFY2(w.shown("DiscNoFacts").contains("no longer matches its catalogue"), qPrintable(w.shown("DiscNoFacts")));
    QCOMPARE(w.shown("DiscCapacity"), QStringLiteral("(not shown)"));
    auto* note = w.info()->findChild<QLineEdit*>("DiscNote");
    QTest::keyClicks(note, QStringLiteral("spare"));
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(library::readNote(w.catalogue), QStringLiteral("spare"));

    w.openInfo(QStringLiteral("Gamma"));
    QVERIFY(w.shown("DiscNoFacts").contains("is missing"));
  }

  void theHintAddsTheSizeAndDateOfTheCaretsFile() {
    World w;
    const auto fileHint = [](qint64 size, const QDateTime& time) {
      return kViewHint + QStringLiteral("  —  ") + capture::sizeText(size) + ", " + time.toString("yyyy-MM-dd HH:mm");
    };
    const QString bigFile = fileHint(1'234'567, QDateTime(QDate(2024, 3, 5), QTime(14, 22)));
    QCOMPARE(w.hint(), bigFile);  // the new catalogue is shown with the caret on its first line
    w.caretToLine(1);
    QCOMPARE(w.hint(), fileHint(12, QDateTime(QDate(2023, 1, 2), QTime(3, 4))));
    w.caretToLine(2);  // the totals line
    QCOMPARE(w.hint(), kViewHint);

    // Loaded from the list, the disc's facts come with it; the pointer over the view reads them too.
    w.dialogs.answers = {Answer::Yes};
    auto* TeX = w.get<QComboBox>(QStringLiteral("TeX"));
    TeX->setCurrentIndex(TeX->findText(QStringLiteral("Photos")));
    Q_EMIT TeX->activated(TeX->currentIndex());
    QCOMPARE(w.hint(), bigFile);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.get(QStringLiteral("DTel")), &enter);
    QApplication::sendEvent(w.window->view(), &enter);
    QCOMPARE(w.hint(), bigFile);

    // Another text in the view takes them away.
    w.window->view()->setText(QStringLiteral("one\ntwo"));
    QCOMPARE(w.hint(), kViewHint);
    w.caretToLine(1);
    QCOMPARE(w.hint(), kViewHint);
  }
};

QUILMO_PANEL_TEST(DiscInfoPanelTest)
#include "DiscInfoPanelTest.moc"
