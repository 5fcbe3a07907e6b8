#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zulparvo {
namespace {

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() /
               ("zulparvo-file-io-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_folder);
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }
  std::filesystem::path m_folder;
};

TEST_F(FileIoTest, WriteThenReadGivesTheBytes) {
  const std::vector<uint8_t> bytes{0, 1, 2, 0xFF};
  WriteFileAtomically(m_folder / "a.zul", bytes);
  EXPECT_EQ(ReadFileBytes(m_folder / "a.zul"), bytes);
  WriteFileAtomically(m_folder / "a.zul", std::vector<uint8_t>{9});
  EXPECT_EQ(ReadFileBytes(m_folder / "a.zul"), std::vector<uint8_t>{9});
  // Only the file itself is left behind, no temporary.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), std::filesystem::directory_iterator()), 1);
}

TEST_F(FileIoTest, AFailedWriteKeepsTheOldFile) {
  const auto target = m_folder / "missing-folder" / "a.zul";
  EXPECT_THROW(WriteFileAtomically(target, std::vector<uint8_t>{1}), CFileException);
  // A target that is a folder cannot be replaced; the folder stays.
  std::filesystem::create_directories(m_folder / "b.zul" / "inside");
  EXPECT_THROW(WriteFileAtomically(m_folder / "b.zul", std::vector<uint8_t>{1}), CFileException);
  EXPECT_TRUE(std::filesystem::is_directory(m_folder / "b.zul" / "inside"));
}

TEST_F(FileIoTest, ReadErrorsNameTheFile) {
  try {
    ReadFileBytes(m_folder / "none.zul");
    FAIL();
  } catch (const CFileException& error) {
    EXPECT_NE(std::string(error.what()).find("none.zul: cannot open"), std::string::npos);
  }
  EXPECT_THROW(ReadFileBytes(m_folder), CFileException);
  std::ofstream(m_folder / "big.zul") << std::string(100, 'x');
  EXPECT_THROW(ReadFileBytes(m_folder / "big.zul", 99), CFileException);
  EXPECT_EQ(ReadFileBytes(m_folder / "big.zul", 100).size(), 100u);
}

}  // namespace
}  // namespace zulparvo
