#pragma once
// lornex: a small read-only window that shows one catalogue, its line count and a find
// box. The main window starts it with a catalogue path when the user asks for a new list.
#include <QWidget>

class QLabel;
class QLineEdit;

namespace quilmo {
class CatalogueView;
}  // namespace quilmo::companions

namespace quilmo::companions {

class LornexWindow : public QWidget {
  Q_OBJECT
 public:
  // An empty path, or a file that cannot be read, shows a message instead of a catalogue.
  explicit LornexWindow(const QString& path, QWidget* parent = nullptr);

  static QString usage();

 private:
  void load(const QString& path);
  void findNext();
  void showMessage(const QString& message);

  CatalogueView* view_;
  QLabel* lines_;
  QLabel* message_;
  QLineEdit* findBox_;
  QLabel* findNote_;
};

}  // namespace quilmo::companions
