#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/control_names.h"

class WindowThread;

// The one window of the program with its twenty-two controls. Its objectName is
// "MainWindow" and every control's is the control's name.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  QWidget* Control(ControlName name) const;
  template <class Widget>
  Widget* ControlAs(ControlName name) const {
    return qobject_cast<Widget*>(Control(name));
  }

  // The operations of the window's thread; closed when the window is gone.
  const std::shared_ptr<WindowThread>& Thread() const { return thread_; }

  void SetOuterWidth(int width);
  // Queues the window's destruction and returns at once.
  void RequestDestroy();
  // Shows the window, makes it active and raises the first-activated event once.
  void ShowAndActivate();
  bool IsGone() const { return state_ == State::Gone; }

 signals:
  void created();
  void firstActivated();
  void willBeDestroyed();
  void gone();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  enum class State { Open, BeingDestroyed, Gone };
  void BuildControls();
  QMargins FrameMargins() const;

  std::unordered_map<ControlName, QWidget*> controls_;
  std::vector<QWidget*> tabStops_;  // in the order Tab visits them
  std::shared_ptr<WindowThread> thread_;
  State state_ = State::Open;
  bool activatedOnce_ = false;
};
