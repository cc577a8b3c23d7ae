#include <QRadioButton>

#include "store/pumping_delay.h"
#include "store/visitor_text.h"
#include "small_file_system.h"
#include "temp_directory.h"
#include "window_fixture.h"

namespace {

class SavedState : public WindowTest {
 protected:
  std::filesystem::path SettingsFile() const { return runDirectory_ / std::filesystem::path(u8"配置.ini"); }
  std::filesystem::path VisitorFile() const { return runDirectory_ / std::filesystem::path(u8"实时访客.ini"); }

  // Ends the program as the user does and starts it again in the same run directory.
  void Restart() {
    Window().close();
    ASSERT_TRUE(Window().IsGone());
    StopWorkers();
    application_.reset();
    Start();
  }

  std::vector<bool> CheckedSlots() {
    std::vector<bool> checked;
    for (const auto* radio : {"单选框1", "单选框2", "单选框3", "单选框4"}) checked.push_back(Controls().IsChecked(radio));
    return checked;
  }

  Text Caption() { return FromQString(Window().windowTitle()); }
};

TEST_F(SavedState, FirstStartInAnEmptyRunDirectory) {
  EXPECT_EQ(Caption(), G("加载完成"));
  EXPECT_EQ(CheckedSlots(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "");
  EXPECT_EQ(Controls().EditText(control::编辑框5), "");
  EXPECT_EQ(ReadBytes(SettingsFile()),
            G("[备注]\r\n备注1=\r\n备注2=\r\n备注3=\r\n备注4=\r\n备注5=\r\n备注6=\r\n"));
  EXPECT_FALSE(std::filesystem::exists(VisitorFile()));
}

TEST_F(SavedState, WindowIsNarrowedToAnOuterWidthOf800KeepingItsHeight) {
  EXPECT_EQ(Window().frameGeometry().width(), 800);
  EXPECT_EQ(Window().frameGeometry().height(), 550);
  EXPECT_GE(Get<QWidget>(control::组合框_排序列)->x(), Window().width());  // outside the client area
  EXPECT_LE(Get<QWidget>(control::按钮2)->geometry().right(), Window().width());
}

TEST_F(SavedState, EverythingTypedAndTheChosenSlotSurviveARestart) {
  Click(control::单选框2);
  Type(control::宝贝标题, "abc");
  Type(control::编辑框3, "note");
  Type(control::宝贝标题1, "A");
  Controls().SetEditText(control::宝贝标题2, G("访客号"));
  Restart();
  EXPECT_EQ(CheckedSlots(), (std::vector<bool>{false, true, false, false}));
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "abc");
  EXPECT_EQ(Controls().EditText(control::编辑框3), "note");
  EXPECT_EQ(Controls().EditText(control::宝贝标题1), "A");
  EXPECT_EQ(Controls().EditText(control::宝贝标题2), G("访客号"));
  Click(control::单选框1);
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "");
  Click(control::单选框2);
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "abc");
}

TEST_F(SavedState, ClickingASlotWithoutATitleEmptiesTheTitleAndCreatesItsKey) {
  Type(control::宝贝标题, "one");
  Click(control::单选框4);
  EXPECT_EQ(Controls().EditText(control::宝贝标题), "");
  const Text settings = ReadBytes(SettingsFile());
  EXPECT_NE(settings.find(G("标题1=one\r\n标题4=\r\n")), std::string::npos) << settings;
  EXPECT_NE(settings.find(G("[配置]\r\n配置1=4\r\n")), std::string::npos) << settings;
}

struct SlotCase {
  const char* what;
  const char* settings;
  std::vector<bool> checked;
  const char* title;
};

void PrintTo(const SlotCase& slotCase, std::ostream* out) { *out << slotCase.what; }

class ChosenSlot : public SavedState, public ::testing::WithParamInterface<SlotCase> {
 protected:
  void BeforeLoad() override { WriteBytes(SettingsFile(), G(GetParam().settings)); }
};

