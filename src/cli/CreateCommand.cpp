// quilmo-cli create NAME: catalogues a drive into DIR/NAME.rtf.
#include "capture/DiscCreation.h"
#include "capture/Scanner.h"
#include "cli/Commands.h"
#include "cli/IndexUpkeep.h"
#include "cli/ProgressLine.h"
#include "cli/VisibleControls.h"
#include "platform/DataFolder.h"
#include "platform/DriveMap.h"
#include "platform/ListFile.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsStore.h"

namespace quilmo::cli {

namespace {

// DiscDrive: the first field of SSc.ini in the program folder.
QChar defaultDiscDrive(const QString& appFolder) {
  const QStringList fields = ListFile::readFields(resolveInFolder(appFolder, QStringLiteral("SSc.ini")));
  return fields.isEmpty() ? QChar() : DriveMap::letterOf(fields.first());
}

QString countsText(const capture::ScanCounts& counts) {
  return QStringLiteral("DIR: %1  FILES: %2").arg(grouped(counts.folders), grouped(counts.files));
}

// The walk lists tens of thousands of entries a second: the clock is read at the first
// entry and then once in 256.
capture::ScanProgress progressOn(ProgressLine& line) {
  if (!line.shown()) return {};
  return [&line, entries = 0u](const capture::ScanCounts& counts, std::string_view folder) mutable {
    if (entries++ % 256 != 0 || !line.due()) return;
    line.draw(countsText(counts) + QStringLiteral("  ") + QString::fromUtf8(withVisibleControls(folder)));
  };
}

class CreateCommand : public Command {
 public:
  CreateCommand()
      : Command(QStringLiteral("create"),
                QStringLiteral("catalogue drive L (default: the CD/DVD drive) into DIR/NAME.rtf and add NAME to the "
                               "disc list"),
                {{QStringLiteral("NAME")},
                 {{QStringLiteral("drive-letter"), QStringLiteral("L"),
                   QStringLiteral("the drive to catalogue, such as E (default: the CD/DVD drive of SSc.ini)")},
                  {QStringLiteral("no-facts"), {},
                   QStringLiteral("keep no facts of the disc: no label, no sizes or times of its files")},
                  kQuietOption}}) {}

  int run(Context& context, const Arguments& arguments) override;
};

int CreateCommand::run(Context& context, const Arguments& arguments) {
  const QString& discName = arguments.positionals.first();
  QChar letter;
  if (const QString value = arguments.value(QStringLiteral("drive-letter")); !value.isNull()) {
    const bool oneLetter = value.size() == 1 || (value.size() == 2 && value[1] == u':');
    letter = oneLetter ? DriveMap::letterOf(value) : QChar();
    if (letter.isNull()) return usageError(context, QStringLiteral("--drive-letter takes one letter, such as E"));
  }
  if (letter.isNull()) letter = defaultDiscDrive(context.appFolder);
  if (letter.isNull())
    return usageError(context, QStringLiteral("no CD/DVD drive is set; name the drive with --drive-letter"));

  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  capture::DiscCreation creation(context.dataPath, context.appFolder, context.drives, program);
  creation.setKeepFacts(!arguments.isSet(QStringLiteral("no-facts")));
  ProgressLine line = ProgressLine::onStandardError(context.err, arguments.isSet(kQuietOption.name));
  const capture::CreationResult result = creation.create(discName, letter, progressOn(line));
  line.clear();

  switch (result.status) {
    case capture::CreationStatus::Created:
      context.out << QStringLiteral("%1 disc %2: %3 files in %4 folders, catalogue %5")
                         .arg(result.nameAdded ? QStringLiteral("Created") : QStringLiteral("Rebuilt"), discName,
                              grouped(result.counts.files), grouped(result.counts.folders), result.cataloguePath)
                  << Qt::endl;
      // The catalogue is written, but the user must know it is missing what could not be read.
      if (result.counts.unreadable > 0) context.out << capture::unreadableText(result.counts) << Qt::endl;
      if (!result.factsError.isEmpty()) warn(context, result.factsError);
      keepIndexCurrent(context);
      return Exit::Ok;
    case capture::CreationStatus::NoDisc:
      return fail(context, Exit::NoDisc, result.message);
    default:
      return fail(context, Exit::Failure, result.message);
  }
}

}  // namespace

std::unique_ptr<Command> makeCreateCommand() { return std::make_unique<CreateCommand>(); }

}  // namespace quilmo::cli
