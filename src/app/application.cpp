#include "app/application.h"

#include <QPushButton>

#include "app/qt_window_controls.h"

Application::Application(ApplicationSettings settings, HitTestRecord& hitTestRecord)
    : settings_(std::move(settings)), hitTestRecord_(hitTestRecord) {}

Application::~Application() {
  if (window_) window_->Thread()->Close();
}

void Application::Load() {
  window_ = std::make_unique<MainWindow>();
  controls_ = std::make_shared<QtWindowControls>(*window_);
  fetch_ = FetchServices{controls_, std::make_shared<QtClipboard>(window_->Thread()),
                         std::make_shared<FetchQueue>()};
  BindEvents();
  emit window_->created();
  window_->ShowAndActivate();
}

void Application::BindEvents() {
  MainWindow& window = *window_;
  auto clicked = [&](ControlName button, auto handler) {
    QObject::connect(window.ControlAs<QPushButton>(button), &QPushButton::clicked, &window, handler);
  };
  clicked(control::按钮1, [this] { ManualFetch(fetch_); });
  clicked(control::按钮2, [this] { AutomaticFetch(fetch_); });
}
