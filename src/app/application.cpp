#include "app/application.h"

#include <QPushButton>
#include <QRadioButton>

#include "app/controls.h"
#include "app/qt_window_controls.h"
#include "platform/worker.h"
#include "store/settings.h"
#include "update/version_check.h"

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
  QObject::connect(window_.get(), &MainWindow::created, window_.get(), [this] { PrepareMainWindow(); });
  QObject::connect(window_.get(), &MainWindow::firstActivated, window_.get(),
                   [this] { PublishedVersionCheck(*controls_, settings_.versionFile, messageBox_); });
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
  clicked(control::按钮3, [this] { ClearVisitorText(*controls_, settings_.runDirectory); });
  clicked(control::按钮4, [this] { CountEntrySources(*controls_, countGeneration_); });
  clicked(control::按钮5, [this] { SortStatisticsList(*controls_, collation_); });
  QObject::connect(window.ControlAs<ReportList>(control::超级列表框2), &ReportList::leftMousePressed, &window,
                   [this](int x, int y, int keyState) {
                     CopyClickedCell(*controls_, *fetch_.clipboard, hitTestRecord_, x, y, keyState);
                   });

  for (const KeptBox& kept : KeptBoxes())
    QObject::connect(window.ControlAs<EditBox>(kept.box), &EditBox::textChangedEvent, &window,
                     [this, kept] { SaveNote(*controls_, settings_.runDirectory, kept.box, kept.key); });
  QObject::connect(window.ControlAs<EditBox>(control::宝贝标题), &EditBox::textChangedEvent, &window,
                   [this] { SaveItemTitle(*controls_, settings_.runDirectory); });
  for (int slot = 1; slot <= 4; ++slot)
    QObject::connect(window.ControlAs<QRadioButton>(TitleSlotButton(slot)), &QRadioButton::clicked, &window,
                     [this, slot] { SelectTitleSlot(*controls_, settings_.runDirectory, slot); });

  QObject::connect(&window, &MainWindow::willBeDestroyed, &window,
                   [this] { SaveVisitorText(*controls_, settings_.runDirectory, *visitorText_); });
}

void Application::PrepareMainWindow() {
  controls_->SetOuterWidth(800);
  StartWorker([controls = controls_, runDirectory = settings_.runDirectory, visitorText = visitorText_] {
    LoadSavedState(*controls, runDirectory, *visitorText);
  });
}
