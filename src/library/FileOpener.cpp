#include "library/FileOpener.h"

#include "library/AssociationTable.h"
#include "library/FileEntry.h"
#include "platform/DriveMap.h"
#include "platform/Launcher.h"
#include "platform/ListFile.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

bool isProgramType(const QString& typePrefix) {
  const QString type = upperCased(typePrefix);
  return type == u"MSI" || type == u"EXE" || type == u"BAT" || type == u"COM";
}

QString runnableProgram(const QString& program, const DriveMap& drives) {
#ifndef Q_OS_WIN
  if (program.size() > 2 && program[1] == u':' && program[2] == u'\\') {
    const NativeLocation where = drives.toNative(program);
    if (where.status == DriveStatus::Ready) return where.path;
  }
#else
  Q_UNUSED(drives);
#endif
  return program;
}

}  // namespace

OpenPlan planOpen(const QString& entry, const QString& nativeFolder, const AssociationTable& table,
                  const DriveMap& drives) {
  OpenPlan plan;
  plan.fileName = fileNameOfEntry(entry);
  const QString path = nativeFolder + plan.fileName;
  const QString type = typePrefixOf(entry);
  if (isProgramType(type)) {
    plan.kind = OpenPlan::Program;
    plan.program = path;
    plan.commandLine = path;
    return plan;
  }
  const QString program = table.programFor(type);
  if (program.isEmpty()) return plan;
  plan.kind = OpenPlan::Association;
  plan.program = runnableProgram(program, drives);
  plan.arguments = {path};
  plan.commandLine = program + QStringLiteral(" \"") + path + u'"';
  return plan;
}

OpenOutcome openEntry(const QString& entry, const QString& nativeFolder, const AssociationTable& table,
                      const DriveMap& drives, const QString& appFolder) {
  OpenOutcome outcome;
  outcome.plan = planOpen(entry, nativeFolder, table, drives);
  if (outcome.plan.kind == OpenPlan::NoAssociation) {
    outcome.error = QStringLiteral("No program is associated with the type %1.").arg(typePrefixOf(entry));
    return outcome;
  }
  const LaunchResult launch = startDetached(outcome.plan.program, outcome.plan.arguments);
  if (!launch.started) {
    outcome.error = launch.error;
    return outcome;
  }
  outcome.started = true;
  ListFile::rewrite(appFolder + QStringLiteral("ttt.ttt"), {outcome.plan.commandLine});
  return outcome;
}

QString noAssociationMessage() {
  return QStringLiteral("Maybe this does not have an association!\n\nRClick on the file to set associations...");
}

}  // namespace quilmo::library
