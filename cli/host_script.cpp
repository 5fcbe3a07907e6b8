#include "cli/host_script.h"

#include <limits>
#include <map>
#include <optional>

#include "frame/entry_points.h"
#include "frame/module.h"
#include "base/text_encoding.h"
#include "model/character_file.h"
#include "model/martial_arts_style.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo::cli {

namespace {

// One step of the script, with typed access to its fields; every error names the step.
class Step {
 public:
  Step(const Json& step, std::size_t index) : m_step(step), m_index(index) {
    if (!step.is_object()) Fail("a step is an object with an \"op\"");
    m_op = Text("op");
  }

  const std::string& Op() const { return m_op; }

  [[noreturn]] void Fail(const std::string& what) const {
    throw ScriptError("step " + std::to_string(m_index + 1) + (m_op.empty() ? "" : " (" + m_op + ")") + ": " + what);
  }

  const Json& Field(const char* key) const {
    const auto found = m_step.find(key);
    if (found == m_step.end()) Fail(std::string("missing field \"") + key + "\"");
    return *found;
  }
  bool Has(const char* key) const { return m_step.contains(key); }

  std::string Text(const char* key) const {
    const Json& value = Field(key);
    if (!value.is_string()) Fail(std::string("\"") + key + "\" must be a text");
    return value.get<std::string>();
  }
  long Integer(const char* key) const {
    const Json& value = Field(key);
    if (!value.is_number_integer()) Fail(std::string("\"") + key + "\" must be a whole number");
    return value.get<long>();
  }
  long Integer(const char* key, long fallback) const { return Has(key) ? Integer(key) : fallback; }
  bool Flag(const char* key, bool fallback) const {
    if (!Has(key)) return fallback;
    const Json& value = Field(key);
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number_integer()) return value.get<long>() != 0;
    Fail(std::string("\"") + key + "\" must be true or false");
  }
  std::unique_ptr<CObject> Record(const CRuntimeClass* required) const {
    try {
      return RecordFromJson(Field("record"), required, "record");
    } catch (const JsonError& error) {
      Fail(error.what());
    }
  }
  CharacterList List() const {
    const std::string name = Text("list");
    const auto list = ListFromName(name);
    if (!list) Fail("no list is called \"" + name + "\"");
    return *list;
  }
  std::size_t Index(std::size_t size) const {
    const long index = Integer("index");
    if (index < 0 || static_cast<std::size_t>(index) >= size) {
      Fail("index " + std::to_string(index) + " is out of range (the list holds " + std::to_string(size) + ")");
    }
    return static_cast<std::size_t>(index);
  }

 private:
  const Json& m_step;
  std::size_t m_index;
  std::string m_op;
};

// The shown name of a record, whatever its family.
CString ShownName(CObject* record) {
  if (auto* advantage = DynamicDownCast<CChar_Ad_Disad>(record)) return advantage->GetDisplayName();
  if (auto* skill = DynamicDownCast<CChar_Skill_Base>(record)) return skill->GetDisplayName();
  if (auto* style = DynamicDownCast<CChar_Martial_Arts_Style>(record)) return style->GetName();
  return CString();
}

class ScriptRun {
 public:
  // With `nameSubjects`, each step notes the shown name of the record it works on (a
  // name look-up may show messages of its own, so only an observer asks for it).
  ScriptRun(CChar_Character& character, int apply, bool nameSubjects)
      : m_character(character), m_apply(apply), m_nameSubjects(nameSubjects) {}

  // The shown name of the record that the last step worked on.
  const CString& Subject() const { return m_subject; }

  Json Run(const Step& step) {
    m_subject.clear();
    const std::string& op = step.Op();
    const int apply = static_cast<int>(step.Integer("apply", m_apply));
    if (op == "add_advantage") return AddAdvantage(step, apply);
    if (op == "add_skill") return AddSkill(step, apply);
    if (op == "add_style") return AddStyle(step);
    if (op == "special_calc") return SpecialCalc(step, apply);
    if (op == "set_attribute") return SetAttribute(step);
    if (op == "update_iq_skills") {
      speccalc_UpdateSpecialIQSkills(step.Integer("old"), step.Integer("new"), &m_character);
      return nullptr;
    }
    if (op == "buy_off_disadvantage") {
      const std::size_t index = step.Index(m_character.GetDisadvantageCount());
      NoteSubject(m_character.GetDisadvantageAt(index));
      return m_character.BuyOffDisadvantage(index);
    }
    if (op == "remove") {
      const CharacterList list = step.List();
      const std::size_t index = step.Index(m_character.GetList(list).GetSize());
      NoteSubject(m_character.GetList(list).GetAt(index));
      m_character.RemoveRecord(list, index);
      return nullptr;
    }
    if (op == "recompute") {
      m_character.RecomputeDodgeValue();
      m_character.RecomputeCarriedWeights();
      return nullptr;
    }
    step.Fail("unknown op \"" + op + "\"");
  }

