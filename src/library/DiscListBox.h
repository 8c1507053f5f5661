#pragma once
// TeX, the disc list: a drop-down whose entries are kept sorted without regard to case.
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;

namespace quilmo::panels {

// Empties the box and fills it with names, each where it sorts (equal names keep the
// order in which they came), calling afterEntry after each one. The edit text is left empty.
void refillSorted(QComboBox& box, const QStringList& names, const std::function<void()>& afterEntry = {});

// Removes every entry equal to name, ignoring case. The edit text stays as it was: no
// other entry becomes the current one.
void removeEntries(QComboBox& box, const QString& name);

}  // namespace quilmo::panels
