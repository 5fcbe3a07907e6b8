#include "refdb/search_processor.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>
#include <string>
#include <utility>

#include "base/utilities.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "refdb/jet_cache.h"
#include "refdb/table_names.h"

namespace zulparvo {

namespace {

// Closes the record set on every way out of a lookup, so that no query outlives it.
class CloseOnExit {
 public:
  explicit CloseOnExit(CRecordSet& recordSet) : m_recordSet(recordSet) {}
  ~CloseOnExit() { m_recordSet.Close(); }
  CloseOnExit(const CloseOnExit&) = delete;
  CloseOnExit& operator=(const CloseOnExit&) = delete;

 private:
  CRecordSet& m_recordSet;
};

// How many databases of one file stay open for later lookups (one for each thread that
// looks up at the same time, up to this many).
constexpr std::size_t kMaxKeptPerFile = 4;

std::size_t TextBytes(const CReferenceRow& row) {
  std::size_t bytes = 0;
  for (const FieldValue& value : row.GetValues()) {
    if (const auto* text = std::get_if<CString>(&value)) bytes += text->size();
  }
  return bytes;
}

// Why the database stopped reading the table, in words; empty when the table or one of
// its columns is missing, which is no fault of the file.
CString WhyStopped(const CReferenceDatabase& database, const CRecordSet& recordSet, const CString& table) {
  if (database.TimedOut()) {
    return "reading " + table + " took longer than " + std::to_string(database.GetTimeLimit().count()) + " ms";
  }
  if (database.Refused()) return table + " is a view that calls a function or recurses";
  if (recordSet.GetErrorCode() == SQLITE_TOOBIG) {
    return table + " holds a value longer than " + std::to_string(kMaxValueBytes) + " bytes";
  }
  return recordSet.GetErrorCode() == SQLITE_ERROR ? CString() : recordSet.GetError();
}

}  // namespace

DatabaseLocation LocateDatabase(const CProfile& profile, const CString& bookCode) {
  DatabaseLocation location;
  location.entry = profile.GetProfileString("DATABASE", bookCode, "");
  location.path = profile.ResolvePath(location.entry).string();
  return location;
}

CSearchProcessor::CSearchProcessor(Policy policy) : m_policy(policy) {}

CSearchProcessor::~CSearchProcessor() = default;

void CSearchProcessor::CloseDatabases() {
  std::vector<KeptDatabase> closing;
  {
    const std::lock_guard lock(m_mutex);
    closing.swap(m_kept);
  }
}

CSearchProcessor::KeptDatabase CSearchProcessor::Take(const CString& path, std::chrono::milliseconds timeLimit,
                                                      CString& error) {
  KeptDatabase taken{path, ReadFileSignature(path), nullptr};
  if (m_policy == Policy::KeepOpen && taken.signature) {
    std::vector<KeptDatabase> stale;  // closed once the lock is released
    const std::lock_guard lock(m_mutex);
    for (auto kept = m_kept.begin(); kept != m_kept.end() && !taken.database;) {
      if (kept->path != path) {
        ++kept;
        continue;
      }
      if (kept->signature == taken.signature) {
        taken.database = std::move(kept->database);
      } else {
        stale.push_back(std::move(*kept));
      }
      kept = m_kept.erase(kept);
    }
  }
  if (taken.database) {
    taken.database->SetTimeLimit(timeLimit);
    return taken;
  }
  // A Jet database is read through its converted copy.
  const std::optional<CString> usable = UsableDatabasePath(path, error);
  if (!usable) return taken;
  taken.database = std::make_unique<CReferenceDatabase>(timeLimit);
  if (!taken.database->Open(*usable, DatabaseConnectText())) {
    error = taken.database->GetLastError();
    taken.database.reset();
  }
  return taken;
}

void CSearchProcessor::GiveBack(KeptDatabase kept) {
  if (m_policy != Policy::KeepOpen || !kept.signature) return;
  const std::lock_guard lock(m_mutex);
  if (std::ranges::count(m_kept, kept.path, &KeptDatabase::path) < static_cast<std::ptrdiff_t>(kMaxKeptPerFile)) {
    m_kept.push_back(std::move(kept));
  }
}

void CSearchProcessor::Read(DatabaseItem& item, CReferenceDatabase& database, std::size_t wanted,
                            LookupResult& result) {
  result.status = LookupStatus::QueryFailed;
  const CString query = item.SelectStatement();
  CRecordSet* recordSet = item.CreateRecordSet(database);
  if (recordSet == nullptr || query.empty()) return;
  const CloseOnExit closer(*recordSet);
  const CString table = TableNameForCategory(item.GetCategory());
  CString refusal;
  database.StartClock();
  std::size_t textBytes = 0;
  if (recordSet->Open(query, {item.GetIdentifier()})) {
    for (; !recordSet->IsEOF(); recordSet->MoveNext()) {
      if (result.rows.size() == kMaxLookupRows) {
        refusal = "more than " + std::to_string(kMaxLookupRows) + " rows of " + table + " carry the identifier " +
                  std::to_string(item.GetIdentifier());
        break;
      }
      if (!item.AcceptRow(*recordSet)) continue;
      std::optional<CReferenceRow> row = item.CreateRow(*recordSet);
      if (!row) continue;
      textBytes += TextBytes(*row);
      if (textBytes > kMaxLookupTextBytes) {
        refusal = "the rows of " + table + " with the identifier " + std::to_string(item.GetIdentifier()) +
                  " hold more than " + std::to_string(kMaxLookupTextBytes) + " bytes of text";
        break;
      }
      result.rows.push_back(std::move(*row));
      if (result.rows.size() == wanted) break;
    }
  }
  if (refusal.empty() && !recordSet->GetError().empty()) {
    refusal = WhyStopped(database, *recordSet, table);
    if (refusal.empty()) {
      // A missing table or column: the failed query of an older or smaller book.
      result.error = recordSet->GetError();
      result.rows.clear();
      return;
    }
  }
  if (!refusal.empty()) {
    result.error = refusal;
    result.rows.clear();
    AfxMessageBox("The reference database of " + item.GetBookCode() + " cannot be read: " + refusal,
                  MessageIcon::Stop);
    return;
  }
  result.status = result.rows.empty() ? LookupStatus::NoRow : LookupStatus::Found;
}

LookupResult CSearchProcessor::Lookup(DatabaseItem& item, std::size_t wanted) {
  LookupResult result;
  if (!IsSafeCategory(item.GetCategory())) {
    result.status = LookupStatus::UnsafeCategory;
    return result;
  }
  const CProfile profile = GetAppProfile();
  DatabaseLocation location = LocateDatabase(profile, item.GetBookCode());
  result.entry = std::move(location.entry);
  result.path = std::move(location.path);
  const std::chrono::milliseconds timeLimit(
      profile.GetProfileInt(kLookupSection, kLookupTimeoutKey, static_cast<int32_t>(kDefaultTimeLimit.count())));

  KeptDatabase kept = Take(result.path, timeLimit, result.error);
  if (!kept.database) {
    AfxMessageBox(result.error, MessageIcon::Stop);
    AfxMessageBox("Failure to open Database: " + result.entry, MessageIcon::Stop);
    result.status = LookupStatus::CannotOpen;
    return result;
  }
  Read(item, *kept.database, wanted, result);
  GiveBack(std::move(kept));
  return result;
}

std::optional<std::vector<CReferenceRow>> CSearchProcessor::LookupRows(DatabaseItem& item) {
  LookupResult result = Lookup(item);
  if (result.status != LookupStatus::Found) return std::nullopt;
  return std::move(result.rows);
}

CSearchProcessor* GetSearchProcessor() {
  static std::atomic<CSearchProcessor*> made{nullptr};
  static std::mutex making;
  static std::unique_ptr<CSearchProcessor> processor;
  if (CSearchProcessor* ready = made.load(std::memory_order_acquire)) return ready;
  CSearchProcessor* result = nullptr;
  {
    const std::lock_guard lock(making);
    if (!processor) {
      try {
        if (sqlite3_initialize() == SQLITE_OK) processor = std::make_unique<CSearchProcessor>();
      } catch (const std::bad_alloc&) {
      }
    }
    result = processor.get();
    made.store(result, std::memory_order_release);
  }
  // Shown outside the lock: a message sink may look something up itself.
  if (result == nullptr) AfxMessageBox("Error creating Search Processor!", MessageIcon::None);
  return result;
}

ReferenceKeys EntryKeys(ReferenceKeys mainEntry, ReferenceKeys subEntry) {
  return subEntry.identifier != 0 ? std::move(subEntry) : std::move(mainEntry);
}

std::optional<CReferenceRow> LookupFirstRow(ItemKind kind, const ReferenceKeys& keys) {
  CSearchProcessor* processor = GetSearchProcessor();
  if (processor == nullptr) return std::nullopt;
  CDatabaseItem item(kind);
  item.SetIdentifier(keys.identifier);
  item.SetBookCode(keys.bookCode);
  item.SetCategory(keys.category);
  LookupResult result = processor->Lookup(item, 1);
  if (result.status != LookupStatus::Found) return std::nullopt;
  return std::move(result.rows.front());
}

CString LookupReferenceName(ItemKind kind, const ReferenceKeys& keys) {
  const std::optional<CReferenceRow> row = LookupFirstRow(kind, keys);
  return row ? row->GetName() : CString();
}

}  // namespace zulparvo
