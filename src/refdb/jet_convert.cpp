#include "refdb/jet_convert.h"

#include <mdbtools.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string_view>
#include <vector>

namespace zulparvo {

namespace {

constexpr int kOffsetMask = 0x1fff;           // a row's offset in its page, without its flags
constexpr std::size_t kLongValueHeader = 12;  // length and flags, page and row, of a memo or OLE value
constexpr uint32_t kLongValueInline = 0x80000000;
constexpr uint32_t kLongValueOnePage = 0x40000000;
constexpr uint32_t kLongValueFlags = 0xff000000;
constexpr uint32_t kLongValueLengthMask = 0x00ffffff;
constexpr std::size_t kTextBindSize = MDB_BIND_SIZE;
// Date/time is a count of days since 1899-12-30; these are the first and the day after
// the last day that the engine accepts (100-01-01 and 9999-12-31).
constexpr double kFirstDay = -657434.0;
constexpr double kDayAfterLast = 2958466.0;
constexpr int64_t kMillisecondsPerDay = 86'400'000;

// Lines of the error texts never carry what the file said raw: control characters of a
// damaged name would break the one-line report.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return out;
}

std::string Quoted(std::string_view name) {
  std::string out = "\"";
  for (const char c : name) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

struct GFree {
  void operator()(void* p) const { g_free(p); }
};
using GString = std::unique_ptr<char, GFree>;

struct MdbClose {
  void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFree {
  void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
struct Sqlite3Close {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalize>;

const char* DeclaredType(int jetType) {
  switch (jetType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
      return " INTEGER";
    case MDB_FLOAT:
    case MDB_DOUBLE:
      return " REAL";
    case MDB_MONEY:
    case MDB_NUMERIC:
      return "";  // REAL or exact text: a declared type would turn the text into a REAL
    case MDB_DATETIME:
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
      return " TEXT";
    default:
      return " BLOB";
  }
}

// The bytes that a type reads from the row, or 0 for the types of any length.
int FixedSize(int jetType) {
  switch (jetType) {
    case MDB_BYTE:
      return 1;
    case MDB_INT:
      return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT:
      return 4;
    case MDB_DOUBLE:
    case MDB_DATETIME:
    case MDB_MONEY:
      return 8;
    case MDB_REPID:
      return 16;
    case MDB_NUMERIC:
      return 17;
    case MDB_MEMO:
    case MDB_OLE:
      return static_cast<int>(kLongValueHeader);
    default:
      return 0;
  }
}

// "2021-12-02 13:45:00", with ".250" when there are milliseconds; none outside the
// engine's range of dates. libmdb's own date conversion stops at 1899 and 2700.
std::optional<std::string> DateText(double serial) {
  if (!(serial >= kFirstDay && serial < kDayAfterLast)) return std::nullopt;
  // The whole part counts days; the fraction is the time of that day, also for days
  // before 1899-12-30 (-1.25 is 1899-12-29 06:00).
  const double whole = std::trunc(serial);
  auto day = static_cast<int64_t>(whole);
  int64_t millis = std::llround(std::fabs(serial - whole) * static_cast<double>(kMillisecondsPerDay));
  if (millis >= kMillisecondsPerDay) {
    millis -= kMillisecondsPerDay;
    ++day;
  }
  namespace chrono = std::chrono;
  const chrono::year_month_day date{chrono::sys_days{chrono::year{1899} / chrono::December / 30} + chrono::days{day}};
  const int64_t seconds = millis / 1000;
  char text[40];
  int length = std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                             static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                             static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                             static_cast<int>(seconds % 60));
  if (millis % 1000 != 0) {
    length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ".%03d",
                            static_cast<int>(millis % 1000));
  }
  return std::string(text, static_cast<std::size_t>(length));
}

// The shortest decimal that reads back as the same single, as a double: a single of
// 0.15 is 0.15, not 0.150000006.
double SingleAsDouble(float value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double result = value;
  std::from_chars(text, written.ptr, result);
  return result;
}

// Currency: a 64-bit count of ten-thousandths.
std::string CurrencyText(const unsigned char* bytes) {
  uint64_t raw = 0;
  for (int i = 7; i >= 0; --i) raw = raw << 8 | bytes[i];
  const bool negative = (raw >> 63) != 0;
  const uint64_t magnitude = negative ? ~raw + 1 : raw;
  char text[32];
  std::snprintf(text, sizeof text, "%s%llu.%04llu", negative ? "-" : "",
                static_cast<unsigned long long>(magnitude / 10000), static_cast<unsigned long long>(magnitude % 10000));
  return text;
}

// Binds a decimal text as a REAL when the double gives back every digit of it, else as
// the text itself.
int BindDecimal(sqlite3_stmt* statement, int parameter, const std::string& text) {
  double value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  const std::size_t point = text.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
  char back[400];
  if (parsed.ec == std::errc() && parsed.ptr == text.data() + text.size() &&
      std::snprintf(back, sizeof back, "%.*f", decimals, value) > 0 && text == back) {
    return sqlite3_bind_double(statement, parameter, value);
  }
  return sqlite3_bind_text(statement, parameter, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

int BindReal(sqlite3_stmt* statement, int parameter, double value) {
  // SQLite would store a NaN as NULL.
  if (std::isnan(value)) return sqlite3_bind_text(statement, parameter, "NaN", 3, SQLITE_STATIC);
  return sqlite3_bind_double(statement, parameter, value);
}

// The catalog's own table, where libmdb reads it from.
constexpr int kCatalogPage = 2;

uint32_t Get16(std::span<const unsigned char> bytes, std::size_t at) { return bytes[at] | uint32_t{bytes[at + 1]} << 8; }
uint32_t Get32(std::span<const unsigned char> bytes, std::size_t at) {
  return Get16(bytes, at) | Get16(bytes, at + 2) << 16;
}

// The bytes that libmdb reads for a property value of a type, from the property block
// itself; nullopt for the types that it reads from its page buffer instead.
std::optional<uint32_t> PropertyValueSize(int type) {
  switch (type) {
    case MDB_BINARY:
    case MDB_TEXT:
    case MDB_MEMO:
      return 0;
    case MDB_BOOL:
      return 1;
    case MDB_DATETIME:
    case MDB_MONEY:
    case MDB_NUMERIC:
    case MDB_OLE:
      return std::nullopt;
    default:
      return static_cast<uint32_t>(std::max(FixedSize(type), 0));
  }
}

// One property block (a record of type 0, 1 or 2): its name, then values, each naming
// its property by its place in `names`. libmdb keeps a block's values in a table by
// name, and loses the memory of a value whose name comes twice.
std::optional<std::string> PropertyBlockProblem(std::span<const unsigned char> block,
                                                const std::vector<std::span<const unsigned char>>& names) {
  if (block.size() < 6 || 6 + std::size_t{Get16(block, 4)} > block.size()) return "a property block is cut short";
  std::set<std::string_view> named;
  for (std::size_t at = 6 + Get16(block, 4); at < block.size();) {
    if (at + 8 > block.size()) return "a property value is cut short";
    const uint32_t length = Get16(block, at);
    const uint32_t size = Get16(block, at + 6);
    if (length < 8 || at + length > block.size()) return "a property value has a wrong length";
    if (at + 8 + size > block.size()) return "a property value runs past its block";
    const std::optional<uint32_t> needed = PropertyValueSize(block[at + 3]);
    if (needed ? size < *needed : at + 8 + 17 > MDB_PGSIZE) return "a property value is shorter than its type";
    const uint32_t name = Get16(block, at + 4);
    if (name < names.size() && !named.emplace(reinterpret_cast<const char*>(names[name].data()), names[name].size()).second) {
      return "a property comes twice";
    }
    at += length;
  }
  return std::nullopt;
}

// The properties of an object as the catalog stores them ("KKD" or "MR2", then records
// of a 32-bit length and a type), walked the way libmdb walks them, which loops for ever
// on a record of length 0 and reads past a record that is longer than what is left.
std::optional<std::string> PropertiesProblem(std::span<const unsigned char> kkd) {
  if (kkd.size() < 4) return "its properties are cut short";
  const std::string_view kind(reinterpret_cast<const char*>(kkd.data()), 4);
  if (kind != std::string_view("KKD", 4) && kind != std::string_view("MR2", 4)) return std::nullopt;  // passed over
  std::vector<std::span<const unsigned char>> names;
  for (std::size_t at = 4; at < kkd.size();) {
    if (at + 6 > kkd.size()) return "its properties are cut short";
    const uint32_t length = Get32(kkd, at);
    if (length < 6 || length > kkd.size() - at) return "a record of its properties has a wrong length";
    const std::span<const unsigned char> body = kkd.subspan(at + 6, length - 6);
    const uint32_t type = Get16(kkd, at + 4);
    if (type == 0x80) {  // the names of the properties
      names.clear();
      for (std::size_t name = 0; name < body.size(); name += 2 + Get16(body, name)) {
        if (name + 2 > body.size() || name + 2 + Get16(body, name) > body.size()) return "a property name is cut short";
        names.push_back(body.subspan(name + 2, Get16(body, name)));
      }
    } else if (type <= 2) {
      if (auto problem = PropertyBlockProblem(body, names)) return problem;
    }
    at += length;
  }
  return std::nullopt;
}

JetConversion Failure(std::string error) {
  JetConversion result;
  result.error = std::move(error);
  return result;
}

int BindGString(sqlite3_stmt* statement, int parameter, GString text) {
  if (!text) return sqlite3_bind_null(statement, parameter);
  return sqlite3_bind_text(statement, parameter, text.get(), -1, SQLITE_TRANSIENT);
}

class Converter {
 public:
  Converter(MdbHandle* mdb, sqlite3* db, uint64_t fileSize, const JetTableCallback& onTable)
      : m_mdb(mdb), m_db(db), m_pageCount(fileSize / static_cast<uint64_t>(mdb->fmt->pg_size)), m_onTable(onTable) {}

  JetConversion Run() {
    JetConversion result;
    if (std::string_view(mdb_target_charset(m_mdb)) != "UTF-8") {
      return Failure("libmdb is set to write texts as " + std::string(mdb_target_charset(m_mdb)) +
                     ", not UTF-8 (unset MDBICONV)");
    }
    if (!CatalogPropertiesAreSound()) return Failure("its catalog: " + m_error);
    if (!mdb_read_catalog(m_mdb, MDB_ANY)) return Failure("its catalog cannot be read");
    std::vector<MdbCatalogEntry*> tables;
    std::unique_ptr<MdbTableDef, TableFree> catalog;
    for (unsigned i = 0; i < m_mdb->num_catalog; ++i) {
      auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(m_mdb->catalog, i));
      if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry)) tables.push_back(entry);
      if (std::string_view(entry->object_name) == "MSysObjects") {
        catalog.reset(mdb_read_table(entry));
      }
    }
    // The catalog is a table too: a catalog that lost rows would lose tables unseen.
    if (!catalog || catalog->num_rows != m_mdb->num_catalog) {
      return Failure("its catalog cannot be read whole: the file is damaged");
    }
    if (!Execute("BEGIN")) return Failure(SqliteError());
    for (std::size_t i = 0; i < tables.size(); ++i) {
      JetTableDone done{Printable(tables[i]->object_name), static_cast<int>(i + 1), static_cast<int>(tables.size()), 0};
      if (!CopyTable(*tables[i], done.rows)) return Failure("table \"" + done.name + "\": " + m_error);
      result.rows += done.rows;
      if (m_onTable) m_onTable(done);
    }
    if (!Execute("COMMIT")) return Failure(SqliteError());
    result.ok = true;
    result.tables = static_cast<int>(tables.size());
    return result;
  }

 private:
  bool Execute(const std::string& sql) {
    return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  std::string SqliteError() const { return "cannot write the SQLite file: " + std::string(sqlite3_errmsg(m_db)); }
  bool Fail(std::string error) {
    m_error = std::move(error);
    return false;
  }

  // The columns of a table, read from its definition; empty when it cannot be read.
  // libmdb finds a table's pages through its usage map, which it reads without looking
  // at whether there is one.
  static std::vector<MdbColumn*> Columns(MdbTableDef* table) {
    std::vector<MdbColumn*> columns;
    if (table == nullptr || table->usage_map == nullptr || !mdb_read_columns(table)) return columns;
    for (unsigned i = 0; i < table->num_cols; ++i) {
      columns.push_back(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i)));
    }
    return columns;
  }

  // Calls `row` with the fields of each row, counting them in `rows`; false when a row
  // cannot be read or `row` returns false. libmdb has read the row into its page buffer;
  // it is cracked again here for what its bound values do not tell: a NULL apart from an
  // empty text.
  template <class Row>
  bool ForEachRow(MdbTableDef& table, const std::vector<MdbColumn*>& columns, int64_t& rows, Row row) {
    std::vector<MdbField> fields(columns.size());
    mdb_rewind_table(&table);
    while (mdb_fetch_row(&table)) {
      int start = 0;
      std::size_t length = 0;
      if (table.cur_row == 0 || mdb_find_row(m_mdb, static_cast<int>(table.cur_row - 1), &start, &length) != 0 ||
          mdb_crack_row(&table, start & kOffsetMask, length, fields.data()) < 0) {
        return Fail("row " + std::to_string(rows + 1) + " cannot be read");
      }
      for (const MdbField& field : fields) {
        if (field.colnum < 0 || static_cast<std::size_t>(field.colnum) >= columns.size()) {
          return Fail("row " + std::to_string(rows + 1) + " names a column that the table does not have");
        }
      }
      if (!row(fields)) return false;
      ++rows;
    }
    return true;
  }

  // libmdb reads the properties of every object while it reads the catalog, before
  // anything can be checked (see PropertiesProblem); the catalog's table is read here
  // first, and each object's properties walked.
  bool CatalogPropertiesAreSound() {
    MdbCatalogEntry entry{};
    entry.mdb = m_mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = kCatalogPage;
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", "MSysObjects");
    const std::unique_ptr<MdbTableDef, TableFree> table(mdb_read_table(&entry));
    const std::vector<MdbColumn*> columns = Columns(table.get());
    if (columns.empty()) return Fail("it cannot be read");
    const auto properties = std::find_if(columns.begin(), columns.end(), [](const MdbColumn* column) {
      return g_ascii_strcasecmp(column->name, "LvProp") == 0 && column->col_type == MDB_OLE;
    });
    if (properties == columns.end()) return true;  // libmdb refuses such a catalog itself
    const auto number = static_cast<int>(properties - columns.begin());
    int64_t rows = 0;
    return ForEachRow(*table, columns, rows, [&](const std::vector<MdbField>& fields) {
      const auto field = std::find_if(fields.begin(), fields.end(), [&](const MdbField& f) { return f.colnum == number; });
      if (field == fields.end() || field->is_null || field->siz == 0) return true;
      std::vector<unsigned char> value;
      if (!InItsPage(**properties, *field) || !ReadOle(**properties, *field, value)) {
        return Fail("row " + std::to_string(rows + 1) + ": " + m_error);
      }
      if (auto problem = PropertiesProblem(value)) {
        return Fail("row " + std::to_string(rows + 1) + ": " + *problem + ": the file is damaged");
      }
      return true;
    });
  }

  bool CopyTable(MdbCatalogEntry& entry, int64_t& rows) {
    const std::unique_ptr<MdbTableDef, TableFree> table(mdb_read_table(&entry));
    const std::vector<MdbColumn*> columns = Columns(table.get());
    if (!table) return Fail("its definition cannot be read");
    if (columns.empty()) return Fail(table->num_cols == 0 ? "it has no columns" : "its definition cannot be read");

    const std::string name = Quoted(table->name);
    std::string create = "CREATE TABLE " + name + " (";
    std::string insert = "INSERT INTO " + name + " VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
      create += (i ? ", " : "") + Quoted(columns[i]->name) + DeclaredType(columns[i]->col_type);
      insert += i ? ", ?" : "?";
    }
    if (!Execute(create + ")")) return Fail(SqliteError());
    // Lookups read a reference table by its record identifier.
    for (const MdbColumn* column : columns) {
      if (g_ascii_strcasecmp(column->name, "Identifier") == 0 &&
          !Execute("CREATE INDEX " + Quoted(std::string(table->name) + " by Identifier") + " ON " + name +
                   " (\"Identifier\")")) {
        return Fail(SqliteError());
      }
    }
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db, (insert + ")").c_str(), -1, &raw, nullptr) != SQLITE_OK) return Fail(SqliteError());
    const Statement statement(raw);

    const bool copied = ForEachRow(*table, columns, rows, [&](const std::vector<MdbField>& fields) {
      sqlite3_reset(statement.get());
      for (const MdbField& field : fields) {
        MdbColumn& column = *columns[static_cast<std::size_t>(field.colnum)];
        if (!BindValue(statement.get(), static_cast<int>(field.colnum) + 1, column, field)) {
          return Fail("row " + std::to_string(rows + 1) + ", column \"" + Printable(column.name) + "\": " + m_error);
        }
      }
      return sqlite3_step(statement.get()) == SQLITE_DONE || Fail(SqliteError());
    });
    if (!copied) return false;
    // The table's definition counts its rows: fewer rows read means pages that are
    // missing or damaged.
    if (rows != table->num_rows) {
      return Fail(std::to_string(rows) + " rows can be read where the table holds " + std::to_string(table->num_rows) +
                  ": the file is damaged (Access's Compact and Repair may mend it)");
    }
    return true;
  }

  bool BindValue(sqlite3_stmt* statement, int parameter, MdbColumn& column, const MdbField& field) {
    // A yes/no column keeps its value in the row's null mask: set means yes.
    if (column.col_type == MDB_BOOL) return Bound(sqlite3_bind_int(statement, parameter, field.is_null ? 0 : 1));
    if (field.is_null) return Bound(sqlite3_bind_null(statement, parameter));
    if (!InItsPage(column, field)) return false;
    const bool empty = field.siz == 0 && (column.col_type == MDB_MEMO || column.col_type == MDB_OLE);
    if (empty && column.col_type == MDB_MEMO)
      return Bound(sqlite3_bind_text(statement, parameter, "", 0, SQLITE_STATIC));
    if (empty) return Bound(sqlite3_bind_zeroblob(statement, parameter, 0));
    const unsigned char* bytes = m_mdb->pg_buf + field.start;
    switch (column.col_type) {
      case MDB_BYTE:
        return Bound(sqlite3_bind_int(statement, parameter, bytes[0]));
      case MDB_INT:
        return Bound(
            sqlite3_bind_int(statement, parameter, static_cast<int16_t>(mdb_get_int16(m_mdb->pg_buf, field.start))));
      case MDB_LONGINT:
      case MDB_COMPLEX:
        return Bound(
            sqlite3_bind_int(statement, parameter,
                             static_cast<int32_t>(static_cast<uint32_t>(mdb_get_int32(m_mdb->pg_buf, field.start)))));
      case MDB_FLOAT:
        return Bound(BindReal(statement, parameter, SingleAsDouble(mdb_get_single(m_mdb->pg_buf, field.start))));
      case MDB_DOUBLE:
        return Bound(BindReal(statement, parameter, mdb_get_double(m_mdb->pg_buf, field.start)));
      case MDB_MONEY:
        return Bound(BindDecimal(statement, parameter, CurrencyText(bytes)));
      case MDB_NUMERIC: {
        const GString text(mdb_numeric_to_string(m_mdb, field.start, column.col_scale, column.col_prec));
        return text ? Bound(BindDecimal(statement, parameter, text.get())) : Fail("its decimal number cannot be read");
      }
      case MDB_DATETIME: {
        const double days = mdb_get_double(m_mdb->pg_buf, field.start);
        const std::optional<std::string> text = DateText(days);
        // A value outside the engine's dates is kept as the number it is.
        if (!text) return Bound(BindReal(statement, parameter, days));
        return Bound(
            sqlite3_bind_text(statement, parameter, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT));
      }
      case MDB_TEXT:
        return Bound(BindGString(statement, parameter,
                                 GString(mdb_col_to_string(m_mdb, m_mdb->pg_buf, field.start, MDB_TEXT, field.siz))));
      case MDB_REPID:
        return Bound(BindGString(statement, parameter, GString(mdb_uuid_to_string(m_mdb->pg_buf, field.start))));
      case MDB_MEMO:
        return BindMemo(statement, parameter, field);
      case MDB_OLE:
        return BindOle(statement, parameter, column, field);
      default:  // binary, and types that libmdb does not know: their bytes
        return Bound(sqlite3_bind_blob(statement, parameter, bytes, field.siz, SQLITE_TRANSIENT));
    }
  }

  bool Bound(int status) { return status == SQLITE_OK || Fail(SqliteError()); }

  // Whether a value that is not NULL lies inside the page that holds its row, with the
  // bytes that its type reads. An empty memo or OLE object may be stored without its
  // header.
  bool InItsPage(const MdbColumn& column, const MdbField& field) {
    const int pageSize = static_cast<int>(m_mdb->fmt->pg_size);
    const int needed = FixedSize(column.col_type);
    const bool empty = field.siz == 0 && (column.col_type == MDB_MEMO || column.col_type == MDB_OLE);
    if (field.start < 0 || field.siz < 0 || field.start > pageSize - std::max(field.siz, needed) ||
        (field.siz < needed && !empty)) {
      return Fail("the value lies outside its page");
    }
    return true;
  }

  // Follows the pages of a memo or OLE value that does not fit its row before libmdb
  // reads it: libmdb would read a page missing from a cut-short file as an empty value,
  // and follow pages that run in a circle for ever.
  std::optional<std::string> LongValueProblem(const unsigned char* header) {
    const auto flags = static_cast<uint32_t>(mdb_get_int32(const_cast<unsigned char*>(header), 0));
    if ((flags & kLongValueInline) != 0) return std::nullopt;
    const bool onePage = (flags & kLongValueOnePage) != 0;
    if (!onePage && (flags & kLongValueFlags) != 0) return "its flags are none that libmdb reads";
    auto pageRow = static_cast<uint32_t>(mdb_get_int32(const_cast<unsigned char*>(header), 4));
    std::set<uint32_t> seen;
    std::size_t stored = 0;
    do {
      if ((pageRow >> 8) >= m_pageCount) return "it lies on pages past the end of the file: the file is cut short";
      if (!seen.insert(pageRow).second) return "its pages run in a circle";
      void* page = nullptr;
      int start = 0;
      std::size_t length = 0;
      if (mdb_find_pg_row(m_mdb, static_cast<int>(pageRow), &page, &start, &length) != 0 || (!onePage && length < 4)) {
        return "one of its pages cannot be read";
      }
      stored += onePage ? length : length - 4;
      pageRow = onePage ? 0 : static_cast<uint32_t>(mdb_get_int32(page, start));
    } while (pageRow != 0);
    if (stored != (flags & kLongValueLengthMask)) return "its pages do not hold its length";
    return std::nullopt;
  }

  bool BindMemo(sqlite3_stmt* statement, int parameter, const MdbField& field) {
    const unsigned char* header = m_mdb->pg_buf + field.start;
    if (const std::optional<std::string> problem = LongValueProblem(header)) return Fail("its memo: " + *problem);
    // Room for the text in UTF-8: at most three bytes for each byte stored.
    const auto length =
        static_cast<uint32_t>(mdb_get_int32(const_cast<unsigned char*>(header), 0)) & kLongValueLengthMask;
    mdb_set_bind_size(m_mdb, std::max(kTextBindSize, 3 * std::size_t{length} + 16));
    GString text(mdb_col_to_string(m_mdb, m_mdb->pg_buf, field.start, MDB_MEMO, field.siz));
    mdb_set_bind_size(m_mdb, kTextBindSize);
    return Bound(BindGString(statement, parameter, std::move(text)));
  }

  bool BindOle(sqlite3_stmt* statement, int parameter, MdbColumn& column, const MdbField& field) {
    std::vector<unsigned char> value;
    if (!ReadOle(column, field, value)) return false;
    return Bound(sqlite3_bind_blob64(statement, parameter, value.data(), value.size(), SQLITE_TRANSIENT));
  }

  // The bytes of an OLE value whose header lies in libmdb's page buffer, inside its page
  // (InItsPage).
  bool ReadOle(MdbColumn& column, const MdbField& field, std::vector<unsigned char>& value) {
    // libmdb reads an OLE value through the column's bound buffer, which first holds the
    // value's header and then each piece read.
    std::array<unsigned char, kLongValueHeader> header;
    std::copy_n(m_mdb->pg_buf + field.start, header.size(), header.begin());
    if (const std::optional<std::string> problem = LongValueProblem(header.data())) {
      return Fail("its OLE object: " + *problem);
    }
    std::vector<unsigned char> piece(static_cast<std::size_t>(m_mdb->fmt->pg_size) + kLongValueHeader);
    column.bind_ptr = piece.data();
    column.cur_value_start = field.start;
    column.cur_value_len = field.siz;
    // Each piece is at most a page: libmdb reads no more into the buffer.
    for (std::size_t length = mdb_ole_read(m_mdb, &column, header.data(), piece.size()); length > 0;
         length = mdb_ole_read_next(m_mdb, &column, header.data())) {
      value.insert(value.end(), piece.begin(),
                   piece.begin() + static_cast<std::ptrdiff_t>(std::min(length, piece.size())));
    }
    column.bind_ptr = nullptr;
    return true;
  }

  MdbHandle* m_mdb;
  sqlite3* m_db;
  uint64_t m_pageCount;
  const JetTableCallback& m_onTable;
  std::string m_error;
};

