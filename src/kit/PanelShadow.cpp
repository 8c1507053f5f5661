#include "kit/PanelShadow.h"

#include <QPainter>

namespace quilmo {

namespace {
constexpr int kSpread = 7;   // how far the shadow fades out around the panel
constexpr int kOffset = 3;   // down and to the right, as if lit from the top left
constexpr int kLayerAlpha = 9;  // each layer; the layers add up towards the panel
}  // namespace

PanelShadow::PanelShadow(QWidget* panel) : QWidget(panel->parentWidget()), panel_(panel) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void PanelShadow::follow(bool panelShown) {
  setVisible(panelShown);
  if (!panelShown) return;
  setGeometry(panel_->geometry().translated(kOffset, kOffset).adjusted(-kSpread, -kSpread, kSpread, kSpread));
  stackUnder(panel_);
}

void PanelShadow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, kLayerAlpha));
  const QRectF core = QRectF(rect()).adjusted(kSpread, kSpread, -kSpread, -kSpread);
  for (int layer = kSpread; layer > 0; --layer)
    painter.drawRoundedRect(core.adjusted(-layer, -layer, layer, layer), layer, layer);
}

}  // namespace quilmo
