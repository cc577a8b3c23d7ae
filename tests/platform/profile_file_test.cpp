#include <gtest/gtest.h>

#include <thread>

#include "platform/plain_file.h"
#include "platform/profile_file.h"
#include "temp_directory.h"
#include "text/codepage.h"

namespace {

class ProfileFile : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return directory_.path() / "settings.ini"; }
  TemporaryDirectory directory_;
};

TEST_F(ProfileFile, ReadsAsThePlatformsProfileFunctionsDo) {
  WriteBytes(File(),
             "; a comment=not a key\r\n"
             "[ Notes ]\r\n"
             "  Key1 =  spaced value \t\r\n"
             "key1=second of the same name\r\n"
             "quoted=\"  in quotes  \"\r"
             "single='x'\n"
             "unmatched=\"x'\r\n"
             "no equals sign\r\n"
             ";key2=commented\r\n"
             "empty=\r\n"
             "[notes]\r\n"
             "late=from a second section of the same name\r\n"
             "[Other]\r\n"
             "key1=other section\r\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"notes", "KEY1", "spaced value"},
      {"NOTES", "quoted", "  in quotes  "},
      {"Notes", "single", "x"},
      {"Notes", "unmatched", "\"x'"},
      {"Notes", "no equals sign", ""},
      {"Notes", "key2", ""},
      {"Notes", "empty", ""},
      {"Notes", "late", ""},
      {"Other", "key1", "other section"},
      {"Missing", "key1", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadProfileText(File(), c.section, c.key), c.value) << c.section << "/" << c.key;
  EXPECT_EQ(ReadProfileText(directory_.path() / "missing.ini", "Notes", "key1"), "");
}

TEST_F(ProfileFile, LongValuesComeBackCutAtTheBufferLimit) {
  const Text longValue(20000, 'x');
  ASSERT_TRUE(WriteProfileText(File(), "s", "k", longValue));
  EXPECT_EQ(ReadProfileText(File(), "s", "k"), Text(kProfileValueLimit, 'x'));
}

TEST_F(ProfileFile, WritingCreatesTheFileInThePlatformsLayout) {
  ASSERT_TRUE(WriteProfileText(File(), "a", "k1", "v1"));
  EXPECT_EQ(ReadBytes(File()), "[a]\r\nk1=v1\r\n");
  ASSERT_TRUE(WriteProfileText(File(), "a", "k2", ""));
  ASSERT_TRUE(WriteProfileText(File(), "b", "k1", "  raw \"value\"  "));
  ASSERT_TRUE(WriteProfileText(File(), "A", "K1", "changed"));
  EXPECT_EQ(ReadBytes(File()), "[a]\r\nk1=changed\r\nk2=\r\n[b]\r\nk1=  raw \"value\"  \r\n");
}

TEST_F(ProfileFile, UpdatingAWindowsFileKeepsEverythingElseByteForByte) {
  const Text notes = FromUtf8("备注");
  const Text original = FromUtf8(
      "; written by hand\r\n"
      "[其他]\r\n"
      "x = 1\r\n"
      "\r\n"
      " [ 备注 ] \r\n"
      "备注1 = 旧\r\n"
      "odd line\r\n"
      "备注2=b\r\n"
      "\r\n"
      "; trailing comment\r\n"
      "[标题]\r\n"
      "标题1=t");
  WriteBytes(File(), original);
  ASSERT_TRUE(WriteProfileText(File(), notes, FromUtf8("备注1"), FromUtf8("新")));
  ASSERT_TRUE(WriteProfileText(File(), notes, FromUtf8("备注3"), "c"));
  ASSERT_TRUE(WriteProfileText(File(), FromUtf8("配置"), FromUtf8("配置1"), "2"));
  EXPECT_EQ(ReadBytes(File()), FromUtf8(
                                   "; written by hand\r\n"
                                   "[其他]\r\n"
                                   "x = 1\r\n"
                                   "\r\n"
                                   " [ 备注 ] \r\n"
                                   "备注1=新\r\n"
                                   "odd line\r\n"
                                   "备注2=b\r\n"
                                   "备注3=c\r\n"
                                   "\r\n"
                                   "; trailing comment\r\n"
                                   "[标题]\r\n"
                                   "标题1=t\r\n"
                                   "[配置]\r\n"
                                   "配置1=2\r\n"));
  EXPECT_EQ(ReadProfileText(File(), notes, FromUtf8("备注1")), FromUtf8("新"));
}

TEST_F(ProfileFile, AFailedWriteLeavesThePreviousFileWhole) {
  WriteBytes(File(), "[s]\r\nk=old\r\n");
  std::filesystem::permissions(File(), std::filesystem::perms::owner_read);
  EXPECT_FALSE(WriteProfileText(File(), "s", "k", "new"));
  EXPECT_EQ(ReadBytes(File()), "[s]\r\nk=old\r\n");
  EXPECT_EQ(ReadProfileText(File(), "s", "k"), "old");

  const auto directoryInPlace = directory_.path() / "dir.ini";
  std::filesystem::create_directory(directoryInPlace);
  EXPECT_FALSE(WriteProfileText(directoryInPlace, "s", "k", "v"));
  EXPECT_EQ(ReadProfileText(directoryInPlace, "s", "k"), "");
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory_.path())) ++files;
  EXPECT_EQ(files, 2);
}

TEST_F(ProfileFile, WritesFromManyThreadsAreEachComplete) {
  std::vector<std::thread> writers;
  for (int t = 0; t < 8; ++t)
    writers.emplace_back([&, t] {
      for (int i = 0; i < 50; ++i) WriteProfileText(File(), "s", "k" + std::to_string(t), std::to_string(i));
    });
  for (auto& writer : writers) writer.join();
  for (int t = 0; t < 8; ++t) EXPECT_EQ(ReadProfileText(File(), "s", "k" + std::to_string(t)), "49");
}

TEST_F(ProfileFile, NamesGivenWithBlanksReadBackWhatWasWritten) {
  WriteBytes(File(), "\xff\xff\xff\x8a\x8a");  // found by fuzzing: no line break, no section
  ASSERT_TRUE(WriteProfileText(File(), " x ", " y", "v"));
  EXPECT_EQ(ReadProfileText(File(), " x ", " y"), "v");
  EXPECT_EQ(ReadProfileText(File(), "x", "y"), "v");
}

TEST_F(ProfileFile, AFreshFileHoldsOnlyItsOneKey) {
  WriteBytes(File(), "[x]\r\ny=1\r\n");
  ASSERT_TRUE(WriteFreshProfileFile(File(), "s", "k", "line1\r\nline2"));
  EXPECT_EQ(ReadBytes(File()), "[s]\r\nk=line1\r\nline2\r\n");
}

}  // namespace
