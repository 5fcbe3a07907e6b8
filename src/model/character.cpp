#include "model/character.h"

#include <array>
#include <cmath>
#include <string>

#include "base/utilities.h"
#include "model/ad_disad.h"
#include "model/equipment_container.h"
#include "model/martial_arts_style.h"
#include "model/skill_base.h"
#include "model/skill_heading.h"
#include "model/skill_maneuver.h"
#include "model/skill_older.h"
#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "base/saturating.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Character, CZULBaseObject, 0)

namespace {

struct ListEntry {
  CharacterList list;
  const char* name;
};

constexpr std::array<ListEntry, kCharacterListCount> kListNames{{
    {CharacterList::Advantages, "advantages"},
    {CharacterList::Disadvantages, "disadvantages"},
    {CharacterList::Skills, "skills"},
    {CharacterList::Equipment, "equipment"},
    {CharacterList::Weapons, "weapons"},
    {CharacterList::Armor, "armor"},
    {CharacterList::Spells, "spells"},
    {CharacterList::OlderSkills, "older_skills"},
    {CharacterList::Notes, "notes"},
    {CharacterList::MartialArtsStyles, "martial_arts_styles"},
    {CharacterList::SuperAdvantages, "super_advantages"},
    {CharacterList::SuperDisadvantages, "super_disadvantages"},
    {CharacterList::FurtherCostedRecords, "further_costed_records"},
    {CharacterList::FurtherList, "further_list"},
    {CharacterList::Transportation, "transportation"},
}};

// The file versions in the order they added fields; any other version that is not
// newer holds only the first fields.
constexpr std::array<const char*, 12> kLayouts{"2.1", "2.2", "2.3", "2.4", "2.5", "2.6",
                                               "2.7", "2.8", "2.9", "2.10", "2.11", kCharacterVersion};

// The first real field that a record presents: the points of a skill or style, the
// cost of an advantage. What the character gives back when such a record leaves it.
class FirstRealField : public CFieldVisitor {
 public:
  static double Of(CObject& record) {
    FirstRealField visitor;
    record.VisitFields(visitor);
    return visitor.m_value.value_or(0.0);
  }
  void Integer(std::string_view, int32_t&) override {}
  void Real(std::string_view, double& value) override {
    if (!m_value) m_value = value;
  }
  void Text(std::string_view, CString&) override {}
  void TextList(std::string_view, CStringArray&) override {}
  void List(std::string_view, CObArray&) override {}
  void Object(std::string_view, std::unique_ptr<CObject>&, const CRuntimeClass*) override {}

 private:
  std::optional<double> m_value;
};

std::string Numbered(const char* stem, std::size_t number) { return stem + std::to_string(number); }

}  // namespace

const char* ListName(CharacterList list) { return kListNames[static_cast<std::size_t>(list)].name; }

std::optional<CharacterList> ListFromName(std::string_view name) {
  for (const ListEntry& entry : kListNames) {
    if (name == entry.name) return entry.list;
  }
  return std::nullopt;
}

double StartingPoints(const CProfile& profile) {
  return StringtoDouble(profile.GetProfileString("CHARACTER", "STARTINGPOINTS", "200"));
}

CChar_Character::CChar_Character(double startingPoints)
    : m_pointsAvailable(startingPoints),
      m_skillSlot1(std::make_unique<CChar_Skill_Base>()),
      m_parryRecord(std::make_unique<CChar_Skill_Base>()),
      m_blockRecord(std::make_unique<CChar_Skill_Base>()),
      m_skillSlot2(std::make_unique<CChar_Skill_Base>()) {}

CString CChar_Character::GetType() const { return kTagCharacter; }

// ---------------------------------------------------------------------------------
// Storage

void CChar_Character::Serialize(CArchive& ar) {
  const std::size_t offset = ar.GetPosition();
  CString identification = kCharacterIdentification;
  ar.Exchange(identification);
  if (identification != kCharacterIdentification) ar.FailAt(kNotACharacterFileMessage, offset);
  CZULBaseObject::Serialize(ar);
}

CString CChar_Character::GetVersion() const { return kCharacterVersion; }

