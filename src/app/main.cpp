#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("visitor-tally")));
  ApplicationSettings settings;
  settings.runDirectory = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
  settings.versionFile.url = VISITOR_TALLY_VERSION_URL;
  settings.versionFile.caFile = VISITOR_TALLY_CA_FILE;
  const int exitCode = RunProgram(settings);
  // Workers still running end with the process: nobody waits for them.
  std::fflush(nullptr);
  std::_Exit(exitCode);
}
