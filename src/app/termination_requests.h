#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// A request of the system to end the program (SIGTERM at logout or shutdown, SIGINT, SIGHUP)
// closes the window like its close box, so the visitor text is saved as at any close.
class TerminationRequests : public QObject {
  Q_OBJECT

 public:
  explicit TerminationRequests(QWidget& window);
  ~TerminationRequests() override;

 private:
  QSocketNotifier* notifier_;
};
