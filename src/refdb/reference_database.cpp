#include "refdb/reference_database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zulparvo {

namespace {

// Limits of every connection: enough for any reference table, far too little for a
// file to make a value, a statement or a schema expensive.
struct Limit {
  int id;
  int value;
};
constexpr Limit kLimits[] = {
    {SQLITE_LIMIT_LENGTH, kMaxValueBytes},
    {SQLITE_LIMIT_SQL_LENGTH, 100'000},
    {SQLITE_LIMIT_COLUMN, 200},
    {SQLITE_LIMIT_EXPR_DEPTH, 100},
    {SQLITE_LIMIT_COMPOUND_SELECT, 20},
    {SQLITE_LIMIT_VDBE_OP, 100'000},
    {SQLITE_LIMIT_FUNCTION_ARG, 8},
    {SQLITE_LIMIT_ATTACHED, 0},
    {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100},
    {SQLITE_LIMIT_VARIABLE_NUMBER, 100},
    {SQLITE_LIMIT_TRIGGER_DEPTH, 1},
    {SQLITE_LIMIT_WORKER_THREADS, 0},
};

// Switches that must be in this state.
struct Switch {
  int op;
  int on;
};
constexpr Switch kSwitches[] = {
    {SQLITE_DBCONFIG_DEFENSIVE, 1},          {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},     {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
    {SQLITE_DBCONFIG_ENABLE_FKEY, 0},        {SQLITE_DBCONFIG_DQS_DML, 0},
    {SQLITE_DBCONFIG_DQS_DDL, 0},
};

// Any generated column: computing it is one function call that no time limit stops.
constexpr const char* kComputedColumns =
    "SELECT 1 FROM sqlite_schema AS s, pragma_table_xinfo(s.name) AS c "
    "WHERE s.type = 'table' AND c.hidden IN (2, 3) LIMIT 1";

}  // namespace

CString DatabaseConnectText() { return CString(";PWD=") + kDatabasePassword; }

CReferenceDatabase::CReferenceDatabase(std::chrono::milliseconds timeLimit) : m_timeLimit(timeLimit) {}

CReferenceDatabase::~CReferenceDatabase() { Close(); }

void CReferenceDatabase::SetTimeLimit(std::chrono::milliseconds timeLimit) {
  m_timeLimit = timeLimit;
  if (m_handle != nullptr) sqlite3_busy_timeout(m_handle, static_cast<int>(m_timeLimit.count()));
}

void CReferenceDatabase::StartClock() {
  m_deadline = std::chrono::steady_clock::now() + m_timeLimit;
  m_timedOut = false;
  m_refused = false;
}

// Statements read tables and views; inside a view nothing may call a function, and
// nothing anywhere may recurse. The last argument names the view that an action
// belongs to, or is null for the statement's own.
int CReferenceDatabase::Authorize(void* database, int action, const char*, const char*, const char*,
                                  const char* view) {
  const bool allowed =
      action == SQLITE_SELECT || action == SQLITE_READ || (action == SQLITE_FUNCTION && view == nullptr);
  if (!allowed) static_cast<CReferenceDatabase*>(database)->m_refused = true;
  return allowed ? SQLITE_OK : SQLITE_DENY;
}

int CReferenceDatabase::OnProgress(void* database) {
  auto* self = static_cast<CReferenceDatabase*>(database);
  if (std::chrono::steady_clock::now() > self->m_deadline) self->m_timedOut = true;
  return self->m_timedOut ? 1 : 0;
}

bool CReferenceDatabase::Configure() {
  for (const Switch& setting : kSwitches) {
    int state = -1;
    if (sqlite3_db_config(m_handle, setting.op, setting.on, &state) != SQLITE_OK || state != setting.on) return false;
  }
  for (const Limit& limit : kLimits) sqlite3_limit(m_handle, limit.id, limit.value);
  sqlite3_busy_timeout(m_handle, static_cast<int>(m_timeLimit.count()));
  // Often enough to stop within a few milliseconds of the limit.
  sqlite3_progress_handler(m_handle, 1000, &CReferenceDatabase::OnProgress, this);
  return true;
}

bool CReferenceDatabase::Open(const CString& path, const CString& /*connect*/) {
  Close();
  StartClock();
  m_lastError = OpenChecked(path);
  if (m_lastError.empty()) return true;
  m_lastError.resize(std::min(m_lastError.size(), kMaxErrorTextLength));
  Close();
  return false;
}

CString CReferenceDatabase::OpenChecked(const CString& path) {
  // An empty name would open a private temporary database, not fail.
  if (path.empty()) return sqlite3_errstr(SQLITE_CANTOPEN);
  // Reading a FIFO would wait for a writer for ever; a device may never end.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return "not a regular file";
  // An absolute path, so that no name is ever taken for a URI ("file:...").
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const int status =
      sqlite3_open_v2((error ? path : absolute.string()).c_str(), &m_handle, SQLITE_OPEN_READONLY, nullptr);
  if (status != SQLITE_OK) return m_handle != nullptr ? sqlite3_errmsg(m_handle) : sqlite3_errstr(status);
  if (!Configure()) return "the database cannot be opened safely";
  // The first read of the schema tells a database from any other file.
  sqlite3_stmt* check = nullptr;
  int step = sqlite3_prepare_v2(m_handle, kComputedColumns, -1, &check, nullptr);
  if (step == SQLITE_OK) step = sqlite3_step(check);
  sqlite3_finalize(check);
  if (m_timedOut) return "reading the schema took longer than " + std::to_string(m_timeLimit.count()) + " ms";
  if (step == SQLITE_ROW) return "the database has computed columns";
  if (step != SQLITE_DONE) return sqlite3_errmsg(m_handle);
  sqlite3_set_authorizer(m_handle, &CReferenceDatabase::Authorize, this);
  return {};
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