void CChar_Character::VisitFields(CFieldVisitor& v) {
  CZULBaseObject::VisitFields(v);
  v.Version(CVersionMarker::Text(kLayouts));
  v.Integer("st", m_st);
  v.Integer("dx", m_dx);
  v.Integer("iq", m_iq);
  v.Integer("ht", m_ht);
  for (std::size_t i = 0; i < m_attributeExtras.size(); ++i) v.Integer(Numbered("attribute_extra_", i + 1), m_attributeExtras[i]);
  v.Integer("st_bonus", m_stBonus);
  v.Integer("dx_bonus", m_dxBonus);
  v.Integer("iq_bonus", m_iqBonus);
  v.Integer("ht_bonus", m_htBonus);
  v.Real("points_spent", m_pointsSpent);
  v.Real("points_available", m_pointsAvailable);
  v.Text("descriptive_text_1", m_descriptiveText1);
  v.Text("damage_text_1", m_damageText1);
  v.Text("damage_text_2", m_damageText2);
  v.Real("speed_base", m_speedBase);
  v.List("advantages", m_advantages);
  v.List("disadvantages", m_disadvantages);
  v.List("skills", m_skills);
  v.Real("real_1", m_real1);
  v.Real("real_2", m_real2);
  for (std::size_t i = 0; i < m_descriptiveTexts2to5.size(); ++i) {
    v.Text(Numbered("descriptive_text_", i + 2), m_descriptiveTexts2to5[i]);
  }
  v.Real("carried_weight_1", m_carriedWeight1);
  v.Integer("dodge_value", m_dodgeValue);
  v.Integer("parry_value", m_parryValue);
  v.Integer("block_value", m_blockValue);
  v.List("equipment", m_equipment);
  for (std::size_t i = 0; i < m_descriptiveTexts6to11.size(); ++i) {
    v.Text(Numbered("descriptive_text_", i + 6), m_descriptiveTexts6to11[i]);
  }
  v.Integer("integer_1", m_integer1);
  v.Text("descriptive_text_12", m_descriptiveText12);
  v.Real("basic_speed_bonus", m_basicSpeedBonus);
  v.Integer("mental_mode", m_mentalMode);
  v.Text("descriptive_text_13", m_descriptiveText13);
  v.List("weapons", m_weapons);
  v.List("armor", m_armor);
  v.List("spells", m_spells);
  v.List("older_skills", m_olderSkills);
  v.Object("skill_slot_1", m_skillSlot1, nullptr);
  v.Integer("secondary_strength", m_secondaryStrength);
  v.List("notes", m_notes);
  v.List("martial_arts_styles", m_styles);
  v.Integer("tech_level", m_techLevel);
  v.List("super_advantages", m_superAdvantages);
  v.List("super_disadvantages", m_superDisadvantages);
  v.List("further_costed_records", m_furtherCostedRecords);
  v.Object("parry_record", m_parryRecord, nullptr);
  v.Integer("parry_bonus", m_parryBonus);
  v.Object("block_record", m_blockRecord, nullptr);
  v.Integer("block_bonus", m_blockBonus);
  v.Real("carried_weight_2", m_carriedWeight2);
  v.Real("speed_extra_2", m_speedExtra2);
  v.Integer("dodge_bonus", m_dodgeBonus);
  v.Since("2.1");
  v.Real("speed_extra_1", m_speedExtra1);
  v.Real("move_bonus", m_moveBonus);
  v.Integer("hit_point_bonus", m_hitPointBonus);
  v.Integer("fatigue_bonus", m_fatigueBonus);
  v.Integer("pd_bonus", m_pdBonus);
  v.Integer("dr_bonus", m_drBonus);
  v.Real("extra_weight", m_extraWeight);
  v.Real("extra_weight_1", m_extraWeight1);
  v.Real("extra_weight_2", m_extraWeight2);
  v.Integer("encumbrance_table_switch", m_encumbranceTableSwitch);
  v.Since("2.2");
  v.Object("skill_slot_2", m_skillSlot2, nullptr);
  v.Integer("integer_5", m_integer5);
  v.List("further_list", m_furtherList);
  v.Since("2.3");
  v.Integer("secondary_strength_flag", m_secondaryStrengthFlag);
  v.Integer("strength_kind", m_strengthKind);
  v.Since("2.4");
  v.TextList("pd_sources", m_pdSources);
  v.TextList("dr_sources", m_drSources);
  v.Since("2.5");
  v.Integer("spell_fatigue_bonus", m_spellFatigueBonus);
  v.Since("2.6");
  v.List("transportation", m_transportation);
  v.Text("descriptive_text_14", m_descriptiveText14);
  v.Since("2.7");
  v.Text("damage_text_3", m_damageText3);
  static constexpr std::array<const char*, kCheckCount> kCheckKeys{
      "reaction",      "reaction_opposite_sex", "health_check",       "will_check",
      "fright_check",  "hearing_check",         "perception_check",   "smell_taste_check",
      "mental_stun_check", "physical_stun_check", "crippling_injury_check"};
  v.Since("2.8");  // the reaction alone
  v.Integer(kCheckKeys[0], m_checks[0]);
  v.Since("2.9");
  for (std::size_t i = 1; i < kCheckCount; ++i) v.Integer(kCheckKeys[i], m_checks[i]);
  v.Since("2.10");
  v.Text("damage_text_4", m_damageText4);
  v.Since("2.11");
  v.Real("move_multiplier", m_moveMultiplier);
  v.Real("move_cap", m_moveCap);
  v.Since("2.12");
  for (std::size_t i = 0; i < m_integers8to11.size(); ++i) v.Integer(Numbered("integer_", i + 8), m_integers8to11[i]);
  v.Integer("integer_12", m_integer12);
  v.Since(CSince::WrittenOnly());
  for (std::size_t i = 0; i < m_trailingIntegers.size(); ++i) {
    v.Integer(Numbered("trailing_integer_", i + 1), m_trailingIntegers[i]);
  }
}

