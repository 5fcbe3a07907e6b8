// Martial-arts styles: entries by category, points, skill recalculation, and a style's
// place on the character.
#include "model/martial_arts_style.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/character.h"
#include "model/records.h"
#include "platform/profile.h"

namespace zulparvo::testing {
namespace {

Json Fields(int32_t identifier, double points, Json more = Json::object()) {
  more.update({{"book_code", "B05"}, {"identifier", identifier}, {"points", points}});
  return more;
}

CChar_Skill_MartialArtsSkill Skill(int32_t identifier, double points, int32_t skillType = 0) {
  return Make<CChar_Skill_MartialArtsSkill>(Fields(identifier, points, {{"skill_type", skillType}}));
}

CChar_Skill_MartialArtsManeuver Maneuver(int32_t identifier, double points, Json more = Json::object()) {
  return Make<CChar_Skill_MartialArtsManeuver>(Fields(identifier, points, std::move(more)));
}

// Two primary skills of 2 and 4 points and a maneuver of 1 point.
CChar_Martial_Arts_Style SevenPointStyle() {
  CChar_Martial_Arts_Style style;
  style.SetName("Karate");
  style.AddSkill(StyleCategory::Primary, Skill(1, 2.0));
  style.AddSkill(StyleCategory::Primary, Skill(2, 4.0));
  style.AddManeuver(StyleCategory::Maneuver, Maneuver(3, 1.0));
  style.AddSelection(CChar_Skill_MartialArtsStyleSelection());
  return style;
}

TEST(MartialArtsStyle, PointsAreTheSumOfTheEntries) {
  CChar_Martial_Arts_Style style = SevenPointStyle();
  EXPECT_DOUBLE_EQ(style.GetPoints(), 0.0);  // adding does not recompute
  style.RecomputePoints();
  EXPECT_DOUBLE_EQ(style.GetPoints(), 7.0);
  EXPECT_TRUE(style.RemoveEntry(StyleCategory::Maneuver, 0));
  EXPECT_DOUBLE_EQ(style.GetPoints(), 6.0);
  EXPECT_FALSE(style.RemoveEntry(StyleCategory::Maneuver, 0));
  EXPECT_TRUE(style.RemoveSelection(0));
  EXPECT_FALSE(style.RemoveSelection(0));
  EXPECT_DOUBLE_EQ(style.GetPoints(), 6.0);
}

TEST(MartialArtsStyle, SelectionPrompts) {
  const std::vector<std::pair<int, const char*>> prompts{
      {0, ""}, {1, "Select Primary Skill"}, {6, "Select Cinematic Maneuver"}, {7, ""}, {-1, ""}};
  for (const auto& [kind, prompt] : prompts) EXPECT_EQ(CChar_Martial_Arts_Style::GetSelectionPrompt(kind), prompt);
}

// Installs a per-entry calculation for the life of the object.
class EntryCalculationScope {
 public:
  explicit EntryCalculationScope(StyleEntryCalculation calculation)
      : m_previous(SetStyleEntryCalculation(std::move(calculation))) {}
  ~EntryCalculationScope() { SetStyleEntryCalculation(std::move(m_previous)); }
  EntryCalculationScope(const EntryCalculationScope&) = delete;
  EntryCalculationScope& operator=(const EntryCalculationScope&) = delete;

 private:
  StyleEntryCalculation m_previous;
};

class StyleRecalculation : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppProfile(CProfile());
    m_character.SetDX(12);
    m_character.SetDXBonus(1);  // current DX 13
    m_character.SetIQ(11);
    m_character.SetMentalMode(2);
  }
  // A maneuver based on what its default fields name.
  static CChar_Skill_MartialArtsManeuver Based(int32_t identifier, int32_t source, const char* text1,
                                               const char* text2) {
    return Maneuver(identifier, 0.0,
                    {{"default_source_identifier", source}, {"default_text_1", text1}, {"default_text_2", text2}});
  }

  CChar_Character m_character;
};

TEST_F(StyleRecalculation, LevelsFollowTheCharacterAndManeuversTheirBase) {
  CChar_Martial_Arts_Style style;
  style.AddManeuver(StyleCategory::Maneuver, Based(30, CChar_Skill_Default::kAttributeSource, "DX", ""));
  style.AddManeuver(StyleCategory::Maneuver, Based(31, 10, "B05", "MAS-SECONDARY"));
  style.AddManeuver(StyleCategory::CinematicManeuver, Based(32, 31, "B05", "MANEUVER"));
  style.AddManeuver(StyleCategory::CinematicManeuver, Based(33, 99, "B05", "SKILL"));  // no such skill
  style.AddSkill(StyleCategory::Primary, Skill(10, 2.0, 2));    // "PA", 2 points: current DX
  style.AddSkill(StyleCategory::Secondary, Skill(10, 1.0, 5));  // same key in a later list: not the base
  style.AddSkill(StyleCategory::Cinematic, Skill(11, 1.0, 5));  // "MA", 1 point counted as 4: IQ + 1
  static_cast<CChar_Skill_MartialArtsManeuver*>(style.GetEntryAt(StyleCategory::Maneuver, 1))->SetDefaultModifier(-2);
  style.GetEntryAt(StyleCategory::CinematicManeuver, 1)->SetLevel(77);

  // The special calculation sees each entry once its level is computed, in list order,
  // and the bonus it gives stays.
  std::vector<int32_t> seen;
  EntryCalculationScope scope([&](CChar_Character& character, CChar_Skill_Base& entry) {
    EXPECT_EQ(&character, &m_character);
    seen.push_back(entry.GetIdentifier());
    entry.SetBonus(entry.GetBonus() + 1);
  });
  style.RecalculateSkills(m_character);

  EXPECT_EQ(seen, (std::vector<int32_t>{10, 10, 11, 30, 31, 32, 33}));
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Primary, 0)->GetLevel(), 13);
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Cinematic, 0)->GetLevel(), 12);
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Primary, 0)->GetBonus(), 1);
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Maneuver, 0)->GetLevel(), 13);  // current DX
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Maneuver, 1)->GetLevel(), 13);  // the primary skill's level
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Maneuver, 1)->GetBonus(), 1);
  // The second maneuver's level, bonus and default modifier: 13 + 1 - 2.
  EXPECT_EQ(style.GetEntryAt(StyleCategory::CinematicManeuver, 0)->GetLevel(), 12);
  // No base found: the level that its own computation gave stays.
  EXPECT_EQ(style.GetEntryAt(StyleCategory::CinematicManeuver, 1)->GetLevel(), 0);
}

