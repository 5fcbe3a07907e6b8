// CChar_Martial_Arts_Style: a martial-arts style that the character has learned, with
// its skills and maneuvers filed by style category and the choices it leaves open.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "model/base_object.h"
#include "model/skill_martial_arts_maneuver.h"
#include "model/skill_martial_arts_skill.h"
#include "model/skill_style_selection.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Character;

// The special calculation that recalculating a style runs for each of its entries, just
// after the entry's level has been computed: the plug-in's skill entry point with the
// host's apply switch. The plug-in frame installs it; while none is installed a
// recalculation computes levels only. Returns the calculation that it replaces.
using StyleEntryCalculation = std::function<void(CChar_Character& character, CChar_Skill_Base& entry)>;
StyleEntryCalculation SetStyleEntryCalculation(StyleEntryCalculation calculation);

// The six category lists of a style, in file order.
enum class StyleCategory { Primary, Secondary, Optional, Maneuver, Cinematic, CinematicManeuver };
inline constexpr std::size_t kStyleCategoryCount = 6;

class CChar_Martial_Arts_Style : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Martial_Arts_Style)

 public:
  // The category tag ("MAS-PRIMARY", ...) and back; none for another text.
  static const char* CategoryTag(StyleCategory category);
  static std::optional<StyleCategory> CategoryFromTag(const CString& tag);
  // True for the two categories that hold maneuvers.
  static bool HoldsManeuvers(StyleCategory category);
  // "Select Primary Skill" for kind 1 ... "Select Cinematic Maneuver" for kind 6 (kinds
  // 4 and 5 are the maneuver and the cinematic skill); empty for any other kind.
  static CString GetSelectionPrompt(int kind);

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  // Files a copy of the skill as a martial-arts skill of this style (the copy takes the
  // style's name) in a skill category. 1 when filed, 0 for a maneuver category.
  int AddSkill(StyleCategory category, const CChar_Skill_Base& skill);
  // The same for a maneuver in one of the two maneuver categories.
  int AddManeuver(StyleCategory category, const CChar_Skill_Maneuver& maneuver);
  void AddSelection(const CChar_Skill_MartialArtsStyleSelection& selection);
  // Destroys the entry and recomputes the points. False when there is none at the index.
  bool RemoveEntry(StyleCategory category, std::size_t index);
  bool RemoveSelection(std::size_t index);

  std::size_t GetEntryCount(StyleCategory category) const { return Entries(category).GetSize(); }
  // Every entry is a martial-arts skill, or a martial-arts maneuver in a maneuver category.
  CChar_Skill_Base* GetEntryAt(StyleCategory category, std::size_t index) const;
  const CTypedObArray<CChar_Skill_MartialArtsStyleSelection>& GetSelections() const { return m_selections; }

  // Points = the sum of the points of every entry of the six category lists.
  void RecomputePoints();
  // Computes the level of every entry from the character's mental mode and current
  // attributes, runs the installed per-entry special calculation, and then sets each
  // maneuver's level from what it is based on: current DX, a skill of the style, or
  // another maneuver of the style.
  void RecalculateSkills(CChar_Character& character);
  // The same style: identifier, name (text 1) and text 2 agree.
  bool IsSameStyle(const CChar_Martial_Arts_Style& other) const;

  int32_t GetIdentifier() const { return m_identifier; }
  void SetIdentifier(int32_t identifier) { m_identifier = identifier; }
  double GetPoints() const { return m_points; }
  void SetPoints(double points) { m_points = points; }
  // Text 1 is the style's name; its entries carry it as their style name.
  const CString& GetName() const { return m_text1; }
  void SetName(CString name) { m_text1 = std::move(name); }
  const CString& GetText2() const { return m_text2; }
  void SetText2(CString text) { m_text2 = std::move(text); }
  const CString& GetText3() const { return m_text3; }
  void SetText3(CString text) { m_text3 = std::move(text); }
  int32_t GetInteger1() const { return m_integer1; }
  void SetInteger1(int32_t value) { m_integer1 = value; }
  int32_t GetInteger2() const { return m_integer2; }
  void SetInteger2(int32_t value) { m_integer2 = value; }

 private:
  const CObArray& Entries(StyleCategory category) const;
  CObArray& Entries(StyleCategory category);
  // The level of a maneuver from what it is based on, after its special calculation.
  void SetManeuverLevelFromBase(const CChar_Character& character, CChar_Skill_MartialArtsManeuver& maneuver) const;

  int32_t m_identifier = 0;
  double m_points = 0.0;
  CString m_text1;
  CString m_text2;
  CString m_text3;
  int32_t m_integer1 = 0;
  CTypedObArray<CChar_Skill_MartialArtsSkill> m_primarySkills;
  CTypedObArray<CChar_Skill_MartialArtsSkill> m_secondarySkills;
  CTypedObArray<CChar_Skill_MartialArtsSkill> m_optionalSkills;
  CTypedObArray<CChar_Skill_MartialArtsManeuver> m_maneuvers;
  CTypedObArray<CChar_Skill_MartialArtsSkill> m_cinematicSkills;
  CTypedObArray<CChar_Skill_MartialArtsManeuver> m_cinematicManeuvers;
  // Held from version "1.1" on.
  int32_t m_integer2 = 0;
  CTypedObArray<CChar_Skill_MartialArtsStyleSelection> m_selections;
};

}  // namespace zulparvo
