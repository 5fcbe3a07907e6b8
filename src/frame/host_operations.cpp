#include "frame/host_operations.h"

#include <string>

#include "frame/entry_points.h"
#include "model/equipment_armor.h"
#include "model/equipment_base.h"
#include "model/martial_arts_style.h"
#include "model/note.h"
#include "model/skill_heading.h"
#include "model/skill_older.h"
#include "model/transportation.h"

namespace zulparvo {

namespace {

// Notes the change log and the points spent before an operation, and what they became.
class OperationRecorder {
 public:
  explicit OperationRecorder(const CChar_Character& character)
      : m_character(character),
        m_logBefore(character.GetChangeLog().GetSize()),
        m_spentBefore(character.GetPointsSpent()) {}

  HostOperationResult Finish(int result, CObject* record) const {
    HostOperationResult done;
    done.result = result;
    done.record = record;
    const CStringArray& log = m_character.GetChangeLog();
    for (std::size_t i = m_logBefore; i < log.GetSize(); ++i) done.changes.push_back(log.GetAt(i));
    done.pointsSpent = m_character.GetPointsSpent() - m_spentBefore;
    return done;
  }

 private:
  const CChar_Character& m_character;
  std::size_t m_logBefore;
  double m_spentBefore;
};

void CheckApply(int apply) {
  if (apply != 0 && apply != 1) {
    throw HostOperationError("the switch for special calculations is 0 or 1, not " + std::to_string(apply));
  }
}

CObject* RecordAt(CChar_Character& character, CharacterList list, std::size_t index) {
  const CObArray& records = character.GetList(list);
  if (index >= records.GetSize()) {
    throw HostOperationError("index " + std::to_string(index) + " is out of range (the " + ListName(list) +
                             " list holds " + std::to_string(records.GetSize()) + ")");
  }
  return records.GetAt(index);
}

template <class T>
const T* KindOf(const CObject& record) {
  return record.IsKindOf(T::ThisClass()) ? static_cast<const T*>(&record) : nullptr;
}

bool IsAdvantageList(CharacterList list) {
  return list == CharacterList::Advantages || list == CharacterList::Disadvantages ||
         list == CharacterList::SuperAdvantages || list == CharacterList::SuperDisadvantages;
}

}  // namespace

CString ShownName(CObject& record) {
  if (auto* advantage = DynamicDownCast<CChar_Ad_Disad>(&record)) return advantage->GetDisplayName();
  if (auto* skill = DynamicDownCast<CChar_Skill_Base>(&record)) return skill->GetDisplayName();
  if (auto* item = DynamicDownCast<CChar_Equipment_Base>(&record)) return item->GetDisplayName();
  if (auto* style = DynamicDownCast<CChar_Martial_Arts_Style>(&record)) return style->GetName();
  if (auto* heading = DynamicDownCast<CChar_Skill_Heading>(&record)) return heading->GetHeadingText();
  if (auto* older = DynamicDownCast<CChar_Skill>(&record)) return older->GetName();
  if (auto* note = DynamicDownCast<CChar_Note>(&record)) return note->GetText();
  if (auto* conveyance = DynamicDownCast<CChar_Transportation>(&record)) return conveyance->GetText(0);
  return CString();
}

HostOperationResult AddAdvantage(CChar_Character& character, const CChar_Ad_Disad& record, const AddOptions& options) {
  CheckApply(options.apply);
  const OperationRecorder recorder(character);
  const CString category = options.category.empty() ? record.GetCategory() : options.category;
  const std::optional<CharacterList> list = ListForCategory(category);
  if (!list || character.AddAdDisad(category, record) == 0) return recorder.Finish(0, nullptr);
  CObject* filed = character.GetList(*list).GetLast();
  const int result = speccalc_DoSpecialCalcAdProc(&character, filed, options.apply, options.keepRecords);
  return recorder.Finish(result, filed);
}

// The host charges a skill's points when it files the skill (the character's own add
// charges nothing), so that removing the skill, which gives its points back, leaves the
// points where they were before.
HostOperationResult AddSkill(CChar_Character& character, const CChar_Skill_Base& record, const AddOptions& options) {
  CheckApply(options.apply);
  const OperationRecorder recorder(character);
  std::unique_ptr<CObject> copy = record.Clone();
  auto& skill = static_cast<CChar_Skill_Base&>(*copy);
  skill.ComputeLevel(character.GetMentalMode(), character.GetCurrentST(), character.GetCurrentDX(),
                     character.GetCurrentIQ(), character.GetCurrentHT());
  const CharacterList list = skill.GetType() == "SP" ? CharacterList::Spells : CharacterList::Skills;
  if (!character.AddSkillFamilyRecord(skill, "", -1)) return recorder.Finish(0, nullptr);
  character.AddToPointsAvailable(-skill.GetPoints());
  character.AddToPointsSpent(skill.GetPoints());
  CObject* filed = character.GetList(list).GetLast();
  const int result = speccalc_DoSpecialCalcSkillProc(&character, filed, options.apply);
  return recorder.Finish(result, filed);
}

HostOperationResult AddStyle(CChar_Character& character, const CChar_Martial_Arts_Style& style) {
  const OperationRecorder recorder(character);
  character.AddStyle(style);
  character.FinishLastStyle();
  return recorder.Finish(1, character.GetMartialArtsStyles().GetLast());
}

HostOperationResult AddItem(CChar_Character& character, const CChar_Equipment_Base& item) {
  const OperationRecorder recorder(character);
  CharacterList list = CharacterList::Equipment;
  if (const auto* armor = KindOf<CChar_Equipment_Armor>(item)) {
    character.AddArmor(*armor);
    list = CharacterList::Armor;
  } else if (character.AddWeapon(item)) {
    list = CharacterList::Weapons;
  } else {
    character.AddEquipment(item);
  }
  return recorder.Finish(1, character.GetList(list).GetLast());
}

HostOperationResult AddRecord(CChar_Character& character, const CObject& record, const AddOptions& options) {
  if (const auto* advantage = KindOf<CChar_Ad_Disad>(record)) return AddAdvantage(character, *advantage, options);
  if (const auto* skill = KindOf<CChar_Skill_Base>(record)) return AddSkill(character, *skill, options);
  if (const auto* style = KindOf<CChar_Martial_Arts_Style>(record)) return AddStyle(character, *style);
  if (const auto* item = KindOf<CChar_Equipment_Base>(record)) return AddItem(character, *item);
  // Records without calculations of their own go to their lists as they are.
  const OperationRecorder recorder(character);
  CharacterList list = CharacterList::Skills;
  if (const auto* heading = KindOf<CChar_Skill_Heading>(record)) {
    character.AddHeading(*heading);
  } else if (const auto* older = KindOf<CChar_Skill>(record)) {
    character.AddOlderSkill(*older);
    list = CharacterList::OlderSkills;
  } else if (const auto* note = KindOf<CChar_Note>(record)) {
    character.AddNote(*note);
    list = CharacterList::Notes;
  } else if (const auto* conveyance = KindOf<CChar_Transportation>(record)) {
    character.AddTransportation(*conveyance);
    list = CharacterList::Transportation;
  } else {
    throw HostOperationError(std::string("a ") + record.GetClassName() + " is not added to a character on its own");
  }
  return recorder.Finish(1, character.GetList(list).GetLast());
}

HostOperationResult AddFromBook(CChar_Character& character, const BookReference& reference,
                                const RecordChoices& choices, const AddOptions& options) {
  CheckApply(options.apply);
  const std::unique_ptr<CObject> record = RecordFromBook(reference, choices);
  return AddRecord(character, *record, options);
}

HostOperationResult RunSpecialCalculation(CChar_Character& character, CharacterList list, std::size_t index,
                                          const AddOptions& options) {
  CheckApply(options.apply);
  CObject* record = RecordAt(character, list, index);
  const OperationRecorder recorder(character);
  if (IsAdvantageList(list)) {
    return recorder.Finish(speccalc_DoSpecialCalcAdProc(&character, record, options.apply, options.keepRecords),
                           record);
  }
  if (list == CharacterList::Skills || list == CharacterList::Spells) {
    return recorder.Finish(speccalc_DoSpecialCalcSkillProc(&character, record, options.apply), record);
  }
  throw HostOperationError(std::string("the ") + ListName(list) + " list has no special calculations");
}

HostOperationResult SetAttribute(CChar_Character& character, Attribute attribute, int32_t value) {
  const OperationRecorder recorder(character);
  const int32_t oldIQ = character.GetCurrentIQ();
  switch (attribute) {
    case Attribute::ST:
      character.SetST(value);
      break;
    case Attribute::DX:
      character.SetDX(value);
      break;
    case Attribute::IQ:
      character.SetIQ(value);
      break;
    case Attribute::HT:
      character.SetHT(value);
      break;
  }
  if (character.GetCurrentIQ() != oldIQ) speccalc_UpdateSpecialIQSkills(oldIQ, character.GetCurrentIQ(), &character);
  return recorder.Finish(1, nullptr);
}

HostOperationResult UpdateIQSkills(CChar_Character& character, long oldIQ, long newIQ) {
  const OperationRecorder recorder(character);
  speccalc_UpdateSpecialIQSkills(oldIQ, newIQ, &character);
  return recorder.Finish(1, nullptr);
}

HostOperationResult BuyOffDisadvantage(CChar_Character& character, std::size_t index) {
  CObject* record = RecordAt(character, CharacterList::Disadvantages, index);
  const OperationRecorder recorder(character);
  const int result = character.BuyOffDisadvantage(index);
  return recorder.Finish(result, result == 0 ? record : nullptr);
}

HostOperationResult RemoveRecord(CChar_Character& character, CharacterList list, std::size_t index) {
  RecordAt(character, list, index);
  const OperationRecorder recorder(character);
  character.RemoveRecord(list, index);
  return recorder.Finish(1, nullptr);
}

}  // namespace zulparvo
