#include <QComboBox>

#include <set>

#include "window_fixture.h"

namespace {

using StatisticsRow = std::pair<Text, Text>;  // count, source

class Statistics : public WindowTest {
 protected:
  void SetSources(const std::vector<Text>& sources) {
    Controls().DeleteAllRows(control::超级列表框1);
    Controls().RunAsOneOperation([&] {
      for (const Text& source : sources) {
        const int row = Controls().AppendRow(control::超级列表框1);
        Controls().SetCellText(control::超级列表框1, row, 1, source);
      }
    });
  }

  std::vector<StatisticsRow> StatisticsRows() {
    std::vector<StatisticsRow> rows;
    for (int r = 0; r < Controls().RowCount(control::超级列表框2); ++r)
      rows.emplace_back(Cell(control::超级列表框2, r, 0), Cell(control::超级列表框2, r, 1));
    return rows;
  }

  std::vector<Text> Column(int column) {
    std::vector<Text> cells;
    for (int r = 0; r < Controls().RowCount(control::超级列表框2); ++r) cells.push_back(Cell(control::超级列表框2, r, column));
    return cells;
  }

  void Choose(ControlName list, int item) { Get<QComboBox>(list)->setCurrentIndex(item); }

  void Press(int row, int column) {
    auto* list = Get<ReportList>(control::超级列表框2);
    const QPoint at(list->columnViewportPosition(column) + 5, list->rowViewportPosition(row) + 5);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  }

