// The desktop program. All arguments joined with single spaces name an analysis file to
// open at start-up; "--quit" opens the window and closes it again at once (a smoke test).
#include <QApplication>
#include <QTimer>
#include <string>
#include <string_view>

#include "app/qt/Fan.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  wattora::Fan window;
  window.show();
  std::string file;
  bool quit = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--quit") {
      quit = true;
      continue;
    }
    if (!file.empty()) file += ' ';
    file += argv[i];
  }
  if (!file.empty()) window.OpenFromCommandLine(file);
  if (quit) QTimer::singleShot(0, &window, &QWidget::close);
  return application.exec();
}
