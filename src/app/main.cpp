#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/application.h"

namespace {
std::filesystem::path ExecutableDirectory() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}
}  // namespace

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  // One hit-test record for the whole run, released at the end of the program.
  auto* hitTestRecord = new HitTestRecord{};
  int exitCode = 0;
  {
    Application application(
        {ExecutableDirectory(), VISITOR_TALLY_VERSION_URL, VISITOR_TALLY_CA_FILE}, *hitTestRecord);
    application.Load();
    if (!application.Window().IsGone()) exitCode = QApplication::exec();
  }
  delete hitTestRecord;
  // Workers still running end with the process; nobody waits for them.
  std::fflush(nullptr);
  std::_Exit(exitCode);
}
