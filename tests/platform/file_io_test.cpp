#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <tuple>

namespace zulparvo {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::temp_directory_path() / ("zulparvo-file-io-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  static std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const CFileException& error) {
      return error.what();
    }
    return "no error";
  }
  static std::string SaveError(const fs::path& path) {
    return ErrorOf([&] { WriteFileAtomically(path, std::vector<uint8_t>{1}); });
  }

  fs::path m_folder;
};

TEST_F(FileIoTest, ASaveReplacesTheFileKeepsItsPermissionsAndLeavesNothingElse) {
  const std::vector<uint8_t> bytes{0, 1, 2, 0xFF};
  WriteFileAtomically(m_folder / "a.zul", bytes);
  EXPECT_EQ(ReadFileBytes(m_folder / "a.zul"), bytes);
  fs::permissions(m_folder / "a.zul", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteFileAtomically(m_folder / "a.zul", std::vector<uint8_t>{9});
  EXPECT_EQ(ReadFileBytes(m_folder / "a.zul"), std::vector<uint8_t>{9});
  EXPECT_EQ(fs::status(m_folder / "a.zul").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_F(FileIoTest, SymbolicLinksAreFollowedAndTheirTargetReplaced) {
  fs::create_directories(m_folder / "real");
  std::ofstream(m_folder / "real" / "hero.zul") << "old";
  fs::create_symlink("real/hero.zul", m_folder / "link.zul");
  fs::create_symlink(m_folder / "link.zul", m_folder / "link-to-link.zul");
  fs::create_symlink("real/new.zul", m_folder / "dangling.zul");
  for (const char* link : {"link.zul", "link-to-link.zul", "dangling.zul"}) {
    WriteFileAtomically(m_folder / link, std::vector<uint8_t>{7});
    EXPECT_TRUE(fs::is_symlink(m_folder / link)) << link;
  }
  EXPECT_EQ(ReadFileBytes(m_folder / "real" / "hero.zul"), std::vector<uint8_t>{7});
  EXPECT_EQ(ReadFileBytes(m_folder / "real" / "new.zul"), std::vector<uint8_t>{7});
  fs::create_symlink("loop.zul", m_folder / "loop.zul");
  EXPECT_NE(SaveError(m_folder / "loop.zul").find("Too many levels of symbolic links"), std::string::npos);
}

TEST_F(FileIoTest, OnlyRegularFilesAreReplaced) {
  fs::create_directories(m_folder / "folder.zul" / "inside");
  ASSERT_EQ(mkfifo((m_folder / "fifo.zul").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", m_folder / "device.zul");
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, (m_folder / "socket.zul").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const std::tuple<const char*, const char*, fs::file_type> kCases[] = {
      {"folder", "a folder", fs::file_type::directory}, {"fifo", "a named pipe (FIFO)", fs::file_type::fifo},
      {"device", "a device", fs::file_type::character}, {"socket", "a socket", fs::file_type::socket}};
  for (const auto& [name, kind, type] : kCases) {
    const fs::path path = m_folder / (std::string(name) + ".zul");
    EXPECT_EQ(SaveError(path), path.string() + ": is " + kind + ", not a regular file; save to a file instead");
    EXPECT_EQ(fs::status(path).type(), type) << "left as it was";
  }
  close(listener);
  EXPECT_NE(SaveError(m_folder / "missing-folder" / "a.zul").find("cannot write"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 4) << "no temporary left";
}

TEST_F(FileIoTest, ReadErrorsNameTheFile) {
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(m_folder); }), m_folder.string() + ": is a folder, not a file");
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(m_folder / "none.zul"); }),
            (m_folder / "none.zul").string() + ": cannot open: No such file or directory");
  std::ofstream(m_folder / "big.zul") << std::string(100, 'x');
  EXPECT_THROW(ReadFileBytes(m_folder / "big.zul", 99), CFileException);
  EXPECT_EQ(ReadFileBytes(m_folder / "big.zul", 100).size(), 100u);
  // A FIFO that nobody writes to ends at once instead of waiting for a writer.
  ASSERT_EQ(mkfifo((m_folder / "fifo.zul").c_str(), 0600), 0);
  EXPECT_TRUE(ReadFileBytes(m_folder / "fifo.zul").empty());
}

}  // namespace
}  // namespace zulparvo
