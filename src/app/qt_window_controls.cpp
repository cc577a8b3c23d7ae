#include "app/qt_window_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QRadioButton>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/qt_text.h"

QtWindowControls::QtWindowControls(MainWindow& window) : window_(window), thread_(window.Thread()) {}

ReportListModel* QtWindowControls::Rows(ControlName list) const {
  auto* view = window_.ControlAs<ReportList>(list);
  return view ? &view->Rows() : nullptr;
}

// The texts are converted on the calling thread; the window's thread only reads or sets
// the box, so a worker reading a long text keeps the window answering.
Text QtWindowControls::EditText(ControlName box) {
  const QString text = OnWindowThread([&] {
    if (auto* line = window_.ControlAs<EditBox>(box)) return line->text();
    if (auto* multi = window_.ControlAs<MultiLineEditBox>(box)) return multi->RawText();
    return QString();
  });
  return IsMultiLineEdit(box) ? TextOfBlocks(text) : FromQString(text);
}

void QtWindowControls::SetEditText(ControlName box, const Text& text) {
  const QString converted = IsMultiLineEdit(box) ? BlocksOfText(text) : ToQString(text);
  OnWindowThread([&] {
    if (auto* line = window_.ControlAs<EditBox>(box)) line->SetTextFromProgram(converted);
    if (auto* multi = window_.ControlAs<MultiLineEditBox>(box)) multi->SetBlocks(converted);
  });
}

void QtWindowControls::AppendEditText(ControlName box, const Text& text) {
  const QString blocks = BlocksOfText(text);
  OnWindowThread([&] {
    if (auto* multi = window_.ControlAs<MultiLineEditBox>(box)) multi->AppendBlocks(blocks);
  });
}

bool QtWindowControls::IsChecked(ControlName button) {
  return OnWindowThread([&] {
    auto* radio = window_.ControlAs<QRadioButton>(button);
    return radio && radio->isChecked();
  });
}

void QtWindowControls::Check(ControlName button) {
  OnWindowThread([&] {
    if (auto* radio = window_.ControlAs<QRadioButton>(button)) radio->setChecked(true);
  });
}

int QtWindowControls::CurrentSelection(ControlName list) {
  return OnWindowThread([&] {
    auto* dropDown = window_.ControlAs<DropDownList>(list);
    return dropDown ? dropDown->currentIndex() : -1;
  });
}

void QtWindowControls::SetLabelText(ControlName label, const Text& text) {
  OnWindowThread([&] {
    if (auto* transparent = window_.ControlAs<TransparentLabel>(label)) transparent->setText(ToQString(text));
  });
}

void QtWindowControls::SetCaption(const Text& caption) {
  OnWindowThread([&] { window_.setWindowTitle(ToQString(caption)); });
}

void QtWindowControls::SetOuterWidth(int width) {
  OnWindowThread([&] { window_.SetOuterWidth(width); });
}

void QtWindowControls::Destroy() {
  OnWindowThread([&] { window_.RequestDestroy(); });
}

int QtWindowControls::AppendRow(ControlName list) {
  return OnWindowThread([&] {
    auto* rows = Rows(list);
    return rows ? rows->AppendRow() : -1;
  });
}

void QtWindowControls::SetCellText(ControlName list, int row, int column, const Text& text) {
  OnWindowThread([&] {
    if (auto* rows = Rows(list)) rows->SetCellText(row, column, text);
  });
}

Text QtWindowControls::CellText(ControlName list, int row, int column) {
  return OnWindowThread([&] {
    auto* rows = Rows(list);
    return rows ? rows->CellText(row, column) : Text();
  });
}

int QtWindowControls::RowCount(ControlName list) {
  return OnWindowThread([&] {
    auto* rows = Rows(list);
    return rows ? rows->RowCount() : 0;
  });
}

void QtWindowControls::DeleteAllRows(ControlName list) {
  OnWindowThread([&] {
    if (auto* rows = Rows(list)) rows->DeleteAllRows();
  });
}

void QtWindowControls::SetItemData(ControlName list, int row, std::uint32_t data) {
  OnWindowThread([&] {
    if (auto* rows = Rows(list)) rows->SetItemData(row, data);
  });
}

void QtWindowControls::SortRows(ControlName list, std::intptr_t sortValue, const RowComparison& compare) {
  OnWindowThread([&] {
    if (auto* rows = Rows(list)) rows->SortRows(sortValue, compare);
  });
}

void QtWindowControls::SubItemHitTest(ControlName list, HitTestRecord& record) {
  OnWindowThread([&] {
    auto* view = window_.ControlAs<ReportList>(list);
    if (!view) return;
    // The point is in the list's own area, the viewport's coordinates.
    record.item = view->rowAt(record.y);
    record.subItem = record.item < 0 ? -1 : view->columnAt(record.x);
    constexpr std::uint32_t kOnItem = 0x0E, kNowhere = 0x01;
    record.flags = record.item < 0 ? kNowhere : kOnItem;
  });
}

bool QtWindowControls::RunAsOneOperation(const std::function<void()>& operations) {
  return thread_->Run([&] {
    auto* records = Rows(control::超级列表框1);
    auto* statistics = Rows(control::超级列表框2);
    records->BeginBulk();
    statistics->BeginBulk();
    operations();
    statistics->EndBulk();
    records->EndBulk();
  });
}

void QtWindowControls::ProcessPendingEvents() {
  // Posted events included, so operations that workers are waiting on are carried out.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

Text QtClipboard::ReadText() {
  Text text;
  thread_->Run([&] { text = FromQString(QApplication::clipboard()->text(QClipboard::Clipboard)); });
  return text;
}

void QtClipboard::WriteText(const Text& text) {
  thread_->Run([&] { QApplication::clipboard()->setText(ToQString(text), QClipboard::Clipboard); });
}
