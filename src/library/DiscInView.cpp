#include "library/DiscInView.h"

#include <QLabel>
#include <utility>

#include "capture/FactsText.h"
#include "kit/ControlTexts.h"
#include "kit/PanelServices.h"
#include "kit/WidgetFactory.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {
QString plainHint() { return names::viewBar::view.hintText(); }
}  // namespace

DiscInView::DiscInView(PanelServices& services)
    : QObject(services.window()), services_(services), view_(services.controls().viewBar.view) {
  connect(view_, &CatalogueView::contentChanged, this, &DiscInView::forget);
  connect(view_, &CatalogueView::selectionChanged, this, &DiscInView::showCaretFile);
}

void DiscInView::shown(const QString& cataloguePath) {
  forget();
  cataloguePath_ = cataloguePath;
  capture::FactsReading reading = capture::readDiscFacts(cataloguePath);
  knowsFiles_ = reading.state == capture::FactsState::Read;
  if (!knowsFiles_) return;
  files_ = std::move(reading.facts.lines);
  showCaretFile();
}

void DiscInView::forget() {
  cataloguePath_.clear();
  if (!std::exchange(knowsFiles_, false)) return;
  std::vector<capture::FileFact>().swap(files_);  // a million files hold 16 MB
  // The hint panel no longer speaks of a file that left the view.
  const bool hintShown = services_.controls().status.hint->text() == ui::hintOf(view_);
  ui::storeHint(view_, plainHint());
  if (hintShown) services_.setHint(plainHint());
}

void DiscInView::showCaretFile() {
  if (!knowsFiles_) return;
  const QString hint = hintForCaret();
  ui::storeHint(view_, hint);
  services_.setHint(hint);
}

QString DiscInView::hintForCaret() const {
  // Facts are only read while their catalogue is unchanged since the walk wrote both, so
  // its file lines are its first lines, in the facts' order; the totals line comes after.
  const qint64 line = view_->lineOfPosition(view_->caretPosition());
  if (line >= qint64(files_.size())) return plainHint();
  return plainHint() + QStringLiteral("  —  ") + capture::fileFactText(files_[size_t(line)]);
}

DiscInView* attachDiscInView(PanelServices& services) { return new DiscInView(services); }

}  // namespace quilmo::panels
