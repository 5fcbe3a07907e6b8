// demo: the bundled host script, run on the sample books and told step by step.
#include <iostream>

#include "cli/commands.h"
#include "cli/host_script.h"
#include "base/text_encoding.h"
#include "platform/profile.h"

namespace zulparvo::cli {

namespace {

// One line that says what the step did, in words.
std::string Describe(const StepReport& report) {
  const Json& step = report.step;
  const std::string op = step.value("op", "");
  if (op == "add_advantage") {
    const std::string category = step.value("category", step["record"].value("category", ""));
    const bool disadvantage = category == "DISAD" || category == "RACDISAD";
    return std::string(disadvantage ? "Takes the disadvantage " : "Takes the advantage ") + report.subject + " (" +
           category + ")";
  }
  if (op == "add_skill") {
    const bool spell = step["record"].value("class", "") == "CChar_Skill_Spell";
    return std::string(spell ? "Learns the spell " : "Learns the skill ") + report.subject;
  }
  if (op == "add_style") return "Studies the style " + report.subject;
  if (op == "special_calc") return "Runs the special calculations of " + report.subject + " again";
  if (op == "set_attribute") return "Sets " + step.value("attribute", "") + " to " + step["value"].dump();
  if (op == "update_iq_skills") return "IQ-dependent skills follow IQ " + step["old"].dump() + " to " + step["new"].dump();
  if (op == "buy_off_disadvantage") {
    return "Buys off " + report.subject + (report.result == 1 ? "" : " (refused)");
  }
  if (op == "remove") return "Removes " + report.subject;
  if (op == "recompute") return "Recomputes dodge and carried weights";
  return op;
}

// The sample data of an installed command, else of the build tree.
std::filesystem::path SampleData(const char* file) {
  std::error_code error;
  const auto command = std::filesystem::read_symlink("/proc/self/exe", error);
  const auto installed = (command.parent_path() / ZULPARVO_INSTALLED_DATA / file).lexically_normal();
  if (!error && std::filesystem::exists(installed, error)) return installed;
  return std::filesystem::path(ZULPARVO_BUILD_DATA) / file;
}

}  // namespace

CommandRunner SetUpDemo(CLI::App& app, const GlobalOptions& global) {
  auto script = std::make_shared<std::string>(SampleData("demo/demo.json").string());
  app.add_option("--script", *script, "The host script to tell (default: the bundled demonstration)")
      ->capture_default_str();
  return [script, &global] {
    // The sample books, unless the user named a profile of their own.
    if (global.profile.empty() && std::getenv("ZULPARVO_PROFILE") == nullptr) {
      SetAppProfile(CProfile::Load(SampleData("zulparvo.ini")));
    }
    try {
      const Json json = ReadScript(*script);
      std::cout << "A character built step by step (" << *script << ")\n\n";
      const Json result = RunHostScript(json, std::filesystem::path(*script).parent_path(), [](const StepReport& r) {
        std::cout << "Step " << r.index + 1 << ". " << Describe(r) << "\n";
        for (const std::string& change : r.changes) std::cout << "    " << change << "\n";
        for (const std::string& message : r.messages) std::cout << "    [message] " << message << "\n";
      });
      std::cout << "\nThe character now:\n";
      auto character = CharacterFromJson(result["character"]);
      ShowCharacter(std::cout, *character);
      return kExitOk;
    } catch (const ScriptError& error) {
      return Fail(*script + ": " + error.what());
    } catch (const std::exception& error) {
      return Fail(*script + ": " + error.what());
    }
  };
}

}  // namespace zulparvo::cli
