#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/window_thread.h"
#include "window_fixture.h"

namespace {

struct ExpectedControl {
  const char* name;
  const char* className;
  QRect place;
  const char* text;
};

// The window definition, stacking order first on top.
const ExpectedControl kControls[] = {
    {"组合框_排序列", "DropDownList", {800, 64, 80, 20}, "0"},
    {"组合框_升降序", "DropDownList", {628, 65, 72, 20}, "降序"},
    {"按钮5", "QPushButton", {628, 32, 80, 30}, "排序"},
    {"透明标签1", "TransparentLabel", {160, 64, 296, 20}, ""},
    {"宝贝标题2", "EditBox", {6, 1, 150, 30}, ""},
    {"宝贝标题1", "EditBox", {158, 33, 80, 30}, ""},
    {"按钮3", "QPushButton", {8, 35, 60, 30}, "清空"},
    {"编辑框5", "MultiLineEditBox", {5, 32, 150, 483}, ""},
    {"单选框4", "QRadioButton", {537, 9, 20, 20}, ""},
    {"编辑框4", "EditBox", {557, 9, 60, 20}, ""},
    {"单选框3", "QRadioButton", {441, 9, 20, 20}, ""},
    {"编辑框3", "EditBox", {461, 9, 60, 20}, ""},
    {"单选框2", "QRadioButton", {345, 9, 20, 20}, ""},
    {"编辑框2", "EditBox", {365, 9, 60, 20}, ""},
    {"编辑框1", "EditBox", {269, 8, 60, 20}, ""},
    {"单选框1", "QRadioButton", {249, 8, 20, 20}, ""},
    {"按钮4", "QPushButton", {628, 2, 80, 30}, "统计"},
    {"宝贝标题", "EditBox", {244, 33, 375, 30}, ""},
    {"按钮2", "QPushButton", {711, 2, 80, 60}, "自动获取"},
    {"超级列表框2", "ReportList", {461, 65, 330, 450}, "次数|入店来源"},
    {"按钮1", "QPushButton", {158, 2, 80, 30}, "手动获取"},
    {"超级列表框1", "ReportList", {158, 85, 300, 430}, "No.|入店来源|访客位置|编号"},
};

QString TextOf(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
  if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) return multi->toPlainText();
  if (auto* list = qobject_cast<QTableView*>(widget)) {
    QStringList headers;
    for (int c = 0; c < list->model()->columnCount(); ++c)
      headers << list->model()->headerData(c, Qt::Horizontal).toString();
    return headers.join('|');
  }
  return "?";
}

using WindowDefinition = WindowTest;

TEST_F(WindowDefinition, EveryControlHasItsNameKindPlaceAndText) {
  EXPECT_EQ(Window().objectName(), "MainWindow");
  QList<QWidget*> children = Window().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  children.removeIf([](QWidget* w) { return w->objectName().isEmpty(); });
  ASSERT_EQ(children.size(), 22);
  for (int i = 0; i < 22; ++i) {
    const ExpectedControl& expected = kControls[i];
    // Created from #22 to #1, so the creation (and stacking) order is the table reversed.
    QWidget* widget = children[21 - i];
    EXPECT_EQ(widget->objectName(), QString::fromUtf8(expected.name));
    EXPECT_STREQ(widget->metaObject()->className(), expected.className) << expected.name;
    EXPECT_EQ(widget->geometry(), expected.place) << expected.name;
    EXPECT_EQ(TextOf(widget), QString::fromUtf8(expected.text)) << expected.name;
    EXPECT_TRUE(widget->isVisible() && widget->isEnabled()) << expected.name;
  }
}

TEST_F(WindowDefinition, OverlappingControlsLieInTableOrder) {
  EXPECT_EQ(Window().childAt(10, 40), Get<QWidget>(control::按钮3));
  QWidget* atSortDirection = Window().childAt(640, 70);
  EXPECT_TRUE(atSortDirection == Get<QWidget>(control::组合框_升降序) ||
              Get<QWidget>(control::组合框_升降序)->isAncestorOf(atSortDirection));
}

