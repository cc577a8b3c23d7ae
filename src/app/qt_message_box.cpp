#include "app/qt_message_box.h"

#include <QMessageBox>

#include "app/qt_text.h"

void QtMessageBox::Show(const Text& text, const Text& title) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);  // no owner, yet the program's windows wait
  box.exec();
}
