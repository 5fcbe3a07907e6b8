// run: a host script, its result printed as JSON.
#include <iostream>

#include "cli/commands.h"
#include "cli/host_script.h"
#include "cli/streams.h"

namespace zulparvo::cli {

namespace {

struct RunOptions {
  std::string script, character, save;
};

// The ops, one line each, for the help text.
std::string OpsHelp() {
  std::string text = "Steps (\"op\" and its fields):\n";
  for (const ScriptOp& op : ScriptOps()) {
    text += "  " + std::string(op.name) + (op.fields[0] != '\0' ? " (" + std::string(op.fields) + ")" : "") +
            "\n      " + op.help + "\n";
  }
  return text + "\n";
}

}  // namespace

CommandRunner SetUpRun(CLI::App& app, const GlobalOptions&) {
  auto o = std::make_shared<RunOptions>();
  app.add_option("SCRIPT.json", o->script, "The host script (- for standard input)")->required();
  app.add_option("--character", o->character, "The character file to start from, in place of the script's");
  app.add_option("--save", o->save, "Where the character is written at the end, in place of the script's");
  app.footer(OpsHelp() + HelpFooter({"zulparvo run script.json", "zulparvo run script.json --save hero.zul"},
                                    "docs/host-scripts.md"));
  return [o] {
    if (IsStandardStream(o->save)) {
      std::cerr << "zulparvo run: --save cannot be standard output, which carries the result\n";
      return kExitUsage;
    }
    if (IsStandardStream(o->script) && IsStandardStream(o->character)) {
      std::cerr << "zulparvo run: the script and the character cannot both come from standard input\n";
      return kExitUsage;
    }
    const std::string name = IsStandardStream(o->script) ? "standard input" : o->script;
    try {
      const Json script = ReadScript(o->script);
      ScriptFiles files;
      if (!o->character.empty()) files.character = o->character;
      if (!o->save.empty()) files.save = o->save;
      const std::filesystem::path folder =
          IsStandardStream(o->script) ? std::filesystem::path(".") : std::filesystem::path(o->script).parent_path();
      const Json result = RunHostScript(script, folder, {}, files);
      std::cout << result.dump(2) << "\n";
      return kExitOk;
    } catch (const ScriptError& error) {
      const std::string what = error.what();
      return Fail(what.rfind(name, 0) == 0 ? what : name + ": " + what);
    }
  };
}

}  // namespace zulparvo::cli
