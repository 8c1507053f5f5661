#pragma once
// Rename and delete discs: catalogue files, the disc list (rewritten with its backup)
// and the per-disc "Size" sections of the settings store. Used by the maintenance
// buttons of the window and by quilmo-cli; neither asks questions here.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "library/StepError.h"

namespace quilmo {
class SettingsStore;
}

namespace quilmo::library {

struct MaintenanceResult {
  // Set when the action was refused before anything changed. An empty refusal with
  // refused set means "nothing to do, say nothing" (a rename to the same name).
  bool refused = false;
  QString refusal;
  StepErrors errors;  // failed steps; the action went on past each
  int position = -1;  // delete: where the deleted entry stood in the list
};

class DiscMaintenance {
 public:
  // discs: the settings store of application "Quilmo" (one section per disc).
  DiscMaintenance(const QString& dataPath, SettingsStore& discs);

  // Called after each list entry of a long walk (the window yields there at level 5).
  void setAfterEntry(std::function<void()> hook) { afterEntry_ = std::move(hook); }

  // Renames disc `from` (the current entry of `list`) to `to`.
  MaintenanceResult rename(const QStringList& list, const QString& from, const QString& to);
  // Deletes the entry named `name` (found by name, ignoring case).
  MaintenanceResult remove(const QStringList& list, const QString& name);
  // Deletes the entries of `list` at the rows given.
  MaintenanceResult removeRows(const QStringList& list, const QList<int>& rows);
  // Deletes several discs by name; refused, changing nothing, when one is not listed.
  MaintenanceResult removeNamed(const QStringList& list, const QStringList& names);

  // Refusal of a rename before anything changes; empty when it may go ahead.
  QString whyRenameIsRefused(const QStringList& list, const QString& from, const QString& to) const;

  static QString notListed(const QString& name);

 private:
  QString catalogueOf(const QString& name) const;
  void forgetDisc(const QString& name, StepErrors& errors);

  QString dataPath_;
  SettingsStore& discs_;
  std::function<void()> afterEntry_;
};

}  // namespace quilmo::library
