// demo: the bundled host script, run on the sample books and told step by step.
#include <iostream>

#include "cli/commands.h"
#include "cli/host_script.h"
#include "cli/text_encoding.h"
#include "platform/profile.h"

namespace zulparvo::cli {

namespace {

// The shown name of the record a step filed: the last of the list it went to.
std::string LastShownName(const CChar_Character& character, CharacterList list) {
  auto& records = const_cast<CChar_Character&>(character).GetList(list);
  CObject* last = records.GetLast();
  if (auto* advantage = DynamicDownCast<CChar_Ad_Disad>(last)) return BytesToUtf8(advantage->GetDisplayName());
  if (auto* skill = DynamicDownCast<CChar_Skill_Base>(last)) return BytesToUtf8(skill->GetDisplayName());
  if (auto* style = DynamicDownCast<CChar_Martial_Arts_Style>(last)) return BytesToUtf8(style->GetName());
  return "?";
}

// One line that says what the step did, in words.
std::string Describe(const StepReport& report) {
  const Json& step = report.step;
  const std::string op = step.value("op", "");
  const CChar_Character& c = report.character;
  if (op == "add_advantage") {
    const std::string category = step.value("category", step["record"].value("category", ""));
    const bool disadvantage = category == "DISAD" || category == "RACDISAD";
    const CharacterList list = disadvantage ? CharacterList::Disadvantages : CharacterList::Advantages;
    return std::string(disadvantage ? "Takes the disadvantage " : "Takes the advantage ") + LastShownName(c, list) +
           " (" + category + ")";
  }
  if (op == "add_skill") {
    const bool spell = step["record"].value("class", "") == "CChar_Skill_Spell";
    return std::string(spell ? "Learns the spell " : "Learns the skill ") +
           LastShownName(c, spell ? CharacterList::Spells : CharacterList::Skills);
  }
  if (op == "add_style") return "Studies the style " + LastShownName(c, CharacterList::MartialArtsStyles);
  if (op == "set_attribute") return "Sets " + step.value("attribute", "") + " to " + step["value"].dump();
  if (op == "buy_off_disadvantage") return "Buys off disadvantage " + step["index"].dump();
  if (op == "remove") return "Removes record " + step["index"].dump() + " of the " + step.value("list", "") + " list";
  if (op == "recompute") return "Recomputes dodge and carried weights";
  return op;
}

}  // namespace

CommandRunner SetUpDemo(CLI::App& app, const GlobalOptions& global) {
  auto script = std::make_shared<std::string>(ZULPARVO_DEMO_SCRIPT);
  app.add_option("--script", *script, "The host script to tell (default: the bundled demonstration)")
      ->capture_default_str();
  return [script, &global] {
    // The sample books, unless the user named a profile of their own.
    if (global.profile.empty() && std::getenv("ZULPARVO_PROFILE") == nullptr) {
      SetAppProfile(CProfile::Load(ZULPARVO_SAMPLE_PROFILE));
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
