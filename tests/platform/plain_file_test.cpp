#include <gtest/gtest.h>

#include "platform/plain_file.h"
#include "temp_directory.h"

namespace {

TEST(PlainFile, ReadOnlyFilesAreNeitherOpenedForWritingNorReplacedNorDeleted) {
  TemporaryDirectory directory;
  const auto file = directory.path() / "f";
  WriteBytes(file, "kept");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  EXPECT_TRUE(IsReadOnlyFile(file));
  EXPECT_EQ(ReadWritableFile(file), std::nullopt);
  EXPECT_EQ(ReadWholeFile(file), "kept");
  EXPECT_FALSE(WriteFileAtomically(file, "new"));
  EXPECT_FALSE(DeleteFileIfWritable(file));
  EXPECT_EQ(ReadBytes(file), "kept");
}

TEST(PlainFile, AtomicWriteReplacesTheContentAndKeepsTheMode) {
  TemporaryDirectory directory;
  const auto file = directory.path() / "f";
  ASSERT_TRUE(WriteFileAtomically(file, std::string("a\0b", 3)));
  EXPECT_EQ(ReadWritableFile(file), std::string("a\0b", 3));
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(file, "second"));
  EXPECT_EQ(ReadBytes(file), "second");
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_TRUE(DeleteFileIfWritable(file));
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(DeleteFileIfWritable(file));
}

TEST(PlainFile, DirectoriesAreNoFiles) {
  TemporaryDirectory directory;
  EXPECT_EQ(ReadWritableFile(directory.path()), std::nullopt);
  EXPECT_FALSE(WriteFileAtomically(directory.path(), "x"));
  EXPECT_FALSE(DeleteFileIfWritable(directory.path()));
}

}  // namespace
