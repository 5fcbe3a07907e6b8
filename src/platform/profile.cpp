#include "platform/profile.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "base/utilities.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo {

namespace {

// Section and key, lower-cased.
using SettingName = std::pair<std::string, std::string>;

struct Setting {
  std::string value;
  std::size_t line;
};

// The numbers of the profile, the range each must lie in, and whether it is read as a whole
// number (GetProfileInt) or as a decimal one (StringtoDouble).
struct NumberSetting {
  const char* section;
  const char* key;
  double least;
  double most;
  bool whole;
};
constexpr NumberSetting kNumberSettings[] = {
    {"CHARACTER", "STARTINGPOINTS", 0, 1'000'000, false},
    {kLookupSection, kLookupTimeoutKey, 1, 60'000, true},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The whole number at the start of a value, as GetProfileInt reads it: blanks, an optional
// sign, digits; what follows the digits is ignored.
std::optional<int32_t> LeadingInteger(std::string_view value) {
  std::size_t pos = 0;
  while (pos < value.size() && (value[pos] == ' ' || value[pos] == '\t')) ++pos;
  // from_chars takes a "-" but not a "+"; a "+" must be followed by a digit ("+-3" is no number).
  if (pos < value.size() && value[pos] == '+') {
    ++pos;
    if (pos >= value.size() || value[pos] < '0' || value[pos] > '9') return std::nullopt;
  }
  int32_t number = 0;
  const char* first = value.data() + pos;
  const auto [end, ec] = std::from_chars(first, value.data() + value.size(), number, 10);
  if (ec != std::errc() || end == first) return std::nullopt;
  return number;
}

// A number, read the way its reader reads it, that is there, finite and in its range. A
// whole number is checked as GetProfileInt will read it, so that "640E-1" is not let
// through as 64 and then read as 640.
bool IsNumberInRange(const std::string& value, const NumberSetting& setting) {
  const std::string_view text = Trim(value);
  double number = 0;
  if (setting.whole) {
    const std::optional<int32_t> whole = LeadingInteger(text);
    if (!whole) return false;
    number = *whole;
  } else {
    const std::size_t first = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (first >= text.size() || !((text[first] >= '0' && text[first] <= '9') || text[first] == '.')) return false;
    number = StringtoDouble(CString(text));
  }
  return std::isfinite(number) && number >= setting.least && number <= setting.most;
}

}  // namespace

// The parsed file.
struct CProfile::Values {
  std::map<SettingName, Setting> settings;

  const Setting* Find(std::string_view section, std::string_view key) const {
    const auto found = settings.find({Lower(section), Lower(key)});
    return found != settings.end() ? &found->second : nullptr;
  }
};

CProfile::CProfile() = default;

CProfile CProfile::Load(const std::filesystem::path& file) {
  CProfile profile;
  profile.m_path = file;
  if (file.empty()) return profile;

  std::error_code error;
  if (std::filesystem::status(file, error).type() == std::filesystem::file_type::not_found) return profile;
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadFileBytes(file, kMaxProfileSize);
  } catch (const CFileException& e) {
    // It may have gone between the look and the read; gone counts as missing.
    if (!std::filesystem::exists(file, error) && !error) return profile;
    throw std::runtime_error(std::string("The profile ") + e.what());
  }
  return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file);
}

CProfile CProfile::Parse(std::string_view text, const std::filesystem::path& file) {
  const auto fail = [&file](std::size_t line, const std::string& what) {
    return std::runtime_error("The profile " + file.string() + " has an error in line " + std::to_string(line) +
                              ": " + what + ".");
  };
  auto values = std::make_shared<Values>();
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
  std::string section;
  for (std::size_t line = 1; !text.empty() || line == 1; ++line) {
    const std::size_t end = text.find('\n');
    std::string_view content = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (content.empty() || content[0] == ';' || content[0] == '#') continue;
    if (content.find('\0') != std::string_view::npos) throw fail(line, "a NUL byte");
    if (content[0] == '[') {
      const std::size_t close = content.find(']');
      if (close == std::string_view::npos) throw fail(line, "a section name without its \"]\"");
      section = Lower(Trim(content.substr(1, close - 1)));
      continue;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) throw fail(line, "no \"=\" between a key and its value");
    const std::string key = Lower(Trim(content.substr(0, equals)));
    if (key.empty()) throw fail(line, "a value without a key");
    std::string_view value = content.substr(equals + 1);
    for (std::size_t i = 1; i < value.size(); ++i) {
      if (value[i] == ';' && IsBlank(value[i - 1])) {
        value = value.substr(0, i);
        break;
      }
    }
    values->settings.try_emplace({section, key}, Setting{std::string(Trim(value)), line});
  }
  for (const NumberSetting& number : kNumberSettings) {
    const Setting* setting = values->Find(number.section, number.key);
    if (setting != nullptr && !IsNumberInRange(setting->value, number)) {
      throw fail(setting->line, std::string(number.key) + " must be a number from " +
                                    DoubletoString(number.least, 0, 1, 0) + " to " + DoubletoString(number.most, 0, 1, 0));
    }
  }
  CProfile profile;
  profile.m_path = file;
  profile.m_values = std::move(values);
  return profile;
}

CString CProfile::GetProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  const Setting* setting = m_values ? m_values->Find(section, key) : nullptr;
  return setting != nullptr ? setting->value : CString(defaultValue);
}

int32_t CProfile::GetProfileInt(std::string_view section, std::string_view key,
                                int32_t defaultValue) const {
  const Setting* setting = m_values ? m_values->Find(section, key) : nullptr;
  if (setting == nullptr) return defaultValue;
  return LeadingInteger(setting->value).value_or(defaultValue);
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

CProfile GetAppProfile() {
  std::optional<CString> failure;
  CProfile result;
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
    result = *slot;
  }
  // Shown outside the lock: a sink may well read the profile itself.
  if (failure) AfxMessageBox(*failure, MessageIcon::Stop);
  return result;
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
