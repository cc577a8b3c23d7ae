#include "window_fixture.h"

namespace {

using Row = std::array<Text, 4>;

class Extraction : public WindowTest {
 protected:
  void SetTitles(const char* lineStart, const char* itemTitle) {
    Controls().SetEditText(control::宝贝标题1, G(lineStart));
    Controls().SetEditText(control::宝贝标题, G(itemTitle));
  }

  // The record pasted into the visitor box the given number of times.
  Text PasteRecords(const char* record, int times) {
    Text text;
    for (int i = 0; i < times; ++i) text += G(record);
    Controls().SetEditText(control::编辑框5, text);
    return text;
  }

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (int r = 0; r < Controls().RowCount(control::超级列表框1); ++r)
      rows.push_back({Cell(control::超级列表框1, r, 0), Cell(control::超级列表框1, r, 1),
                      Cell(control::超级列表框1, r, 2), Cell(control::超级列表框1, r, 3)});
    return rows;
  }

  // Presses the button and waits until every fetch has finished.
  void Fetch(ControlName button) {
    Click(button);
    StopWorkers();
    QCoreApplication::processEvents();
  }

  std::vector<Row> ManualFetchOf(const char* subject) {
    Controls().SetEditText(control::编辑框5, G(subject));
    Fetch(control::按钮1);
    return Rows();
  }
};

TEST_F(Extraction, ManualFetchListsOneRowPerRecord) {
  SetTitles("A", "B");
  const struct {
    const char* what;
    const char* subject;
    std::vector<Row> rows;
  } cases[] = {
      {"record over three lines", "A src1 B\r\nloc1\r\n访客7\r\n", {{"1", " src1", "loc1", "7"}}},
      {"title on a line of its own", "A src1\r\nB\r\nloc1\r\n访客7\r\n", {{"1", " src1", "loc1", "7"}}},
      {"no location line", "A src1 B\r\n访客7\r\n", {{"1", " src1", "", "7"}}},
      {"blank before the line-start text", " A src1 B\r\nloc1\r\n访客7\r\n", {}},
      {"letters of any case", "a src1 b\r\nloc1\r\n访客7\r\n", {{"1", " src1", "loc1", "7"}}},
      {"two records", "A s1 B\r\nl1\r\n访客1\r\nnoise\r\nA s2 B\r\nl2\r\n访客 2 \r\n",
       {{"1", " s1", "l1", "1"}, {"2", " s2", "l2", " 2"}}},
      {"empty text", "", {}},
  };
  for (const auto& c : cases) {
    const std::vector<Row> expected = [&] {
      std::vector<Row> converted;
      for (const Row& row : c.rows) converted.push_back({G(row[0].c_str()), G(row[1].c_str()), G(row[2].c_str()), G(row[3].c_str())});
      return converted;
    }();
    EXPECT_EQ(ManualFetchOf(c.subject), expected) << c.what;
  }
}

TEST_F(Extraction, TitleTextsActAsPatternSyntax) {
  SetTitles("A", "B.");
  EXPECT_EQ(ManualFetchOf("A s Bx\r\nl\r\n访客1").size(), 1u);
  SetTitles("A", "B(");
  EXPECT_EQ(ManualFetchOf("A s B(\r\nl\r\n访客1").size(), 0u);
}

TEST_F(Extraction, StatusLabelCountsTheRowsAndStaysWhenNothingIsFound) {
  SetTitles("A", "B");
  ManualFetchOf("A 1 B\r\n访客1\r\nA 2 B\r\n访客2\r\nA 3 B\r\n访客3\r\n");
  EXPECT_EQ(LabelText(), G("共计3个"));
  EXPECT_TRUE(ManualFetchOf("nothing here").empty());
  EXPECT_EQ(LabelText(), G("共计3个"));
}

TEST_F(Extraction, AutomaticFetchAppendsRowsAndTextAndTakesTheVisitorNumber) {
  SetTitles("A", "B");
  const Text ten = PasteRecords("A s B\r\n访客x\r\n", 10);
  Fetch(control::按钮1);
  ASSERT_EQ(Rows().size(), 10u);

  const Text clip = G("访客编号 77 \r\nA c1 B\r\nloc\r\n访客9\r\n");
  SetClipboard(clip);
  Fetch(control::按钮2);
  Fetch(control::按钮2);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(rows[10], (Row{"11", " c1", "loc", "9"}));
  EXPECT_EQ(rows[11], (Row{"12", " c1", "loc", "9"}));
  EXPECT_EQ(LabelText(), G("共计12个"));
  EXPECT_EQ(Controls().EditText(control::编辑框5), Concat(ten, clip, clip));
  EXPECT_EQ(Controls().EditText(control::宝贝标题2), "77");

  SetClipboard(G("访客编号 5\r\nno records"));
  Fetch(control::按钮2);
  EXPECT_EQ(Controls().EditText(control::宝贝标题2), "5");
  EXPECT_EQ(Rows().size(), 12u);
  SetClipboard("");
  Fetch(control::按钮2);
  EXPECT_EQ(Controls().EditText(control::宝贝标题2), "");
}

TEST_F(Extraction, FetchesPressedInQuickSuccessionRunOneAfterAnother) {
  SetTitles("A", "B");
  PasteRecords("A src B\r\nloc\r\n访客1\r\n", 30000);
  SetClipboard(G("A clip B\r\n访客2\r\n"));
  // Each press while the earlier fetch is still adding rows.
  Click(control::按钮1);
  Click(control::按钮1);
  Click(control::按钮2);
  StopWorkers();
  QCoreApplication::processEvents();
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 30001u);
  for (std::size_t r = 0; r < rows.size(); ++r) ASSERT_EQ(rows[r][0], IntegerToText(static_cast<int>(r) + 1));
  EXPECT_EQ(rows[29999][1], " src");
  EXPECT_EQ(rows[30000][1], " clip");
  EXPECT_EQ(LabelText(), G("共计30001个"));
}

TEST_F(Extraction, ClosingTheWindowDuringAFetchEndsItWithoutTouchingTheWindow) {
  SetTitles("A", "B");
  PasteRecords("A src B\r\n访客1\r\n", 200000);
  Click(control::按钮1);
  Window().close();
  StopWorkers();
  EXPECT_LT(Get<ReportList>(control::超级列表框1)->Rows().RowCount(), 200000);
}

}  // namespace
