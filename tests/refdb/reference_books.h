// Small reference databases made for one test in a folder of its own, and a profile
// that names them.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile.h"
#include "refdb/database_item.h"
#include "refdb/search_processor.h"
#include "refdb/table_names.h"

namespace zulparvo::testing {

namespace fs = std::filesystem;

// Values of named columns of one row; the columns not named are left NULL.
using ColumnValues = std::vector<std::pair<std::string, FieldValue>>;

// Runs one statement with the values bound to ?1, ?2, ...; throws when it fails.
inline void Execute(sqlite3* db, const std::string& sql, const std::vector<FieldValue>& values = {}) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    if (const auto* text = std::get_if<CString>(&values[i])) {
      sqlite3_bind_blob(statement, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    } else if (const auto* yesNo = std::get_if<bool>(&values[i])) {
      sqlite3_bind_int(statement, index, *yesNo ? 1 : 0);
    } else {
      sqlite3_bind_int(statement, index, std::get<int32_t>(values[i]));
    }
  }
  const int status = sqlite3_step(statement);
  sqlite3_finalize(statement);
  if (status != SQLITE_DONE) throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
}

// The books of one test: each book's database is BOOK.db in the test's folder, made on
// its first row, and the installed profile names every book made so far. Lookups go
// through the process-wide search processor unless a test makes its own.
class ReferenceBooks {
 public:
  ReferenceBooks() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    m_folder = fs::temp_directory_path() / ("zulparvo-refdb-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    InstallProfile();
  }
  ~ReferenceBooks() {
    GetSearchProcessor()->CloseDatabases();
    ResetAppProfile();
    fs::remove_all(m_folder);
  }
  ReferenceBooks(const ReferenceBooks&) = delete;
  ReferenceBooks& operator=(const ReferenceBooks&) = delete;

  const fs::path& Folder() const { return m_folder; }
  fs::path PathOf(const std::string& book) const { return m_folder / (book + ".db"); }

  // Runs one statement on the book's database, made when missing.
  void Run(const std::string& book, const std::string& sql, const std::vector<FieldValue>& values = {}) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(PathOf(book).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
      Execute(db, sql, values);
    } catch (...) {
      sqlite3_close(db);
      throw;
    }
    sqlite3_close(db);
    if (m_entries.emplace(book, book + ".db").second) InstallProfile();
  }

  // Adds a row to the table of the category, made with the kind's own definition.
  void AddRow(const std::string& book, ItemKind kind, const std::string& category, const ColumnValues& values) {
    CDatabaseItem item(kind);
    item.SetCategory(category);
    const std::string table = TableNameForCategory(category);
    if (m_tables[book].insert(table).second) Run(book, item.CreateTableStatement());
    std::string columns;
    std::string parameters;
    std::vector<FieldValue> bound;
    for (const auto& [column, value] : values) {
      columns += (columns.empty() ? "[" : ", [") + column + "]";
      parameters += parameters.empty() ? "?" : ", ?";
      bound.push_back(value);
    }
    Run(book, "INSERT INTO " + table + " (" + columns + ") VALUES (" + parameters + ")", bound);
  }

  // A row with a name and nothing else.
  void AddName(const std::string& book, ItemKind kind, const std::string& category, int32_t identifier,
               const std::string& name) {
    AddRow(book, kind, category, {{"Identifier", identifier}, {"ID", CString(name)}});
  }

  // Names the book's database entry in the profile, whether the file exists or not.
  void SetEntry(const std::string& book, const std::string& entry) {
    m_entries[book] = entry;
    InstallProfile();
  }

 private:
  void InstallProfile() {
    const fs::path profile = m_folder / "zulparvo.ini";
    std::ofstream out(profile);
    out << "[DATABASE]\n";
    for (const auto& [book, entry] : m_entries) out << book << " = " << entry << "\n";
    out.close();
    SetAppProfile(CProfile::Load(profile));
  }

  fs::path m_folder;
  std::map<std::string, std::string> m_entries;
  std::map<std::string, std::set<std::string>> m_tables;
};

}  // namespace zulparvo::testing
