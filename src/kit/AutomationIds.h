#pragma once
// With QUILMO_AUTOMATION_IDS=1 every widget's accessibleDescription is its objectName, for
// windows and dialogs built later too, so outside tools can find controls by name.
class QWidget;

namespace quilmo {

bool automationIdsWanted();
// Installs the application-wide watcher once; later widgets get their id when polished.
void enableAutomationIds();
// Gives the ids at once to a widget and every widget below it.
void applyAutomationIds(QWidget* root);

}  // namespace quilmo
