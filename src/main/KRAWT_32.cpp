// The desktop program.
#include <QApplication>
#include <QTimer>
#include <cstring>

#include "app/qt/Fan.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  wattora::Fan window;
  window.show();
  // --quit: open the window and close it again at once (a smoke test of the desktop build).
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quit") == 0) QTimer::singleShot(0, &window, &QWidget::close);
  }
  return application.exec();
}
