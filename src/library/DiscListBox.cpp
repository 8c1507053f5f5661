#include "library/DiscListBox.h"

#include <QComboBox>

#include "platform/TextCase.h"

namespace quilmo::panels {

void refillSorted(QComboBox& box, const QStringList& names, const std::function<void()>& afterEntry) {
  box.clear();
  QStringList sorted;
  for (const QString& name : names) {
    const int at = sortedInsertPosition(sorted, name);
    sorted.insert(at, name);
    box.insertItem(at, name);
    if (afterEntry) afterEntry();
  }
  box.setCurrentIndex(-1);
  box.setEditText(QString());
}

void removeEntries(QComboBox& box, const QString& name) {
  const QString text = box.currentText();
  for (int i = box.count() - 1; i >= 0; --i)
    if (equalsIgnoringCase(box.itemText(i), name)) box.removeItem(i);
  if (box.currentText() == text) return;
  box.setCurrentIndex(-1);
  box.setEditText(text);
}

}  // namespace quilmo::panels