// Refuses what is not a Jet or ACE file before libmdb reads it.
std::optional<std::string> HeaderProblem(std::span<const unsigned char> start, uint64_t size) {
  if (size == 0) return "the file is empty";
  if (!HasJetHeader(start)) return "not a Jet or ACE database: it does not begin with one's header";
  return std::nullopt;
}

JetConversion Convert(MdbHandle* opened, uint64_t size, const std::string& output, const JetTableCallback& onTable) {
  const std::unique_ptr<MdbHandle, MdbClose> mdb(opened);
  if (!mdb) return Failure("libmdb cannot open it as a Jet database");
  if (mdb->fmt->pg_size <= 0 || size % static_cast<uint64_t>(mdb->fmt->pg_size) != 0) {
    return Failure("the file ends inside a page: it is cut short or damaged");
  }
  sqlite3* raw = nullptr;
  const int status = sqlite3_open_v2(output.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const std::unique_ptr<sqlite3, Sqlite3Close> db(raw);
  if (status != SQLITE_OK) {
    return Failure("cannot write the SQLite file: " + std::string(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(status)));
  }
  // The file is new and is renamed into place only when complete: no journal needed.
  sqlite3_exec(raw, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
  return Converter(mdb.get(), raw, size, onTable).Run();
}

}  // namespace

JetConversion ConvertJetFile(const std::string& input, const std::string& output, const JetTableCallback& onTable) {
  // Opened here first: libmdb would look for a missing file along $MDBPATH.
  std::FILE* file = std::fopen(input.c_str(), "rb");
  if (file == nullptr) return Failure(std::strerror(errno));
  unsigned char start[32] = {};
  const std::size_t read = std::fread(start, 1, sizeof start, file);
  struct stat info {};
  const bool known = fstat(fileno(file), &info) == 0;
  std::fclose(file);
  if (!known || !S_ISREG(info.st_mode)) return Failure("not a regular file");
  if (auto problem = HeaderProblem({start, read}, static_cast<uint64_t>(info.st_size))) return Failure(*problem);
  return Convert(mdb_open(input.c_str(), MDB_NOFLAGS), static_cast<uint64_t>(info.st_size), output, onTable);
}

JetConversion ConvertJetBytes(std::span<const uint8_t> input, const std::string& output,
                              const JetTableCallback& onTable) {
  if (auto problem = HeaderProblem(input, input.size())) return Failure(*problem);
  std::vector<uint8_t> copy(input.begin(), input.end());  // libmdb reads through a writable stream
  return Convert(mdb_open_buffer(copy.data(), copy.size(), MDB_NOFLAGS), copy.size(), output, onTable);
}

}  // namespace zulparvo
