// show, export and import: character files read, shown and converted.
#include <cstdio>
#include <functional>
#include <iostream>
#include <sstream>

#include "base/text_encoding.h"
#include "base/utilities.h"
#include "cli/commands.h"
#include "cli/host_script.h"
#include "cli/streams.h"
#include "frame/host_operations.h"
#include "model/ad_disad.h"
#include "model/character_file.h"
#include "model/equipment_armor.h"
#include "model/equipment_container.h"
#include "model/json/json_codec.h"
#include "model/martial_arts_style.h"
#include "model/note.h"
#include "model/skill_base.h"
#include "model/transportation.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo::cli {

namespace {

std::string Signed(long value) { return (value >= 0 ? "+" : "") + LongtoString(value, 0); }
std::string Real(double value, long decimals = 1) { return DoubletoString(value, decimals, 1, 0); }

void ShowAdvantages(std::ostream& out, const char* title, CTypedObArray<CChar_Ad_Disad>& list) {
  if (list.IsEmpty()) return;
  out << title << " (" << list.GetSize() << ")\n";
  for (std::size_t i = 0; i < list.GetSize(); ++i) {
    const CChar_Ad_Disad& record = *list.GetAt(i);
    out << "  " << BytesToUtf8(record.GetDisplayName()) << "  [" << record.GetBookCode() << " "
        << record.GetIdentifier() << "]  " << Real(record.GetCostWithExtra()) << " points\n";
  }
}

void ShowSkills(std::ostream& out, const char* title, CObArray& list) {
  if (list.IsEmpty()) return;
  out << title << " (" << list.GetSize() << ")\n";
  for (const auto& entry : list) {
    if (auto* skill = DynamicDownCast<CChar_Skill_Base>(entry.get())) {
      out << "  " << BytesToUtf8(skill->GetDisplayName()) << "  [" << skill->GetBookCode() << " "
          << skill->GetIdentifier() << "]  level " << skill->GetTotalLevel() << ", " << Real(skill->GetPoints())
          << " points\n";
    } else {
      out << "  (" << entry->GetClassName() << ")\n";
    }
  }
}

// The item's shown name, how many there are (of a list's item: how many are carried),
// the weight of one, and what it holds, indented below it.
void ShowItem(std::ostream& out, CChar_Equipment_Base& item, std::size_t depth) {
  out << std::string(2 * depth, ' ') << BytesToUtf8(item.GetDisplayName()) << "  ";
  if (depth == 1) out << "carried " << item.GetCarriedQuantity() << " of ";
  out << item.GetQuantity() << ", weight " << Real(item.GetEffectiveWeight()) << " each";
  if (item.GetExcludedFlag() != 0) out << ", excluded";
  if (auto* armor = DynamicDownCast<CChar_Equipment_Armor>(&item); armor != nullptr && armor->IsWorn()) {
    out << ", worn";
  }
  auto* container = DynamicDownCast<CChar_Equipment_Container>(&item);
  if (container == nullptr) {
    out << "\n";
    return;
  }
  out << ", contents " << Real(container->GetContentsWeight()) << "\n";
  auto& contents = container->GetContents();
  for (std::size_t i = 0; i < contents.GetSize(); ++i) ShowItem(out, *contents.GetAt(i), depth + 1);
}

void ShowEquipment(std::ostream& out, const char* title, CObArray& list) {
  if (list.IsEmpty()) return;
  out << title << " (" << list.GetSize() << ")\n";
  for (const auto& entry : list) {
    if (auto* item = DynamicDownCast<CChar_Equipment_Base>(entry.get())) ShowItem(out, *item, 1);
  }
}

void ShowNotes(std::ostream& out, CTypedObArray<CChar_Note>& notes) {
  if (notes.IsEmpty()) return;
  out << "Notes (" << notes.GetSize() << ")\n";
  for (std::size_t i = 0; i < notes.GetSize(); ++i) {
    out << "  " << ReplaceString(BytesToUtf8(notes.GetAt(i)->GetText()), "\n", "\n  ", 0) << "\n";
  }
}

void ShowStyles(std::ostream& out, CTypedObArray<CChar_Martial_Arts_Style>& styles) {
  if (styles.IsEmpty()) return;
  out << "Martial-arts styles (" << styles.GetSize() << ")\n";
  for (std::size_t i = 0; i < styles.GetSize(); ++i) {
    CChar_Martial_Arts_Style& style = *styles.GetAt(i);
    out << "  " << BytesToUtf8(style.GetName()) << "  [" << style.GetIdentifier() << "]  " << Real(style.GetPoints())
        << " points\n";
    for (std::size_t n = 0; n < kStyleCategoryCount; ++n) {
      const auto category = static_cast<StyleCategory>(n);
      for (std::size_t e = 0; e < style.GetEntryCount(category); ++e) {
        CChar_Skill_Base& entry = *style.GetEntryAt(category, e);
        out << "    " << CChar_Martial_Arts_Style::CategoryTag(category) << "  " << BytesToUtf8(entry.GetDisplayName())
            << "  level " << entry.GetTotalLevel() << ", " << Real(entry.GetPoints()) << " points\n";
      }
    }
  }
}

// Each mount or vehicle with what it carries at each encumbrance level.
void ShowTransportation(std::ostream& out, CTypedObArray<CChar_Transportation>& mounts) {
  if (mounts.IsEmpty()) return;
  out << "Transportation (" << mounts.GetSize() << ")\n";
  for (std::size_t i = 0; i < mounts.GetSize(); ++i) {
    const CChar_Transportation& mount = *mounts.GetAt(i);
    out << "  " << mount.GetType() << "  " << BytesToUtf8(mount.GetText(0)) << "\n    ";
    for (const TransportLoad load : kTransportLoads) {
      out << (load == TransportLoad::None ? "" : "; ") << mount.GetLevelText(load);
    }
    out << "\n";
  }
}

}  // namespace

