#pragma once
// "Disc information": what Quilmo knows of one disc (its volume, scan and totals, read once
// as the dialog opens) and its note, which the user may change. A disc without facts shows
// why in their place; its note can still be changed.
//
// Not modal: it may stay open beside the catalogue, and it starts no event loop of its own,
// so a creation or search running in the window's yields never waits for it to close.
#include <QDialog>

class QFormLayout;
class QLabel;
class QLineEdit;

namespace quilmo::panels {

class DiscInfoDialog : public QDialog {
  Q_OBJECT
 public:
  // The disc whose catalogue is cataloguePath, in the data folder dataPath.
  DiscInfoDialog(const QString& cataloguePath, const QString& dataPath, QWidget* parent);

 private:
  void addFacts(QFormLayout* form);
  void addNote(QFormLayout* form);
  void saveNote();

  QString cataloguePath_;
  QString dataPath_;
  QLineEdit* note_ = nullptr;
  QLabel* noteStatus_ = nullptr;
};

}  // namespace quilmo::panels
