#pragma once
// The toolkit's controls as the window definition needs them.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include "app/report_list_model.h"
#include "text/text.h"

// A single-line edit box whose text-changed event comes once per change the user makes and
// exactly once per text the program sets, the same text included.
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent);
  void SetTextFromProgram(const QString& text);

 signals:
  void textChangedEvent();
};

// The multi-line edit box. Its text is every character as pasted or set, with lines ended
// by CR LF. The conversions between that text and the box's blocks are free functions, so
// that a worker does them on its own thread and the window's thread only the box's part.
class MultiLineEditBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MultiLineEditBox(QWidget* parent);
  // Blocks separated by U+2029 or LF, every other character as it is.
  QString RawText() const;
  void SetBlocks(const QString& blocks);
  void AppendBlocks(const QString& blocks);

 private:
  // The text as last set or appended by the program, until the user changes it: rebuilding
  // a long text from the document costs the window's thread most of a second.
  mutable QString known_;
  mutable bool knownIsCurrent_ = true;
};

// The box's raw text as the program's text, every block ended by CR LF but the last.
Text TextOfBlocks(const QString& raw);
// The program's text as blocks: CR LF, a lone CR and a lone LF each end one.
QString BlocksOfText(const Text& text);

// A report list: header, full-row single selection, grid lines, no editing or sorting by
// the user. The left-mouse-pressed event comes from its own area only, before the list
// handles the press itself.
class ReportList : public QTableView {
  Q_OBJECT

 public:
  ReportList(const QStringList& headers, QWidget* parent);
  ReportListModel& Rows() { return *rows_; }

 signals:
  void leftMousePressed(int x, int y, int keyState);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ReportListModel* rows_;
};

class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(QWidget* parent);
};

class TransparentLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TransparentLabel(QWidget* parent);
};