  Text ClipboardText() { return FromQString(QApplication::clipboard()->text()); }
};

TEST_F(Statistics, CountsEachDistinctSourceInFirstOccurrenceOrder) {
  SetSources({"A", "B", "A", "C", "B", "A"});
  Click(control::按钮4);
  EXPECT_EQ(StatisticsRows(), (std::vector<StatisticsRow>{{"3", "A"}, {"2", "B"}, {"1", "C"}}));
  EXPECT_EQ(LabelText(), "\xB9\xB2\xBC\xC6" "6" "\xB8\xF6\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xA1\xCD\xB3\xBC\xC6" "3" "\xB8\xF6");
  Click(control::按钮4);  // cleared first, not doubled
  EXPECT_EQ(StatisticsRows().size(), 3u);
}

TEST_F(Statistics, SourcesAreEqualOnlyByteForByte) {
  const struct {
    const char* what;
    std::vector<Text> sources;
    std::vector<StatisticsRow> rows;
  } cases[] = {
      {"case, blanks and full width", {"a", "A", " a", "a ", G("ａ"), "a"},
       {{"2", "a"}, {"1", "A"}, {"1", " a"}, {"1", "a "}, {"1", G("ａ")}}},
      {"empty sources are one source", {"", "x", ""}, {{"2", ""}, {"1", "x"}}},
      {"one source for all", {"s", "s", "s", "s"}, {{"4", "s"}}},
  };
  for (const auto& c : cases) {
    SetSources(c.sources);
    Click(control::按钮4);
    EXPECT_EQ(StatisticsRows(), c.rows) << c.what;
  }
}

TEST_F(Statistics, AnEmptyRecordListClearsTheStatisticsAndLeavesTheLabel) {
  SetSources({"x"});
  Click(control::按钮4);
  Controls().SetLabelText(control::透明标签1, "before");
  SetSources({});
  Click(control::按钮4);
  EXPECT_TRUE(StatisticsRows().empty());
  EXPECT_EQ(LabelText(), "before");
}

TEST_F(Statistics, ACountStartedDuringAnotherSupersedesIt) {
  std::vector<Text> sources;
  for (int i = 0; i < 40000; ++i) sources.push_back("s" + std::to_string(i % 20000));
  SetSources(sources);
  // Runs inside the first count's event processing.
  QMetaObject::invokeMethod(Get<QAbstractButton>(control::按钮4), "click", Qt::QueuedConnection);
  Click(control::按钮4);
  QCoreApplication::processEvents();
  const auto rows = StatisticsRows();
  ASSERT_EQ(rows.size(), 20000u);
  for (std::size_t i = 0; i < rows.size(); ++i)
    ASSERT_EQ(rows[i], (StatisticsRow{"2", "s" + std::to_string(i)}));
  EXPECT_EQ(LabelText(), Concat(G("共计40000个　　　　　　统计20000"), G("个")));
}

TEST_F(Statistics, AWindowClosedDuringACountEndsTheCount) {
  std::vector<Text> sources;
  for (int i = 0; i < 60000; ++i) sources.push_back("s" + std::to_string(i));
  SetSources(sources);
  QMetaObject::invokeMethod(&Window(), &QWidget::close, Qt::QueuedConnection);  // runs inside the count
  Click(control::按钮4);  // returns, instead of spinning on a window that is gone
  EXPECT_TRUE(Window().IsGone());
  EXPECT_LT(Get<ReportList>(control::超级列表框2)->Rows().RowCount(), 60000);
}

TEST_F(Statistics, SortsByCountNumericallyAndBySourceInTheLocalesOrder) {
  std::vector<Text> sources;
  for (int i = 0; i < 3; ++i) sources.push_back(G("上海"));
  for (int i = 0; i < 12; ++i) sources.push_back(G("北京"));
  for (int i = 0; i < 7; ++i) sources.push_back(G("天津"));
  sources.push_back("");
  SetSources(sources);
  Click(control::按钮4);

  Click(control::按钮5);  // the first press sorts by count, largest first
  EXPECT_EQ(Column(0), (std::vector<Text>{"12", "7", "3", "1"}));
  Choose(control::组合框_升降序, 0);
  Click(control::按钮5);
  EXPECT_EQ(Column(0), (std::vector<Text>{"1", "3", "7", "12"}));

  Choose(control::组合框_排序列, 1);
  Click(control::按钮5);  // pinyin: bei, shang, tian; the empty source first
  EXPECT_EQ(Column(1), (std::vector<Text>{"", G("北京"), G("上海"), G("天津")}));
  EXPECT_EQ(Column(0), (std::vector<Text>{"1", "12", "3", "7"}));  // rows keep their cells
  Choose(control::组合框_升降序, 1);
  Click(control::按钮5);
  EXPECT_EQ(Column(1), (std::vector<Text>{G("天津"), G("上海"), G("北京"), ""}));
}

TEST_F(Statistics, CountKeysAreReadAsIntegersAndLetterCaseCountsInTheCollation) {
  Controls().RunAsOneOperation([&] {
    for (const char* count : {"7", "１２", "3", "x", "-2"}) {
      const int row = Controls().AppendRow(control::超级列表框2);
      Controls().SetCellText(control::超级列表框2, row, 0, G(count));
    }
  });
  Choose(control::组合框_升降序, 0);
  Click(control::按钮5);
  EXPECT_EQ(Column(0), (std::vector<Text>{"-2", "x", "3", "7", G("１２")}));

  Controls().DeleteAllRows(control::超级列表框2);
  for (const char* source : {"b", "B", "a", "A"}) {
    const int row = Controls().AppendRow(control::超级列表框2);
    Controls().SetCellText(control::超级列表框2, row, 1, source);
  }
  Choose(control::组合框_排序列, 1);
  Click(control::按钮5);
  const auto ascending = Column(1);
  EXPECT_EQ(std::set<Text>(ascending.begin(), ascending.end()).size(), 4u);
  Choose(control::组合框_升降序, 1);
  Click(control::按钮5);
  EXPECT_EQ(Column(1), std::vector<Text>(ascending.rbegin(), ascending.rend()));
}

TEST_F(Statistics, APressCopiesTheCellUnderItAndStillSelectsTheRow) {
  SetClipboard("old");
  Press(0, 0);  // an empty list: no row under the press
  EXPECT_EQ(ClipboardText(), "");
  EXPECT_EQ(LabelText(), "");

  SetSources({"A", "B", "A"});
  Click(control::按钮4);
  Press(0, 0);
  EXPECT_EQ(ClipboardText(), "2");
  EXPECT_EQ(LabelText(), "2");
  Press(1, 1);
  EXPECT_EQ(ClipboardText(), "B");
  EXPECT_EQ(LabelText(), "B");
  EXPECT_EQ(Get<ReportList>(control::超级列表框2)->selectionModel()->selectedRows().value(0).row(), 1);
  EXPECT_EQ(hitTestRecord_.item, 1);
  EXPECT_EQ(hitTestRecord_.subItem, 1);

  auto* list = Get<ReportList>(control::超级列表框2);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    QPoint(60, list->rowViewportPosition(1) + list->rowHeight(1) + 20));  // below the last row
  EXPECT_EQ(ClipboardText(), "");
  EXPECT_EQ(LabelText(), "");
  EXPECT_EQ(hitTestRecord_.item, -1);
}

}  // namespace
