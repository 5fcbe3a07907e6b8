// Host scripts: a JSON object that plays the host. It builds or loads a character, adds
// records the way the host adds them (whole records, or entries of the books named by
// book and name or identifier), calls the three entry points, and reports.
//
//   { "profile": "FILE.ini", "character": "FILE" | { ... }, "apply": 1,
//     "steps": [ { "op": "add_advantage", ... }, ... ], "save": "FILE" }
//
// Paths are taken relative to the script's folder and must stay inside it; the command
// line may name other files. A script error (an unknown op, a missing or mistyped
// field, an index out of range, an entry the book does not have) ends the script and
// nothing is saved; a refusal that the system itself reports with a message is not an
// error. docs/host-scripts.md describes every op.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>

#include "model/json/json_codec.h"

namespace zulparvo::cli {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What one step did, for a host that shows the steps as they happen.
struct StepReport {
  std::size_t index;
  const Json& step;
  const Json& result;
  std::string subject;                // the shown name of the record the step worked on
  const CObject* record;              // that record while it is on the character, else null
  std::vector<std::string> changes;   // the change messages the step added
  std::vector<std::string> messages;  // the messages shown during the step
  const CChar_Character& character;
};
using StepObserver = std::function<void(const StepReport&)>;

// Files that the command line names in place of the script's own, taken as given
// (the script's own paths must stay inside its folder).
struct ScriptFiles {
  std::optional<std::filesystem::path> character;
  std::optional<std::filesystem::path> save;
};

// One op of a script: its name, its fields and one line of help.
struct ScriptOp {
  const char* name;
  const char* fields;
  const char* help;
};
std::span<const ScriptOp> ScriptOps();

// Reads and parses a script file ("-": standard input); ScriptError names the file and
// what is wrong.
Json ReadScript(const std::filesystem::path& file);

// Runs the script and returns its result: { "results", "change_log", "messages",
// "character", "derived" }. The script's "profile" is the process-wide profile while it
// runs, and the one before is put back afterwards, as the switch for special
// calculations is. Throws ScriptError.
Json RunHostScript(const Json& script, const std::filesystem::path& folder, const StepObserver& observer = {},
                   const ScriptFiles& files = {});

// The derived values of a character: current attributes, encumbrance levels, speed and
// move sums.
Json DerivedValues(const CChar_Character& character);

// Every book code (B01 ... B59) that the record and the records inside it carry.
std::set<std::string> BooksOf(CObject& record);

}  // namespace zulparvo::cli
