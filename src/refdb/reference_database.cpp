#include "refdb/reference_database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/message_sink.h"

namespace zulparvo {

CString DatabaseConnectText() { return CString(";PWD=") + kDatabasePassword; }

CReferenceDatabase::~CReferenceDatabase() { Close(); }

bool CReferenceDatabase::Open(const CString& path, const CString& /*connect*/) {
  Close();
  int status = SQLITE_CANTOPEN;
  // An empty name would open a private temporary database, not fail.
  if (!path.empty()) {
    status = sqlite3_open_v2(path.c_str(), &m_handle, SQLITE_OPEN_READONLY, nullptr);
    // sqlite3_open_v2 reads nothing yet; the first read of the schema tells a database
    // from any other file.
    if (status == SQLITE_OK) {
      status = sqlite3_exec(m_handle, "SELECT 1 FROM sqlite_master LIMIT 1", nullptr, nullptr, nullptr);
    }
  }
  if (status == SQLITE_OK) return true;
  m_lastError = m_handle != nullptr ? sqlite3_errmsg(m_handle) : sqlite3_errstr(status);
  m_lastError.resize(std::min(m_lastError.size(), kMaxErrorTextLength));
  Close();
  AfxMessageBox(m_lastError, MessageIcon::Stop);
  return false;
}

void CReferenceDatabase::Close() {
  // close_v2 lets a statement that is still open keep the connection until it finishes.
  sqlite3_close_v2(m_handle);
  m_handle = nullptr;
}

std::optional<FileSignature> ReadFileSignature(const CString& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileSignature{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                       static_cast<int64_t>(info.st_size),
                       static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

}  // namespace zulparvo
