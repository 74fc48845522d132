#include "files/file_io.h"

#include <gtest/gtest.h>

#include "file_test_support.h"

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace wattora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(ReplaceFile, WritesNewAndReplacesOldFilesLeavingNothingBeside) {
  TempFolder folder;
  const std::string path = folder / "a \xC3\xA4.DMC";
  ASSERT_TRUE(ReplaceFile(PathFromUtf8(path), std::string("one\0two", 7)));
  EXPECT_EQ(ReadBytes(path), std::string("one\0two", 7));
  ASSERT_TRUE(ReplaceFile(PathFromUtf8(path), "three"));
  EXPECT_EQ(ReadBytes(path), "three");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(ReplaceFile, FailureLeavesTheOldFileAndNoTemporaryFile) {
  TempFolder folder;
  EXPECT_FALSE(ReplaceFile(PathFromUtf8(folder / "missing/x.DMC"), "data"));
  // A folder in the way: the new file is written but cannot take its place.
  std::filesystem::create_directory(PathFromUtf8(folder / "taken.DMC"));
  WriteBytes(folder / "taken.DMC/inside", "keep");
  EXPECT_FALSE(ReplaceFile(PathFromUtf8(folder / "taken.DMC"), "data"));
  EXPECT_EQ(ReadBytes(folder / "taken.DMC/inside"), "keep");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

#if defined(__unix__)
// The disk "fills up" after 100 bytes: the write fails halfway and the old file survives.
TEST(ReplaceFile, WriteFailingHalfwayKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder / "old.DMC";
  WriteBytes(path, "the previous analysis");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = ReplaceFile(PathFromUtf8(path), std::string(5000, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(path), "the previous analysis");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(ReplaceFile, KeepsThePermissionsOfTheOldFile) {
  TempFolder folder;
  const std::string path = folder / "shared.DMC";
  WriteBytes(path, "x");
  namespace fs = std::filesystem;
  fs::permissions(PathFromUtf8(path), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                  fs::perm_options::replace);
  ASSERT_TRUE(ReplaceFile(PathFromUtf8(path), "y"));
  EXPECT_EQ(fs::status(PathFromUtf8(path)).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

TEST(ReadFileBytes, ReadsWholeFilesUpToTheLimit) {
  TempFolder folder;
  std::string bytes;
  EXPECT_FALSE(ReadFileBytes(PathFromUtf8(folder / "none"), bytes, 100));
  EXPECT_FALSE(ReadFileBytes(folder.Path(), bytes, 100));
  WriteBytes(folder / "f", std::string(100, 'z'));
  ASSERT_TRUE(ReadFileBytes(PathFromUtf8(folder / "f"), bytes, 100));
  EXPECT_EQ(bytes, std::string(100, 'z'));
  EXPECT_FALSE(ReadFileBytes(PathFromUtf8(folder / "f"), bytes, 99));
  EXPECT_TRUE(RegularFileExists(folder / "f"));
  EXPECT_FALSE(RegularFileExists(PathToUtf8(folder.Path())));
  EXPECT_FALSE(RegularFileExists(""));
}

}  // namespace
}  // namespace wattora
