// What a book's reference database lacks of the tables and columns that lookups read,
// so that a player sees why a name stays empty. Made for converted Jet databases, and
// true of any SQLite reference database.
#pragma once

#include <vector>

#include "platform/object.h"

namespace zulparvo {

struct IncompleteTable {
  CString table;                 // without brackets, as lookups name it
  std::vector<CString> columns;  // the columns that it lacks
};

struct SchemaCheck {
  bool opened = false;
  CString error;                                  // why the file could not be read, when not opened
  int foundTables = 0;                            // of the tables that lookups read
  std::vector<CString> missingTables;             // read by lookups, not in the file (no rows of those kinds)
  std::vector<IncompleteTable> incompleteTables;  // in the file, lacking columns (no row of them can be read)
};

// Reads the SQLite file's tables and columns, compared as lookups compare them: names
// without regard to ASCII case, extra tables and columns allowed. Every table that a
// category of the fixed list names for a kind of record is looked for once, in the
// list's order.
SchemaCheck CheckReferenceSchema(const CString& sqlitePath);

}  // namespace zulparvo
