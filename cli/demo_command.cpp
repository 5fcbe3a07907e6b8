// demo: the bundled host script, run on the sample books and told step by step.
#include <iostream>

#include "base/text_encoding.h"
#include "cli/commands.h"
#include "cli/host_script.h"
#include "cli/streams.h"
#include "model/ad_disad.h"
#include "model/skill_spell.h"
#include "platform/profile.h"

namespace zulparvo::cli {

namespace {

// One line that says what the step did, in words.
std::string Describe(const StepReport& report) {
  const Json& step = report.step;
  const std::string op = step.value("op", "");
  const CObject* record = report.record;
  if (op == "add_advantage" && record != nullptr) {
    const auto& advantage = static_cast<const CChar_Ad_Disad&>(*record);
    const CString& category = advantage.GetCategory();
    const bool disadvantage = category == "DISAD" || category == "RACDISAD";
    return std::string(disadvantage ? "Takes the disadvantage " : "Takes the advantage ") + report.subject + " (" +
           category + ")";
  }
  if (op == "add_skill" && record != nullptr) {
    const bool spell = record->IsKindOf(ZP_RUNTIME_CLASS(CChar_Skill_Spell));
    return std::string(spell ? "Learns the spell " : "Learns the skill ") + report.subject;
  }
  if (op == "add_equipment") return "Takes " + report.subject;
  if (op == "add_style") return "Studies the style " + report.subject;
  if (op == "special_calc") return "Runs the special calculations of " + report.subject + " again";
  if (op == "set_attribute") return "Sets " + step.value("attribute", "") + " to " + step["value"].dump();
  if (op == "update_iq_skills") {
    return "IQ-dependent skills follow IQ " + step["old"].dump() + " to " + step["new"].dump();
  }
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

struct DemoOptions {
  std::string script = SampleData("demo/demo.json").string();
  std::string save;
};

}  // namespace

CommandRunner SetUpDemo(CLI::App& app, const GlobalOptions& global) {
  auto o = std::make_shared<DemoOptions>();
  app.add_option("--script", o->script, "The host script to tell (default: the bundled demonstration)")
      ->capture_default_str();
  app.add_option("--save", o->save, "Also write the character to this file (- for standard output)");
  app.footer(HelpFooter({"zulparvo demo", "zulparvo demo --save hero.zul"}, "docs/host-scripts.md"));
  return [o, &global] {
    // The sample books, unless the user named a profile of their own.
    if (global.profile.empty() && std::getenv("ZULPARVO_PROFILE") == nullptr) {
      SetAppProfile(CProfile::Load(SampleData("zulparvo.ini")));
    }
    // The story goes to standard error when the character goes to standard output.
    std::ostream& out = IsStandardStream(o->save) ? std::cerr : std::cout;
    try {
      const Json json = ReadScript(o->script);
      out << "A character built step by step (" << o->script << ")\n\n";
      ScriptFiles files;
      if (!o->save.empty()) files.save = o->save;
      const Json result = RunHostScript(
          json, std::filesystem::path(o->script).parent_path(),
          [&](const StepReport& r) {
            out << "Step " << r.index + 1 << ". " << Describe(r) << "\n";
            for (const std::string& change : r.changes) out << "    " << change << "\n";
            for (const std::string& message : r.messages) out << "    [message] " << message << "\n";
          },
          files);
      out << "\nThe character now:\n";
      auto character = CharacterFromJson(result["character"]);
      ShowCharacter(out, *character);
      return kExitOk;
    } catch (const std::exception& error) {
      return Fail(o->script + ": " + error.what());
    }
  };
}

}  // namespace zulparvo::cli
