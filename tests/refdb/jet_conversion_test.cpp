// Each Jet test database converted through the helper program, compared cell by cell
// with what the mdbtools command line exports of the same table.
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "refdb/jet_process.h"
#include "refdb/jet_test_support.h"

namespace zulparvo {
namespace {

using namespace zulparvo::testing;

// mdb-export's output with separators that no text holds: fields end in 0x1f, rows in
// 0x1e, and a NULL is 0x1d.
constexpr char kNull[] = "\x1d";
std::vector<std::vector<std::string>> Split(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find('\x1e', start), text.size());
    rows.emplace_back(1);
    for (const char c : text.substr(start, end - start)) {
      if (c == '\x1f') rows.back().emplace_back();
      else rows.back().back() += c;
    }
  }
  return rows;
}

// Seconds from 1970 of "YYYY-MM-DD HH:MM:SS[.mmm]".
std::optional<double> Instant(const std::string& text) {
  int year, month, day, hour, minute;
  double second;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%lf", &year, &month, &day, &hour, &minute, &second) != 6 ||
      month < 1 || day < 1) {
    return std::nullopt;
  }
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  return static_cast<double>(date.time_since_epoch().count()) * 86400 + hour * 3600 + minute * 60 + second;
}

// mdb-export prints a double with 16 significant digits, a single with 8, currency
// with 4 decimals: a REAL agrees when it prints the same with as many decimals, or
// reads back as the same single, or differs in the 16th digit at most.
bool SameReal(double ours, const std::string& theirs) {
  const double value = std::stod(theirs);
  const std::size_t point = theirs.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(theirs.size() - point - 1);
  char printed[400];
  std::snprintf(printed, sizeof printed, "%.*f", decimals, ours);
  return theirs == printed || static_cast<float>(ours) == static_cast<float>(value) ||
         std::fabs(ours - value) <= 1e-15 * std::fabs(value);
}

void ExpectSameCell(sqlite3_stmt* row, int column, const std::string& theirs) {
  const int type = sqlite3_column_type(row, column);  // before the text, which changes it
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
  const std::string ours(text != nullptr ? text : "", text != nullptr ? static_cast<std::size_t>(sqlite3_column_bytes(row, column)) : 0);
  switch (type) {
    case SQLITE_NULL:
      EXPECT_EQ(theirs, kNull);
      break;
    case SQLITE_INTEGER:
      EXPECT_EQ(ours, theirs);
      break;
    case SQLITE_FLOAT:
      EXPECT_TRUE(SameReal(sqlite3_column_double(row, column), theirs)) << ours << " / " << theirs;
      break;
    case SQLITE_BLOB: {
      std::string hex;
      for (const char c : ours) hex += {"0123456789ABCDEF"[(c >> 4) & 15], "0123456789ABCDEF"[c & 15]};
      EXPECT_EQ(hex, theirs);
      break;
    }
    default:
      if (theirs == "1900-01-00 00:00:00") {  // a date beyond what mdb-export can print
        EXPECT_TRUE(Instant(ours)) << ours;
      } else if (const std::optional<double> instant = Instant(theirs)) {
        ASSERT_TRUE(Instant(ours)) << ours;
        EXPECT_LT(std::fabs(*Instant(ours) - *instant), 1.0) << ours << " / " << theirs;  // mdb-export: whole seconds
      } else {
        EXPECT_EQ(ours, theirs == kNull ? "" : theirs);  // mdb-export prints an empty text as NULL too
      }
  }
}

TEST(JetConversion, EveryCellAsTheMdbtoolsExportHasIt) {
  SKIP_WITHOUT_JET_FIXTURES();
  if (std::system("mdb-export --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "mdb-export is not installed";
  const TemporaryFolder folder;
  for (const char* file : {"nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"}) {
    SCOPED_TRACE(file);
    const std::string jet = (JetFixtures() / file).string();
    const std::string copy = (folder.Path() / (std::string(file) + ".db")).string();
    CString error;
    ASSERT_TRUE(ConvertJetDatabase(jet, copy, error)) << error;
    sqlite3* db = nullptr;
    sqlite3_open_v2(copy.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const std::vector<std::vector<std::string>> tables = Split(Output("mdb-tables -1 " + ShellQuoted(jet) + " | tr '\\n' '\\036'"));
    ASSERT_FALSE(tables.empty());
    for (const auto& table : tables) {
      SCOPED_TRACE(table[0]);
      const auto exported = Split(Output("env -u MDBICONV mdb-export -Q -d \"$(printf '\\037')\" -R \"$(printf '\\036')\" "
                                         "-0 \"$(printf '\\035')\" -b hex -T '%Y-%m-%d %H:%M:%S' " + ShellQuoted(jet) + " " + ShellQuoted(table[0])));
      sqlite3_stmt* row = nullptr;
      ASSERT_EQ(sqlite3_prepare_v2(db, ("SELECT * FROM \"" + table[0] + "\"").c_str(), -1, &row, nullptr), SQLITE_OK);
      const auto columns = static_cast<std::size_t>(sqlite3_column_count(row));
      for (std::size_t i = 0; i < columns; ++i) EXPECT_EQ(sqlite3_column_name(row, static_cast<int>(i)), exported[0].at(i));
      std::size_t rows = 1;
      int status;
      for (; (status = sqlite3_step(row)) == SQLITE_ROW && rows < exported.size(); ++rows) {
        ASSERT_EQ(exported[rows].size(), columns);
        for (std::size_t i = 0; i < columns; ++i) ExpectSameCell(row, static_cast<int>(i), exported[rows][i]);
      }
      EXPECT_EQ(status, SQLITE_DONE);
      EXPECT_EQ(rows, exported.size());
      sqlite3_finalize(row);
    }
    sqlite3_close(db);
  }
}

}  // namespace
}  // namespace zulparvo