void ShowCharacter(std::ostream& out, CChar_Character& c) {
  out << "Attributes   ST " << c.GetCurrentST() << "  DX " << c.GetCurrentDX() << "  IQ " << c.GetCurrentIQ() << "  HT "
      << c.GetCurrentHT() << "   (base " << c.GetST() << "/" << c.GetDX() << "/" << c.GetIQ() << "/" << c.GetHT()
      << ", bonus " << Signed(c.GetSTBonus()) << "/" << Signed(c.GetDXBonus()) << "/" << Signed(c.GetIQBonus()) << "/"
      << Signed(c.GetHTBonus()) << ")\n";
  out << "Points       " << Real(c.GetPointsSpent()) << " spent, " << Real(c.GetPointsAvailable()) << " available\n";
  out << "Speed        " << c.GetSpeedSumText(false) << " (with extra " << c.GetSpeedSumText(true) << ")   move "
      << c.GetMoveSumText(false, 1) << "   encumbrance " << c.GetEncumbranceLevel(1) << "/" << c.GetEncumbranceLevel(2)
      << "\n";
  out << "Defences     dodge " << c.GetDodgeValue() << " " << Signed(c.GetDodgeBonus()) << ", parry "
      << c.GetParryValue() << " " << Signed(c.GetParryBonus()) << ", block " << c.GetBlockValue() << " "
      << Signed(c.GetBlockBonus()) << ", PD " << Signed(c.GetPDBonus()) << ", DR " << Signed(c.GetDRBonus()) << "\n";
  out << "Bonuses      hit points " << Signed(c.GetHitPointBonus()) << ", fatigue " << Signed(c.GetFatigueBonus())
      << ", spell fatigue " << Signed(c.GetSpellFatigueBonus()) << ", basic speed " << Real(c.GetBasicSpeedBonus(), 2)
      << ", move " << Real(c.GetMoveBonus(), 2) << "\n";
  static constexpr std::pair<CChar_Character::Check, const char*> kChecks[] = {
      {CChar_Character::Check::Reaction, "reaction"},
      {CChar_Character::Check::ReactionOppositeSex, "reaction (opposite sex)"},
      {CChar_Character::Check::Health, "health"},
      {CChar_Character::Check::Will, "will"},
      {CChar_Character::Check::Fright, "fright"},
      {CChar_Character::Check::Hearing, "hearing"},
      {CChar_Character::Check::Perception, "perception"},
      {CChar_Character::Check::SmellTaste, "smell/taste"},
      {CChar_Character::Check::MentalStun, "mental stun"},
      {CChar_Character::Check::PhysicalStun, "physical stun"},
      {CChar_Character::Check::CripplingInjury, "crippling injury"},
  };
  std::string checks;
  for (const auto& [check, name] : kChecks) {
    if (c.GetCheck(check) == 0) continue;
    checks += (checks.empty() ? "" : ", ") + std::string(name) + " " + Signed(c.GetCheck(check));
  }
  if (!checks.empty()) out << "Checks       " << checks << "\n";
  ShowAdvantages(out, "Advantages", c.GetAdvantages());
  ShowAdvantages(out, "Disadvantages", c.GetDisadvantages());
  ShowAdvantages(out, "Super advantages", c.GetSuperAdvantages());
  ShowAdvantages(out, "Super disadvantages", c.GetSuperDisadvantages());
  ShowSkills(out, "Skills", c.GetSkills());
  ShowSkills(out, "Spells", c.GetSpells());
  ShowSkills(out, "Older skills", c.GetOlderSkills());
  ShowEquipment(out, "Equipment", c.GetEquipment());
  ShowEquipment(out, "Weapons", c.GetWeapons());
  ShowEquipment(out, "Armor", c.GetArmor());
  if (!c.GetEquipment().IsEmpty() || !c.GetWeapons().IsEmpty() || !c.GetArmor().IsEmpty()) {
    out << "Carried      " << Real(c.GetCarriedWeight1()) << ", " << Real(c.GetCarriedWeight2())
        << " without excluded items\n";
  }
  ShowNotes(out, c.GetNotes());
  ShowStyles(out, c.GetMartialArtsStyles());
  ShowTransportation(out, c.GetTransportation());
  for (const CharacterList list : {CharacterList::FurtherCostedRecords, CharacterList::FurtherList}) {
    const CObArray& records = c.GetList(list);
    if (!records.IsEmpty()) out << ListName(list) << ": " << records.GetSize() << " records\n";
  }
}

