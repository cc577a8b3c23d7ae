#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "extract/extraction.h"
#include "app/qt_collation.h"
#include "app/qt_message_box.h"
#include "platform/https_fetch.h"
#include "platform/hit_test_record.h"
#include "stats/statistics.h"
#include "store/visitor_text.h"

struct ApplicationSettings {
  std::filesystem::path runDirectory;  // where the program keeps its two files
  HttpsFetchOptions versionFile;       // the published version file's address and TLS trust
};

// The program's window with every handler bound to its event, and the services they use.
class Application {
 public:
  Application(ApplicationSettings settings, HitTestRecord& hitTestRecord);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Builds the window hidden, raises its created event, shows it and raises its first
  // activation; returns when the first-activation handler has.
  void Load();

  MainWindow& Window() { return *window_; }
  WindowControls& Controls() { return *controls_; }

 private:
  void BindEvents();
  // Handler of the window's created event, while the window is still hidden.
  void PrepareMainWindow();

  ApplicationSettings settings_;
  HitTestRecord& hitTestRecord_;
  std::unique_ptr<MainWindow> window_;
  std::shared_ptr<WindowControls> controls_;
  FetchServices fetch_;
  std::shared_ptr<VisitorTextState> visitorText_ = std::make_shared<VisitorTextState>();
  CountGeneration countGeneration_;
  QtCollation collation_;
  QtMessageBox messageBox_;
};
