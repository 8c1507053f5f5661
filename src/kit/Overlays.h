#pragma once
// Panels that are hidden until asked for (the message panel, the find menu, the search
// panel, ...) float over the catalogue view instead of taking room in the layout. Each is
// placed at its anchor whenever it is shown or the view moves.
#include <QHash>
#include <QObject>

class QWidget;

namespace quilmo {

class PanelShadow;

class Overlays : public QObject {
  Q_OBJECT
 public:
  enum class Anchor { Center, TopLeft, TopRight, BottomLeft, RightColumn, WindowTopRight };

  // Panels are children of host; the anchors are taken from the area's geometry.
  Overlays(QWidget* host, QWidget* area);
  void add(QWidget* panel, Anchor anchor);
  void place(QWidget* panel);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* host_;
  QWidget* area_;
  struct Placed {
    Anchor anchor = Anchor::Center;
    PanelShadow* shadow = nullptr;
  };
  QHash<QWidget*, Placed> anchors_;
};

}  // namespace quilmo
