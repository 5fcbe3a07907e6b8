// Host scripts: a JSON object that plays the host. It builds or loads a character, adds
// records the way the host adds them, calls the three entry points, and reports.
//
//   { "profile": "FILE.ini", "character": "FILE" | { ... }, "apply": 1,
//     "steps": [ { "op": "add_advantage", ... }, ... ], "save": "FILE" }
//
// Paths are taken relative to the script's folder. A script error (an unknown op, a
// missing or mistyped field, an index out of range) ends the script and nothing is
// saved; a refusal that the system itself reports with a message is not an error.
#pragma once

#include <filesystem>
#include <functional>
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
  std::vector<std::string> changes;  // the change messages the step added
  std::vector<std::string> messages;  // the messages shown during the step
  const CChar_Character& character;
};
using StepObserver = std::function<void(const StepReport&)>;

// Reads and parses a script file; ScriptError names the file and what is wrong.
Json ReadScript(const std::filesystem::path& file);

// Runs the script and returns its result: { "results", "change_log", "messages",
// "character", "derived" }. Throws ScriptError.
Json RunHostScript(const Json& script, const std::filesystem::path& folder, const StepObserver& observer = {});

}  // namespace zulparvo::cli
