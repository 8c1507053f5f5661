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

int usage(QTextStream& err, const QString& reason) {
  return cli::usageError(err, reason, QStringLiteral("COMMAND [ARGS]"));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);

  const cli::Arguments global = cli::parseArguments(app.arguments().mid(1), cli::globalSyntax(), true);
  if (global.help) {
    cli::printProgramHelp(out);
    return cli::Exit::Ok;
  }
  if (global.isSet(QStringLiteral("version"))) {
    out << "quilmo-cli " << QUILMO_VERSION << Qt::endl;
    return cli::Exit::Ok;
  }
  if (!global.problem.isEmpty()) return usage(err, global.problem + QStringLiteral(" (see --help)"));

  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  DriveMap drives(program);
  QString dataPath = storedDataPath(program, QDir::currentPath());
  QString appFolder = defaultAppFolder(QCoreApplication::applicationDirPath());
  for (const QString& option : {QStringLiteral("data"), QStringLiteral("app")}) {
    for (const QString& value : global.values(option)) {
      if (!QFileInfo(value).isDir()) return usage(err, QStringLiteral("--%1 %2: no such folder").arg(option, value));
      (option == u"data" ? dataPath : appFolder) =
          withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(value).absoluteFilePath()));
    }
  }
  for (const QString& value : global.values(QStringLiteral("drive"))) {
    const QChar letter = DriveMap::letterOf(value);
    if (value.indexOf(u'=') != 1 || letter.isNull())
      return usage(err, QStringLiteral("--drive takes a letter, '=' and a path, such as E=/media/dvd"));
    drives.overrideForRun(letter, value.mid(2));
  }

  const QString name = global.positionals.first();
  const auto command = cli::commandNamed(name);
  if (!command) return usage(err, QStringLiteral("unknown command %1 (see --help)").arg(name));
  const cli::Arguments arguments = command->parse(global.positionals.mid(1));
  cli::Context context{dataPath, appFolder, drives, out, err};
  if (!arguments.problem.isEmpty()) return command->usageError(context, arguments.problem);
  if (arguments.help) {
    command->printHelp(out);
    return cli::Exit::Ok;
  }
  if (library::recoverLibrary(dataPath))
    err << "quilmo-cli: a change to the library that was cut off (a crash or a kill) has been finished." << Qt::endl;
  return command->run(context, arguments);
}
