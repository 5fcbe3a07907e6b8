#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
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
  int Get() const { return m_fd; }
  int Release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxSize) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) ThrowErrno(path, "cannot open", errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) ThrowErrno(path, "cannot read", errno);
  if (S_ISDIR(info.st_mode)) throw CFileException(Quote(path) + ": is a folder, not a file");
  if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > maxSize) {
    throw CFileException(Quote(path) + ": is larger than " + std::to_string(maxSize) + " bytes");
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0);
  uint8_t chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(path, "cannot read", errno);
    }
    if (got == 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > maxSize) {
      throw CFileException(Quote(path) + ": is larger than " + std::to_string(maxSize) + " bytes");
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::random_device random;
  const std::filesystem::path temporary =
      folder / ("." + path.filename().string() + ".tmp-" + std::to_string(random()));

  // New files get the usual permissions; an existing file keeps its own.
  mode_t mode = 0666;
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) mode = existing.st_mode & 07777;

  FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (fd.Get() < 0) ThrowErrno(path, "cannot write", errno);
  const auto fail = [&](const char* what, int error) {
    ::unlink(temporary.c_str());
    ThrowErrno(path, what, error);
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
    if (put < 0) {
      if (errno == EINTR) continue;
      fail("cannot write", errno);
    }
    written += static_cast<std::size_t>(put);
  }
  if (::fsync(fd.Get()) != 0) fail("cannot write", errno);
  if (::close(fd.Release()) != 0) fail("cannot write", errno);
  if (::rename(temporary.c_str(), path.c_str()) != 0) fail("cannot replace", errno);
}

}  // namespace zulparvo
