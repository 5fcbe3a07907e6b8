#include "refdb/jet_cache.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "platform/message_sink.h"
#include "refdb/jet_convert.h"
#include "refdb/jet_process.h"
#include "refdb/reference_database.h"

namespace zulparvo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kJetExtensions[] = {".mdb", ".mde", ".accdb", ".accde"};
constexpr std::size_t kMaxStemLength = 64;
// How long a conversion by another process is waited for: its own limit and a margin.
constexpr std::chrono::seconds kLockWait = JetLimits{}.wallClock + std::chrono::seconds{30};

// A file that failed is not tried again for a while, so that a book whose copy cannot
// be made does not convert once more for every name looked up in it.
constexpr std::chrono::seconds kRetryAfter{60};

// What became of one path as it was when last seen.
struct Outcome {
  FileSignature signature;
  std::optional<CString> usable;
  CString error;
  std::chrono::steady_clock::time_point seen;
};

std::mutex& KnownMutex() {
  static std::mutex mutex;
  return mutex;
}
std::map<CString, Outcome>& Known() {
  static std::map<CString, Outcome> known;
  return known;
}

CString Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

bool ContentHash(const CString& path, uint64_t& hash, CString& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  XXH3_state_t* state = XXH3_createState();
  XXH3_64bits_reset(state);
  std::vector<char> buffer(std::size_t{1} << 20);
  std::size_t got;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) XXH3_64bits_update(state, buffer.data(), got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  hash = XXH3_64bits_digest(state);
  XXH3_freeState(state);
  if (failed) error = "cannot read it";
  return !failed;
}

// Holds an exclusive lock on a file while it lives.
class FileLock {
 public:
  explicit FileLock(const fs::path& path)
      : m_path(path), m_fd(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {}
  ~FileLock() {
    if (m_fd >= 0) close(m_fd);  // closing lets the lock go
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Waits for the lock until the deadline; false with the reason otherwise.
  bool Acquire(std::chrono::steady_clock::time_point deadline, CString& reason) {
    if (m_fd < 0) {
      reason = "cannot open " + m_path.string() + ": " + std::strerror(errno);
      return false;
    }
    while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
        reason = "another conversion of it does not end (" + m_path.string() + " stays locked)";
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
  }

 private:
  fs::path m_path;
  int m_fd;
};

// Makes the copy of the Jet file, unless another process has made it meanwhile, and
// removes the older copies of the same file.
bool MakeCopy(const CString& path, const fs::path& folder, const CString& prefix, const fs::path& copy,
              CString& reason) {
  FileLock lock(folder / (prefix + "lock"));
  if (!lock.Acquire(std::chrono::steady_clock::now() + kLockWait, reason)) return false;
  std::error_code ignored;
  if (fs::exists(copy, ignored)) return true;
  if (!ConvertJetDatabase(path, copy.string(), reason)) return false;
  // The copies of the file as it was before; the iterator's error-code form never throws.
  for (fs::directory_iterator entry(folder, ignored), end; !ignored && entry != end; entry.increment(ignored)) {
    const CString name = entry->path().filename().string();
    std::error_code kept;  // a copy that cannot be removed stays; it does no harm
    if (name.starts_with(prefix) && entry->path() != copy && !name.ends_with(".lock")) fs::remove(entry->path(), kept);
  }
  return true;
}

// The reason why no copy can be used, or none with `copy` set to the copy's path.
std::optional<CString> FindOrMakeCopy(const CString& path, const FileSignature& signature, CString& copy) {
  std::error_code failure;
  const fs::path source = fs::canonical(path, failure);
  if (failure) return failure.message();
  const fs::path folder = JetCacheFolder();
  if (folder.empty()) return "there is no cache folder for its copy (neither XDG_CACHE_HOME nor HOME is set)";
  uint64_t content = 0;
  CString reason;
  if (!ContentHash(path, content, reason)) return reason;
  const std::array<uint64_t, 3> version = {content, static_cast<uint64_t>(signature.size),
                                           static_cast<uint64_t>(signature.modifiedNanoseconds)};
  const CString prefix = source.filename().string().substr(0, kMaxStemLength) + "." +
                         Hex(XXH3_64bits(source.c_str(), source.native().size())) + ".";
  copy = (folder / (prefix + Hex(XXH3_64bits(version.data(), sizeof version)) + ".db")).string();
  if (fs::exists(copy, failure)) return std::nullopt;
  if (!fs::create_directories(folder, failure) && failure) {
    return "cannot make the cache folder " + folder.string() + ": " + failure.message();
  }
  if (!MakeCopy(path, folder, prefix, copy, reason)) return reason;
  return std::nullopt;
}

Outcome Examine(const CString& path, const FileSignature& signature) {
  Outcome outcome{signature, path, {}, std::chrono::steady_clock::now()};
  // Anything but a regular file is left to the open, which refuses it.
  std::error_code ignored;
  if (!fs::is_regular_file(path, ignored) || !IsJetDatabasePath(path)) return outcome;
  CString copy;
  if (const std::optional<CString> reason = FindOrMakeCopy(path, signature, copy)) {
    outcome.usable.reset();
    outcome.error = path + ": cannot use the Jet database: " + *reason;
  } else {
    outcome.usable = copy;
  }
  return outcome;
}

}  // namespace

bool IsJetDatabasePath(const CString& path) {
  CString extension = fs::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  if (std::ranges::find(kJetExtensions, extension) != std::end(kJetExtensions)) return true;
  // Only a regular file is looked into: opening a FIFO would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  uint8_t start[32] = {};
  ssize_t got = 0;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) got = ::pread(fd, start, sizeof start, 0);
  ::close(fd);
  return got > 0 && HasJetHeader({start, static_cast<std::size_t>(got)});
}

CString JetCacheFolder() {
  // Relative values are to be ignored, as the XDG base directory rules say.
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && cache[0] == '/') {
    return (fs::path(cache) / "zulparvo").string();
  }
  const char* home = std::getenv("HOME");
  passwd entry{};
  passwd* user = nullptr;
  std::array<char, 4096> buffer{};
  if ((home == nullptr || home[0] != '/') && getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &user) == 0 &&
      user != nullptr) {
    home = user->pw_dir;
  }
  return home != nullptr && home[0] == '/' ? (fs::path(home) / ".cache" / "zulparvo").string() : CString();
}

std::optional<CString> UsableDatabasePath(const CString& path, CString& error) {
  const std::optional<FileSignature> signature = ReadFileSignature(path);
  if (!signature) return path;  // nothing there to convert: the open reports it
  std::optional<Outcome> outcome;
  {
    const std::lock_guard lock(KnownMutex());
    const auto known = Known().find(path);
    std::error_code ignored;
    if (known != Known().end() && known->second.signature == *signature &&
        (known->second.usable ? fs::exists(*known->second.usable, ignored)
                              : std::chrono::steady_clock::now() - known->second.seen < kRetryAfter)) {
      outcome = known->second;
    }
  }
  if (!outcome) {
    // Not under the lock: a conversion takes its time, and other books need not wait.
    outcome = Examine(path, *signature);
    const std::lock_guard lock(KnownMutex());
    Known()[path] = *outcome;
  }
  if (!outcome->usable) {
    error = outcome->error;
    AfxMessageBox(error, MessageIcon::Stop);
  }
  return outcome->usable;
}

}  // namespace zulparvo
