#pragma once
// The real program window on the offscreen platform, in a temporary run directory.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "app/application.h"
#include "app/controls.h"
#include "app/qt_text.h"
#include "platform/worker.h"
#include "support/tls_server.h"
#include "text/codepage.h"

inline Text G(const char* utf8) { return FromUtf8(utf8); }

// Processes events until the condition holds; false when it did not within the time.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The version file as published for this version: the check lets the program run.
inline TlsServer& PassingVersionServer() {
  static TlsServer server(HttpResponse("200 OK", FromUtf8("版本【V20191028】")));
  return server;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    runDirectory_ = std::filesystem::temp_directory_path() /
                    ("visitor-tally-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::remove_all(runDirectory_);
    std::filesystem::create_directories(runDirectory_);
    BeforeLoad();
    Start();
  }

  void TearDown() override {
    StopWorkers();
    application_.reset();
    std::filesystem::remove_all(runDirectory_);
  }

  // Runs before the window is loaded: a test's chance to lay down files.
  virtual void BeforeLoad() {}

  void Start() {
    application_ = std::make_unique<Application>(Settings(), hitTestRecord_);
    application_->Load();
    QApplication::setActiveWindow(&Window());
    StopWorkers();  // the loader
  }

  virtual ApplicationSettings Settings() {
    ApplicationSettings settings;
    settings.runDirectory = runDirectory_;
    settings.versionFile.url = PassingVersionServer().Url(kVersionPath);
    settings.versionFile.caFile = TlsServer::CaFile();
    return settings;
  }

  void StopWorkers() {
    EXPECT_TRUE(WaitUntil([] { return RunningWorkerCount() == 0; }));
  }

  MainWindow& Window() { return application_->Window(); }
  WindowControls& Controls() { return application_->Controls(); }
  template <class Widget>
  Widget* Get(ControlName name) {
    auto* widget = Window().ControlAs<Widget>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  void Click(ControlName button) { QTest::mouseClick(Get<QAbstractButton>(button), Qt::LeftButton); }
  void Type(ControlName box, const QString& text) {
    auto* edit = Get<QLineEdit>(box);
    edit->setFocus();
    QTest::keyClicks(edit, text);
  }
  Text Cell(ControlName list, int row, int column) { return Controls().CellText(list, row, column); }
  Text LabelText() { return FromQString(Get<QLabel>(control::透明标签1)->text()); }
  void SetClipboard(const Text& text) { QApplication::clipboard()->setText(ToQString(text)); }

  std::filesystem::path runDirectory_;
  HitTestRecord hitTestRecord_{};
  std::unique_ptr<Application> application_;
  static inline int counter_ = 0;
};
