// The data-path chooser SetDPad and the drive-letter dialog.
#include <unistd.h>

#include <QtTest>
#include <QtWidgets>

#include "kit/ProgramValues.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "settings/DataPathWindow.h"
#include "settings/DriveMapDialog.h"
#include "support/ScriptedDialogs.h"
#include "support/TempWorld.h"

using namespace quilmo;

namespace {

template <class T = QPushButton>
T* get(QWidget* window, const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
void press(QWidget* window, const char* name) { QTest::mouseClick(get(window, name), Qt::LeftButton); }

struct World {
  test::TempWorld world;
  SettingsStore program{QString::fromLatin1(SettingsStore::kProgram)};
  DriveMap drives{program};
  test::ScriptedDialogs dialogs;
  ProgramValues values;
  World() { values.dataPath = world.dataPath(); }
  QString stored() const { return program.value(QStringLiteral("Form_Load"), QStringLiteral("Def DPath")); }
  // SetDPad shown, with the folder clicked in Dir1.
  std::unique_ptr<panels::DataPathWindow> openOn(const QString& folder) {
    auto window = std::make_unique<panels::DataPathWindow>(values, program, drives, dialogs);
    window->show();
    auto* tree = get<QTreeView>(window.get(), "Dir1");
    tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(QDir::cleanPath(folder)));
    return window;
  }
};

}  // namespace

class DataPathWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void setTakesTheChosenFolderOrDriveWhileCancelAndRefusalsKeepTheOld() {
    World w;
    const QString library = w.world.folder(QStringLiteral("library"));
    const QString gone = w.world.folder(QStringLiteral("gone"));
    const QString locked = w.world.folder(QStringLiteral("locked"));
    w.world.writeFile(library + QStringLiteral("QM.tex"), "");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    press(w.openOn(library).get(), "SetCom(1)");
    for (const QString& folder : {gone, locked}) {
      if (folder == locked && geteuid() == 0) continue;  // root may write to every folder
      const auto window = w.openOn(folder);
      QDir(gone).removeRecursively();
      press(window.get(), "SetCom(0)");
      QVERIFY(window->isVisible());
      QVERIFY(w.dialogs.messages.last().contains(folder == gone ? "does not exist" : "cannot be written"));
    }
    QCOMPARE((QStringList{w.values.dataPath, w.stored()}), (QStringList{w.world.dataPath(), ""}));

    const auto window = w.openOn(library);
    QCOMPARE(get<QLabel>(window.get(), "WysP")->text(), library);
    QCOMPARE(get<QListWidget>(window.get(), "File1")->item(0)->text(), QStringLiteral("QM.tex"));
    press(window.get(), "SetCom(0)");
    QCOMPARE((QStringList{w.values.dataPath, w.stored()}), (QStringList{library, library}));

    // A mapped drive picked in the drive box.
    const QString photos = w.world.folder(QStringLiteral("photos"));
    w.drives.map(u'E', photos);
    w.drives.map(u'F', QStringLiteral("/dev/quilmo-no-such-device"));
    const auto again = w.openOn(library);
    auto* box = get<QComboBox>(again.get(), "Drive1");
    QVERIFY(box->findText(QStringLiteral("F: no disc (/dev/quilmo-no-such-device)")) >= 0);
    Q_EMIT box->activated(box->findText(QStringLiteral("E: ") + photos));  // what a pick in the box sends
    press(again.get(), "SetCom(0)");
    QCOMPARE(w.values.dataPath, photos);
  }

  void driveLettersMapAFolderOrAVolume() {
    World w;
    panels::DriveMapDialog dialog(w.drives, w.dialogs);
    auto* letter = get<QComboBox>(&dialog, "DriveLetter");
    letter->setCurrentIndex(u'M' - u'A');
    const QString music = w.world.folder(QStringLiteral("music"));
    for (const QString& typed : {w.world.root() + QStringLiteral("nowhere"), music}) {
      get<QLineEdit>(&dialog, "DriveFolder")->setText(typed);
      press(&dialog, "MapFolder");
    }
    QCOMPARE(w.dialogs.messages.size(), 1);  // the missing folder was refused
    QCOMPARE(letter->currentText(), QStringLiteral("M: ") + music);
    press(&dialog, "UnmapLetter");
    QCOMPARE(letter->currentText(), QStringLiteral("M: not mapped"));

    auto* volumes = get<QListWidget>(&dialog, "Volumes");
    if (volumes->count() == 0) QSKIP("no mounted volume visible");
    press(&dialog, "MapVolume");
    QCOMPARE(w.dialogs.messages.size(), 2);  // no volume picked yet
    volumes->setCurrentRow(0);
    press(&dialog, "MapVolume");
    QCOMPARE(w.drives.targetOf(u'M'), volumes->item(0)->data(Qt::UserRole).toString());
  }
};

QTEST_MAIN(DataPathWindowTest)
#include "DataPathWindowTest.moc"