TEST_F(WindowDefinition, WindowHasAFixedFrameWithoutMaximiseAndStartsEmpty) {
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
  EXPECT_EQ(Controls().CurrentSelection(control::组合框_排序列), 0);
  EXPECT_EQ(Controls().CurrentSelection(control::组合框_升降序), 1);
  EXPECT_FALSE(Get<QComboBox>(control::组合框_排序列)->isEditable());
  EXPECT_EQ(Get<QTableView>(control::超级列表框1)->columnWidth(0), 35);
  EXPECT_EQ(Get<QTableView>(control::超级列表框2)->columnWidth(1), 250);
  EXPECT_EQ(Get<QTableView>(control::超级列表框2)->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(Get<QTableView>(control::超级列表框2)->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(Get<QLabel>(control::透明标签1)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_EQ(Get<QTableView>(control::超级列表框1)->palette().color(QPalette::Text), QColor(0, 136, 255));
}

TEST_F(WindowDefinition, TabVisitsTheControlsFromTheLastToTheFirstAndWraps) {
  QStringList forward;
  Get<QWidget>(control::超级列表框1)->setFocus();
  for (int i = 0; i < 22; ++i) {
    forward << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QStringList expected;
  for (int i = 21; i >= 0; --i)
    if (QString::fromUtf8(kControls[i].name) != "透明标签1") expected << QString::fromUtf8(kControls[i].name);
  expected << expected.first();  // wrapped round to #22
  EXPECT_EQ(forward, expected);

  QStringList backward;
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    backward << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(backward, (QStringList{"超级列表框1", "组合框_排序列", "组合框_升降序"}));
}

using ControlEvents = WindowTest;

TEST_F(ControlEvents, ProgramSetTextRaisesTextChangedExactlyOnceEvenWhenUnchanged) {
  auto* box = Get<EditBox>(control::宝贝标题);
  int raised = 0;
  Text seen;
  QObject::connect(box, &EditBox::textChangedEvent, [&] {
    ++raised;
    seen = FromQString(box->text());  // the new text is already in place
  });
  Controls().SetEditText(control::宝贝标题, "abc");
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(seen, "abc");
  Controls().SetEditText(control::宝贝标题, "abc");
  EXPECT_EQ(raised, 2);
  Controls().SetEditText(control::宝贝标题, "");
  EXPECT_EQ(raised, 3);
  Type(control::宝贝标题, "x");
  EXPECT_EQ(raised, 4);
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "x");
}

TEST_F(ControlEvents, RadioButtonsClickOnlyForTheUserAndMoveTheCheckFirst) {
  int clicks2 = 0;
  bool threeCheckedAlone = false;
  QObject::connect(Get<QRadioButton>(control::单选框2), &QAbstractButton::clicked, [&] { ++clicks2; });
  QObject::connect(Get<QRadioButton>(control::单选框3), &QAbstractButton::clicked, [&] {
    threeCheckedAlone = Controls().IsChecked(control::单选框3) && !Controls().IsChecked(control::单选框2);
  });
  Controls().Check(control::单选框2);
  EXPECT_TRUE(Controls().IsChecked(control::单选框2));
  EXPECT_EQ(clicks2, 0);
  Click(control::单选框3);
  EXPECT_TRUE(threeCheckedAlone);
}

TEST_F(ControlEvents, LeftPressOnAListComesFromItsOwnAreaAndStillSelects) {
  auto* list = Get<ReportList>(control::超级列表框2);
  for (int i = 0; i < 2; ++i) Controls().AppendRow(control::超级列表框2);
  std::vector<std::array<int, 3>> presses;
  QObject::connect(list, &ReportList::leftMousePressed,
                   [&](int x, int y, int keys) { presses.push_back({x, y, keys}); });
  QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 300));
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 300));
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0], (std::array<int, 3>{20, 300, 2}));
  HitTestRecord record{20, 300, 0, 0, 0};
  Controls().SubItemHitTest(control::超级列表框2, record);
  EXPECT_EQ(record.item, -1);

  QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(presses.size(), 1u);  // the header is not the list's own area

  const int secondRow = list->rowViewportPosition(1) + 2;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(60, secondRow));
  EXPECT_EQ(presses.size(), 2u);
  EXPECT_EQ(list->selectionModel()->selectedRows().value(0).row(), 1);
}

