// The search processor: looks up the reference rows of database items in the books'
// reference databases, and the name lookups of the records built on it.
//
// A book's database is the file that the profile's section "DATABASE" names under the
// book code (a relative entry is taken from the profile's folder). Databases are opened
// read-only as untrusted files (see reference_database.h); every statement runs under
// the profile's time limit, [LOOKUP] TIMEOUT. Kept open between lookups (the default),
// a database is opened again when its file has been replaced or changed.
//
// Lookups may run on several threads at once: each takes a database for itself (a kept
// one that no other lookup is using, or a newly opened one) and gives it back when done,
// so no two threads ever share one connection.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/object.h"
#include "platform/profile.h"
#include "refdb/database_item.h"
#include "refdb/record_set.h"
#include "refdb/reference_database.h"

namespace zulparvo {

enum class LookupStatus {
  Found,           // at least one row
  NoRow,           // the table holds no row with the identifier
  UnsafeCategory,  // the category would change the statement; the database is not touched
  CannotOpen,      // the book's database could not be opened (the messages have been shown)
  QueryFailed,     // the table or one of its columns is missing, or reading failed or was stopped
};

struct LookupResult {
  LookupStatus status = LookupStatus::NoRow;
  std::vector<CReferenceRow> rows;
  CString entry;  // the book's profile entry
  CString path;   // the file it names
  CString error;  // what went wrong, for CannotOpen and QueryFailed
};

// Where a book's reference database is: its profile entry and the file that it names.
struct DatabaseLocation {
  CString entry;
  CString path;
};
DatabaseLocation LocateDatabase(const CProfile& profile, const CString& bookCode);

// A lookup reads no more than this many rows, and no more than this many bytes of text
// in all; a table with more rows for one identifier (which a primary key never has) is
// refused rather than read.
inline constexpr std::size_t kMaxLookupRows = 1000;
inline constexpr std::size_t kMaxLookupTextBytes = std::size_t{4} << 20;

class CSearchProcessor {
 public:
  enum class Policy {
    OpenPerLookup,  // every lookup opens and closes its database
    KeepOpen,       // databases stay open; a replaced or changed file is opened again
  };

  explicit CSearchProcessor(Policy policy = Policy::KeepOpen);
  ~CSearchProcessor();
  CSearchProcessor(const CSearchProcessor&) = delete;
  CSearchProcessor& operator=(const CSearchProcessor&) = delete;

  // The rows of the item's table that carry its identifier, in table order; none when
  // there is no such row or the lookup fails. A database that cannot be opened shows its
  // error text and then "Failure to open Database: " with the book's profile entry, both
  // with the stop icon. A missing table or column shows nothing; a table that the lookup
  // refuses (too slow, too large, a view that computes) shows one stop message naming
  // the book.
  std::optional<std::vector<CReferenceRow>> LookupRows(DatabaseItem& item);
  // The same, with what went wrong. Reads no more than `wanted` rows: every row by
  // default, up to kMaxLookupRows (past which the table is refused).
  LookupResult Lookup(DatabaseItem& item, std::size_t wanted = std::numeric_limits<std::size_t>::max());

  // Closes the databases kept open (those in use close when their lookup ends).
  void CloseDatabases();

 private:
  struct KeptDatabase {
    CString path;
    std::optional<FileSignature> signature;  // none: not kept
    std::unique_ptr<CReferenceDatabase> database;
  };

  // An opened database of the path for one lookup: a kept one when its file is
  // unchanged, else a new one. On failure, no database and `error` says why.
  KeptDatabase Take(const CString& path, std::chrono::milliseconds timeLimit, CString& error);
  // Keeps the database for later lookups, with KeepOpen.
  void GiveBack(KeptDatabase kept);
  void Read(DatabaseItem& item, CReferenceDatabase& database, std::size_t wanted, LookupResult& result);

  Policy m_policy;
  std::mutex m_mutex;  // guards m_kept
  std::vector<KeptDatabase> m_kept;
};

// The process-wide search processor, made on first use (by one thread; the others
// wait). Should that fail, the message "Error creating Search Processor!" is shown (no
// icon) and none is returned; the next call tries again.
CSearchProcessor* GetSearchProcessor();

// The keys of a reference row.
struct ReferenceKeys {
  int32_t identifier = 0;
  CString bookCode;
  CString category;
};

// The keys of the main entry, or those of the sub-entry when its identifier is not 0.
ReferenceKeys EntryKeys(ReferenceKeys mainEntry, ReferenceKeys subEntry);

// The first row with the keys in the table of their category, through the process-wide
// search processor; none when there is none or the lookup fails. Reads that row only.
std::optional<CReferenceRow> LookupFirstRow(ItemKind kind, const ReferenceKeys& keys);
// Its name ([ID]); empty when there is no row.
CString LookupReferenceName(ItemKind kind, const ReferenceKeys& keys);

}  // namespace zulparvo
