#include "support/PanelTests.h"

#include <QApplication>
#include <QList>
#include <QTest>
#include <memory>

namespace quilmo::test {

namespace {
QList<std::function<QObject*()>>& registered() {
  static QList<std::function<QObject*()>> all;
  return all;
}
}  // namespace

int registerPanelTest(std::function<QObject*()> make) {
  registered().append(std::move(make));
  return int(registered().size());
}

}  // namespace quilmo::test

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN does
  int failed = 0;
  for (const auto& make : quilmo::test::registered()) {
    std::unique_ptr<QObject> test(make());
    failed += QTest::qExec(test.get(), argc, argv) != 0;
  }
  return failed == 0 ? 0 : 1;
}
