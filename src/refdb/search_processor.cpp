#include "refdb/search_processor.h"

#include <sqlite3.h>

#include <new>
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

}  // namespace

CSearchProcessor::CSearchProcessor(Policy policy) : m_policy(policy) {}

CSearchProcessor::~CSearchProcessor() = default;

void CSearchProcessor::CloseDatabases() { m_kept.clear(); }

CReferenceDatabase* CSearchProcessor::Acquire(const CString& path, std::unique_ptr<CReferenceDatabase>& owned,
                                              CString& error) {
  const std::optional<FileSignature> signature = ReadFileSignature(path);
  if (m_policy == Policy::KeepOpen) {
    const auto kept = m_kept.find(path);
    if (kept != m_kept.end()) {
      if (signature && kept->second.signature == *signature) return kept->second.database.get();
      m_kept.erase(kept);
    }
  }
  // A Jet database is read through its converted copy.
  const std::optional<CString> usable = UsableDatabasePath(path, error);
  if (!usable) return nullptr;
  auto database = std::make_unique<CReferenceDatabase>();
  if (!database->Open(*usable, DatabaseConnectText())) {
    error = database->GetLastError();
    return nullptr;
  }
  if (m_policy == Policy::OpenPerLookup || !signature) {
    owned = std::move(database);
    return owned.get();
  }
  KeptDatabase& kept = m_kept[path];
  kept = {*signature, std::move(database)};
  return kept.database.get();
}

LookupResult CSearchProcessor::Lookup(DatabaseItem& item) {
  LookupResult result;
  if (!IsSafeCategory(item.GetCategory())) {
    result.status = LookupStatus::UnsafeCategory;
    return result;
  }
  const CString query = item.SelectStatement();
  result.entry = GetAppProfile().GetProfileString("DATABASE", item.GetBookCode(), "");
  result.path = GetDatabaseDir(result.entry);

  std::unique_ptr<CReferenceDatabase> owned;
  CReferenceDatabase* database = Acquire(result.path, owned, result.error);
  if (database == nullptr) {
    AfxMessageBox("Failure to open Database: " + result.entry, MessageIcon::Stop);
    result.status = LookupStatus::CannotOpen;
    return result;
  }
  CRecordSet* recordSet = item.CreateRecordSet(*database);
  if (recordSet == nullptr || query.empty()) {
    result.status = LookupStatus::QueryFailed;
    return result;
  }
  const CloseOnExit closer(*recordSet);
  if (!recordSet->Open(query, {item.GetIdentifier()})) {
    result.status = LookupStatus::QueryFailed;
    result.error = recordSet->GetError();
    return result;
  }
  for (; !recordSet->IsEOF(); recordSet->MoveNext()) {
    if (!item.AcceptRow(*recordSet)) continue;
    if (std::optional<CReferenceRow> row = item.CreateRow(*recordSet)) result.rows.push_back(std::move(*row));
  }
  if (!recordSet->GetError().empty()) {
    result.status = LookupStatus::QueryFailed;
    result.error = recordSet->GetError();
    result.rows.clear();
    return result;
  }
  result.status = result.rows.empty() ? LookupStatus::NoRow : LookupStatus::Found;
  return result;
}

std::optional<std::vector<CReferenceRow>> CSearchProcessor::LookupRows(DatabaseItem& item) {
  LookupResult result = Lookup(item);
  if (result.status != LookupStatus::Found) return std::nullopt;
  return std::move(result.rows);
}

CSearchProcessor* GetSearchProcessor() {
  static std::unique_ptr<CSearchProcessor> processor;
  if (!processor) {
    try {
      if (sqlite3_initialize() == SQLITE_OK) processor = std::make_unique<CSearchProcessor>();
    } catch (const std::bad_alloc&) {
      processor.reset();
    }
    if (!processor) AfxMessageBox("Error creating Search Processor!", MessageIcon::None);
  }
  return processor.get();
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
  std::optional<std::vector<CReferenceRow>> rows = processor->LookupRows(item);
  if (!rows) return std::nullopt;
  return std::move(rows->front());
}

CString LookupReferenceName(ItemKind kind, const ReferenceKeys& keys) {
  const std::optional<CReferenceRow> row = LookupFirstRow(kind, keys);
  return row ? row->GetName() : CString();
}

}  // namespace zulparvo