TEST_P(ChosenSlot, LoadsTheChosenSlotsTitle) {
  EXPECT_EQ(CheckedSlots(), GetParam().checked);
  EXPECT_EQ(Controls().EditText(control::宝贝标题), G(GetParam().title));
  // The title keys are left as they were: the loader's setting of the title writes nothing.
  EXPECT_NE(ReadBytes(SettingsFile()).find(G("[标题]\r\n标题1=abc\r\n")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ChosenSlot,
    ::testing::Values(
        SlotCase{"digit 3", "[标题]\r\n标题1=abc\r\n标题3=xyz\r\n[配置]\r\n配置1=3\r\n", {false, false, true, false}, "xyz"},
        SlotCase{"digit without title", "[标题]\r\n标题1=abc\r\n[配置]\r\n配置1=3\r\n", {false, false, true, false}, ""},
        SlotCase{"empty value", "[标题]\r\n标题1=abc\r\n[配置]\r\n配置1=\r\n", {true, false, false, false}, ""},
        SlotCase{"other value", "[标题]\r\n标题1=abc\r\n[配置]\r\n配置1=5\r\n", {false, false, false, false}, ""}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST_F(SavedState, WithNoSlotCheckedTypingSavesNoTitleUntilASlotIsClicked) {
  WriteBytes(SettingsFile(), G("[配置]\r\n配置1=x\r\n"));
  Restart();
  const Text before = ReadBytes(SettingsFile());
  Type(control::宝贝标题, "abc");
  EXPECT_EQ(ReadBytes(SettingsFile()), before);
  Click(control::单选框3);
  Type(control::宝贝标题, "d");
  EXPECT_NE(ReadBytes(SettingsFile()).find(G("标题3=d")), std::string::npos);
}

TEST_F(SavedState, AWindowsSettingsFileLoadsAndKeepsEverythingElse) {
  const Text windowsFile = G(
      "; 访客统计\r\n[备注]\r\n备注1 = 第一\r\n备注5=  A  \r\nunknown=1\r\n\r\n[标题]\r\n标题2=\"宝贝\"\r\n"
      "[配置]\r\n配置1=2\r\n[别的]\r\nx=y\r\n");
  WriteBytes(SettingsFile(), windowsFile);
  Restart();
  EXPECT_EQ(Controls().EditText(control::编辑框1), G("第一"));
  EXPECT_EQ(Controls().EditText(control::宝贝标题1), "A");
  EXPECT_EQ(Controls().EditText(control::宝贝标题), G("宝贝"));
  EXPECT_EQ(ReadBytes(SettingsFile()),
            G("; 访客统计\r\n[备注]\r\n备注1=第一\r\n备注5=A\r\nunknown=1\r\n备注2=\r\n备注3=\r\n备注4=\r\n"
              "备注6=\r\n\r\n[标题]\r\n标题2=\"宝贝\"\r\n[配置]\r\n配置1=2\r\n[别的]\r\nx=y\r\n"));
}

TEST_F(SavedState, TheVisitorTextComesBackByteForByteAfterAnyNumberOfRestarts) {
  const Text pasted = G("第一行\u00A0 src\r\n第二行\r\n");
  Controls().SetEditText(control::编辑框5, pasted);
  Restart();
  EXPECT_EQ(ReadBytes(VisitorFile()), Concat(G("[数据]\r\n数据1="), pasted, "\r\n"));
  EXPECT_EQ(Controls().EditText(control::编辑框5), pasted);
  Restart();
  EXPECT_EQ(Controls().EditText(control::编辑框5), pasted);
}

TEST_F(SavedState, ClearDeletesTheFileAtOnceAndTheNextStartShowsAnEmptyBox) {
  Controls().SetEditText(control::编辑框5, "x");
  Restart();
  ASSERT_TRUE(std::filesystem::exists(VisitorFile()));
  Click(control::按钮3);
  EXPECT_FALSE(std::filesystem::exists(VisitorFile()));
  EXPECT_EQ(Controls().EditText(control::编辑框5), "");
  Restart();
  EXPECT_EQ(ReadBytes(VisitorFile()), G("[数据]\r\n数据1=\r\n"));
  EXPECT_EQ(Controls().EditText(control::编辑框5), "");
}

TEST_F(SavedState, EveryWayOfEndingSavesTheVisitorText) {
  const std::function<void()> endings[] = {
      [&] { QTest::keyClick(Get<QWidget>(control::宝贝标题), Qt::Key_Escape); },
      [&] { Window().close(); },                // the close box, Alt+F4 and the system menu
      [&] { Controls().Destroy(); },             // the program's own request
  };
  int run = 0;
  for (const auto& end : endings) {
    const Text text = Concat("ending ", IntegerToText(run++));
    Controls().SetEditText(control::编辑框5, text);
    end();
    ASSERT_TRUE(WaitUntil([&] { return Window().IsGone(); }));
    EXPECT_EQ(ReadBytes(VisitorFile()), Concat(G("[数据]\r\n数据1="), text, "\r\n"));
    StopWorkers();
    application_.reset();
    Start();
  }
}

TEST_F(SavedState, TheSaveWaitsWhileEventsGoOnAndWritesTheTextAfterTheWait) {
  QMetaObject::invokeMethod(&Window(), [&] { Controls().AppendEditText(control::编辑框5, "late"); },
                            Qt::QueuedConnection);
  const auto started = std::chrono::steady_clock::now();
  Controls().SetEditText(control::编辑框5, "early ");
  Window().close();
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
  EXPECT_EQ(ReadBytes(VisitorFile()), G("[数据]\r\n数据1=early late\r\n"));
}

class ReadOnlyVisitorFile : public SavedState {
 protected:
  void BeforeLoad() override {
    WriteBytes(VisitorFile(), "kept");
    std::filesystem::permissions(VisitorFile(), std::filesystem::perms::owner_read);
  }
};

TEST_F(ReadOnlyVisitorFile, LoadsAsEmptyAndSurvivesTheShutdownUnchanged) {
  EXPECT_EQ(Controls().EditText(control::编辑框5), "");
  Controls().SetEditText(control::编辑框5, "typed");
  Click(control::按钮3);
  Window().close();
  EXPECT_EQ(ReadBytes(VisitorFile()), "kept");
}

TEST_F(SavedState, AShutdownBeforeTheTextWasLoadedLeavesTheFileAsItIs) {
  WriteBytes(VisitorFile(), "stored text");
  VisitorTextState notYetLoaded;
  SaveVisitorText(Controls(), runDirectory_, notYetLoaded);
  EXPECT_EQ(ReadBytes(VisitorFile()), "stored text");
}

}  // namespace

namespace {

using Delay = WindowTest;

TEST_F(Delay, WaitsTheUnitsTimeWhileEventsGoOn) {
  const struct {
    std::optional<std::int32_t> duration;
    std::optional<std::int64_t> unit;
    std::chrono::milliseconds atLeast;
  } cases[] = {
      {60, std::nullopt, std::chrono::milliseconds(60)},
      {60, 0, std::chrono::milliseconds(60)},
      {5, 7, std::chrono::milliseconds(35)},  // 7 ms per unit
      {0, 1, std::chrono::milliseconds(0)},
      {std::nullopt, 1, std::chrono::milliseconds(0)},
  };
  for (const auto& c : cases) {
    bool ranMeanwhile = false;
    QMetaObject::invokeMethod(&Window(), [&] { ranMeanwhile = true; }, Qt::QueuedConnection);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(PumpingDelay(Controls(), c.duration, c.unit));
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, c.atLeast);
    EXPECT_LT(waited, c.atLeast + std::chrono::seconds(5));
    EXPECT_TRUE(ranMeanwhile);  // events are processed even by a wait that ends at once
  }
}

}  // namespace

namespace {

using namespace std::string_literals;

struct OddSettings {
  const char* name;
  std::string content;
  std::string note1;  // what 编辑框1 shows after the start
};

void PrintTo(const OddSettings& odd, std::ostream* out) { *out << odd.name; }

class OddSettingsFile : public WindowTest, public ::testing::WithParamInterface<OddSettings> {
 protected:
  std::filesystem::path SettingsFile() const { return runDirectory_ / std::filesystem::path(u8"配置.ini"); }
  void BeforeLoad() override { WriteBytes(SettingsFile(), GetParam().content); }
};

TEST_P(OddSettingsFile, LoadsWithoutLosingAByteOfIt) {
  EXPECT_EQ(FromQString(Window().windowTitle()), G("加载完成"));
  EXPECT_EQ(Controls().EditText(control::编辑框1), GetParam().note1);
  const std::string after = ReadBytes(SettingsFile());
  // Every byte of the file is still there: only the missing note keys were added at its end.
  EXPECT_EQ(after.substr(0, GetParam().content.size()), GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Content, OddSettingsFile,
    ::testing::Values(
        OddSettings{"invalid_code_page_bytes", "\x80\xFF\xFE\x81\r\n[\xFF]\r\n\xFF=\xFE\r\n", ""},
        OddSettings{"nul_bytes", "[x]\r\na=\0b\r\n\0\0\r\n"s, ""},
        OddSettings{"utf8_byte_order_mark", "\xEF\xBB\xBF[x]\r\ny=1\r\n", ""},
        OddSettings{"utf16_byte_order_mark", "\xFF\xFE[\0x\0]\0\r\0\n\0"s, ""},
        OddSettings{"megabyte_line", "[x]\r\nlong=" + std::string(5 * 1024 * 1024, 'a') + "\r\n", ""},
        OddSettings{"note_without_line_break", FromUtf8("[备注]\r\n备注1=末行"), FromUtf8("末行")}),
    [](const auto& info) { return std::string(info.param.name); });

class ReadOnlyRunDirectory : public WindowTest {
 protected:
  void BeforeLoad() override {
    small_ = std::make_unique<SmallFileSystem>(runDirectory_, 1024 * 1024);
    if (!small_->Mounted()) return;
    WriteBytes(runDirectory_ / std::filesystem::path(u8"配置.ini"), G("[备注]\r\n备注1=旧\r\n"));
    WriteBytes(runDirectory_ / std::filesystem::path(u8"实时访客.ini"), G("[数据]\r\n数据1=旧文本\r\n"));
    small_->MakeReadOnly();
  }
  void TearDown() override {
    StopWorkers();
    application_.reset();
    small_.reset();  // unmounted before the run directory is removed
    WindowTest::TearDown();
  }
  std::unique_ptr<SmallFileSystem> small_;
};

TEST_F(ReadOnlyRunDirectory, LoadsTheSettingsAndChangesNoFile) {
  if (!small_->Mounted()) GTEST_SKIP() << "mounting a file system is not permitted here";
  EXPECT_EQ(Controls().EditText(control::编辑框1), G("旧"));
  EXPECT_EQ(Controls().EditText(control::编辑框5), "");  // it cannot be opened for writing
  Type(control::编辑框2, "typed");
  Click(control::单选框3);
  Controls().SetEditText(control::编辑框5, "new");
  Window().close();
  EXPECT_TRUE(Window().IsGone());
  EXPECT_EQ(ReadBytes(runDirectory_ / std::filesystem::path(u8"配置.ini")), G("[备注]\r\n备注1=旧\r\n"));
  EXPECT_EQ(ReadBytes(runDirectory_ / std::filesystem::path(u8"实时访客.ini")), G("[数据]\r\n数据1=旧文本\r\n"));
}

}  // namespace
