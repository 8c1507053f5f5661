#pragma once
// XCommandLUP: the program's own command button, drawn from a caption label, a bevel of
// four lines and a background shape, with the caption embossed by a dark shadow copy and a
// white highlight copy. The copies and the bevel appear on the first caption change.
// Its geometry is kept in twips (see Twips.h) and converted to pixels when applied.
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLine>
#include <QPoint>
#include <QSize>
#include <array>

class QLabel;

namespace quilmo {

class XCommandLUP : public QFrame {
  Q_OBJECT
  Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
  Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
  Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)

 public:
  // Everything the caption-change layout places, in twips, for a caption label of W by H.
  struct Geometry {
    QSize control;                 // W + 150 by H + 110
    QPoint caption;                // XLab(0) at (60, 60)
    QPoint shadow, highlight;      // XLab(1) 15 down-right, XLab(2) 15 up-left
    std::array<QLine, 4> bevel;    // Ly(0) left, Ly(1) top, Ly(2) right, Ly(3) bottom
  };
  static Geometry layoutFor(QSize captionTwips);

  explicit XCommandLUP(QWidget* parent = nullptr);

  QColor backColor() const;
  void setBackColor(const QColor& colour);
  QString caption() const;
  void setCaption(const QString& caption);
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  QColor foreColor() const;
  void setForeColor(const QColor& colour);
  QString toolTipText() const;
  void setToolTipText(const QString& text);

  // Size of the caption label XLab(0) in twips; it follows its text.
  QSize captionSizeTwips() const;
  // The geometry now applied, in twips.
  Geometry geometryTwips() const { return geometry_; }
  bool isEmbossed() const { return copiesMade_; }
  // Raises Click, as a click on the caption or Space does (screen readers press it so).
  void click();

 Q_SIGNALS:
  void Change();
  void Click();
  // Button and Shift as the label's mouse event gives them; X and Y in twips.
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void placeSimple();      // Initialize and Resize
  void captionChanged();   // the caption-change layout
  void makeCopies();
  void apply(const Geometry& g);
  QLabel* newCaptionLabel(int index);

  QLabel* caption_;                       // XLab(0)
  std::array<QLabel*, 2> copies_{};       // XLab(1), XLab(2)
  std::array<QWidget*, 4> bevel_{};       // Ly(0..3)
  QFrame* shape_;                         // Shape1
  Geometry geometry_;
  bool copiesMade_ = false;               // XLab(0).Tag = "2"
};

}  // namespace quilmo
