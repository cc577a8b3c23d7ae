#include "app/program.h"

#include <QApplication>

#include <functional>
#include <vector>

#include "app/termination_requests.h"

int RunProgram(const ApplicationSettings& settings) {
  std::vector<std::function<void()>> endOfProgramHooks;
  // One hit-test record for the whole run, released when the program ends.
  auto* hitTestRecord = new HitTestRecord{};
  endOfProgramHooks.push_back([hitTestRecord] { delete hitTestRecord; });

  int exitCode = 0;
  {
    Application application(settings, *hitTestRecord);
    application.Load();
    TerminationRequests terminationRequests(application.Window());
    if (!application.Window().IsGone()) exitCode = QApplication::exec();
  }
  for (const auto& hook : endOfProgramHooks) hook();
  return exitCode;
}
