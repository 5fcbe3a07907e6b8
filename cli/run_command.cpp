// run: a host script, its result printed as JSON.
#include <iostream>

#include "cli/commands.h"
#include "cli/host_script.h"
#include "platform/file_io.h"

namespace zulparvo::cli {

// Reads and parses a script file; ScriptError names what is wrong.
Json ReadScript(const std::filesystem::path& file) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const CFileException& error) {
    throw ScriptError(error.what());
  }
  try {
    return Json::parse(bytes.begin(), bytes.end());
  } catch (const Json::parse_error& error) {
    throw ScriptError(file.string() + ": not valid JSON: " + error.what());
  }
}

CommandRunner SetUpRun(CLI::App& app, const GlobalOptions&) {
  auto file = std::make_shared<std::string>();
  app.add_option("SCRIPT.json", *file, "The host script")->required();
  return [file] {
    try {
      const Json script = ReadScript(*file);
      const Json result = RunHostScript(script, std::filesystem::path(*file).parent_path());
      std::cout << result.dump(2) << "\n";
      return kExitOk;
    } catch (const ScriptError& error) {
      const std::string what = error.what();
      return Fail(what.rfind(*file, 0) == 0 ? what : *file + ": " + what);
    }
  };
}

}  // namespace zulparvo::cli