namespace {

// Adds to a record's JSON what `show` works out: the shown name (looked up in the books
// when the record has none of its own), a skill's total level, an item's effective
// weight; and the same for the records that it holds.
void AddShownValues(CObject& record, Json& json);

class ShownValues : public CFieldVisitor {
 public:
  explicit ShownValues(Json& json) : m_json(json) {}
  void Integer(std::string_view, int32_t&) override {}
  void Real(std::string_view, double&) override {}
  void Text(std::string_view, CString&) override {}
  void TextList(std::string_view, CStringArray&) override {}
  void List(std::string_view key, CObArray& list) override {
    Json* array = Field(key);
    for (std::size_t i = 0; array != nullptr && i < list.GetSize() && i < array->size(); ++i) {
      AddShownValues(*list.GetAt(i), (*array)[i]);
    }
  }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    if (Json* object = Field(key); object != nullptr && value) AddShownValues(*value, *object);
  }

 private:
  Json* Field(std::string_view key) {
    const auto found = m_json.find(std::string(key));
    return found != m_json.end() && !found->is_null() ? &*found : nullptr;
  }
  Json& m_json;
};

void AddShownValues(CObject& record, Json& json) {
  if (!json.is_object()) return;
  if (const CString name = ShownName(record); !name.empty()) json["shown_name"] = BytesToUtf8(name);
  if (auto* skill = DynamicDownCast<CChar_Skill_Base>(&record)) json["total_level"] = skill->GetTotalLevel();
  if (auto* item = DynamicDownCast<CChar_Equipment_Base>(&record)) {
    json["effective_weight"] = item->GetEffectiveWeight();
  }
  ShownValues visitor(json);
  record.VisitFields(visitor);
}

// Runs `each` for every file; a file that cannot be read is one error line, and the
// others are still done.
int ForEachCharacter(const std::vector<std::string>& files,
                     const std::function<void(const std::string&, CChar_Character&, const CString&)>& each) {
  int status = kExitOk;
  for (const std::string& file : files) {
    try {
      CString version;
      auto character = LoadCharacter(file, &version);
      each(file, *character, version);
    } catch (const CCharacterFileException& error) {
      status = Fail(error.what());
    }
  }
  return status;
}

// One document for one file, an array for several.
void PrintJson(const std::vector<std::string>& files, const Json& all) {
  std::cout << (files.size() == 1 && all.size() == 1 ? all[0] : all).dump(2) << "\n";
}

