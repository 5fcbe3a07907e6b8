// run: a host script, its result printed as JSON.
#include <iostream>

#include "cli/commands.h"
#include "cli/host_script.h"

namespace zulparvo::cli {

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