// ---------------------------------------------------------------------------------
// Attributes and lists

int32_t CChar_Character::GetCurrentST() const { return SaturatingAdd(m_st, m_stBonus); }
int32_t CChar_Character::GetCurrentDX() const { return SaturatingAdd(m_dx, m_dxBonus); }
int32_t CChar_Character::GetCurrentIQ() const { return SaturatingAdd(m_iq, m_iqBonus); }
int32_t CChar_Character::GetCurrentHT() const { return SaturatingAdd(m_ht, m_htBonus); }

CObArray& CChar_Character::GetList(CharacterList list) {
  return const_cast<CObArray&>(static_cast<const CChar_Character&>(*this).GetList(list));
}

const CObArray& CChar_Character::GetList(CharacterList list) const {
  switch (list) {
    case CharacterList::Advantages: return m_advantages;
    case CharacterList::Disadvantages: return m_disadvantages;
    case CharacterList::Skills: return m_skills;
    case CharacterList::Equipment: return m_equipment;
    case CharacterList::Weapons: return m_weapons;
    case CharacterList::Armor: return m_armor;
    case CharacterList::Spells: return m_spells;
    case CharacterList::OlderSkills: return m_olderSkills;
    case CharacterList::Notes: return m_notes;
    case CharacterList::MartialArtsStyles: return m_styles;
    case CharacterList::SuperAdvantages: return m_superAdvantages;
    case CharacterList::SuperDisadvantages: return m_superDisadvantages;
    case CharacterList::FurtherCostedRecords: return m_furtherCostedRecords;
    case CharacterList::FurtherList: return m_furtherList;
    case CharacterList::Transportation: return m_transportation;
  }
  return m_furtherList;
}

// ---------------------------------------------------------------------------------
// Record operations

std::optional<CharacterList> ListForCategory(const CString& category) {
  // The categories in the order they are tested, with the list each files into.
  static constexpr std::array<std::pair<const char*, CharacterList>, 6> kTargets{{
      {kCategoryAdvantage, CharacterList::Advantages},
      {kCategoryRacialAdvantage, CharacterList::Advantages},
      {kCategoryDisadvantage, CharacterList::Disadvantages},
      {kCategoryRacialDisadvantage, CharacterList::Disadvantages},
      {kCategorySuperAdvantage, CharacterList::SuperAdvantages},
      {kCategorySuperDisadvantage, CharacterList::SuperDisadvantages},
  }};
  for (const auto& [tag, list] : kTargets) {
    if (category == tag) return list;
  }
  return std::nullopt;
}

int CChar_Character::AddAdDisad(const CString& category, const CChar_Ad_Disad& record) {
  const std::optional<CharacterList> list = ListForCategory(category);
  if (!list) return 0;
  // The copy is of the record's own class, which its class tag names.
  std::unique_ptr<CObject> copy = record.Clone();
  auto& filed = static_cast<CChar_Ad_Disad&>(*copy);
  filed.SetCategory(category);
  const double cost = filed.GetCostWithExtra();
  GetList(*list).Add(std::move(copy));
  m_pointsAvailable -= cost;
  m_pointsSpent += cost;
  return 1;
}

int CChar_Character::AddNewAdDisad(const CString& category, int32_t identifier, double baseCost,
                                   const CString& description, const CString& bookCode, int32_t integerKey,
                                   const CString& textKey, int32_t level) {
  CChar_Ad_Disad record(identifier, baseCost, description, bookCode, integerKey, textKey, category);
  record.SetLevel(level);
  record.RecomputeCost();
  return AddAdDisad(category, record);
}

