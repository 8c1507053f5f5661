// quilmo-cli: the command-line front end over the window's engines.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "cli/Commands.h"
#include "library/PendingChange.h"
#include "platform/DataFolder.h"
#include "platform/DriveMap.h"
#include "platform/Folders.h"
#include "platform/SettingsStore.h"

using namespace quilmo;

namespace {

const char* kUsage = "usage: quilmo-cli [--data DIR] [--app DIR] [--drive L=PATH]... COMMAND [ARGS]";

void printHelp(QTextStream& out, const std::vector<std::unique_ptr<cli::Command>>& commands) {
  out << "quilmo-cli - catalogue removable media and find files again without the disc.\n\n"
      << kUsage << "\n\n"
      << "Global options:\n"
      << "  --data DIR      the data folder (default: the window's data folder)\n"
      << "  --app DIR       the program folder (default: the window's program folder)\n"
      << "  --drive L=PATH  let drive letter L stand for the folder or device PATH for this run\n"
      << "  --help          show this help\n"
      << "  --version       show the version\n\n"
      << "Commands:\n";
  for (const auto& command : commands)
    out << "  " << command->name() << ' ' << command->synopsis() << "\n      " << command->summary() << '\n';
}

int usage(QTextStream& err, const QString& reason) {
  err << "quilmo-cli: " << reason << Qt::endl << kUsage << Qt::endl;
  return cli::Exit::Usage;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);
  const auto commands = cli::allCommands();

  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  DriveMap drives(program);
  QString dataPath = storedDataPath(program, QDir::currentPath());
  QString appFolder = defaultAppFolder(QCoreApplication::applicationDirPath());

  QStringList args = app.arguments().mid(1);
  while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
    const QString option = args.takeFirst();
    if (option == u"--help") {
      printHelp(out, commands);
      return cli::Exit::Ok;
    }
    if (option == u"--version") {
      out << "quilmo-cli " << QUILMO_VERSION << Qt::endl;
      return cli::Exit::Ok;
    }
    if (option != u"--data" && option != u"--app" && option != u"--drive")
      return usage(err, QStringLiteral("unknown option %1").arg(option));
    if (args.isEmpty()) return usage(err, QStringLiteral("%1 needs a value").arg(option));
    const QString value = args.takeFirst();
    if (option == u"--data" || option == u"--app") {
      if (!QFileInfo(value).isDir())
        return usage(err, QStringLiteral("%1 %2: no such folder").arg(option, value));
      const QString folder = withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(value).absoluteFilePath()));
      (option == u"--data" ? dataPath : appFolder) = folder;
    } else {
      const qsizetype eq = value.indexOf(u'=');
      const QChar letter = DriveMap::letterOf(value);
      if (eq != 1 || letter.isNull())
        return usage(err, QStringLiteral("--drive takes a letter, '=' and a path, such as E=/media/dvd"));
      drives.overrideForRun(letter, value.mid(2));
    }
  }
  if (args.isEmpty()) return usage(err, QStringLiteral("no command given (see --help)"));

  const QString name = args.takeFirst();
  for (const auto& command : commands) {
    if (command->name() != name) continue;
    if (library::recoverLibrary(dataPath))
      err << "quilmo-cli: a change to the library that was cut off (a crash or a kill) has been finished." << Qt::endl;
    cli::Context context{dataPath, appFolder, drives, out, err};
    return command->run(context, args);
  }
  return usage(err, QStringLiteral("unknown command %1 (see --help)").arg(name));
}