TEST_F(StyleRecalculation, WithoutACalculationOnlyLevelsAreComputed) {
  CChar_Martial_Arts_Style style;
  style.AddSkill(StyleCategory::Optional, Skill(10, 2.0, 2));
  style.GetEntryAt(StyleCategory::Optional, 0)->SetBonus(5);
  style.RecalculateSkills(m_character);
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Optional, 0)->GetLevel(), 13);
  EXPECT_EQ(style.GetEntryAt(StyleCategory::Optional, 0)->GetBonus(), 0);
}

class StyleOnCharacter : public ::testing::Test {
 protected:
  void SetUp() override { SetAppProfile(CProfile()); }
  CChar_Character m_character;
};

TEST_F(StyleOnCharacter, EntriesAreFiledByCategoryIntoTheStyleAtTheIndex) {
  m_character.AddStyle(CChar_Martial_Arts_Style());
  CChar_Martial_Arts_Style named;
  named.SetName("Kung Fu");
  m_character.AddStyle(named);
  struct Case { const char* category; bool maneuver; int index; bool filed; };
  const Case cases[] = {
      {"MAS-PRIMARY", false, 1, true},   {"MAS-CINEMATIC", false, 0, true}, {"MAS-MANEVUER", true, 1, true},
      {"MAS-CINEMATIC_MANEUVER", true, 1, true},  {"MAS-MANEVUER", false, 1, false}, {"MAS-PRIMARY", true, 1, false},
      {"", false, 1, false},             {"SK", true, 1, false},            {"MAS-MANEVUER", true, -1, false},
      {"MAS-PRIMARY", false, 2, false},  {"MAS-PRIMARY", false, -2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.category) + (c.maneuver ? " maneuver " : " skill ") + std::to_string(c.index));
    const auto category = CChar_Martial_Arts_Style::CategoryFromTag(c.category);
    const auto countIn = [&](int index) -> std::size_t {
      if (!category || index < 0 || index >= 2) return 0;
      return m_character.GetStyleAt(static_cast<std::size_t>(index))->GetEntryCount(*category);
    };
    const std::size_t before = countIn(c.index);
    const bool filed = c.maneuver ? m_character.AddSkillFamilyRecord(Maneuver(1, 1.0), c.category, c.index)
                                  : m_character.AddSkillFamilyRecord(Skill(1, 1.0), c.category, c.index);
    EXPECT_EQ(filed, c.filed);
    EXPECT_EQ(countIn(c.index), before + (c.filed ? 1 : 0));
  }
  EXPECT_EQ(m_character.GetStyleAt(1)->GetEntryAt(StyleCategory::Primary, 0)->GetType(), "MAS");
  EXPECT_EQ(static_cast<CChar_Skill_MartialArtsSkill*>(m_character.GetStyleAt(1)->GetEntryAt(StyleCategory::Primary, 0))
                ->GetStyleName(),
            "Kung Fu");
  EXPECT_EQ(m_character.GetSkillCount(), 0u);
  EXPECT_DOUBLE_EQ(m_character.GetPointsSpent(), 0.0);  // filing into a style charges nothing
}

// A style added with its points is charged once, even when finished; one added without
// them is charged when finished. Removing either refunds them.
TEST_F(StyleOnCharacter, StylePointsAreChargedOnceAndRefunded) {
  EXPECT_FALSE(m_character.FinishLastStyle());  // no style yet
  m_character.AddStyle(CChar_Martial_Arts_Style());  // finishing works on the last style only
  for (const bool recomputed : {true, false}) {
    SCOPED_TRACE(recomputed);
    CChar_Martial_Arts_Style style = SevenPointStyle();
    if (recomputed) style.RecomputePoints();
    m_character.AddStyle(style);
    EXPECT_DOUBLE_EQ(m_character.GetPointsSpent(), recomputed ? 7.0 : 0.0);
    m_character.GetStyleAt(1)->GetEntryAt(StyleCategory::Primary, 0)->SetLevel(5);
    EXPECT_TRUE(m_character.FinishLastStyle());
    EXPECT_DOUBLE_EQ(m_character.GetStyleAt(1)->GetPoints(), 7.0);
    EXPECT_EQ(m_character.GetStyleAt(1)->GetEntryAt(StyleCategory::Primary, 0)->GetLevel(), 0);
    EXPECT_DOUBLE_EQ(m_character.GetPointsAvailable(), 193.0);
    EXPECT_TRUE(m_character.RemoveRecord(CharacterList::MartialArtsStyles, 1));
    EXPECT_DOUBLE_EQ(m_character.GetPointsAvailable(), 200.0);
  }
}

}  // namespace
}  // namespace zulparvo::testing
