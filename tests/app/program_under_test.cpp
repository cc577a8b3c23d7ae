// The real program with the run directory, version address and CA file of a test:
//   program_under_test RUN_DIRECTORY VERSION_URL CA_FILE [fetch]
// With "fetch" it presses "手动获取" once the loader is done and then creates the file
// "fetch-pressed" in the run directory.
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
  QTimer pressFetch;
  if (argc > 4 && std::string(argv[4]) == "fetch") {
    QObject::connect(&pressFetch, &QTimer::timeout, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != "MainWindow" || window->windowTitle() != QString::fromUtf8("加载完成") ||
            RunningWorkerCount() != 0)
          continue;
        pressFetch.stop();
        window->findChild<QAbstractButton*>(QString::fromUtf8("按钮1"))->click();
        std::ofstream(settings.runDirectory / "fetch-pressed") << "1";
      }
    });
    pressFetch.start(20);
  }
  const int exitCode = RunProgram(settings);
  std::fflush(nullptr);
  std::_Exit(exitCode);
}
