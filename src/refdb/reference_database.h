// One book's reference database: an SQLite file, opened read-only and treated as
// untrusted input.
//
// A reference database may come from anyone, so a connection is set up so that no file
// can make a lookup hang, take much memory or run code of its own: SQLite's defensive
// mode, no trusted schema, no triggers or extensions, tight limits on the length of any
// value or statement, a time limit on every statement (a progress handler), and a short
// wait for a locked file. Views may stand for tables, but a view that calls a function
// or recurses is refused, and so is a table with computed (generated) columns: those are
// the ways a file could make one value expensive beyond what the time limit can stop.
#pragma once

#include <chrono>
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

// No text or blob that a statement reads or makes may be longer than this.
inline constexpr int kMaxValueBytes = 1 << 20;

// How long a statement may run, and a locked file be waited for, unless the profile
// says otherwise ([LOOKUP] TIMEOUT, in milliseconds).
inline constexpr std::chrono::milliseconds kDefaultTimeLimit{300};

class CReferenceDatabase {
 public:
  explicit CReferenceDatabase(std::chrono::milliseconds timeLimit = kDefaultTimeLimit);
  ~CReferenceDatabase();
  CReferenceDatabase(const CReferenceDatabase&) = delete;
  CReferenceDatabase& operator=(const CReferenceDatabase&) = delete;

  // Opens the file read-only and reads its schema, so that a file that is not a
  // database fails here and not at the first query. An empty path, a missing file,
  // anything that is not a regular file (a FIFO, a device, a folder), a file that is not
  // a database, one with computed columns and one whose schema takes longer than the
  // time limit to read all fail: the error text is kept for GetLastError and the object
  // stays closed. The caller shows it and reports which book failed.
  bool Open(const CString& path, const CString& connect);
  void Close();
  bool IsOpen() const { return m_handle != nullptr; }
  sqlite3* GetHandle() const { return m_handle; }
  // The error text of the last failed open.
  const CString& GetLastError() const { return m_lastError; }

  std::chrono::milliseconds GetTimeLimit() const { return m_timeLimit; }
  void SetTimeLimit(std::chrono::milliseconds timeLimit);
  // Starts the time limit anew: statements stop (SQLITE_INTERRUPT) once it has passed.
  void StartClock();
  // True when the time limit stopped a statement since the clock was started.
  bool TimedOut() const { return m_timedOut; }
  // True when a statement was refused since the clock was started: it read a view that
  // calls a function or recurses, or did anything but read.
  bool Refused() const { return m_refused; }

 private:
  static int Authorize(void* database, int action, const char*, const char*, const char*, const char* view);
  static int OnProgress(void* database);
  // Empty when the file is open and fit to be read; else what is wrong.
  CString OpenChecked(const CString& path);
  bool Configure();

  sqlite3* m_handle = nullptr;
  CString m_lastError;
  std::chrono::milliseconds m_timeLimit;
  std::chrono::steady_clock::time_point m_deadline;
  bool m_timedOut = false;
  bool m_refused = false;
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
