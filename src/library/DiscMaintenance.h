#pragma once
// Rename and delete discs, and undo the last rename or delete: catalogue files with their
// side files (SideFileSteps), the disc list (rewritten with its backup) and the per-disc
// "Size" sections of the settings store. A delete keeps the catalogues and side files aside
// (KeptCatalogues) until the next change of the list, so its undo brings them back. Used by
// the maintenance buttons of the window and by quilmo-cli; neither asks questions here.
//
// Each action takes the library lock, reads the disc list again under it (another program
// may have changed it since the caller showed it), and journals the whole change before
// it touches a file (see PendingChange), so a crash at any step leaves a library that
// reads correctly and that the next program finishes.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "library/StepError.h"

namespace quilmo {
class SettingsStore;
}

namespace quilmo::library {

struct PendingChange;

struct MaintenanceResult {
  // Set when the action was refused before anything changed. An empty refusal with
  // refused set means "nothing to do, say nothing" (a rename to the same name).
  bool refused = false;
  QString refusal;
  StepErrors errors;  // failed steps; the action went on past each
  // Listed names that are not usable file names: their list entries went, but no file
  // was touched for them.
  QStringList skipped;
  // The disc the change renamed, old name and new: a rename, or the undo of one.
  std::optional<std::pair<QString, QString>> renamed;
};

class DiscMaintenance {
 public:
  // discs: the settings store of application "Quilmo" (one section per disc).
  DiscMaintenance(const QString& dataPath, SettingsStore& discs);

  // Called after each list entry of a long walk (the window yields there at level 5).
  void setAfterEntry(std::function<void()> hook) { afterEntry_ = std::move(hook); }

  // Renames disc `from` (a listed name, any letter case) to `to`.
  MaintenanceResult rename(const QString& from, const QString& to);
  // Deletes discs by name; refused, changing nothing, when one is not listed.
  MaintenanceResult remove(const QStringList& names);
  // Undoes the last rename or delete: list, catalogues and sizes. Refused, changing
  // nothing, when there is none, when the list changed since (a disc created, another
  // program), or when a catalogue cannot go back. An undo leaves nothing to undo.
  MaintenanceResult undoListChange();

  // Refusal of a rename before anything changes; empty when it may go ahead.
  QString whyRenameIsRefused(const QStringList& list, const QString& from, const QString& to) const;

  static QString notListed(const QString& name);

 private:
  // Runs change(list) on the list as it is under the lock.
  MaintenanceResult locked(const std::function<MaintenanceResult(const QStringList&)>& change);
  // Journals the change of the list `before`, then carries it out.
  MaintenanceResult apply(const QStringList& before, const PendingChange& change, const QStringList& skipped = {});
  QString catalogueFile(const QString& name) const;
  // The undo puts the disc's size back as it was, or leaves it absent.
  void undoSize(PendingChange& undo, const QString& disc) const;
  QString whyUndoIsBlocked(const PendingChange& undo) const;

  QString dataPath_;
  SettingsStore& discs_;
  std::function<void()> afterEntry_;
};

}  // namespace quilmo::library
