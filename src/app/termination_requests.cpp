#include "app/termination_requests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>

namespace {

int wakeUp[2] = {-1, -1};

void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

}  // namespace

TerminationRequests::TerminationRequests(QWidget& window) : QObject(&window), notifier_(nullptr) {
  if (wakeUp[0] < 0 && ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, &window, [&window] {
    char bytes[16];
    while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
    }
    window.close();
  });
  struct sigaction action {};
  action.sa_handler = &OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}
