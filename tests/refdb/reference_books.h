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
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/profile.h"
#include "refdb/database_item.h"
#include "refdb/search_processor.h"
#include "refdb/table_names.h"

namespace zulparvo::testing {

namespace fs = std::filesystem;

// Values of named columns of one row; the columns not named are left NULL.
using ColumnValues = std::vector<std::pair<std::string, FieldValue>>;

// Runs one statement with the values bound to ?1, ?2, ..., or without values any number
// of statements; throws when one fails.
inline void Execute(sqlite3* db, const std::string& sql, const std::vector<FieldValue>& values = {}) {
  sqlite3_stmt* statement = nullptr;
  bool done = values.empty() ? sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK
                             : sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK;
  for (int i = 0; statement != nullptr && i < static_cast<int>(values.size()); ++i) {
    std::visit([&](const auto& value) {
      if constexpr (std::is_same_v<std::decay_t<decltype(value)>, CString>) {
        sqlite3_bind_blob(statement, i + 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
      } else {
        sqlite3_bind_int(statement, i + 1, static_cast<int>(value));
      }
    }, values[static_cast<std::size_t>(i)]);
  }
  if (statement != nullptr) done = sqlite3_step(statement) == SQLITE_DONE;
  sqlite3_finalize(statement);
  if (!done) throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
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
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(db, &sqlite3_close);
    Execute(db, sql, values);
    if (m_settings["DATABASE"].emplace(book, book + ".db").second) InstallProfile();
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
  void SetEntry(const std::string& book, const std::string& entry) { Set("DATABASE", book, entry); }
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    m_settings[section][key] = value;
    InstallProfile();
  }

 private:
  void InstallProfile() {
    const fs::path profile = m_folder / "zulparvo.ini";
    std::ofstream out(profile);
    for (const auto& [section, settings] : m_settings) {
      out << "[" << section << "]\n";
      for (const auto& [key, value] : settings) out << key << " = " << value << "\n";
    }
    out.close();
    SetAppProfile(CProfile::Load(profile));
  }

  fs::path m_folder;
  std::map<std::string, std::map<std::string, std::string>> m_settings;
  std::map<std::string, std::set<std::string>> m_tables;
};

}  // namespace zulparvo::testing
