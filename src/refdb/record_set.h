// Record sets: the rows of one reference table, read through a query, with the columns
// that a kind of record needs bound in a fixed order.
//
// Each record set is described by a column table (RS_Advantages_Disadvantages,
// RS_Skills, ...): the columns of the table definition, which of them the record set
// binds, and their types. One class reads them all. The rows that a lookup hands back
// (CReferenceRow) keep the bound columns' values and the book they came from.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/object.h"

struct sqlite3_stmt;

namespace zulparvo {

class CReferenceDatabase;

// Counter: the auto-numbered identifier (the primary key); Long: a 32-bit whole number;
// Text: text of at most `width` characters, or any length when width is 0 (a memo);
// YesNo: 0 or 1.
enum class ColumnType { Counter, Long, Text, YesNo };

struct Column {
  std::string_view name;  // without the brackets
  ColumnType type;
  int width = 0;
  bool bound = true;  // false for the columns that only the table definition has
};

struct RecordSetLayout {
  std::string_view name;          // "RS_Skills"
  std::string_view defaultTable;  // "[Skills]"
  std::span<const Column> columns;  // in table-definition order; the bound ones in binding order
};

extern const RecordSetLayout RS_Advantages_Disadvantages;
extern const RecordSetLayout RS_Armor;
extern const RecordSetLayout RS_Equipment;
extern const RecordSetLayout RS_Maneuvers;
extern const RecordSetLayout RS_Profession;
extern const RecordSetLayout RS_Race;
extern const RecordSetLayout RS_Racial_EnhLim;
extern const RecordSetLayout RS_Skills;
extern const RecordSetLayout RS_Spells;
extern const RecordSetLayout RS_Super_Powers;
extern const RecordSetLayout RS_Weapons;

// The value of one column: Long and Counter columns hold an int32_t, Text columns a
// CString, YesNo columns a bool. Also the type of a query parameter.
using FieldValue = std::variant<int32_t, CString, bool>;

// The bound columns of a record set, in binding order.
std::vector<Column> BoundColumns(const RecordSetLayout& layout);

// One row of a reference table: the values of the bound columns and the book code of the
// database it came from.
class CReferenceRow {
 public:
  CReferenceRow(const RecordSetLayout& layout, std::vector<FieldValue> values, CString bookCode);

  const RecordSetLayout& GetLayout() const { return *m_layout; }
  // In binding order.
  const std::vector<FieldValue>& GetValues() const { return m_values; }
  const CString& GetBookCode() const { return m_bookCode; }

  // The value of a bound column by its name (without brackets). A column that the record
  // set does not bind, or that has another type, gives 0, the empty text or false.
  int32_t GetLong(std::string_view column) const;
  const CString& GetText(std::string_view column) const;
  bool GetYesNo(std::string_view column) const;

  // The row's name: its [ID] text.
  const CString& GetName() const { return GetText("ID"); }

 private:
  const FieldValue* Find(std::string_view column) const;

  const RecordSetLayout* m_layout;
  std::vector<FieldValue> m_values;
  CString m_bookCode;
};

class CRecordSet {
 public:
  // Made on an opened database, which must stay open while the set is open.
  CRecordSet(CReferenceDatabase& database, const RecordSetLayout& layout);
  ~CRecordSet();
  CRecordSet(const CRecordSet&) = delete;
  CRecordSet& operator=(const CRecordSet&) = delete;

  const RecordSetLayout& GetLayout() const { return *m_layout; }

  // Runs the query with the parameters bound to ?1, ?2, ... and reads the first row.
  // False, with the database's error text in GetError, when the query cannot be
  // prepared, a parameter cannot be bound, the result lacks a bound column (names are
  // compared without regard to case), or reading fails.
  bool Open(const CString& query, const std::vector<FieldValue>& parameters);
  bool IsOpen() const { return m_statement != nullptr; }
  // True when there is no current row.
  bool IsEOF() const { return !m_hasRow; }
  // Reads the next row. False when reading fails; the set then has no current row.
  bool MoveNext();
  // Ends the query; the set can be opened again while its database is open.
  void Close();

  // The current row's values of the bound columns, in binding order.
  const std::vector<FieldValue>& GetValues() const { return m_values; }
  const CString& GetError() const { return m_error; }
  // The database's result code of the failure (SQLITE_ERROR for a missing column).
  int GetErrorCode() const { return m_errorCode; }

 private:
  bool Fail();
  bool Step();

  CReferenceDatabase* m_database;
  const RecordSetLayout* m_layout;
  sqlite3_stmt* m_statement = nullptr;
  struct Binding {
    int resultColumn;
    ColumnType type;
  };
  std::vector<Binding> m_bindings;  // one per bound column, in binding order
  std::vector<FieldValue> m_values;
  bool m_hasRow = false;
  CString m_error;
  int m_errorCode = 0;
};

}  // namespace zulparvo
