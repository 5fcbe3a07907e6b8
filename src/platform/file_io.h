// Whole-file reading and safe replacement of files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace zulparvo {

// A file that cannot be read or written; the message names the file.
class CFileException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Files larger than this are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{512} << 20;

// The whole content of the file (a FIFO without a writer reads as empty), with room for at least `spare` more bytes after it (for
// a parser that reads ahead of the end).
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxSize = kMaxFileSize,
                                   std::size_t spare = 0);

// An allocator that leaves the elements a vector grows by unset, for a buffer that a read
// fills at once: setting tens of megabytes to zero first takes as long as reading them.
template <class T>
struct UnsetAllocator : std::allocator<T> {
  UnsetAllocator() = default;
  template <class U>
  UnsetAllocator(const UnsetAllocator<U>&) noexcept {}  // NOLINT: allocators convert implicitly
  template <class U>
  void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};
using UnsetBytes = std::vector<uint8_t, UnsetAllocator<uint8_t>>;

// ReadFileBytes for a large file read whole: the buffer's bytes are not set before the
// file's are read into them.
UnsetBytes ReadLargeFile(const std::filesystem::path& path, std::uintmax_t maxSize = kMaxFileSize,
                         std::size_t spare = 0);

// Writes the bytes to a new file beside `path` and renames it over `path`, so that the
// old file stays as it was unless the new one is complete. The new file has no name
// until it is complete (where the file system can make unnamed files), so a killed save
// leaves nothing behind; the folder is synced after the rename. A symbolic link is
// followed and the file it leads to is replaced, keeping its permissions; a folder, FIFO,
// device or socket is refused, untouched.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace zulparvo
