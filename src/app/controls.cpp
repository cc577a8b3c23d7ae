#include "app/controls.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextBlock>

#include <limits>

#include "app/qt_text.h"

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
  connect(this, &QLineEdit::textEdited, this, &EditBox::textChangedEvent);
}

void EditBox::SetTextFromProgram(const QString& text) {
  setText(text);
  setCursorPosition(0);
  emit textChangedEvent();
}

QString BlocksOfText(const Text& text) {
  // One pass: replacing in place would move the rest of a large text at every line.
  const QString string = ToQString(text);
  QString blocks;
  blocks.reserve(string.size());
  for (qsizetype i = 0; i < string.size(); ++i) {
    if (string[i] != QLatin1Char('\r')) {
      blocks.append(string[i]);
      continue;
    }
    blocks.append(QLatin1Char('\n'));
    if (i + 1 < string.size() && string[i + 1] == QLatin1Char('\n')) ++i;
  }
  return blocks;
}

Text TextOfBlocks(const QString& raw) {
  // Blocks end with U+2029 and Shift+Enter breaks with U+2028: both are line ends.
  QString lines;
  lines.reserve(raw.size() + raw.size() / 16);
  for (const QChar c : raw) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n')) {
      lines.append(QStringLiteral("\r\n"));
    } else {
      lines.append(c);
    }
  }
  return FromQString(lines);
}

MultiLineEditBox::MultiLineEditBox(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChanged, this, [this] { knownIsCurrent_ = false; });
}

QString MultiLineEditBox::RawText() const {
  if (!knownIsCurrent_) {
    // The raw text keeps every character, no-break spaces too, which the plain text does not.
    known_ = document()->toRawText();
    knownIsCurrent_ = true;
  }
  return known_;
}

void MultiLineEditBox::SetBlocks(const QString& blocks) {
  setPlainText(blocks);
  known_ = blocks;
  knownIsCurrent_ = true;
}

void MultiLineEditBox::AppendBlocks(const QString& blocks) {
  const bool wasCurrent = knownIsCurrent_;
  moveCursor(QTextCursor::End);
  insertPlainText(blocks);
  ensureCursorVisible();
  if (wasCurrent) {
    known_ += blocks;
    knownIsCurrent_ = true;
  }
}

ReportList::ReportList(const QStringList& headers, QWidget* parent)
    : QTableView(parent), rows_(new ReportListModel(headers, this)) {
  setModel(rows_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setShowGrid(true);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setSectionsMovable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(false);
  QFont font = this->font();
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(14);
  font.setWeight(QFont::Normal);
  setFont(font);
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Text, QColor(0, 136, 255));
    colours.setColor(group, QPalette::Base, Qt::white);
  }
  // The selection stays as visible while the list has no focus.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
  viewport()->installEventFilter(this);
}

bool ReportList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::LeftButton) {
      const Qt::KeyboardModifiers keys = press->modifiers();
      const int keyState = (keys & Qt::ControlModifier ? 1 : 0) | (keys & Qt::ShiftModifier ? 2 : 0) |
                           (keys & Qt::AltModifier ? 4 : 0);
      const QPoint at = press->position().toPoint();
      emit leftMousePressed(std::max(0, at.x()), std::max(0, at.y()), keyState);
    }
  }
  return false;  // the list still handles the press
}

namespace {

// Each item of a dropped-down list is one pixel higher than the toolkit's standard row.
class TallerItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
  }
};

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setItemDelegate(new TallerItemDelegate(this));
}

TransparentLabel::TransparentLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_TranslucentBackground);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setWordWrap(false);
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::PlainText);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(0, 128, 0));
  setPalette(colours);
  QFont font = this->font();
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  setFont(font);
}
