// The books as a whole: which books the profile names and whether their databases open,
// the rows of a table found by name or identifier, and how many rows a table holds.
// Searching the books, listing them and making records from their rows build on it;
// a record's own name look-up goes through the search processor instead.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/object.h"
#include "refdb/database_item.h"
#include "refdb/record_set.h"
#include "refdb/reference_database.h"

namespace zulparvo {

// What the profile names for a book, and whether that database opens.
struct BookStatus {
  CString book;
  CString entry;  // the profile's entry under [DATABASE]; empty when it names none
  CString path;   // the file that the entry names
  bool opens = false;
  CString error;  // why it does not open
};

// What is wrong with the book, for the user: "the profile names no reference database
// for the book" or "cannot open the reference database PATH: ERROR"; empty when it opens.
CString BookProblem(const BookStatus& status);

// Every book code (B01 ... B59) that the process-wide profile gives a database entry,
// in book order.
std::vector<CString> BooksNamedByProfile();

// Names compared as a reader compares them: letters without regard to case, the
// letters of the 8-bit (Windows-1252) texts included.
bool SameEntryName(std::string_view a, std::string_view b);
bool EntryNameContains(std::string_view name, std::string_view text);

// One book's database, opened for the life of the object.
class CBookCatalog {
 public:
  // Opens the database that the process-wide profile names for the book. A failed open
  // shows no message; Status tells why.
  explicit CBookCatalog(const CString& book);

  const BookStatus& Status() const { return m_status; }
  bool IsOpen() const { return m_status.opens; }

  using RowFilter = std::function<bool(const CReferenceRow&)>;
  // The rows of the category's table as the kind's record set reads them, in table
  // order, those that the filter keeps (every row without one). None, with the
  // reason in `error`, when the book does not open or the table cannot be read.
  std::optional<std::vector<CReferenceRow>> Rows(ItemKind kind, const CString& category, CString& error,
                                                 const RowFilter& keep = {});
  // The rows that carry the identifier.
  std::optional<std::vector<CReferenceRow>> RowsWithIdentifier(ItemKind kind, const CString& category,
                                                               int32_t identifier, CString& error);
  // How many rows the category's table holds; none when the table cannot be read.
  std::optional<int64_t> CountRows(const CString& category);

 private:
  std::optional<std::vector<CReferenceRow>> Read(ItemKind kind, const CString& query,
                                                 const std::vector<FieldValue>& parameters, CString& error,
                                                 const RowFilter& keep);

  BookStatus m_status;
  CReferenceDatabase m_database;
};

}  // namespace zulparvo
