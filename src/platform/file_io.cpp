#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
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

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxSize, std::size_t spare) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) ThrowErrno(path, "cannot open", errno);
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
  std::vector<uint8_t> bytes;
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
