#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace zulparvo {

namespace {

std::string Quote(const std::filesystem::path& path) { return path.string(); }

[[noreturn]] void ThrowErrno(const std::filesystem::path& path, const char* what, int error) {
  throw CFileException(Quote(path) + ": " + what + ": " + std::strerror(error));
}

// Closes the descriptor when the scope ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      if (m_fd >= 0) ::close(m_fd);
      m_fd = other.Release();
    }
    return *this;
  }
  int Get() const { return m_fd; }
  int Release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};

// What a save replaces: the file at the end of the path's symbolic links (the path
// itself when it is none), its permissions and owner when it exists.
struct SaveTarget {
  std::filesystem::path file;
  std::optional<struct stat> existing;
};

const char* KindOfSpecialFile(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe (FIFO)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

SaveTarget FindSaveTarget(const std::filesystem::path& path) {
  constexpr int kMaxLinks = 40;  // as the system counts
  std::filesystem::path file = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) {
      if (errno == ENOENT) return {file, std::nullopt};  // a new file, or the missing end of a link
      ThrowErrno(path, "cannot write", errno);
    }
    if (S_ISREG(info.st_mode)) return {file, info};
    if (!S_ISLNK(info.st_mode)) {
      throw CFileException(Quote(path) + ": is " + KindOfSpecialFile(info.st_mode) +
                           ", not a regular file; save to a file instead");
    }
    std::error_code error;
    const std::filesystem::path link = std::filesystem::read_symlink(file, error);
    if (error) ThrowErrno(path, "cannot write", error.value());
    file = link.is_absolute() ? link : file.parent_path() / link;
  }
  ThrowErrno(path, "cannot write", ELOOP);
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0 && errno != EINTR) return false;
    if (put > 0) written += static_cast<std::size_t>(put);
  }
  return true;
}

// Gives the unnamed file (O_TMPFILE) a name.
bool LinkUnnamed(int fd, const std::filesystem::path& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
         ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

// Large buffers are asked to live on huge pages: filling tens of megabytes then takes
// a few page faults instead of thousands.
void AdviseHugePages(void* data, std::size_t size) {
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  if (size < kHugePage) return;
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(page - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

// Reads the whole file into a vector of bytes of either kind.
template <class Bytes>
Bytes ReadWhole(const std::filesystem::path& path, std::uintmax_t maxSize, std::size_t spare) {
  // Not blocking in the open, so that a FIFO without a writer reads as empty instead of
  // waiting for one for ever; reads block as usual.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) ThrowErrno(path, "cannot open", errno);
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) ThrowErrno(path, "cannot read", errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) ThrowErrno(path, "cannot read", errno);
  if (S_ISDIR(info.st_mode)) throw CFileException(Quote(path) + ": is a folder, not a file");
  if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > maxSize) {
    throw CFileException(Quote(path) + ": is larger than " + std::to_string(maxSize) + " bytes");
  }
  const auto readSome = [&](uint8_t* into, std::size_t size) {
    for (;;) {
      const ssize_t got = ::read(fd.Get(), into, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) ThrowErrno(path, "cannot read", errno);
    }
  };
  // A regular file is read straight into its buffer; what a file that grows meanwhile,
  // or a pipe, has more comes in chunks.
  Bytes bytes;
  const std::size_t expected = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0;
  bytes.reserve(expected + spare);
  AdviseHugePages(bytes.data(), bytes.capacity());
  bytes.resize(expected);
  std::size_t used = 0;
  while (used < expected) {
    const std::size_t got = readSome(bytes.data() + used, expected - used);
    if (got == 0) break;
    used += got;
  }
  bytes.resize(used);
  uint8_t chunk[1 << 16];
  while (const std::size_t got = readSome(chunk, sizeof chunk)) {
    if (bytes.size() + got > maxSize) {
      throw CFileException(Quote(path) + ": is larger than " + std::to_string(maxSize) + " bytes");
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (bytes.capacity() - bytes.size() < spare) bytes.reserve(bytes.size() + spare);
  return bytes;
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxSize, std::size_t spare) {
  return ReadWhole<std::vector<uint8_t>>(path, maxSize, spare);
}

UnsetBytes ReadLargeFile(const std::filesystem::path& path, std::uintmax_t maxSize, std::size_t spare) {
  return ReadWhole<UnsetBytes>(path, maxSize, spare);
}

void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  const SaveTarget target = FindSaveTarget(path);
  const std::filesystem::path folder =
      target.file.has_parent_path() ? target.file.parent_path() : std::filesystem::path(".");
  std::random_device random;
  const std::filesystem::path temporary =
      folder / ("." + target.file.filename().string() + ".tmp-" + std::to_string(random()));

  // The new file has no name until it is complete, where the file system allows it, so
  // that a killed save leaves nothing behind; else it is made under the temporary name.
  bool named = false;
  FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (fd.Get() < 0) {
    fd = FileDescriptor(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) ThrowErrno(path, "cannot write", errno);
    named = true;
  }
  const auto fail = [&](const char* what, int error) {
    if (named) ::unlink(temporary.c_str());
    ThrowErrno(path, what, error);
  };
  if (target.existing) {
    // The replaced file's permissions and, where allowed, its owner (only the superuser
    // may give a file away; anyone else's new file stays theirs).
    if (::fchown(fd.Get(), target.existing->st_uid, target.existing->st_gid) != 0 && errno != EPERM) {
      fail("cannot write", errno);
    }
    if (::fchmod(fd.Get(), target.existing->st_mode & 0777) != 0) fail("cannot write", errno);
  }
  if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) fail("cannot write", errno);
  if (!named) {
    if (!LinkUnnamed(fd.Get(), temporary)) fail("cannot write", errno);
    named = true;
  }
  if (::close(fd.Release()) != 0) fail("cannot write", errno);
  if (::rename(temporary.c_str(), target.file.c_str()) != 0) fail("cannot replace", errno);
  named = false;

  // The rename lasts only once the folder is on the disk too. (A folder that cannot be
  // opened for reading, or a file system that cannot sync folders, leaves it at that.)
  const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Get() >= 0 && ::fsync(directory.Get()) != 0 && errno != EINVAL) {
    ThrowErrno(path, "was written, but its folder cannot be synced", errno);
  }
}

}  // namespace zulparvo
