// The data-path chooser SetDPad and the drive-letter dialog.
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>
#include <memory>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "kit/ProgramValues.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "settings/DataPathWindow.h"
#include "settings/DriveMapDialog.h"
#include "support/ScriptedDialogs.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::ScriptedDialogs;
using quilmo::test::TempWorld;

namespace {

bool mayWriteEverywhere() {
#ifdef Q_OS_UNIX
  return geteuid() == 0;
#else
  return true;  // folder rights there are not the mode bits this test changes
#endif
}

}  // namespace

class DataPathWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<SettingsStore> program;
  std::unique_ptr<DriveMap> drives;
  ScriptedDialogs dialogs;
  ProgramValues values;

  QString storedPath() const { return program->value(QStringLiteral("Form_Load"), QStringLiteral("Def DPath")); }

  template <class T>
  static T* get(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) qFatal("no %s", qPrintable(name));
    return found;
  }

  // A click on a folder in Dir1.
  static void pickFolder(QWidget* window, const QString& folder) {
    auto* tree = get<QTreeView>(window, QStringLiteral("Dir1"));
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(model->index(QDir::cleanPath(folder)));
  }

  static void press(QWidget* window, const QString& name) {
    QTest::mouseClick(get<QPushButton>(window, name), Qt::LeftButton);
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    program = std::make_unique<SettingsStore>(QString::fromLatin1(SettingsStore::kProgram));
    drives = std::make_unique<DriveMap>(*program);
    dialogs = ScriptedDialogs();
    values = ProgramValues();
    values.dataPath = world->dataPath();
    world->writeFile(world->folder(QStringLiteral("library")) + QStringLiteral("QM.tex"), "Holiday\r\n");
  }

  void cleanup() {
    drives.reset();
    program.reset();
    world.reset();
  }

  void setKeepsOrTakesTheFolderAndCancelChangesNothing() {
    const QString library = world->folder(QStringLiteral("library"));
    {
      panels::DataPathWindow window(values, *program, *drives, dialogs);
      window.show();
      QCOMPARE(get<QLabel>(&window, QStringLiteral("WysP"))->text(), world->dataPath());
      pickFolder(&window, library);
      press(&window, QStringLiteral("SetCom(1)"));
      QCOMPARE(window.result(), int(QDialog::Rejected));
      QCOMPARE(values.dataPath, world->dataPath());
      QVERIFY(!program->contains(QStringLiteral("Form_Load"), QStringLiteral("Def DPath")));
    }
    panels::DataPathWindow window(values, *program, *drives, dialogs);
    window.show();
    pickFolder(&window, library);
    QCOMPARE(values.chosenPath, library);
    QCOMPARE(get<QLabel>(&window, QStringLiteral("WysP"))->text(), library);
    QCOMPARE(get<QListWidget>(&window, QStringLiteral("File1"))->item(0)->text(), QStringLiteral("QM.tex"));
    press(&window, QStringLiteral("SetCom(0)"));
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(values.dataPath, library);
    QCOMPARE(storedPath(), library);
  }

  // A folder that is gone, or that this user cannot write, is refused and nothing is stored.
  void aMissingOrUnwritableFolderIsRefused() {
    const QString gone = world->folder(QStringLiteral("gone"));
    const QString locked = world->folder(QStringLiteral("locked"));
    for (const QString& folder : {gone, locked}) {
      if (folder == locked && mayWriteEverywhere()) continue;  // such a user may write to every folder
      panels::DataPathWindow window(values, *program, *drives, dialogs);
      window.show();
      pickFolder(&window, folder);
      if (folder == gone) QDir(gone).removeRecursively();
      else QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
      press(&window, QStringLiteral("SetCom(0)"));
      QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      QVERIFY(window.isVisible());
      QVERIFY(dialogs.messages.last().contains(folder == gone ? QStringLiteral("does not exist")
                                                              : QStringLiteral("cannot be written")));
    }
    QCOMPARE(values.dataPath, world->dataPath());
    QVERIFY(!program->contains(QStringLiteral("Form_Load"), QStringLiteral("Def DPath")));
  }

  void driveBoxListsMappedLetters() {
    const QString photos = world->folder(QStringLiteral("photos"));
    drives->map(u'E', photos);
    drives->map(u'F', QStringLiteral("/dev/quilmo-no-such-device"));
    panels::DataPathWindow window(values, *program, *drives, dialogs);
    window.show();
    auto* box = get<QComboBox>(&window, QStringLiteral("Drive1"));
    const int e = box->findText(QStringLiteral("E: ") + photos);
    QVERIFY(e >= 0);
    const int f = box->findText(QStringLiteral("F: no disc (/dev/quilmo-no-such-device)"));
    QVERIFY(f >= 0);
    QVERIFY(box->findText(QStringLiteral("C: "), Qt::MatchStartsWith) >= 0);
    box->setCurrentIndex(e);
    Q_EMIT box->activated(e);  // what a pick in the box sends
    QCOMPARE(values.chosenPath, photos);
    press(&window, QStringLiteral("SetCom(0)"));
    QCOMPARE(values.dataPath, photos);
  }

  void driveLettersMapAFolder() {
    const QString music = world->folder(QStringLiteral("music"));
    panels::DriveMapDialog dialog(*drives, dialogs);
    dialog.show();
    QVERIFY(!dialog.windowTitle().isEmpty());
    auto* letter = get<QComboBox>(&dialog, QStringLiteral("DriveLetter"));
    auto* folder = get<QLineEdit>(&dialog, QStringLiteral("DriveFolder"));
    letter->setCurrentIndex(u'M' - u'A');

    folder->setText(world->root() + QStringLiteral("nowhere"));
    press(&dialog, QStringLiteral("MapFolder"));
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(drives->targetOf(u'M').isEmpty());

    folder->setText(music);
    press(&dialog, QStringLiteral("MapFolder"));
    QCOMPARE(QDir::cleanPath(drives->targetOf(u'M')), QDir::cleanPath(music));
    QCOMPARE(drives->root(u'M').status, DriveStatus::Ready);
    QVERIFY(letter->currentText().startsWith(QStringLiteral("M: ")));
    QVERIFY(letter->currentText().contains(QDir::cleanPath(music)));

    press(&dialog, QStringLiteral("UnmapLetter"));
    QVERIFY(drives->targetOf(u'M').isEmpty());
    QCOMPARE(letter->currentText(), QStringLiteral("M: not mapped"));
  }

  void driveLettersMapAVolume() {
    panels::DriveMapDialog dialog(*drives, dialogs);
    auto* volumes = get<QListWidget>(&dialog, QStringLiteral("Volumes"));
    if (volumes->count() == 0) QSKIP("no mounted volume visible");
    get<QComboBox>(&dialog, QStringLiteral("DriveLetter"))->setCurrentIndex(u'V' - u'A');
    press(&dialog, QStringLiteral("MapVolume"));
    QCOMPARE(dialogs.messages.size(), 1);  // nothing picked yet
    volumes->setCurrentRow(0);
    press(&dialog, QStringLiteral("MapVolume"));
    QCOMPARE(drives->targetOf(u'V'), volumes->item(0)->data(Qt::UserRole).toString());
  }
};

QTEST_MAIN(DataPathWindowTest)
#include "DataPathWindowTest.moc"
