#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/window_thread.h"

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      thread_(std::make_shared<WindowThread>(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QString());
  BuildControls();
  // The defined size is the outer size; the client area is what the frame leaves of it.
  winId();
  const QMargins frame = FrameMargins();
  setFixedSize(kDefinedWindowWidth - frame.left() - frame.right(),
               kDefinedWindowHeight - frame.top() - frame.bottom());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.left() + (screen.width() - kDefinedWindowWidth) / 2,
       screen.top() + (screen.height() - kDefinedWindowHeight) / 2);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

MainWindow::~MainWindow() { thread_->Close(); }

QMargins MainWindow::FrameMargins() const {
  return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void MainWindow::BuildControls() {
  const auto& table = ControlTable();
  // Created from the last to the first: later widgets lie on top, and Tab follows creation.
  for (auto definition = table.rbegin(); definition != table.rend(); ++definition) {
    QWidget* widget = nullptr;
    switch (definition->kind) {
      case ControlKind::DropDownList: {
        auto* list = new DropDownList(this);
        for (const char* item : definition->items) list->addItem(QString::fromUtf8(item));
        list->setCurrentIndex(definition->selectedItem);
        widget = list;
        break;
      }
      case ControlKind::PushButton: {
        auto* button = new QPushButton(QString::fromUtf8(definition->text), this);
        button->setAutoDefault(false);
        button->setDefault(false);
        widget = button;
        break;
      }
      case ControlKind::TransparentLabel:
        widget = new TransparentLabel(this);
        break;
      case ControlKind::LineEdit:
        widget = new EditBox(this);
        break;
      case ControlKind::MultiLineEdit:
        widget = new MultiLineEditBox(this);
        break;
      case ControlKind::RadioButton:
        widget = new QRadioButton(this);
        break;
      case ControlKind::ReportList: {
        QStringList headers;
        for (const auto& column : definition->columns) headers << QString::fromUtf8(column.title);
        auto* list = new ReportList(headers, this);
        for (int i = 0; i < static_cast<int>(definition->columns.size()); ++i)
          list->setColumnWidth(i, definition->columns[static_cast<std::size_t>(i)].width);
        widget = list;
        break;
      }
    }
    widget->setObjectName(QString::fromUtf8(definition->name.data(),
                                            static_cast<qsizetype>(definition->name.size())));
    widget->setGeometry(definition->left, definition->top, definition->width, definition->height);
    controls_.emplace(definition->name, widget);
    if (widget->focusPolicy() & Qt::TabFocus) tabStops_.push_back(widget);
  }
}

bool MainWindow::focusNextPrevChild(bool next) {
  // Every tab stop in turn, each radio button included (the toolkit would visit only the
  // checked one of a group), wrapping at both ends.
  if (tabStops_.empty()) return false;
  QWidget* focused = focusWidget();
  auto current = std::find_if(tabStops_.begin(), tabStops_.end(), [&](QWidget* stop) {
    return stop == focused || stop->isAncestorOf(focused);
  });
  const auto count = static_cast<std::ptrdiff_t>(tabStops_.size());
  std::ptrdiff_t at = current == tabStops_.end() ? (next ? -1 : 0) : current - tabStops_.begin();
  at = ((at + (next ? 1 : -1)) % count + count) % count;
  tabStops_[static_cast<std::size_t>(at)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

QWidget* MainWindow::Control(ControlName name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::SetOuterWidth(int width) {
  width = std::clamp(width, 0, 32627);
  const QMargins frame = FrameMargins();
  setFixedWidth(std::max(0, width - frame.left() - frame.right()));
}

void MainWindow::RequestDestroy() {
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::ShowAndActivate() {
  show();
  activateWindow();
  raise();
  if (activatedOnce_) return;
  activatedOnce_ = true;
  emit firstActivated();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (state_ == State::BeingDestroyed) {
    event->ignore();  // the destruction under way goes on; a second one would save twice
    return;
  }
  event->accept();
  if (state_ == State::Gone) return;
  state_ = State::BeingDestroyed;
  emit willBeDestroyed();
  state_ = State::Gone;
  thread_->Close();
  emit gone();
}
