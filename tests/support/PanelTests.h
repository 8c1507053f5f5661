#pragma once
// The panel tests share one executable, since each links the whole window: a test class
// registers itself with QUILMO_PANEL_TEST(Class) and PanelTests.cpp runs them all.
#include <QObject>
#include <functional>

namespace quilmo::test {

int registerPanelTest(std::function<QObject*()> make);

}  // namespace quilmo::test

#define QUILMO_PANEL_TEST(Class) \
  static const int registered##Class = quilmo::test::registerPanelTest([] { return new Class; });
