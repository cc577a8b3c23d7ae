// Saves a picture of the real window after a fetch, a count and a sort of a generated
// visitors text: window_screenshot OUTPUT.png
#include <QLabel>
#include <QPixmap>

#include "visitor_text_generator.h"
#include "window_bench_support.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  BenchWindow window;
  const VisitorText visitors = GenerateVisitorText(60, 8, 4);
  WindowControls& controls = window.Controls();
  controls.SetEditText(control::宝贝标题1, visitors.lineStart);
  controls.SetEditText(control::宝贝标题, visitors.itemTitle);
  controls.SetEditText(control::编辑框5, visitors.text);
  window.Click(control::按钮1);
  BenchWindow::WaitForWorkers();
  window.Click(control::按钮4);
  window.Click(control::按钮5);
  QCoreApplication::processEvents();
  return window.Picture().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
