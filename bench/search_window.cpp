// The window's global search over every disc of a data folder, from START to the finish,
// in the real main window without a screen: the panels and the engine the program runs.
//   search_window DATA APP WORDS [STOP_MS]
// With STOP_MS, "Find Global" is pressed again (STOP) that many milliseconds after START,
// and the time from that press to the end of the search is reported. The question that
// offers to save the report is answered "NO".
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "kit/ControlTexts.h"
#include "shell/Quilmo.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: search_window DATA APP WORDS [STOP_MS]\n");
    return 2;
  }
  qputenv("QUILMO_APP_FOLDER", QByteArray(argv[2]) + '/');
  QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
  quilmo::Quilmo window;
  window.start({});
  const auto byName = [&window](const quilmo::names::ControlText& text) {
    return window.findChild<QPushButton*>(text.objectName());
  };
  window.controls().find.words->setEditText(QString::fromLocal8Bit(argv[3]));
  window.GCom(quilmo::names::Command::FindGlobal);  // opens the search panel
  window.controls().scope.discs->selectAll();

  // How often the counter was seen to change while the search ran, at each turn of the
  // event loop (the window repaints only then).
  auto* links = window.controls().viewBar.row;
  auto* status = window.controls().status.line;
  QWidget* question = window.findChild<QWidget*>(quilmo::names::message::panel.objectName());
  int counterMoves = 0, turns = 0;
  qint64 searched = -1;  // when the finish began: the search without the report's display
  QString lastCount;
  QElapsedTimer clock;
  QTimer tick;
  tick.setInterval(0);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (question->isVisible() && window.values().msgAnswer == 0) byName(quilmo::names::message::buttons[1])->click();
    if (searched < 0 && status->text() == QStringLiteral("Loading Quick-Report data")) searched = clock.elapsed();
    if (window.controls().find.findGlobal->text() == QStringLiteral("Find Global")) return;
    ++turns;
    if (links->text() != lastCount) ++counterMoves, lastCount = links->text();
  });
  tick.start();

  qint64 pressedAt = -1;
  if (argc == 5) {
    QTimer::singleShot(QString::fromLocal8Bit(argv[4]).toInt(), [&] {
      pressedAt = clock.elapsed();
      window.GCom(quilmo::names::Command::FindGlobal);
    });
  }
  clock.start();
  window.controls().scope.start->click();
  const qint64 ms = clock.elapsed();

  std::printf("window search %lld ms (finish began at %lld ms), %s, counter moved %d times in %d event-loop turns",
              static_cast<long long>(ms), static_cast<long long>(searched), qPrintable(status->text()), counterMoves,
              turns);
  if (pressedAt >= 0) std::printf(", STOP pressed at %lld ms, ended %lld ms later", static_cast<long long>(pressedAt),
                                  static_cast<long long>(ms - pressedAt));
  std::printf("\n");
  return status->text().startsWith(QStringLiteral("Finished searching")) ? 0 : 1;
}
