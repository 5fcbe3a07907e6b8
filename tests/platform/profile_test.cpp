#include "platform/profile.h"

#include <gtest/gtest.h>
#include <limits.h>
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

// A fresh folder per test, removed afterwards; the variables that FindProfilePath reads
// cleared, and restored afterwards.
class ProfileTest : public testing::Test {
 protected:
  static constexpr const char* kNames[] = {"ZULPARVO_PROFILE", "XDG_CONFIG_HOME", "HOME"};

  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    m_dir = fs::temp_directory_path() / ("zulparvo-profile-" + std::to_string(getpid()) + "-" + info->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      m_saved.emplace_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      m_saved[i] ? setenv(kNames[i], m_saved[i]->c_str(), 1) : unsetenv(kNames[i]);
    }
    ResetAppProfile();
    fs::remove_all(m_dir);
  }

  fs::path Write(const std::string& name, const std::string& content) {
    const fs::path file = m_dir / name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  fs::path m_dir;
  std::vector<std::optional<std::string>> m_saved;
};

TEST_F(ProfileTest, SectionsAndKeysIgnoreCaseValuesKeepIt) {
  // A long path (up to the system's limit) on a line, a byte-order mark, CR LF line ends.
  const std::string longPath = "/srv/" + std::string(PATH_MAX - 10, 'b') + ".db";
  const CProfile profile = CProfile::Load(Write("p.ini", "\xEF\xBB\xBF[Character]\r\nStartingPoints = 150\r\n"
                                                        "[DATABASE]\nb05 = Books/Basic.db ; where it lives\nB06 =\n"
                                                        "B05 = second\nB07=" + longPath + "\n"));
  EXPECT_EQ(profile.GetProfileInt("CHARACTER", "STARTINGPOINTS", 200), 150);
  EXPECT_EQ(profile.GetProfileString("database", "B05", ""), "Books/Basic.db") << "the first of two counts";
  EXPECT_EQ(profile.GetProfileString("DATABASE", "B06", "default"), "") << "present but empty";
  EXPECT_EQ(profile.GetProfileString("DATABASE", "B07", ""), longPath);
  EXPECT_EQ(profile.GetProfileString("DATABASE", "B08", "default"), "default");
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

  const std::string longLine = "; " + std::string(PATH_MAX, 'c') + "\n";
  const std::pair<std::string, std::string> kCases[] = {
      {"[A]\nk=v\n" + longLine + "this line is no setting\n", "line 4: no \"=\" between a key and its value"},
      {"[CHARACTER]\nSTARTINGPOINTS = 1e400\n", "line 2: STARTINGPOINTS must be a number from 0 to 1000000"},
      {"[CHARACTER]\nSTARTINGPOINTS = -5\n", "line 2: STARTINGPOINTS must be a number from 0 to 1000000"},
      {"[Character]\nstartingpoints = many\n", "line 2: STARTINGPOINTS must be a number from 0 to 1000000"},
      {"[LOOKUP]\nTIMEOUT = 0\n", "line 2: TIMEOUT must be a number from 1 to 60000"},
      // read as a whole number this is 6400031, whatever it is as a decimal one
      {"[LOOKUP]\nTIMEOUT = +6400031E-4\n", "line 2: TIMEOUT must be a number from 1 to 60000"},
      {"[DIRECTORIES\n", "line 1: a section name without its \"]\""},
      {"[A]\n= v\n", "line 2: a value without a key"},
  };
  for (const auto& [text, error] : kCases) {
    const fs::path bad = Write("bad.ini", text);
    try {
      CProfile::Load(bad);
      ADD_FAILURE() << "no exception for " << error;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(e.what(), "The profile " + bad.string() + " has an error in " + error + ".");
    }
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

TEST_F(ProfileTest, CommandLineThenVariableThenXdgThenHome) {
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

TEST_F(ProfileTest, AppProfileLoadsOnFirstUseAndReportsParseErrors) {
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
