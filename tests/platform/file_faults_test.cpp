// Faults of the disk under the profile-file service: a write cut short, a full file system,
// a read-only one. The previous file always stays whole.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/profile_file.h"
#include "small_file_system.h"
#include "temp_directory.h"

namespace {

int FileCount(const std::filesystem::path& directory) {
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++files;
  return files;
}

const std::string kOld = "[s]\r\nk=old\r\nother=kept\r\n";

TEST(FileFaults, AWriteCutShortByAFileSizeLimitLeavesThePreviousFile) {
  TemporaryDirectory directory;
  const auto file = directory.path() / "f.ini";
  WriteBytes(file, kOld);
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of ending the process
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    _exit(WriteProfileText(file, "s", "k", std::string(100000, 'x')) ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the cut write was reported as done";
  EXPECT_EQ(ReadBytes(file), kOld);
  EXPECT_EQ(FileCount(directory.path()), 1);  // the temporary file is gone too
}

TEST(FileFaults, AFullFileSystemLeavesThePreviousFile) {
  TemporaryDirectory directory;
  SmallFileSystem small(directory.path() / "small", 64 * 1024);
  if (!small.Mounted()) GTEST_SKIP() << "mounting a file system is not permitted here";
  const auto file = directory.path() / "small" / "f.ini";
  WriteBytes(file, kOld);
  EXPECT_FALSE(WriteProfileText(file, "s", "k", std::string(200 * 1024, 'x')));
  EXPECT_EQ(ReadBytes(file), kOld);
  EXPECT_EQ(FileCount(directory.path() / "small"), 1);
  EXPECT_TRUE(WriteProfileText(file, "s", "k", "fits"));
  EXPECT_EQ(ReadProfileText(file, "s", "k"), "fits");
}

TEST(FileFaults, AReadOnlyFileSystemIsReadAndNeverWritten) {
  TemporaryDirectory directory;
  SmallFileSystem small(directory.path() / "small", 64 * 1024);
  if (!small.Mounted()) GTEST_SKIP() << "mounting a file system is not permitted here";
  const auto file = directory.path() / "small" / "f.ini";
  WriteBytes(file, kOld);
  ASSERT_TRUE(small.MakeReadOnly());
  EXPECT_EQ(ReadProfileText(file, "s", "other"), "kept");
  EXPECT_FALSE(WriteProfileText(file, "s", "k", "new"));
  EXPECT_FALSE(WriteProfileText(directory.path() / "small" / "new.ini", "s", "k", "v"));
  EXPECT_EQ(ReadBytes(file), kOld);
}

}  // namespace
