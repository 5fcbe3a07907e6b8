#include "model/martial_arts_style.h"

#include "model/character.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Martial_Arts_Style, CZULBaseObject, 0)

namespace {

StyleEntryCalculation& EntryCalculation() {
  static StyleEntryCalculation calculation;
  return calculation;
}

constexpr std::array<const char*, kStyleCategoryCount> kCategoryTags{
    kStylePrimary, kStyleSecondary, kStyleOptional, kStyleManeuver, kStyleCinematic, kStyleCinematicManeuver};

// The skill categories in the order in which they are recalculated and searched, then
// the maneuver categories.
constexpr std::array<StyleCategory, 4> kSkillCategories{StyleCategory::Primary, StyleCategory::Secondary,
                                                        StyleCategory::Optional, StyleCategory::Cinematic};
constexpr std::array<StyleCategory, 2> kManeuverCategories{StyleCategory::Maneuver, StyleCategory::CinematicManeuver};

// Styles of version "1.1" add the second integer and the selections.
constexpr std::array<const char*, 1> kLayouts = {kMartialArtsStyleVersion};

// The second default texts of a maneuver that is based on a skill of its style.
constexpr std::array<const char*, 5> kSkillBases{"SKILL", kStylePrimary, kStyleSecondary, kStyleOptional,
                                                 kStyleCinematic};

}  // namespace

StyleEntryCalculation SetStyleEntryCalculation(StyleEntryCalculation calculation) {
  return std::exchange(EntryCalculation(), std::move(calculation));
}

const char* CChar_Martial_Arts_Style::CategoryTag(StyleCategory category) {
  return kCategoryTags[static_cast<std::size_t>(category)];
}

std::optional<StyleCategory> CChar_Martial_Arts_Style::CategoryFromTag(const CString& tag) {
  for (std::size_t i = 0; i < kCategoryTags.size(); ++i) {
    if (tag == kCategoryTags[i]) return static_cast<StyleCategory>(i);
  }
  return std::nullopt;
}

bool CChar_Martial_Arts_Style::HoldsManeuvers(StyleCategory category) {
  return category == StyleCategory::Maneuver || category == StyleCategory::CinematicManeuver;
}

CString CChar_Martial_Arts_Style::GetSelectionPrompt(int kind) {
  static constexpr std::array<const char*, 6> kPrompts{"Select Primary Skill",   "Select Secondary Skill",
                                                       "Select Optional Skill",  "Select Maneuver",
                                                       "Select Cinematic Skill", "Select Cinematic Maneuver"};
  return kind >= 1 && kind <= 6 ? kPrompts[static_cast<std::size_t>(kind - 1)] : "";
}

void CChar_Martial_Arts_Style::VisitFields(CFieldVisitor& v) {
  CZULBaseObject::VisitFields(v);
  v.Version(CVersionMarker::Text(kLayouts));
  v.Integer("identifier", m_identifier);
  v.Real("points", m_points);
  v.Text("text_1", m_text1);
  v.Text("text_2", m_text2);
  v.Text("text_3", m_text3);
  v.Integer("integer_1", m_integer1);
  v.List("primary_skills", m_primarySkills);
  v.List("secondary_skills", m_secondarySkills);
  v.List("optional_skills", m_optionalSkills);
  v.List("maneuvers", m_maneuvers);
  v.List("cinematic_skills", m_cinematicSkills);
  v.List("cinematic_maneuvers", m_cinematicManeuvers);
  v.Since(kMartialArtsStyleVersion);
  v.Integer("integer_2", m_integer2);
  v.List("selections", m_selections);
}

CString CChar_Martial_Arts_Style::GetType() const { return kTagMartialArtsStyle; }

const CObArray& CChar_Martial_Arts_Style::Entries(StyleCategory category) const {
  switch (category) {
    case StyleCategory::Primary: return m_primarySkills;
    case StyleCategory::Secondary: return m_secondarySkills;
    case StyleCategory::Optional: return m_optionalSkills;
    case StyleCategory::Maneuver: return m_maneuvers;
    case StyleCategory::Cinematic: return m_cinematicSkills;
    case StyleCategory::CinematicManeuver: return m_cinematicManeuvers;
  }
  return m_primarySkills;
}

CObArray& CChar_Martial_Arts_Style::Entries(StyleCategory category) {
  return const_cast<CObArray&>(static_cast<const CChar_Martial_Arts_Style&>(*this).Entries(category));
}

CChar_Skill_Base* CChar_Martial_Arts_Style::GetEntryAt(StyleCategory category, std::size_t index) const {
  return static_cast<CChar_Skill_Base*>(Entries(category).GetAt(index));
}

