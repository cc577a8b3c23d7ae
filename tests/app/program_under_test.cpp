// The real program with the run directory, version address and CA file of a test:
//   program_under_test RUN_DIRECTORY VERSION_URL CA_FILE [fetch|count]
// With "fetch" it presses "手动获取" once the loader is done; with "count" it then waits for
// the fetch and presses "统计". Just before its last press it creates the file "pressed" in
// the run directory.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/program.h"
#include "platform/worker.h"

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  QApplication qtApplication(argc, argv);
  ApplicationSettings settings;
  settings.runDirectory = argv[1];
  settings.versionFile.url = argv[2];
  settings.versionFile.caFile = argv[3];
  const std::string action = argc > 4 ? argv[4] : "";
  QTimer presser;
  bool fetchPressed = false;
  auto press = [&](QWidget* window, const char* button, bool last) {
    if (last) std::ofstream(settings.runDirectory / "pressed") << "1";
    window->findChild<QAbstractButton*>(QString::fromUtf8(button))->click();
  };
  QObject::connect(&presser, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() != "MainWindow" || window->windowTitle() != QString::fromUtf8("加载完成") ||
          RunningWorkerCount() != 0)
        continue;
      if (!fetchPressed) {
        fetchPressed = true;
        press(window, "按钮1", action == "fetch");
        if (action == "fetch") presser.stop();
      } else {
        presser.stop();
        press(window, "按钮4", true);
      }
    }
  });
  if (action == "fetch" || action == "count") presser.start(20);
  const int exitCode = RunProgram(settings);
  std::fflush(nullptr);
  std::_Exit(exitCode);
}
