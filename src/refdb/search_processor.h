// The search processor: looks up the reference rows of database items in the books'
// reference databases, and the name lookups of the records built on it.
//
// A book's database is the file that the profile's section "DATABASE" names under the
// book code (a relative entry is taken from the profile's folder). Databases are opened
// read-only. Kept open between lookups (the default), a database is opened again when
// its file has been replaced or changed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/object.h"
#include "refdb/database_item.h"
#include "refdb/record_set.h"
#include "refdb/reference_database.h"

namespace zulparvo {

enum class LookupStatus {
  Found,           // at least one row
  NoRow,           // the table holds no row with the identifier
  UnsafeCategory,  // the category would change the statement; the database is not touched
  CannotOpen,      // the book's database could not be opened (the messages have been shown)
  QueryFailed,     // the table or one of its columns is missing, or reading failed
};

struct LookupResult {
  LookupStatus status = LookupStatus::NoRow;
  std::vector<CReferenceRow> rows;
  CString entry;  // the book's profile entry
  CString path;   // the file it names
  CString error;  // the database's error text, for CannotOpen and QueryFailed
};

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
  // with the stop icon; a failed query shows nothing.
  std::optional<std::vector<CReferenceRow>> LookupRows(DatabaseItem& item);
  // The same, with what went wrong.
  LookupResult Lookup(DatabaseItem& item);

  // Closes the databases kept open.
  void CloseDatabases();

 private:
  struct KeptDatabase {
    FileSignature signature;
    std::unique_ptr<CReferenceDatabase> database;
  };

  // The opened database of the path: a kept one when its file is unchanged, else a new
  // one (kept or, with OpenPerLookup, handed to `owned`). Null when it cannot be opened.
  CReferenceDatabase* Acquire(const CString& path, std::unique_ptr<CReferenceDatabase>& owned, CString& error);

  Policy m_policy;
  std::map<CString, KeptDatabase> m_kept;
};

// The process-wide search processor, made on first use. Should that fail, the message
// "Error creating Search Processor!" is shown (no icon) and none is returned; the next
// call tries again.
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
// search processor; none when there is none or the lookup fails.
std::optional<CReferenceRow> LookupFirstRow(ItemKind kind, const ReferenceKeys& keys);
// Its name ([ID]); empty when there is no row.
CString LookupReferenceName(ItemKind kind, const ReferenceKeys& keys);

}  // namespace zulparvo
