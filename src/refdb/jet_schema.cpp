#include "refdb/jet_schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "refdb/database_item.h"
#include "refdb/table_names.h"

namespace zulparvo {

namespace {

struct Sqlite3Close {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

bool SameName(const CString& a, std::string_view b) {
  return a.size() == b.size() && sqlite3_strnicmp(a.data(), b.data(), static_cast<int>(a.size())) == 0;
}

// The first column of every row of the query, with `parameter` bound to ?1 when given.
std::optional<std::vector<CString>> Names(sqlite3* db, const char* query, const CString* parameter = nullptr) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, query, -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
  const std::unique_ptr<sqlite3_stmt, StatementFinalize> statement(raw);
  if (parameter != nullptr)
    sqlite3_bind_text(raw, 1, parameter->data(), static_cast<int>(parameter->size()), SQLITE_STATIC);
  std::vector<CString> names;
  int status;
  while ((status = sqlite3_step(raw)) == SQLITE_ROW) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    names.emplace_back(text != nullptr ? text : "");
  }
  if (status != SQLITE_DONE) return std::nullopt;
  return names;
}

}  // namespace

SchemaCheck CheckReferenceSchema(const CString& sqlitePath) {
  SchemaCheck check;
  sqlite3* raw = nullptr;
  const int status = sqlite3_open_v2(sqlitePath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  const std::unique_ptr<sqlite3, Sqlite3Close> db(raw);
  const std::optional<std::vector<CString>> tables =
      status == SQLITE_OK ? Names(raw, "SELECT name FROM sqlite_master WHERE type IN ('table', 'view')") : std::nullopt;
  if (!tables) {
    check.error = raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(status);
    return check;
  }
  check.opened = true;
  std::vector<CString> seen;
  for (const CString& category : FixedCategories()) {
    const std::optional<ItemKind> kind = ItemKindForCategory(category);
    const CString bracketed = TableNameForCategory(category);
    const CString wanted = bracketed.substr(1, bracketed.size() - 2);
    if (!kind || std::ranges::find(seen, wanted) != seen.end()) continue;
    seen.push_back(wanted);
    const auto table = std::ranges::find_if(*tables, [&wanted](const CString& name) { return SameName(name, wanted); });
    if (table == tables->end()) {
      check.missingTables.push_back(wanted);
      continue;
    }
    ++check.foundTables;
    const std::vector<CString> present =
        Names(raw, "SELECT name FROM pragma_table_info(?1)", &*table).value_or(std::vector<CString>{});
    IncompleteTable incomplete{wanted, {}};
    for (const Column& column : BoundColumns(RecordSetForKind(*kind))) {
      if (std::ranges::none_of(present, [&column](const CString& name) { return SameName(name, column.name); })) {
        incomplete.columns.emplace_back(column.name);
      }
    }
    if (!incomplete.columns.empty()) check.incompleteTables.push_back(std::move(incomplete));
  }
  return check;
}

}  // namespace zulparvo