bool CChar_Character::AddSkillFamilyRecord(const CChar_Skill_Base& record, const CString& styleCategory,
                                           int styleIndex) {
  const CString tag = record.GetType();
  for (const char* skillTag : {kTagSkill, kTagRitual, kTagManeuver, kTagDefaultLanguage, kTagDefaultSkill,
                               kTagDefaultDisplayOnly, kTagSuperPower}) {
    if (tag == skillTag) {
      m_skills.Add(record.Clone());
      return true;
    }
  }
  if (tag == kTagSpell) {
    m_spells.Add(record.Clone());
    return true;
  }
  // Martial-arts skills and maneuvers go into the style at the index, by the category.
  const bool skill = tag == kTagMartialArtsSkill;
  if (!skill && tag != kTagMartialArtsManeuver) return false;
  const std::optional<StyleCategory> category = CChar_Martial_Arts_Style::CategoryFromTag(styleCategory);
  if (!category || styleIndex < 0 || static_cast<std::size_t>(styleIndex) >= m_styles.GetSize()) return false;
  CChar_Martial_Arts_Style& style = *m_styles.GetAt(static_cast<std::size_t>(styleIndex));
  if (skill) return style.AddSkill(*category, record) == 1;
  return record.IsKindOf(ZP_RUNTIME_CLASS(CChar_Skill_Maneuver)) &&
         style.AddManeuver(*category, static_cast<const CChar_Skill_Maneuver&>(record)) == 1;
}

void CChar_Character::AddHeading(const CChar_Skill_Heading& heading) { m_skills.Add(heading.Clone()); }

void CChar_Character::AddOlderSkill(const CChar_Skill& skill) {
  auto copy = skill.Clone();
  const double points = FirstRealField::Of(*copy);
  m_olderSkills.Add(std::move(copy));
  m_pointsAvailable -= points;
  m_pointsSpent += points;
}

void CChar_Character::AddArmor(const CChar_Equipment_Armor& armor) { m_armor.Add(armor.Clone()); }

void CChar_Character::AddEquipment(const CChar_Equipment_Base& item) {
  m_equipment.Add(CopyEquipment(item, {kTagContainer}));
}

bool CChar_Character::AddWeapon(const CChar_Equipment_Base& weapon) {
  const CString tag = weapon.GetType();
  for (const char* weaponTag : {kTagStandardWeapon, kTagMeleeWeapon, kTagRangedWeapon, kTagMeleeRangedWeapon}) {
    if (tag == weaponTag) {
      m_weapons.Add(weapon.Clone());
      return true;
    }
  }
  return false;
}

void CChar_Character::AddNote(const CChar_Note& note) { m_notes.Add(note.Clone()); }

void CChar_Character::AddStyle(const CChar_Martial_Arts_Style& style) {
  m_styles.Add(style.Clone());
  m_pointsAvailable -= style.GetPoints();
  m_pointsSpent += style.GetPoints();
}

// The copy is of the record's own class, which its class tag names ("T4L": an animal).
void CChar_Character::AddTransportation(const CChar_Transportation& transportation) {
  m_transportation.Add(transportation.Clone());
}

bool CChar_Character::FinishLastStyle() {
  CChar_Martial_Arts_Style* style = m_styles.GetLast();
  if (style == nullptr) return false;
  const double charged = style->GetPoints();
  style->SetPoints(0.0);
  style->RecalculateSkills(*this);
  style->RecomputePoints();
  // What removing the style gives back is its points: charge what they changed by, so
  // that a style added with other points than its entries' does not mint points.
  const double change = style->GetPoints() - charged;
  m_pointsAvailable -= change;
  m_pointsSpent += change;
  return true;
}

bool CChar_Character::RemoveRecord(CharacterList list, std::size_t index) {
  CObArray& records = GetList(list);
  if (index >= records.GetSize()) return false;
  double refund = 0.0;
  switch (list) {
    case CharacterList::Advantages:
    case CharacterList::Disadvantages:
    case CharacterList::SuperAdvantages:
    case CharacterList::SuperDisadvantages:
      refund = static_cast<CChar_Ad_Disad*>(records.GetAt(index))->GetCostWithExtra();
      break;
    case CharacterList::Skills:
    case CharacterList::Spells:
    case CharacterList::OlderSkills:
    case CharacterList::MartialArtsStyles:
    case CharacterList::FurtherCostedRecords:
      refund = FirstRealField::Of(*records.GetAt(index));
      break;
    default:
      break;
  }
  m_pointsAvailable += refund;
  m_pointsSpent -= refund;
  records.RemoveAt(index);
  return true;
}

