#include "cli/host_script.h"

#include <cstdint>
#include <iterator>
#include <memory>
#include <set>

#include "base/book_codes.h"
#include "base/text_encoding.h"
#include "cli/streams.h"
#include "frame/host_operations.h"
#include "frame/module.h"
#include "model/character_file.h"
#include "model/equipment_base.h"
#include "model/json/json_fields.h"
#include "model/martial_arts_style.h"
#include "platform/field_visitor.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "refdb/book_catalog.h"

namespace zulparvo::cli {

namespace {

namespace fs = std::filesystem;

// --- the steps ------------------------------------------------------------------------

// One step of a script being run.
class StepContext {
 public:
  StepContext(CChar_Character& target, const Json& step, std::size_t index, int scriptApply)
      : character(target), fields(step, Place(step, index)), apply(scriptApply) {}

  // "step 2 (add_skill)", which every error of the step begins with.
  static std::string Place(const Json& step, std::size_t index) {
    const JsonFields fields(step, "step " + std::to_string(index + 1));
    if (!step.is_object()) fields.Fail("a step is an object with an \"op\"");
    return fields.Place() + " (" + fields.Text("op") + ")";
  }

  // The record of the field "record": a whole record of the class, or a reference to a
  // book's entry of one of the kinds (looked for among `searched`, when given, unless
  // the reference names its kind).
  std::unique_ptr<CObject> Record(const CRuntimeClass* required, std::span<const BookKind> kinds,
                                  std::span<const BookKind> searched = {}) const {
    const Json& value = fields.Field("record");
    if (value.is_object() && value.contains("book") && !value.contains("class")) {
      if (kinds.empty()) fields.Fail("the record is given whole (with its \"class\"), not as an entry of a book");
      auto [reference, choices] = BookChoiceFromJson(JsonFields(value, fields.Place() + ".record"), kinds);
      if (!value.contains("kind") && !searched.empty()) reference.kinds.assign(searched.begin(), searched.end());
      try {
        return RecordFromBook(reference, choices);
      } catch (const BookReferenceError& error) {
        fields.Fail(error.what());
      }
    }
    try {
      return RecordFromJson(value, required, "record");
    } catch (const JsonError& error) {
      fields.Fail(error.what());
    }
  }
  CharacterList List() const {
    const std::string name = fields.Text("list");
    const auto list = ListFromName(name);
    if (!list) fields.Fail("no list is called \"" + name + "\"");
    return *list;
  }
  std::size_t Index() const {
    const int32_t index = fields.Integer("index");
    if (index < 0) fields.Fail("\"index\" must be 0 or more");
    return static_cast<std::size_t>(index);
  }
  AddOptions Options() const {
    AddOptions options;
    options.apply = fields.Switch("apply", apply);
    options.keepRecords = fields.Flag("keep_records", false);
    return options;
  }

  CChar_Character& character;
  JsonFields fields;
  int apply;
  CString subject;  // the shown name of a record that the step takes away
  bool nameSubject = false;
};

// A step's result and the record it worked on.
struct StepOutcome {
  Json result;
  CObject* record = nullptr;
};

StepOutcome Outcome(const HostOperationResult& done, bool entryPoint) {
  return {entryPoint ? Json(done.result) : Json(nullptr), done.record};
}

StepOutcome AddAdvantageStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "record", "category", "keep_records", "apply"});
  AddOptions options = s.Options();
  if (s.fields.Has("category")) options.category = s.fields.Bytes("category");
  // A reference without a kind looks in the table of the step's category, when that
  // is one of the six.
  std::vector<BookKind> searched;
  if (const auto kind = BookKindFromCategory(options.category);
      kind && std::ranges::find(AdvantageBookKinds(), *kind) != AdvantageBookKinds().end()) {
    searched = {*kind};
  }
  const auto record = s.Record(ZP_RUNTIME_CLASS(CChar_Ad_Disad), AdvantageBookKinds(), searched);
  return Outcome(AddAdvantage(s.character, static_cast<CChar_Ad_Disad&>(*record), options), true);
}

