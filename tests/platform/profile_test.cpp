#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/message_sink.h"

namespace zulparvo {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class ProfileTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    m_dir = fs::temp_directory_path() /
            ("zulparvo-profile-" + std::to_string(getpid()) + "-" + info->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    ResetAppProfile();
    fs::remove_all(m_dir);
  }

  fs::path Write(const std::string& name, const std::string& content) {
    const fs::path file = m_dir / name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  fs::path m_dir;
};

TEST_F(ProfileTest, SectionsAndKeysIgnoreCaseValuesKeepIt) {
  const CProfile profile = CProfile::Load(
      Write("p.ini", "[Character]\nStartingPoints = 150\n[DATABASE]\nb05 = Books/Basic.db ; where it lives\nB06 =\n"));
  EXPECT_EQ(profile.GetProfileInt("CHARACTER", "STARTINGPOINTS", 200), 150);
  EXPECT_EQ(profile.GetProfileString("database", "B05", ""), "Books/Basic.db");
  EXPECT_EQ(profile.GetProfileString("DATABASE", "B06", "default"), "") << "present but empty";
  EXPECT_EQ(profile.GetProfileString("DATABASE", "B07", "default"), "default");
  EXPECT_EQ(profile.GetProfileString("NOSECTION", "B05", "x"), "x");
}

TEST_F(ProfileTest, GetProfileIntReadsTheLeadingNumberOrGivesTheDefault) {
  const std::pair<const char*, int32_t> cases[] = {
      {" -5", -5}, {"+7", 7}, {"12 points", 12}, {"abc", 99}, {"", 99}, {"+-3", 99}, {"- 3", 99},
      {"2147483647", std::numeric_limits<int32_t>::max()}, {"2147483648", 99},
      {"-2147483648", std::numeric_limits<int32_t>::min()}, {"99999999999999999999", 99},
  };
  for (const auto& [value, expected] : cases) {
    const CProfile profile = CProfile::Load(Write("p.ini", std::string("[A]\nk=") + value + "\n"));
    EXPECT_EQ(profile.GetProfileInt("A", "K", 99), expected) << "value \"" << value << '"';
  }
}

TEST_F(ProfileTest, MissingFileIsEmptyAndUnreadableFilesThrowNamingFileAndLine) {
  const CProfile missing = CProfile::Load(m_dir / "absent.ini");
  EXPECT_EQ(missing.GetProfileString("CHARACTER", "STARTINGPOINTS", "200"), "200");
  EXPECT_EQ(missing.GetDirectory(), m_dir);

  const fs::path bad = Write("bad.ini", "[A]\nk=v\nthis line is no setting\n");
  try {
    CProfile::Load(bad);
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find(bad.string()), std::string::npos) << what;
    EXPECT_NE(what.find("line 3"), std::string::npos) << what;
  }
  EXPECT_THROW(CProfile::Load(m_dir), std::runtime_error) << "a folder is no profile";
}

TEST_F(ProfileTest, ResolvePathTakesRelativeEntriesFromTheProfileFolder) {
  const CProfile profile = CProfile::Load(m_dir / "zulparvo.ini");
  EXPECT_EQ(profile.ResolvePath("db/b05.db"), m_dir / "db" / "b05.db");
  EXPECT_EQ(profile.ResolvePath("/srv/books/b05.db"), fs::path("/srv/books/b05.db"));
  EXPECT_TRUE(profile.ResolvePath("").empty());
  // Without a file, relative entries stay relative (to the working folder).
  EXPECT_EQ(CProfile().ResolvePath("db/b05.db"), fs::path("db/b05.db"));
}

// Sets or clears the variables that FindProfilePath reads, and restores them afterwards.
class ProfileLocationTest : public ProfileTest {
 protected:
  static constexpr const char* kNames[] = {"ZULPARVO_PROFILE", "XDG_CONFIG_HOME", "HOME"};

  void SetUp() override {
    ProfileTest::SetUp();
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      m_saved.emplace_back(value != nullptr, value != nullptr ? value : "");
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < std::size(kNames); ++i) {
      if (m_saved[i].first) setenv(kNames[i], m_saved[i].second.c_str(), 1);
      else unsetenv(kNames[i]);
    }
    ProfileTest::TearDown();
  }

  std::vector<std::pair<bool, std::string>> m_saved;
};

TEST_F(ProfileLocationTest, CommandLineThenVariableThenXdgThenHome) {
  EXPECT_TRUE(FindProfilePath(std::nullopt).empty());

  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(FindProfilePath(std::nullopt), fs::path("/home/u/.config/zulparvo/zulparvo.ini"));

  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(FindProfilePath(std::nullopt), fs::path("/home/u/.config/zulparvo/zulparvo.ini")) << "relative: ignored";
  setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(FindProfilePath(std::nullopt), fs::path("/xdg/zulparvo/zulparvo.ini"));

  setenv("ZULPARVO_PROFILE", "", 1);
  EXPECT_EQ(FindProfilePath(std::nullopt), fs::path("/xdg/zulparvo/zulparvo.ini")) << "empty counts as unset";
  setenv("ZULPARVO_PROFILE", "/etc/z.ini", 1);
  EXPECT_EQ(FindProfilePath(std::nullopt), fs::path("/etc/z.ini"));

  EXPECT_EQ(FindProfilePath(fs::path("cli.ini")), fs::path("cli.ini"));
  EXPECT_EQ(FindProfilePath(fs::path()), fs::path("/etc/z.ini"));
}

TEST_F(ProfileLocationTest, AppProfileLoadsOnFirstUseAndReportsParseErrors) {
  setenv("ZULPARVO_PROFILE", Write("good.ini", "[DIRECTORIES]\nPICTURES=pics\n").c_str(), 1);
  ResetAppProfile();
  EXPECT_EQ(GetAppProfile().GetProfileString("Directories", "Pictures", ""), "pics");

  setenv("ZULPARVO_PROFILE", Write("bad.ini", "[DIRECTORIES\n").c_str(), 1);
  ResetAppProfile();
  CMessageCollector collector;
  EXPECT_TRUE(GetAppProfile().GetPath().empty()) << "falls back to the empty profile";
  GetAppProfile();
  ASSERT_EQ(collector.Messages().size(), 1u) << "reported once, not on every use";
  EXPECT_EQ(collector.Messages()[0].icon, MessageIcon::Stop);
  EXPECT_NE(collector.Messages()[0].text.find("bad.ini"), std::string::npos);
}

}  // namespace
}  // namespace zulparvo
