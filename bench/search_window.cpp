// The window's global search over every disc of a data folder, from START to the finish,
// over the stand-in window of the panel tests: the panels and the engine the program runs,
// without a screen.
//   search_window DATA APP WORDS [STOP_MS]
// With STOP_MS, "Find Global" is pressed again (STOP) that many milliseconds after START,
// and the time from that press to the end of the search is reported.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "scope/SearchScopePanel.h"
#include "search/GlobalSearchPanel.h"
#include "search/SearchQueue.h"
#include "support/FakeWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: search_window DATA APP WORDS [STOP_MS]\n");
    return 2;
  }
  const QString data = QString::fromLocal8Bit(argv[1]) + u'/';
  quilmo::test::FakeWindow window(data, QString::fromLocal8Bit(argv[2]) + u'/');
  auto* search = quilmo::panels::attachGlobalSearch(window);
  auto* scope = quilmo::panels::attachSearchScope(window);
  search->inExtLys = [scope] { scope->inExtLys(); };
  scope->findGlobal = [search] { search->findGlobal(); };
  window.get<QComboBox>(QStringLiteral("TeX"))->addItems(quilmo::search::discList(data));
  window.get<QComboBox>(QStringLiteral("FTex"))->setEditText(QString::fromLocal8Bit(argv[3]));
  search->findGlobal();  // opens the panel
  window.get<QListWidget>(QStringLiteral("SoekLys"))->selectAll();

  // How often the counter was seen to change while the search ran, at each turn of the
  // event loop (the window repaints only then).
  auto* links = window.get<QLabel>(QStringLiteral("LinkTel"));
  auto* button = window.get<QPushButton>(QStringLiteral("GCom(4)"));
  auto* status = window.get<QLabel>(QStringLiteral("LaB"));
  int counterMoves = 0, turns = 0;
  qint64 searched = -1;  // when the finish began: the search without the report's display
  QString lastCount;
  QElapsedTimer clock;
  QTimer tick;
  tick.setInterval(0);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (searched < 0 && status->text() == QStringLiteral("Loading Quick-Report data")) searched = clock.elapsed();
    if (button->text() == QStringLiteral("Find Global")) return;
    ++turns;
    if (links->text() != lastCount) ++counterMoves, lastCount = links->text();
  });
  tick.start();

  qint64 pressedAt = -1;
  if (argc == 5) {
    QTimer::singleShot(QString::fromLocal8Bit(argv[4]).toInt(), [&] {
      pressedAt = clock.elapsed();
      search->findGlobal();
    });
  }
  clock.start();
  window.get<QPushButton>(QStringLiteral("SoekCom(3)"))->click();  // START
  const qint64 ms = clock.elapsed();

  std::printf("window search %lld ms (finish began at %lld ms), %s, counter moved %d times in %d event-loop turns",
              static_cast<long long>(ms), static_cast<long long>(searched), qPrintable(status->text()), counterMoves,
              turns);
  if (pressedAt >= 0) std::printf(", STOP pressed at %lld ms, ended %lld ms later", static_cast<long long>(pressedAt),
                                  static_cast<long long>(ms - pressedAt));
  std::printf("\n");
  return status->text().startsWith(QStringLiteral("Finished searching")) ? 0 : 1;
}
