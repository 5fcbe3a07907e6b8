// One book's reference database: an SQLite file, opened read-only.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/object.h"

struct sqlite3;

namespace zulparvo {

// The password of the reference databases and the connect text that carries it. SQLite
// files have no password: the connect text is accepted and not used.
inline constexpr const char* kDatabasePassword = "kvarpelino";
CString DatabaseConnectText();

// The error text of a failed open is cut to this many characters.
inline constexpr std::size_t kMaxErrorTextLength = 255;

class CReferenceDatabase {
 public:
  CReferenceDatabase() = default;
  ~CReferenceDatabase();
  CReferenceDatabase(const CReferenceDatabase&) = delete;
  CReferenceDatabase& operator=(const CReferenceDatabase&) = delete;

  // Opens the file read-only and reads its header, so that a file that is not a database
  // fails here and not at the first query. A missing file, an empty path or a file that
  // is not a database fails: the error text is shown with the stop icon, kept for
  // GetLastError, and the object stays closed. The caller then reports which book failed.
  bool Open(const CString& path, const CString& connect);
  void Close();
  bool IsOpen() const { return m_handle != nullptr; }
  sqlite3* GetHandle() const { return m_handle; }
  // The error text of the last failed open.
  const CString& GetLastError() const { return m_lastError; }

 private:
  sqlite3* m_handle = nullptr;
  CString m_lastError;
};

// What tells a file apart from the one that was at its path before: device, inode,
// size and modification time. Replacing a database file by another changes it.
struct FileSignature {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const FileSignature&) const = default;
};

// None when the path names nothing that can be examined.
std::optional<FileSignature> ReadFileSignature(const CString& path);

}  // namespace zulparvo