int CChar_Character::BuyOffDisadvantage(std::size_t index) {
  if (index >= m_disadvantages.GetSize()) return 0;
  CChar_Ad_Disad* disadvantage = m_disadvantages.GetAt(index);
  const double cost = disadvantage->GetCostWithExtra();
  if (m_pointsAvailable < -cost) {
    AfxMessageBox("Not enough points to buy off the " + disadvantage->GetDisplayName() + "Disadvantage!",
                  MessageIcon::Stop);
    return 0;
  }
  m_pointsAvailable += cost;
  m_pointsSpent -= cost;
  m_disadvantages.RemoveAt(index);
  return 1;
}

// ---------------------------------------------------------------------------------
// Messages

void CChar_Character::AddChangeMessage(long amount, const CString& target, const CString& source) {
  CString text = LongtoString(amount, 0);
  if (amount > -1) text.insert(0, "+");
  m_changeLog->Add(text + " to " + target + " from " + source);
}

bool CChar_Character::AddPDSource(const CString& text) {
  m_pdSources.Add(text);
  return true;
}

bool CChar_Character::AddDRSource(const CString& text) {
  m_drSources.Add(text);
  return true;
}

// ---------------------------------------------------------------------------------
// Derived values

int CChar_Character::GetEncumbranceLevel(int level) const {
  const double weight = level == 2 ? m_carriedWeight2 : m_carriedWeight1;
  // Products in 64 bits, so that no strength overflows them.
  const int64_t strength = GetCurrentST();
  const std::array<int64_t, 4> multipliers =
      m_encumbranceTableSwitch == 1 ? std::array<int64_t, 4>{2, 5, 10, 20} : std::array<int64_t, 4>{2, 4, 6, 12};
  int result = 0;
  for (const int64_t multiplier : multipliers) {
    if (weight <= static_cast<double>(multiplier * strength)) return result;
    ++result;
  }
  return result;
}

double CChar_Character::CappedSum(double sum) const {
  double result = sum * m_moveMultiplier;
  if (m_moveCap != -1.0 && result >= m_moveCap) result = m_moveCap;
  return result;
}

double CChar_Character::GetSpeedSum(bool full) const {
  const double sum = CappedSum(m_speedBase + m_basicSpeedBonus + m_speedExtra1 + (full ? m_speedExtra2 : 0.0));
  return sum < 0.0 ? 0.0 : sum;
}

double CChar_Character::GetMoveSum(bool full, int level) const {
  const double sum =
      CappedSum(m_speedBase + m_basicSpeedBonus + m_speedExtra1 + (full ? m_speedExtra2 : 0.0) + m_moveBonus) -
      GetEncumbranceLevel(level);
  return sum < 0.0 ? 0.0 : sum;
}

CString CChar_Character::GetSpeedSumText(bool full) const { return DoubletoString(GetSpeedSum(full), 2, 1, 0); }

CString CChar_Character::GetMoveSumText(bool full, int level) const {
  return DoubletoString(GetMoveSum(full, level), 2, 1, 0);
}

void CChar_Character::RecomputeDodgeValue() {
  m_dodgeValue = static_cast<int32_t>((int64_t{GetCurrentDX()} + GetCurrentHT()) / 4);
}

void CChar_Character::RecomputeCarriedWeights() {
  // Sum 1 counts every item; sum 2 leaves out the items whose excluded flag is set.
  double sum1 = 0.0;
  double sum2 = 0.0;
  const auto carry = [&](const CChar_Equipment_Base& item, double weight) {
    sum1 += weight;
    if (item.GetExcludedFlag() == 0) sum2 += weight;
  };
  for (const CObArray* list : {static_cast<const CObArray*>(&m_armor), static_cast<const CObArray*>(&m_equipment),
                               static_cast<const CObArray*>(&m_weapons)}) {
    for (const auto& entry : *list) {
      const auto* item = DynamicDownCast<CChar_Equipment_Base>(entry.get());
      if (item == nullptr) continue;
      carry(*item, item->GetCarriedQuantity() * item->GetEffectiveWeight());
      // What a container holds counts one level deep, whatever the container's quantity.
      if (const auto* container = DynamicDownCast<CChar_Equipment_Container>(entry.get());
          container != nullptr && list == &m_equipment) {
        carry(*item, container->GetFlatContentsWeight());
      }
    }
  }
  m_carriedWeight1 = m_extraWeight1 + (m_extraWeight + sum1);
  m_carriedWeight2 = m_extraWeight2 + (m_extraWeight + sum2);
}

}  // namespace zulparvo
