#pragma once
// The real window on the offscreen platform for the benchmarks, with a local version server
// that lets it run, and a probe of how late the window answers posted events.

#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/application.h"
#include "platform/worker.h"
#include "support/tls_server.h"

class BenchWindow {
 public:
  BenchWindow()
      : server_(HttpResponse("200 OK", FromUtf8("版本【V20191028】"))),
        directory_(std::filesystem::temp_directory_path() / ("visitor-tally-bench-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(directory_);
    std::filesystem::create_directories(directory_);
    ApplicationSettings settings;
    settings.runDirectory = directory_;
    settings.versionFile.url = server_.Url(kVersionPath);
    settings.versionFile.caFile = TlsServer::CaFile();
    application_ = std::make_unique<Application>(settings, record_);
    application_->Load();
    WaitForWorkers();
  }
  ~BenchWindow() {
    WaitForWorkers();
    application_.reset();
    std::filesystem::remove_all(directory_);
  }

  WindowControls& Controls() { return application_->Controls(); }
  void Click(ControlName button) { application_->Window().ControlAs<QAbstractButton>(button)->click(); }
  QPixmap Picture() { return application_->Window().grab(); }
  void Choose(ControlName list, int item) { application_->Window().ControlAs<QComboBox>(list)->setCurrentIndex(item); }

  static void WaitForWorkers() {
    while (RunningWorkerCount() > 0) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    QCoreApplication::processEvents();
  }

 private:
  TlsServer server_;
  std::filesystem::path directory_;
  HitTestRecord record_{};
  std::unique_ptr<Application> application_;
};

// The longest time a posted event waited for the window's thread while the probe ran.
class ResponsivenessProbe {
 public:
  ResponsivenessProbe() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const auto now = std::chrono::steady_clock::now();
      worst_ = std::max(worst_, now - last_);
      last_ = now;
    });
    timer_.start(5);
  }
  double WorstLatencyMs() const {
    return std::chrono::duration<double, std::milli>(worst_).count() - 5.0;
  }

 private:
  QTimer timer_;
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration worst_{};
};

inline double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
