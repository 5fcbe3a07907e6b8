// What the Jet tests share: the test databases (made by others, read in place), a
// folder of the test's own, and the output of commands.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zulparvo::testing {

inline std::filesystem::path JetFixtures() { return ZULPARVO_JET_FIXTURES; }

#define SKIP_WITHOUT_JET_FIXTURES()                                                                   \
  if (!std::filesystem::exists(JetFixtures() / "nwind.mdb"))                                          \
  GTEST_SKIP() << "no Jet test databases in " << JetFixtures() << " (set ZULPARVO_JET_FIXTURES)"

// A fresh folder for the test, removed with everything in it; the cache of converted
// copies is inside it while the folder lives (XDG_CACHE_HOME).
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             ("zulparvo-jet-" + std::to_string(getpid()) + "-" + test->name());
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
    setenv("XDG_CACHE_HOME", (m_path / "cache").c_str(), 1);
  }
  ~TemporaryFolder() {
    unsetenv("XDG_CACHE_HOME");
    std::filesystem::remove_all(m_path);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// What the command prints on standard output.
inline std::string Output(const std::string& command) {
  std::string output;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

}  // namespace zulparvo::testing
