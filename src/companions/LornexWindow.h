#pragma once
// lornex: a small read-only window that shows one catalogue, its line count and a find
// box. The main window starts it with a catalogue path when the user asks for a new list.
// "Sizes and dates" puts the size and time of each file, from the disc's facts, before
// its line.
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quilmo {
class CatalogueView;
}  // namespace quilmo

namespace quilmo::companions {

class LornexWindow : public QWidget {
  Q_OBJECT
 public:
  // An empty path, or a file that cannot be read, shows a message instead of a catalogue.
  // sizesAndDates: the columns are shown from the start (--long).
  explicit LornexWindow(const QString& path, bool sizesAndDates = false, QWidget* parent = nullptr);

  static QString usage();

 private:
  void load(const QString& path);
  // The catalogue, with the facts' columns when they are asked for and can be trusted.
  bool showCatalogue(QString* error);
  void findNext();
  void showMessage(const QString& message);

  QString path_;
  CatalogueView* view_;
  QLabel* lines_;
  QLabel* message_;
  QCheckBox* sizesAndDates_;
  QLabel* factsNote_;
  QLineEdit* findBox_;
  QLabel* findNote_;
};

}  // namespace quilmo::companions
