#include "refdb/book_catalog.h"

#include <sqlite3.h>

#include <algorithm>

#include "base/book_codes.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "refdb/table_names.h"

namespace zulparvo {

namespace {

// The lower-case form of a Windows-1252 letter; any other byte as it is.
char Lower(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  switch (byte) {
    case 0x8A:
      return static_cast<char>(0x9A);  // S with caron
    case 0x8C:
      return static_cast<char>(0x9C);  // OE
    case 0x8E:
      return static_cast<char>(0x9E);  // Z with caron
    case 0x9F:
      return static_cast<char>(0xFF);  // Y with diaeresis
    default:
      return c;
  }
}

bool SameLetter(char a, char b) { return Lower(a) == Lower(b); }

}  // namespace

CString BookProblem(const BookStatus& status) {
  if (status.opens) return {};
  if (status.entry.empty()) return status.error;
  return "cannot open the reference database " + status.path + ": " + status.error;
}

std::vector<CString> BooksNamedByProfile() {
  std::vector<CString> books;
  for (std::size_t number = 1; number <= kBookCount; ++number) {
    const CString book(BookCode(number));
    if (!GetAppProfile().GetProfileString("DATABASE", book, "").empty()) books.push_back(book);
  }
  return books;
}

bool SameEntryName(std::string_view a, std::string_view b) { return std::ranges::equal(a, b, SameLetter); }

bool EntryNameContains(std::string_view name, std::string_view text) {
  // std::search rather than its ranges form, which clang 14 cannot compile with
  // libstdc++ 12.
  return std::search(name.begin(), name.end(), text.begin(), text.end(), SameLetter) != name.end();
}

CBookCatalog::CBookCatalog(const CString& book) {
  m_status.book = book;
  m_status.entry = GetAppProfile().GetProfileString("DATABASE", book, "");
  if (m_status.entry.empty()) {
    m_status.error = "the profile names no reference database for the book";
    return;
  }
  m_status.path = GetDatabaseDir(m_status.entry);
  const CMessageCollector quiet;  // the open's own message box: Status carries its text
  m_status.opens = m_database.Open(m_status.path, DatabaseConnectText());
  if (!m_status.opens) m_status.error = m_database.GetLastError();
}

std::optional<std::vector<CReferenceRow>> CBookCatalog::Read(ItemKind kind, const CString& query,
                                                             const std::vector<FieldValue>& parameters, CString& error,
                                                             const RowFilter& keep) {
  if (!IsOpen()) {
    error = m_status.error;
    return std::nullopt;
  }
  CRecordSet recordSet(m_database, RecordSetForKind(kind));
  if (!recordSet.Open(query, parameters)) {
    error = recordSet.GetError();
    return std::nullopt;
  }
  std::vector<CReferenceRow> rows;
  for (; !recordSet.IsEOF(); recordSet.MoveNext()) {
    CReferenceRow row(recordSet.GetLayout(), recordSet.GetValues(), m_status.book);
    if (!keep || keep(row)) rows.push_back(std::move(row));
  }
  error = recordSet.GetError();
  recordSet.Close();
  if (!error.empty()) return std::nullopt;
  return rows;
}

std::optional<std::vector<CReferenceRow>> CBookCatalog::Rows(ItemKind kind, const CString& category, CString& error,
                                                             const RowFilter& keep) {
  if (!IsSafeCategory(category)) {
    error = "the category cannot name a table";
    return std::nullopt;
  }
  return Read(kind, "SELECT * FROM " + TableNameForCategory(category), {}, error, keep);
}

std::optional<std::vector<CReferenceRow>> CBookCatalog::RowsWithIdentifier(ItemKind kind, const CString& category,
                                                                           int32_t identifier, CString& error) {
  CDatabaseItem item(kind);
  item.SetCategory(category);
  const CString query = item.SelectStatement();
  if (query.empty()) {
    error = "the category cannot name a table";
    return std::nullopt;
  }
  return Read(kind, query, {identifier}, error, {});
}

std::optional<int64_t> CBookCatalog::CountRows(const CString& category) {
  if (!IsOpen() || !IsSafeCategory(category)) return std::nullopt;
  const CString query = "SELECT COUNT(*) FROM " + TableNameForCategory(category);
  sqlite3_stmt* statement = nullptr;
  std::optional<int64_t> count;
  if (sqlite3_prepare_v2(m_database.GetHandle(), query.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
      sqlite3_step(statement) == SQLITE_ROW) {
    count = sqlite3_column_int64(statement, 0);
  }
  sqlite3_finalize(statement);
  return count;
}

}  // namespace zulparvo