TEST_F(ControlEvents, MissingCellsReadAsEmptyText) {
  const int row = Controls().AppendRow(control::超级列表框1);
  EXPECT_EQ(row, 0);
  Controls().SetCellText(control::超级列表框1, 0, 3, "x");
  EXPECT_EQ(Cell(control::超级列表框1, 0, 3), "x");
  EXPECT_EQ(Cell(control::超级列表框1, -1, 0), "");
  EXPECT_EQ(Cell(control::超级列表框1, 0, 4), "");
  EXPECT_EQ(Cell(control::超级列表框1, 1, 0), "");
}

TEST_F(ControlEvents, EnterBreaksALineInTheVisitorBoxAndEscapeClosesTheWindow) {
  bool saved = false;
  QObject::connect(&Window(), &MainWindow::willBeDestroyed, [&] { saved = !Window().IsGone(); });
  auto* box = Get<MultiLineEditBox>(control::编辑框5);
  box->setFocus();
  QTest::keyClicks(box, "a");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "b");
  EXPECT_EQ(Controls().EditText(control::编辑框5), "a\r\nb");
  EXPECT_FALSE(Window().IsGone());
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_TRUE(Window().IsGone());
  EXPECT_TRUE(saved);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(ControlEvents, VisitorBoxKeepsEveryCharacterWithLinesEndedByCrLf) {
  const Text pasted = G("甲\u00A0乙\u3000丙\r\n\U0001F600\n末\r");
  Controls().SetEditText(control::编辑框5, pasted);
  EXPECT_EQ(Controls().EditText(control::编辑框5), G("甲\u00A0乙\u3000丙\r\n\U0001F600\r\n末\r\n"));
  Controls().AppendEditText(control::编辑框5, "x");
  EXPECT_EQ(Controls().EditText(control::编辑框5), G("甲\u00A0乙\u3000丙\r\n\U0001F600\r\n末\r\nx"));
  auto* box = Get<MultiLineEditBox>(control::编辑框5);
  box->setFocus();
  box->moveCursor(QTextCursor::Start);
  QTest::keyClicks(box, "y");  // the user's edit replaces what the program last set
  EXPECT_EQ(Controls().EditText(control::编辑框5), G("y甲\u00A0乙\u3000丙\r\n\U0001F600\r\n末\r\nx"));
}

TEST_F(ControlEvents, AWorkersOperationsWaitForTheWindowThreadAndAreDroppedOnceItIsGone) {
  Text seen;
  std::atomic<bool> done{false};
  Controls().SetEditText(control::宝贝标题, "kept");
  StartWorker([&] {
    seen = Controls().EditText(control::宝贝标题);
    done = true;
  });
  ASSERT_TRUE(WaitUntil([&] { return done.load(); }));
  EXPECT_EQ(seen, "kept");

  Window().close();
  ASSERT_TRUE(Window().IsGone());
  done = false;
  StartWorker([&] {
    Controls().SetEditText(control::宝贝标题, "late");
    seen = Controls().EditText(control::宝贝标题);
    Controls().AppendRow(control::超级列表框1);
    done = true;
  });
  // Not a single event is processed: the worker must not wait for the window's thread.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(done);
  EXPECT_EQ(seen, "");
  EXPECT_EQ(FromQString(Get<QLineEdit>(control::宝贝标题)->text()), "kept");
  EXPECT_EQ(Get<ReportList>(control::超级列表框1)->Rows().RowCount(), 0);
}

}  // namespace
