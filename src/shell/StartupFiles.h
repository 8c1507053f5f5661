#pragma once
// The file set of the data folder and the program folder, made sure to exist and read into
// the start-up lists. Each step carries the load-step number that a failure reports.
#include <QList>
#include <QString>
#include <QStringList>

namespace quilmo {

class SettingsStore;

struct LoadFailure {
  int step = 0;
  int number = 0;  // the system's error number: 75 file access, 76 path not found
  QString text;
};

// Where the data folder is: the stored "Def DPath", else the current folder. A stored
// folder that no longer exists (an unplugged drive) gives the current folder, and
// missingFolder names the stored one so the user can be told once.
struct DataPathChoice {
  QString dataPath;
  QString missingFolder;
};
DataPathChoice chooseDataPath(const SettingsStore& program, const QString& currentFolder);

class StartupFiles {
 public:
  // Both folders end with the native separator.
  StartupFiles(QString dataPath, QString appFolder);

  void createMirror();                          // load step 4: QM.mmd
  // Load step 6: cRoot + "QM.tmp" rewritten with one line of 30 dots; cRoot is the native
  // folder of drive C, empty when drive C stands for nothing.
  void writeScratch(const QString& cRoot);
  QStringList discs();                          // load step 7: QM.tex
  // Load steps 8 and 9: QM.SoC and QM.EXL; the association table reads them.
  void createAssociationFiles();
  QStringList searchWords();                    // load step 10: FTex.Lys
  QString discDrive();                          // load step 11: first field of SSc.ini

  // Failures of single files, in the order met.
  const QList<LoadFailure>& failures() const { return failures_; }
  // Folders in which no file could be created at all (reported once, not per file).
  const QStringList& unwritableFolders() const { return unwritableFolders_; }

 private:
  QString ensure(int step, const QString& folder, const QString& name);  // the file's path
  QStringList ensureAndRead(int step, const QString& folder, const QString& name);
  void fail(int step, const QString& folder, int number, const QString& text);

  QString dataPath_, appFolder_;
  QList<LoadFailure> failures_;
  QStringList unwritableFolders_;
};

// Shut-down: the fixed files c:\QM.003, c:\QM.004 and c:\QM.tmp, given as native paths;
// missing ones are no error.
void removeFixedFiles(const QStringList& paths);
// FTex.Lys rewritten whole, one word per line in list order.
bool saveSearchWords(const QString& dataPath, const QStringList& words, QString* error = nullptr);

}  // namespace quilmo