 private:
  Json AddAdvantage(const Step& step, int apply) {
    auto record = step.Record(ZP_RUNTIME_CLASS(CChar_Ad_Disad));
    auto& advantage = static_cast<CChar_Ad_Disad&>(*record);
    const CString category = step.Has("category") ? step.Text("category") : advantage.GetCategory();
    const auto list = ListForCategory(category);
    if (!list || m_character.AddAdDisad(category, advantage) == 0) return 0;
    CObject* filed = m_character.GetList(*list).GetLast();
    NoteSubject(filed);
    return speccalc_DoSpecialCalcAdProc(&m_character, filed, apply, step.Flag("keep_records", false));
  }

  Json AddSkill(const Step& step, int apply) {
    auto record = step.Record(ZP_RUNTIME_CLASS(CChar_Skill_Base));
    auto& skill = static_cast<CChar_Skill_Base&>(*record);
    skill.ComputeLevel(m_character.GetMentalMode(), m_character.GetCurrentST(), m_character.GetCurrentDX(),
                       m_character.GetCurrentIQ(), m_character.GetCurrentHT());
    const CharacterList list = skill.GetType() == "SP" ? CharacterList::Spells : CharacterList::Skills;
    if (!m_character.AddSkillFamilyRecord(skill, "", -1)) return 0;
    CObject* filed = m_character.GetList(list).GetLast();
    NoteSubject(filed);
    return speccalc_DoSpecialCalcSkillProc(&m_character, filed, apply);
  }

  Json AddStyle(const Step& step) {
    auto record = step.Record(ZP_RUNTIME_CLASS(CChar_Martial_Arts_Style));
    m_character.AddStyle(static_cast<CChar_Martial_Arts_Style&>(*record));
    NoteSubject(m_character.GetMartialArtsStyles().GetLast());
    m_character.FinishLastStyle();
    return nullptr;
  }

  Json SpecialCalc(const Step& step, int apply) {
    const CharacterList list = step.List();
    CObArray& records = m_character.GetList(list);
    CObject* record = records.GetAt(step.Index(records.GetSize()));
    NoteSubject(record);
    switch (list) {
      case CharacterList::Advantages:
      case CharacterList::Disadvantages:
      case CharacterList::SuperAdvantages:
      case CharacterList::SuperDisadvantages:
        return speccalc_DoSpecialCalcAdProc(&m_character, record, apply, step.Flag("keep_records", false));
      case CharacterList::Skills:
      case CharacterList::Spells:
        return speccalc_DoSpecialCalcSkillProc(&m_character, record, apply);
      default:
        step.Fail(std::string("the ") + ListName(list) + " list has no special calculations");
    }
  }

  Json SetAttribute(const Step& step) {
    const std::string attribute = step.Text("attribute");
    const long value = step.Integer("value");
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
      step.Fail("the value " + std::to_string(value) + " is out of range");
    }
    const auto base = static_cast<int32_t>(value);
    const int32_t oldIQ = m_character.GetCurrentIQ();
    if (attribute == "ST") {
      m_character.SetST(base);
    } else if (attribute == "DX") {
      m_character.SetDX(base);
    } else if (attribute == "IQ") {
      m_character.SetIQ(base);
    } else if (attribute == "HT") {
      m_character.SetHT(base);
    } else {
      step.Fail("\"attribute\" must be one of ST, DX, IQ, HT, not \"" + attribute + "\"");
    }
    if (m_character.GetCurrentIQ() != oldIQ) speccalc_UpdateSpecialIQSkills(oldIQ, m_character.GetCurrentIQ(), &m_character);
    return nullptr;
  }

  void NoteSubject(CObject* record) {
    if (m_nameSubjects) m_subject = ShownName(record);
  }

  CChar_Character& m_character;
  int m_apply;
  bool m_nameSubjects;
  CString m_subject;
};

std::unique_ptr<CChar_Character> MakeCharacter(const Json& script, const std::filesystem::path& folder) {
  const auto found = script.find("character");
  if (found == script.end()) return std::make_unique<CChar_Character>();
  if (found->is_string()) {
    try {
      return LoadCharacterFile(folder / found->get<std::string>());
    } catch (const CCharacterFileException& error) {
      throw ScriptError(std::string("\"character\": ") + error.what());
    }
  }
  try {
    return CharacterFromJson(*found);
  } catch (const JsonError& error) {
    throw ScriptError(std::string("\"character\": ") + error.what());
  }
}

