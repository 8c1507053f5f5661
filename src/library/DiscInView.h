#pragma once
// The disc whose catalogue the view RtB shows, and the size and time of each of its files:
// read once when the catalogue is shown, forgotten as soon as the view's text changes. While
// they are known, RtB's hint, and the hint panel hP whenever the caret moves, add the size
// and time of the file on the caret's line.
#include <QObject>
#include <QString>
#include <vector>

#include "capture/DiscFacts.h"

namespace quilmo {
class CatalogueView;
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class DiscInView : public QObject {
  Q_OBJECT
 public:
  explicit DiscInView(PanelServices& services);

  // The catalogue at cataloguePath has just been loaded into RtB.
  void shown(const QString& cataloguePath);
  // The catalogue RtB shows; empty when it shows none (a report, an edited text, nothing).
  const QString& cataloguePath() const { return cataloguePath_; }

 private:
  void forget();
  void showCaretFile();
  QString hintForCaret() const;

  PanelServices& services_;
  CatalogueView* view_;  // RtB
  QString cataloguePath_;
  bool knowsFiles_ = false;
  std::vector<capture::FileFact> files_;  // one per file line of the catalogue, in line order
};

// Follows RtB's caret and text; the panel is the window's child.
DiscInView* attachDiscInView(PanelServices& services);

}  // namespace quilmo::panels