StepOutcome AddSkillStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "record", "apply"});
  const auto record = s.Record(ZP_RUNTIME_CLASS(CChar_Skill_Base), SkillBookKinds());
  return Outcome(AddSkill(s.character, static_cast<CChar_Skill_Base&>(*record), s.Options()), true);
}

StepOutcome AddEquipmentStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "record"});
  const auto record = s.Record(ZP_RUNTIME_CLASS(CChar_Equipment_Base), ItemBookKinds());
  return Outcome(AddItem(s.character, static_cast<CChar_Equipment_Base&>(*record)), false);
}

StepOutcome AddStyleStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "record"});
  const auto record = s.Record(ZP_RUNTIME_CLASS(CChar_Martial_Arts_Style), {});
  return Outcome(AddStyle(s.character, static_cast<CChar_Martial_Arts_Style&>(*record)), false);
}

StepOutcome SpecialCalcStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "list", "index", "keep_records", "apply"});
  return Outcome(RunSpecialCalculation(s.character, s.List(), s.Index(), s.Options()), true);
}

StepOutcome SetAttributeStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "attribute", "value"});
  static constexpr std::pair<const char*, Attribute> kAttributes[] = {
      {"ST", Attribute::ST}, {"DX", Attribute::DX}, {"IQ", Attribute::IQ}, {"HT", Attribute::HT}};
  const std::string name = s.fields.Text("attribute");
  const int32_t value = s.fields.Integer("value");
  for (const auto& [text, attribute] : kAttributes) {
    if (name == text) return Outcome(SetAttribute(s.character, attribute, value), false);
  }
  s.fields.Fail("\"attribute\" must be one of ST, DX, IQ, HT, not \"" + name + "\"");
}

StepOutcome UpdateIQSkillsStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "old", "new"});
  UpdateIQSkills(s.character, s.fields.Integer("old"), s.fields.Integer("new"));
  return {};
}

// The shown name of the record at the index, before a step takes it away.
void NoteLeaving(StepContext& s, CharacterList list, std::size_t index) {
  if (s.nameSubject && index < s.character.GetList(list).GetSize()) {
    s.subject = ShownName(*s.character.GetList(list).GetAt(index));
  }
}

StepOutcome BuyOffStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "index"});
  NoteLeaving(s, CharacterList::Disadvantages, s.Index());
  return {BuyOffDisadvantage(s.character, s.Index()).result, nullptr};
}

StepOutcome RemoveStep(StepContext& s) {
  s.fields.OnlyKeys({"op", "list", "index"});
  NoteLeaving(s, s.List(), s.Index());
  RemoveRecord(s.character, s.List(), s.Index());
  return {};
}

StepOutcome RecomputeStep(StepContext& s) {
  s.fields.OnlyKeys({"op"});
  s.character.RecomputeDodgeValue();
  s.character.RecomputeCarriedWeights();
  return {};
}

struct OpEntry {
  ScriptOp op;
  StepOutcome (*run)(StepContext&);
};

constexpr OpEntry kOps[] = {
    {{"add_advantage", "record, category, keep_records, apply",
      "files an advantage or disadvantage (AddAdDisad) and runs its special calculations"},
     AddAdvantageStep},
    {{"add_skill", "record, apply",
      "computes a skill's or spell's level, files it, charges its points and runs its special calculations"},
     AddSkillStep},
    {{"add_equipment", "record", "files an item in the equipment, weapons or armor list"}, AddEquipmentStep},
    {{"add_style", "record", "adds a martial-arts style and recalculates its skills"}, AddStyleStep},
    {{"special_calc", "list, index, keep_records, apply",
      "runs the special calculations of a record on the character again"},
     SpecialCalcStep},
    {{"set_attribute", "attribute, value", "sets ST, DX, IQ or HT; IQ-dependent skills follow a change of IQ"},
     SetAttributeStep},
    {{"update_iq_skills", "old, new", "moves the IQ-dependent skill bonuses from one IQ to another"},
     UpdateIQSkillsStep},
    {{"buy_off_disadvantage", "index", "buys off a disadvantage (1), or is refused with a message (0)"}, BuyOffStep},
    {{"remove", "list, index", "removes a record and gives back what adding it charged"}, RemoveStep},
    {{"recompute", "", "recomputes the dodge value and the carried weights"}, RecomputeStep},
};