Json Derived(const CChar_Character& c) {
  Json derived = Json::object();
  derived["current_st"] = c.GetCurrentST();
  derived["current_dx"] = c.GetCurrentDX();
  derived["current_iq"] = c.GetCurrentIQ();
  derived["current_ht"] = c.GetCurrentHT();
  derived["encumbrance_level_1"] = c.GetEncumbranceLevel(1);
  derived["encumbrance_level_2"] = c.GetEncumbranceLevel(2);
  derived["speed"] = c.GetSpeedSum(false);
  derived["speed_full"] = c.GetSpeedSum(true);
  derived["move_1"] = c.GetMoveSum(false, 1);
  derived["move_2"] = c.GetMoveSum(false, 2);
  derived["move_full_1"] = c.GetMoveSum(true, 1);
  derived["move_full_2"] = c.GetMoveSum(true, 2);
  return derived;
}

Json MessagesToJson(const std::vector<CMessageCollector::Message>& messages, std::size_t from) {
  Json out = Json::array();
  for (std::size_t i = from; i < messages.size(); ++i) {
    out.push_back({{"icon", MessageIconName(messages[i].icon)}, {"text", BytesToUtf8(messages[i].text)}});
  }
  return out;
}

}  // namespace

Json ReadScript(const std::filesystem::path& file) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const CFileException& error) {
    throw ScriptError(error.what());
  }
  try {
    return ParseJson({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  } catch (const JsonError& error) {
    throw ScriptError(file.string() + ": " + error.what());
  }
}

Json RunHostScript(const Json& script, const std::filesystem::path& folder, const StepObserver& observer) {
  if (!script.is_object()) throw ScriptError("a script is a JSON object");
  for (const auto& [key, value] : script.items()) {
    if (key != "profile" && key != "character" && key != "apply" && key != "steps" && key != "save") {
      throw ScriptError("unknown key \"" + key + "\"");
    }
  }
  if (script.contains("profile")) {
    if (!script["profile"].is_string()) throw ScriptError("\"profile\" must be a file name");
    try {
      SetAppProfile(CProfile::Load(folder / script["profile"].get<std::string>()));
    } catch (const std::exception& error) {
      throw ScriptError(std::string("\"profile\": ") + error.what());
    }
  }
  int apply = 1;
  if (script.contains("apply")) {
    if (!script["apply"].is_number_integer() && !script["apply"].is_boolean()) throw ScriptError("\"apply\" must be 0 or 1");
    apply = script["apply"].is_boolean() ? script["apply"].get<bool>() : script["apply"].get<int>();
  }
  const Json steps = script.value("steps", Json::array());
  if (!steps.is_array()) throw ScriptError("\"steps\" must be a list");
  if (script.contains("save") && !script["save"].is_string()) throw ScriptError("\"save\" must be a file name");

  CMessageCollector messages;
  // The host's switch is the script's for the length of the script: styles read it.
  const int previousSwitch = GetSpecialCalculationSwitch();
  SetSpecialCalculationSwitch(apply);
  struct RestoreSwitch {
    int value;
    ~RestoreSwitch() { SetSpecialCalculationSwitch(value); }
  } restoreSwitch{previousSwitch};
  auto character = MakeCharacter(script, folder);
  ScriptRun run(*character, apply, static_cast<bool>(observer));
  Json results = Json::array();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::size_t logBefore = character->GetChangeLog().GetSize();
    const std::size_t messagesBefore = messages.Messages().size();
    const Step step(steps[i], i);
    results.push_back(run.Run(step));
    if (observer) {
      StepReport report{i, steps[i], results.back(), BytesToUtf8(run.Subject()), {}, {}, *character};
      const auto& log = character->GetChangeLog();
      for (std::size_t k = logBefore; k < log.GetSize(); ++k) report.changes.push_back(BytesToUtf8(log.GetAt(k)));
      for (std::size_t k = messagesBefore; k < messages.Messages().size(); ++k) {
        report.messages.push_back(BytesToUtf8(messages.Messages()[k].text));
      }
      observer(report);
    }
  }

  Json changeLog = Json::array();
  for (const CString& change : character->GetChangeLog()) changeLog.push_back(BytesToUtf8(change));
  Json result = Json::object();
  result["results"] = std::move(results);
  result["change_log"] = std::move(changeLog);
  result["messages"] = MessagesToJson(messages.Messages(), 0);
  result["character"] = RecordToJson(*character);
  result["derived"] = Derived(*character);
  if (script.contains("save")) {
    try {
      SaveCharacterFile(folder / script["save"].get<std::string>(), *character);
    } catch (const CCharacterFileException& error) {
      throw ScriptError(std::string("\"save\": ") + error.what());
    }
  }
  return result;
}

}  // namespace zulparvo::cli
