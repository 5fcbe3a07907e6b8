// The application profile: the INI file that holds the host's settings.
//
// Lines are "[SECTION]" or "KEY = VALUE", of any length; blank lines and lines that
// begin with ";" or "#" are comments, and so is what follows " ;" in a value. Sections
// and keys are compared without regard to case; values are returned as the file writes
// them, without blanks around them. When a key appears twice in a section, the first
// one counts. A setting that the file lacks, or a profile without a file, gives the
// caller's default. The settings read are "CHARACTER"/"STARTINGPOINTS",
// "DATABASE"/<book code>, "DIRECTORIES"/"PICTURES" and "LOOKUP"/"TIMEOUT". Folder
// entries that are relative paths are taken relative to the folder of the profile file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/object.h"

namespace zulparvo {

// The time limit of one reference database lookup, in milliseconds.
inline constexpr const char* kLookupSection = "LOOKUP";
inline constexpr const char* kLookupTimeoutKey = "TIMEOUT";

// A profile larger than this is refused rather than read.
inline constexpr std::uintmax_t kMaxProfileSize = 1 << 20;

class CProfile {
 public:
  // A profile without a file: every setting has its default.
  CProfile();

  // Reads the file. A file that does not exist gives an empty profile that still knows
  // its path (so that relative folder entries have a base). A file that exists but
  // cannot be read or parsed throws std::runtime_error naming the file and, for an
  // error in the text, the first line in error. The numbers of the profile must be
  // finite and in their range: STARTINGPOINTS from 0 to 1000000, the lookup TIMEOUT
  // from 1 to 60000 (milliseconds).
  static CProfile Load(const std::filesystem::path& file);
  // The same for the text of a file; `file` is only named in errors and is the base of
  // relative folder entries.
  static CProfile Parse(std::string_view text, const std::filesystem::path& file);

  // The value of the key, or the default when the key is absent. A key that is present
  // with an empty value gives the empty text.
  CString GetProfileString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

  // The whole number that the value begins with (after blanks, with an optional sign;
  // what follows the digits is ignored). The default when the key is absent, when the
  // value does not begin with a number, or when the number does not fit 32 bits.
  int32_t GetProfileInt(std::string_view section, std::string_view key, int32_t defaultValue) const;

  // The file the profile was loaded from; empty for a profile without a file.
  const std::filesystem::path& GetPath() const { return m_path; }

  // The folder of the profile file; empty when there is none (or the path names no
  // folder, in which case relative entries are relative to the working folder).
  std::filesystem::path GetDirectory() const;

  // A folder or file entry of the profile as a path: an absolute entry as it is, a
  // relative entry below GetDirectory(), an empty entry as the empty path.
  std::filesystem::path ResolvePath(std::string_view entry) const;

 private:
  struct Values;  // the parsed file; shared between copies, never changed after Load
  std::filesystem::path m_path;
  std::shared_ptr<const Values> m_values;
};

// Where the application profile is: the command-line option when given, else
// $ZULPARVO_PROFILE, else $XDG_CONFIG_HOME/zulparvo/zulparvo.ini, else
// $HOME/.config/zulparvo/zulparvo.ini. Empty or (for XDG_CONFIG_HOME) relative
// variables count as unset. Empty when none of them gives a place.
std::filesystem::path FindProfilePath(const std::optional<std::filesystem::path>& commandLine);

// The process-wide profile. On first use it is loaded from FindProfilePath(nullopt);
// should that file be unreadable, the error is shown with the stop icon and the empty
// profile is used. A copy (cheap: the parsed settings are shared), so that another
// thread may replace the profile meanwhile.
CProfile GetAppProfile();

// Replaces the process-wide profile (the host after reading its command line, or a test).
void SetAppProfile(CProfile profile);

// Forgets the process-wide profile, so that the next GetAppProfile loads it again from
// FindProfilePath(nullopt) (after the host changed its environment, or between tests).
void ResetAppProfile();

// The folder look-ups of the utility library, through the process-wide profile: the
// path that a database entry (section "DATABASE") or the picture folder entry
// ("DIRECTORIES"/"PICTURES") names; an absolute entry as it is, a relative one below the
// folder of the profile file, an empty entry as the empty text.
CString GetDatabaseDir(const CString& entry);
CString GetPictureDir(const CString& entry);

}  // namespace zulparvo