constexpr auto kScriptOps = [] {
  std::array<ScriptOp, std::size(kOps)> ops{};
  for (std::size_t i = 0; i < ops.size(); ++i) ops[i] = kOps[i].op;
  return ops;
}();

// --- the script ----------------------------------------------------------------------

// A path that a script names: relative, without "..", inside the script's folder.
// A symbolic link that leads out of the folder is outside too.
fs::path ScriptPath(const fs::path& folder, const Json& script, const char* key) {
  const Json& value = script.at(key);
  if (!value.is_string()) throw ScriptError(std::string("\"") + key + "\" must be a file name");
  const fs::path path(value.get<std::string>());
  const bool climbs = std::ranges::any_of(path, [](const fs::path& part) { return part == ".."; });
  const fs::path full = folder / path;
  bool leadsOut = true;
  try {
    const fs::path inside = fs::weakly_canonical(folder.empty() ? fs::path(".") : folder);
    leadsOut = std::ranges::mismatch(inside, fs::weakly_canonical(full)).in1 != inside.end();
  } catch (const fs::filesystem_error&) {
  }
  if (path.empty() || path.is_absolute() || climbs || leadsOut) {
    throw ScriptError(std::string("\"") + key + "\": \"" + path.string() +
                      "\" is outside the script's folder; a script reads and writes only there (name other files "
                      "on the command line)");
  }
  return full;
}

std::unique_ptr<CChar_Character> MakeCharacter(const Json& script, const fs::path& folder, const ScriptFiles& files) {
  std::optional<fs::path> file = files.character;
  if (!file && script.contains("character") && script["character"].is_string()) {
    file = ScriptPath(folder, script, "character");
  }
  try {
    if (file) return LoadCharacter(*file);
    if (script.contains("character")) return CharacterFromJson(script["character"]);
  } catch (const CCharacterFileException& error) {
    throw ScriptError(std::string("\"character\": ") + error.what());
  } catch (const JsonError& error) {
    throw ScriptError(std::string("\"character\": ") + error.what());
  }
  return std::make_unique<CChar_Character>(StartingPoints(GetAppProfile()));
}

Json MessagesToJson(const std::vector<CMessageCollector::Message>& messages) {
  Json out = Json::array();
  for (const auto& message : messages) {
    out.push_back({{"icon", MessageIconName(message.icon)}, {"text", BytesToUtf8(message.text)}});
  }
  return out;
}

// Collects the book codes of a record and of the records inside it.
class BookCollector : public CFieldVisitor {
 public:
  explicit BookCollector(std::set<std::string>& books) : m_books(books) {}
  void Integer(std::string_view, int32_t&) override {}
  void Real(std::string_view, double&) override {}
  void Text(std::string_view key, CString& value) override {
    if (key.ends_with("book_code") && IsBookCode(value)) m_books.insert(value);
  }
  void TextList(std::string_view, CStringArray&) override {}
  void List(std::string_view, CObArray& list) override {
    for (std::size_t i = 0; i < list.GetSize(); ++i) {
      if (CObject* record = list.GetAt(i)) record->VisitFields(*this);
    }
  }
  void Object(std::string_view, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    if (value) value->VisitFields(*this);
  }

 private:
  std::set<std::string>& m_books;
};

// Puts back the process-wide profile and the host's switch when a script ends.
class HostSettings {
 public:
  HostSettings() : m_profile(GetAppProfile()), m_switch(GetSpecialCalculationSwitch()) {}
  ~HostSettings() {
    SetAppProfile(m_profile);
    SetSpecialCalculationSwitch(m_switch);
  }
  HostSettings(const HostSettings&) = delete;
  HostSettings& operator=(const HostSettings&) = delete;

