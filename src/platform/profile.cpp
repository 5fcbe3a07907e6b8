#include "platform/profile.h"

#include <INIReader.h>

#include <charconv>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "platform/message_sink.h"

namespace zulparvo {

// The parsed file. The reader folds sections and keys to lower case itself, which gives
// the case-insensitive lookup of the desktop profile.
struct CProfile::Values {
  explicit Values(const std::string& file) : reader(file) {}
  INIReader reader;
};

CProfile::CProfile() = default;

CProfile CProfile::Load(const std::filesystem::path& file) {
  CProfile profile;
  profile.m_path = file;
  if (file.empty()) return profile;

  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return profile;
  if (std::filesystem::is_directory(status)) {
    throw std::runtime_error("The profile " + file.string() + " is a folder, not a file.");
  }

  auto values = std::make_shared<const Values>(file.string());
  const int parseError = values->reader.ParseError();
  if (parseError < 0) {
    // It may have gone between the look and the read; gone counts as missing.
    if (!std::filesystem::exists(file, error) && !error) return profile;
    throw std::runtime_error("The profile " + file.string() + " cannot be read.");
  }
  if (parseError > 0) {
    throw std::runtime_error("The profile " + file.string() + " has an error in line " +
                             std::to_string(parseError) + ".");
  }
  profile.m_values = std::move(values);
  return profile;
}

CString CProfile::GetProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  const std::string sectionText(section);
  const std::string keyText(key);
  if (!m_values || !m_values->reader.HasValue(sectionText, keyText)) return CString(defaultValue);
  return m_values->reader.Get(sectionText, keyText, std::string());
}

int32_t CProfile::GetProfileInt(std::string_view section, std::string_view key,
                                int32_t defaultValue) const {
  const std::string sectionText(section);
  const std::string keyText(key);
  if (!m_values || !m_values->reader.HasValue(sectionText, keyText)) return defaultValue;
  const std::string value = m_values->reader.Get(sectionText, keyText, std::string());

  size_t pos = 0;
  while (pos < value.size() && (value[pos] == ' ' || value[pos] == '\t')) ++pos;
  // from_chars takes a "-" but not a "+"; a "+" must be followed by a digit ("+-3" is no number).
  if (pos < value.size() && value[pos] == '+') {
    ++pos;
    if (pos >= value.size() || value[pos] < '0' || value[pos] > '9') return defaultValue;
  }
  int32_t number = 0;
  const char* first = value.data() + pos;
  const char* last = value.data() + value.size();
  const auto [end, ec] = std::from_chars(first, last, number, 10);
  if (ec != std::errc() || end == first) return defaultValue;
  return number;
}

std::filesystem::path CProfile::GetDirectory() const { return m_path.parent_path(); }

std::filesystem::path CProfile::ResolvePath(std::string_view entry) const {
  if (entry.empty()) return {};
  std::filesystem::path path(entry);
  if (path.is_absolute()) return path;
  return GetDirectory() / path;
}

namespace {

// The variable's value, or nothing when it is unset or empty.
std::optional<std::filesystem::path> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::filesystem::path(value);
}

std::mutex& AppProfileMutex() {
  static std::mutex mutex;
  return mutex;
}

std::optional<CProfile>& AppProfileSlot() {
  static std::optional<CProfile> profile;
  return profile;
}

}  // namespace

std::filesystem::path FindProfilePath(const std::optional<std::filesystem::path>& commandLine) {
  if (commandLine && !commandLine->empty()) return *commandLine;
  if (auto path = Environment("ZULPARVO_PROFILE")) return *path;
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  if (auto config = Environment("XDG_CONFIG_HOME"); config && config->is_absolute()) {
    return *config / "zulparvo" / "zulparvo.ini";
  }
  if (auto home = Environment("HOME")) return *home / ".config" / "zulparvo" / "zulparvo.ini";
  return {};
}

const CProfile& GetAppProfile() {
  std::optional<CString> failure;
  const CProfile* result = nullptr;
  {
    std::lock_guard<std::mutex> lock(AppProfileMutex());
    auto& slot = AppProfileSlot();
    if (!slot) {
      try {
        slot = CProfile::Load(FindProfilePath(std::nullopt));
      } catch (const std::exception& e) {
        failure = e.what();
        slot = CProfile();
      }
    }
    result = &*slot;
  }
  // Shown outside the lock: a sink may well read the profile itself.
  if (failure) AfxMessageBox(*failure, MessageIcon::Stop);
  return *result;
}

void SetAppProfile(CProfile profile) {
  std::lock_guard<std::mutex> lock(AppProfileMutex());
  AppProfileSlot() = std::move(profile);
}

void ResetAppProfile() {
  std::lock_guard<std::mutex> lock(AppProfileMutex());
  AppProfileSlot().reset();
}

CString GetDatabaseDir(const CString& entry) { return GetAppProfile().ResolvePath(entry).string(); }

CString GetPictureDir(const CString& entry) { return GetAppProfile().ResolvePath(entry).string(); }

}  // namespace zulparvo