struct FilesOptions {
  std::vector<std::string> files;
  bool json = false;
};

}  // namespace

CommandRunner SetUpShow(CLI::App& app, const GlobalOptions& global) {
  auto options = std::make_shared<FilesOptions>();
  app.add_option("FILE", options->files, "Character files (- for standard input)")->required();
  app.add_flag("--json", options->json,
               "Print JSON for programs: export's keys plus shown names, total levels and derived values");
  app.footer(HelpFooter({"zulparvo show hero.zul", "zulparvo show --json hero.zul | jq '.skills[].shown_name'"},
                        "docs/commands.md"));
  return [options, &global] {
    Json all = Json::array();
    std::size_t shown = 0;
    const auto show = [&](const std::string& file, CChar_Character& character, const CString& version) {
      ReportUnreadableBooks(character, global);
      if (options->json) {
        Json json = RecordToJson(character);
        ShowOtherMessages([&] { AddShownValues(character, json); });
        json["file"] = file;
        json["file_version"] = BytesToUtf8(version);
        json["derived"] = DerivedValues(character);
        all.push_back(std::move(json));
        return;
      }
      std::ostringstream out;
      const std::string name = BytesToUtf8(character.GetDescriptiveText1());
      out << (shown++ == 0 ? "" : "\n") << (name.empty() ? "(a character without a name)" : name) << "\n";
      out << file << ": character file version " << BytesToUtf8(version) << "\n";
      ShowOtherMessages([&] { ShowCharacter(out, character); });
      std::cout << out.str();
    };
    const int status = ForEachCharacter(options->files, show);
    if (options->json) PrintJson(options->files, all);
    return status;
  };
}

CommandRunner SetUpExport(CLI::App& app, const GlobalOptions&) {
  auto options = std::make_shared<FilesOptions>();
  app.add_option("FILE", options->files, "Character files (- for standard input)")->required();
  app.footer(HelpFooter({"zulparvo export hero.zul > hero.json", "zulparvo export a.zul b.zul | jq '.[].st'"},
                        "docs/json-keys.md"));
  return [options] {
    // Each character is written as its fields are walked, without a tree; several make
    // an array, each document indented one level more (texts in JSON hold no line breaks).
    const bool several = options->files.size() > 1;
    std::size_t written = 0;
    int status = kExitOk;
    for (const std::string& file : options->files) {
      try {
        auto character = LoadCharacter(file);
        if (!several) {
          WriteRecordJsonText(*character, std::cout);
        } else {
          std::string text = RecordToJsonText(*character);
          for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 3)) {
            text.replace(at, 1, "\n  ");
          }
          std::cout << (written == 0 ? "[\n  " : ",\n  ") << text;
        }
        ++written;
      } catch (const CCharacterFileException& error) {
        status = Fail(error.what());
      } catch (const JsonError& error) {
        status = Fail(file + ": " + error.what());
      }
    }
    if (several && written > 0) std::cout << "\n]";
    if (written > 0 && !(std::cout << "\n" << std::flush)) return Fail("cannot write the JSON to standard output");
    return status;
  };
}

CommandRunner SetUpImport(CLI::App& app, const GlobalOptions&) {
  auto input = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  app.add_option("FILE.json", *input, "The character as JSON, as export prints it (- for standard input)")->required();
  app.add_option("-o,--output", *output, "The character file to write (- for standard output)")->required();
  app.footer(HelpFooter({"zulparvo import hero.json -o hero.zul", "echo '{}' | zulparvo import - -o new.zul"},
                        "docs/json-keys.md"));
  return [input, output] {
    const std::string name = IsStandardStream(*input) ? "standard input" : *input;
    try {
      // The file is written as the JSON is read: a large character is never whole in memory.
      std::vector<uint8_t> file;
      if (IsStandardStream(*input)) {
        const auto bytes = ReadInput(*input);
        file = CharacterFileFromJsonText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                         OutputName(*output));
      } else {
        file = CharacterFileFromJsonFile(*input, OutputName(*output));
      }
      WriteOutput(*output, file);
      return kExitOk;
    } catch (const CFileException& error) {
      return Fail(error.what());
    } catch (const JsonError& error) {
      return Fail(name + ": " + error.what());
    } catch (const CCharacterFileException& error) {
      return Fail(error.what());
    }
  };
}

}  // namespace zulparvo::cli
