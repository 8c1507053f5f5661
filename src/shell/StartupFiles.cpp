#include "shell/StartupFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>

#include "library/PendingChange.h"
#include "platform/DataFolder.h"
#include "platform/FieldReader.h"
#include "platform/Folders.h"
#include "platform/ListFile.h"
#include "platform/TextCase.h"

namespace quilmo {

namespace {

constexpr int kFileAccessError = 75;
constexpr int kPathNotFound = 76;

bool folderTakesFiles(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("quilmo-probe-XXXXXX"));
  return probe.open();
}

}  // namespace

DataPathChoice chooseDataPath(const SettingsStore& program, const QString& currentFolder) {
  const QString current = withTrailingSeparator(QDir::toNativeSeparators(currentFolder));
  const QString stored = storedDataPath(program, currentFolder);
  if (QFileInfo(stored).isDir()) return {stored, {}};
  return {current, stored};
}

StartupFiles::StartupFiles(QString dataPath, QString appFolder)
    : dataPath_(std::move(dataPath)), appFolder_(std::move(appFolder)) {}

void StartupFiles::fail(int step, const QString& folder, int number, const QString& text) {
  if (unwritableFolders_.contains(folder)) return;
  if (QFileInfo(folder).isDir() && !folderTakesFiles(folder)) {
    unwritableFolders_.append(folder);
    return;
  }
  failures_.append({step, number, text});
}

QString StartupFiles::ensure(int step, const QString& folder, const QString& name) {
  const QString path = resolveInFolder(folder, name);
  QString error;
  if (!ListFile::ensureExists(path, &error)) fail(step, folder, kFileAccessError, error);
  return path;
}

QStringList StartupFiles::ensureAndRead(int step, const QString& folder, const QString& name) {
  return ListFile::readFields(ensure(step, folder, name));
}

void StartupFiles::createMirror() { ensure(4, dataPath_, QStringLiteral("QM.mmd")); }

void StartupFiles::writeScratch(const QString& cRoot) {
  if (cRoot.isEmpty() || !QFileInfo(cRoot).isDir()) {
    failures_.append({6, kPathNotFound, QStringLiteral("Path not found: drive c stands for no folder")});
    return;
  }
  QString error;
  if (!ListFile::rewrite(cRoot + QStringLiteral("QM.tmp"), {QString(30, u'.')}, &error))
    failures_.append({6, kFileAccessError, error});
}

QStringList StartupFiles::discs() {
  // A change cut off by a crash is finished first, and a missing QM.tex is made under the
  // library lock, so it never hides a new list waiting beside it.
  library::recoverLibrary(dataPath_, library::MissingList::Create);
  return ensureAndRead(7, dataPath_, QStringLiteral("QM.tex"));
}

void StartupFiles::createAssociationFiles() {
  ensure(8, dataPath_, QStringLiteral("QM.SoC"));
  ensure(9, dataPath_, QStringLiteral("QM.EXL"));
}

QStringList StartupFiles::searchWords() { return ensureAndRead(10, dataPath_, QStringLiteral("FTex.Lys")); }

QString StartupFiles::discDrive() {
  const QStringList lines = ListFile::readLines(ensure(11, appFolder_, QStringLiteral("SSc.ini")));
  if (lines.isEmpty()) return {};
  return readFields(lines.first()).value(0);
}

void removeFixedFiles(const QStringList& paths) {
  for (const QString& path : paths) QFile::remove(path);
}

bool saveSearchWords(const QString& dataPath, const QStringList& words, QString* error) {
  return ListFile::rewrite(resolveInFolder(dataPath, QStringLiteral("FTex.Lys")), words, error);
}


}  // namespace quilmo
