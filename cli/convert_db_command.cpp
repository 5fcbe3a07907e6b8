// convert-db: a Jet database (a book's reference database as players bring it) into an
// SQLite file, and the check of what a book's database lacks of what lookups read.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/message_sink.h"
#include "refdb/jet_cache.h"
#include "refdb/jet_process.h"
#include "refdb/jet_schema.h"

namespace zulparvo::cli {

namespace {

struct ConvertOptions {
  std::string input;
  std::string output;
  bool check = false;
  bool force = false;
};

std::string JoinNames(const std::vector<CString>& names) {
  std::string text;
  for (const CString& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

int Convert(const ConvertOptions& options) {
  std::error_code failure;
  if (std::filesystem::equivalent(options.input, options.output, failure)) {
    return Fail(options.output + ": the copy cannot replace the Jet file itself; give another -o");
  }
  if (!options.force && std::filesystem::exists(options.output, failure)) {
    return Fail(options.output + ": the file is there already; give --force to replace it");
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  JetProgressCallback progress;
  if (terminal) {
    progress = [](const JetProgress& table) {
      std::fprintf(stderr, "  [%d/%d] %s: %lld rows\n", table.index, table.count, table.table.c_str(),
                   static_cast<long long>(table.rows));
    };
  }
  CString error;
  JetConversionSummary summary;
  if (!ConvertJetDatabase(options.input, options.output, error, progress, {}, &summary)) {
    return Fail(options.input + ": cannot convert the Jet database: " + error);
  }
  if (terminal) {
    std::fprintf(stderr, "%s: %d tables, %lld rows\n", options.output.c_str(), summary.tables,
                 static_cast<long long>(summary.rows));
  }
  return kExitOk;
}

// Exit status 1 when a table lacks columns, or when none of the tables is there.
int Check(const std::string& shown, const CString& path) {
  const SchemaCheck check = CheckReferenceSchema(path);
  if (!check.opened) return Fail(shown + ": cannot read the database: " + check.error);
  if (check.foundTables == 0) {
    std::printf("%s: none of the tables that lookups read is there: not a book's reference database\n", shown.c_str());
    return kExitInvalidInput;
  }
  for (const IncompleteTable& table : check.incompleteTables) {
    std::printf("%s: table [%s] lacks %s: no row of it can be read\n", shown.c_str(), table.table.c_str(),
                JoinNames(table.columns).c_str());
  }
  if (check.incompleteTables.empty()) {
    std::printf("%s: every table that lookups read and that the book has holds all its columns\n", shown.c_str());
  }
  if (!check.missingTables.empty()) {
    std::printf("%s: tables that lookups read and the book does not have (no records of their kinds): %s\n",
                shown.c_str(), JoinNames(check.missingTables).c_str());
  }
  return check.incompleteTables.empty() ? kExitOk : kExitInvalidInput;
}

int Run(const ConvertOptions& options) {
  if (!options.output.empty()) {
    const int converted = Convert(options);
    if (converted != kExitOk || !options.check) return converted;
    return Check(options.output, options.output);
  }
  if (!IsJetDatabasePath(options.input)) return Check(options.input, options.input);
  // A Jet file is checked through its copy in the cache, as lookups read it.
  CString error;
  std::optional<CString> usable;
  {
    const CMessageCollector messages;
    usable = UsableDatabasePath(options.input, error);
  }
  if (!usable) return Fail(error);
  return Check(options.input, *usable);
}

}  // namespace

CommandRunner SetUpConvertDb(CLI::App& app, const GlobalOptions&) {
  auto options = std::make_shared<ConvertOptions>();
  app.add_option("INPUT", options->input, "The Jet database (.mdb, .accdb); with --check alone also an SQLite file")
      ->required()
      ->check(CLI::ExistingFile);
  app.add_option("-o,--output", options->output, "The SQLite file to write");
  app.add_flag("--check", options->check,
               "Tell which tables and columns that lookups read the database lacks (of the copy, with -o)");
  app.add_flag("--force", options->force, "Replace the output file when it is there");
  app.footer(
      "The output appears only when complete. A profile may name the Jet file itself: lookups then read a copy "
      "kept in $XDG_CACHE_HOME/zulparvo (docs/jet-databases.md).");
  return [options, &app] {
    if (options->output.empty() && !options->check) {
      std::fprintf(stderr, "zulparvo convert-db: give -o OUTPUT to convert, or --check\n%s", app.help().c_str());
      return kExitUsage;
    }
    return Run(*options);
  };
}

}  // namespace zulparvo::cli
