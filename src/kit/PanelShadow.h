#pragma once
// A soft shadow under a floating panel, painted by a widget of its own just below the
// panel. Unlike a graphics effect on the panel, it is painted only when the panel moves
// or appears: a counter ticking inside the panel repaints the counter alone.
#include <QWidget>

namespace quilmo {

class PanelShadow : public QWidget {
 public:
  explicit PanelShadow(QWidget* panel);

  // Follows the panel: shown or not, its place, and a place just below it.
  void follow(bool panelShown);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* panel_;
};

}  // namespace quilmo