int CChar_Martial_Arts_Style::AddSkill(StyleCategory category, const CChar_Skill_Base& skill) {
  if (HoldsManeuvers(category)) return 0;
  auto copy = std::make_unique<CChar_Skill_MartialArtsSkill>(skill);
  copy->SetStyleName(m_text1);
  Entries(category).Add(std::move(copy));
  return 1;
}

int CChar_Martial_Arts_Style::AddManeuver(StyleCategory category, const CChar_Skill_Maneuver& maneuver) {
  if (!HoldsManeuvers(category)) return 0;
  auto copy = std::make_unique<CChar_Skill_MartialArtsManeuver>(maneuver);
  copy->SetStyleName(m_text1);
  Entries(category).Add(std::move(copy));
  return 1;
}

void CChar_Martial_Arts_Style::AddSelection(const CChar_Skill_MartialArtsStyleSelection& selection) {
  m_selections.Add(selection.Clone());
}

bool CChar_Martial_Arts_Style::RemoveEntry(StyleCategory category, std::size_t index) {
  CObArray& entries = Entries(category);
  if (index >= entries.GetSize()) return false;
  entries.RemoveAt(index);
  RecomputePoints();
  return true;
}

bool CChar_Martial_Arts_Style::RemoveSelection(std::size_t index) {
  if (index >= m_selections.GetSize()) return false;
  m_selections.RemoveAt(index);
  return true;
}

void CChar_Martial_Arts_Style::RecomputePoints() {
  m_points = 0.0;
  for (std::size_t i = 0; i < kStyleCategoryCount; ++i) {
    for (const auto& entry : Entries(static_cast<StyleCategory>(i))) {
      m_points += static_cast<const CChar_Skill_Base&>(*entry).GetPoints();
    }
  }
}

void CChar_Martial_Arts_Style::RecalculateSkills(CChar_Character& character) {
  const StyleEntryCalculation calculation = EntryCalculation();
  const auto recalculate = [&](StyleCategory category) {
    CObArray& entries = Entries(category);
    // By index, and looked up again after the special calculation, which runs rules
    // that may change the character's lists.
    for (std::size_t i = 0; i < entries.GetSize(); ++i) {
      auto* entry = static_cast<CChar_Skill_Base*>(entries.GetAt(i));
      entry->ComputeLevel(character.GetMentalMode(), character.GetCurrentST(), character.GetCurrentDX(),
                          character.GetCurrentIQ(), character.GetCurrentHT());
      if (calculation) calculation(character, *entry);
      if (HoldsManeuvers(category) && i < entries.GetSize()) {
        SetManeuverLevelFromBase(character, static_cast<CChar_Skill_MartialArtsManeuver&>(*entries.GetAt(i)));
      }
    }
  };
  for (const StyleCategory category : kSkillCategories) recalculate(category);
  for (const StyleCategory category : kManeuverCategories) recalculate(category);
}

void CChar_Martial_Arts_Style::SetManeuverLevelFromBase(const CChar_Character& character,
                                                        CChar_Skill_MartialArtsManeuver& maneuver) const {
  const CString& baseBook = maneuver.GetDefaultText1();
  if (maneuver.GetDefaultSourceIdentifier() == CChar_Skill_Default::kAttributeSource && baseBook == "DX") {
    maneuver.SetLevel(character.GetCurrentDX());
    return;
  }
  const auto isBase = [&](const CObject& entry) {
    const auto& skill = static_cast<const CChar_Skill_Base&>(entry);
    return skill.GetIdentifier() == maneuver.GetDefaultSourceIdentifier() && skill.GetBookCode() == baseBook;
  };
  bool basedOnSkill = false;
  for (const char* text : kSkillBases) basedOnSkill = basedOnSkill || maneuver.GetDefaultText2() == text;
  if (basedOnSkill) {
    for (const StyleCategory category : kSkillCategories) {
      for (const auto& entry : Entries(category)) {
        if (isBase(*entry)) {
          maneuver.SetLevel(static_cast<const CChar_Skill_Base&>(*entry).GetLevel());
          return;
        }
      }
    }
    return;
  }
  for (const StyleCategory category : kManeuverCategories) {
    for (const auto& entry : Entries(category)) {
      // A maneuver's total level is its level, bonus and default modifier.
      if (isBase(*entry)) {
        maneuver.SetLevel(static_cast<const CChar_Skill_Maneuver&>(*entry).GetTotalLevel());
        return;
      }
    }
  }
}

bool CChar_Martial_Arts_Style::IsSameStyle(const CChar_Martial_Arts_Style& other) const {
  return m_identifier == other.m_identifier && m_text1 == other.m_text1 && m_text2 == other.m_text2;
}

}  // namespace zulparvo