 private:
  CProfile m_profile;
  int m_switch;
};

}  // namespace

std::span<const ScriptOp> ScriptOps() { return kScriptOps; }

std::set<std::string> BooksOf(CObject& record) {
  std::set<std::string> books;
  BookCollector collector(books);
  record.VisitFields(collector);
  return books;
}

Json ReadScript(const fs::path& file) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadInput(file);
  } catch (const CFileException& error) {
    throw ScriptError(error.what());
  }
  try {
    return ParseJson({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  } catch (const JsonError& error) {
    throw ScriptError(file.string() + ": " + error.what());
  }
}

Json DerivedValues(const CChar_Character& c) {
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

namespace {

Json RunScript(const Json& script, const fs::path& folder, const StepObserver& observer, const ScriptFiles& files) {
  if (!script.is_object()) throw ScriptError("a script is a JSON object");
  for (const auto& [key, value] : script.items()) {
    if (key != "profile" && key != "character" && key != "apply" && key != "steps" && key != "save") {
      throw ScriptError("unknown key \"" + key + "\"");
    }
  }
  const int apply = JsonFields(script, "script").Switch("apply", 1);
  const Json steps = script.value("steps", Json::array());
  if (!steps.is_array()) throw ScriptError("\"steps\" must be a list");
  std::optional<fs::path> save = files.save;
  if (!save && script.contains("save")) save = ScriptPath(folder, script, "save");

  const HostSettings restore;
  if (script.contains("profile")) {
    const fs::path profile = ScriptPath(folder, script, "profile");
    if (!fs::is_regular_file(profile)) throw ScriptError("\"profile\": " + profile.string() + " does not exist");
    try {
      SetAppProfile(CProfile::Load(profile));
    } catch (const std::exception& error) {
      throw ScriptError(std::string("\"profile\": ") + error.what());
    }
  }
  // The host's switch is the script's for the length of the script: styles read it.
  SetSpecialCalculationSwitch(apply);
  CMessageCollector messages;
  auto character = MakeCharacter(script, folder, files);
  Json results = Json::array();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::size_t logBefore = character->GetChangeLog().GetSize();
    const std::size_t messagesBefore = messages.Messages().size();
    StepContext step(*character, steps[i], i, apply);
    step.nameSubject = static_cast<bool>(observer);
    const std::string op = step.fields.Text("op");
    const auto* entry = std::ranges::find_if(kOps, [&](const OpEntry& e) { return op == e.op.name; });
    if (entry == std::end(kOps)) step.fields.Fail("unknown op \"" + op + "\"");
    StepOutcome outcome;
    try {
      outcome = entry->run(step);
    } catch (const HostOperationError& error) {
      step.fields.Fail(error.what());
    }
    results.push_back(outcome.result);
    if (observer) {
      if (outcome.record != nullptr) step.subject = ShownName(*outcome.record);
      StepReport report{i, steps[i], results.back(), BytesToUtf8(step.subject), outcome.record, {}, {}, *character};
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
  result["messages"] = MessagesToJson(messages.Messages());
  result["character"] = RecordToJson(*character);
  result["derived"] = DerivedValues(*character);
  for (const std::string& book : BooksOf(*character)) {
    const CBookCatalog catalog(book);
    if (catalog.IsOpen()) continue;
    result["messages"].push_back(
        {{"icon", "exclamation"},
         {"text", book + ": " + BytesToUtf8(BookProblem(catalog.Status())) + "; its names cannot be looked up"}});
  }
  if (save) {
    try {
      SaveCharacter(*save, *character);
    } catch (const CCharacterFileException& error) {
      throw ScriptError(std::string("\"save\": ") + error.what());
    }
  }
  return result;
}

}  // namespace

Json RunHostScript(const Json& script, const fs::path& folder, const StepObserver& observer, const ScriptFiles& files) {
  try {
    return RunScript(script, folder, observer, files);
  } catch (const JsonError& error) {  // a field of the script refused, with its place
    throw ScriptError(error.what());
  }
}

}  // namespace zulparvo::cli
