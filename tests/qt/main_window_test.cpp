#include "app/qt/Fan.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace wattora {
namespace {

TEST(MainWindow, OpensWithTheFirstBuildAndCloses) {
  int argc = 1;
  char name[] = "wattora_qt_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  Fan window;
  window.show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.State().table.ParameterCount(), 59);
  EXPECT_TRUE(window.State().WindowCreated);
  window.close();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace wattora
