// Spell rules: every spell, of any book, meets the six spell tables, which read the
// character's magic advantage, its total cost and the variant it was taken as.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/json/json_codec.h"
#include "frame/dispatch.h"
#include "frame/entry_points.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/skill_spell.h"
#include "rules/rule_tables.h"
#include "rules/skill_rules_test_support.h"

namespace zulparvo {
namespace {

using skill_rules_test::Log;
using skill_rules_test::LogOf;

// A magic advantage on the character; its total cost is base cost + extra cost.
struct Magic {
  int32_t identifier = 28;
  CString book = "B05";
  double baseCost = 0.0;
  int32_t subId = 0;
  CString subBook = "";
  double extraCost = 0.0;
  CString category = "AD";
  std::optional<int32_t> colleges{};  // a college-limited record when given
  CString description = "Arcane Gift";
};

void AddMagic(CChar_Character& character, const Magic& m) {
  std::unique_ptr<CChar_Ad_Disad> record;
  if (m.colleges) {
    auto limited = std::make_unique<CChar_Ad_Disad_Magery_Colleges>();
    limited->SetColleges(*m.colleges);
    record = std::move(limited);
  } else {
    record = std::make_unique<CChar_Ad_Disad>();
  }
  static_cast<CChar_Ad_Disad&>(*record) =
      CChar_Ad_Disad(m.identifier, m.baseCost, m.description, m.book, 0, "", m.category);
  record->SetSubEntry(m.subId, "", m.subBook);
  record->SetExtraCost(m.extraCost);
  record->RecomputeCost();
  character.GetAdvantages().Add(std::move(record));
}

CChar_Character CharacterWith(const std::vector<Magic>& magic) {
  CChar_Character character;
  for (const Magic& m : magic) AddMagic(character, m);
  return character;
}

// A spell that has bought bonus 1 and level 12 before the rules run.
struct SpellSpec {
  int32_t identifier = 12;
  CString book = "B05";
  int32_t colleges = 0;
  CString collegeText = "";
  CString name = "Flame Lance";
};

CChar_Skill_Spell MakeSpell(const SpellSpec& s) {
  CChar_Skill_Spell spell;
  spell.SetIdentifier(s.identifier);
  spell.SetBookCode(s.book);
  spell.SetColleges(s.colleges);
  spell.SetCollegeText(s.collegeText);
  spell.SetName(s.name);
  spell.SetBonus(1);
  spell.SetLevel(12);
  return spell;
}

// The six tables in the order in which every spell meets them.
constexpr std::array<SkillRuleTable, 6> kTables{SpellRulesB05, SpellRulesB30, SpellRulesB13,
                                                SpellRulesB15, SpellRulesB37, SpellRulesB34};
constexpr std::array<const char*, 6> kTableNames{"B05", "B30", "B13", "B15", "B37", "B34"};

// What each table adds to a spell, in the order above.
struct Case {
  const char* name;
  std::vector<Magic> magic;
  std::array<int32_t, 6> gains;
  SpellSpec spell{};
};

// Runs each table alone on a fresh spell of several books and identifiers: the rows
// look at neither, and none of them logs.
void ExpectGains(const Case& c) {
  SCOPED_TRACE(c.name);
  for (const char* book : {"B05", "B13", "B52"}) {
    for (const int32_t identifier : {c.spell.identifier, 140}) {
      SCOPED_TRACE(::testing::Message() << "spell " << identifier << " of " << book);
      for (std::size_t t = 0; t < kTables.size(); ++t) {
        SCOPED_TRACE(kTableNames[t]);
        CChar_Character character = CharacterWith(c.magic);
        SpellSpec wanted = c.spell;
        wanted.book = book;
        wanted.identifier = identifier;
        CChar_Skill_Spell spell = MakeSpell(wanted);
        EXPECT_TRUE(kTables[t](character, spell));
        EXPECT_EQ(spell.GetBonus(), 1 + c.gains[t]);
        EXPECT_EQ(spell.GetLevel(), 12);
        EXPECT_EQ(LogOf(character), Log{});
      }
    }
  }
}

TEST(SpellRules, RowsThatFire) {
  const SpellSpec earth{.colleges = 0x40};  // an earth-college spell, for the elements
  const SpellSpec healing{.colleges = 0x4, .collegeText = "Body, Heal"};
  const std::vector<Case> cases = {
      {"basic 15", {{.baseCost = 15.0}}, {1, 0, 0, 0, 0, 0}},
      {"basic 35, whatever the variant", {{.baseCost = 35.0, .subId = 3, .subBook = "B30"}}, {3, 0, 0, 0, 0, 0}},
      {"basic 25 as variant 5 of B34", {{.baseCost = 25.0, .subId = 5, .subBook = "B34"}}, {2, 0, 0, 0, 0, 4}},
      {"B30 2 at 16", {{.baseCost = 16.0, .subId = 2, .subBook = "B30"}}, {0, 2, 0, 0, 0, 0}},
      {"B30 4 at 8", {{.baseCost = 8.0, .subId = 4, .subBook = "B30"}}, {0, 1, 0, 0, 0, 0}},
      {"B30 6, element 1", {{.baseCost = 22.0, .subId = 6, .subBook = "B30"}}, {0, 3, 0, 0, 0, 0}, earth},
      {"B30 9, element 4", {{.baseCost = 10.0, .subId = 9, .subBook = "B30"}}, {0, -1, 0, 0, 0, 0}, earth},
      {"59 of B13, 5 at 10", {{.identifier = 59, .book = "B13", .baseCost = 10.0, .subId = 5, .subBook = "B13"}},
       {0, 0, 2, 0, 0, 0}},
      {"59 of B13, 6 at 4, a healing spell",
       {{.identifier = 59, .book = "B13", .baseCost = 4.0, .subId = 6, .subBook = "B13"}}, {0, 0, 2, 0, 0, 0},
       healing},
      {"B13 1 at 8", {{.baseCost = 8.0, .subId = 1, .subBook = "B13"}}, {0, 0, 1, 0, 0, 0}},
      {"B13 4 at 22", {{.baseCost = 22.0, .subId = 4, .subBook = "B13"}}, {0, 0, 3, 0, 0, 0}},
      {"B15 3 at 16", {{.baseCost = 16.0, .subId = 3, .subBook = "B15"}}, {0, 0, 0, 2, 0, 0}},
      {"B15 1 at 70", {{.baseCost = 70.0, .subId = 1, .subBook = "B15"}}, {0, 0, 0, 4, 0, 0}},
      {"B37 1 at 22", {{.baseCost = 22.0, .subId = 1, .subBook = "B37"}}, {0, 0, 0, 0, 3, 0}},
      {"B37 2 at 10 + 4 extra", {{.baseCost = 10.0, .subId = 2, .subBook = "B37", .extraCost = 4.0}},
       {0, 0, 0, 0, 2, 0}},
      {"B37 6 at 14", {{.baseCost = 14.0, .subId = 6, .subBook = "B37"}}, {0, 0, 0, 0, 3, 0}},
      {"B34 4 at 105", {{.baseCost = 105.0, .subId = 4, .subBook = "B34"}}, {0, 0, 0, 0, 0, 7}},
      {"B34 5 at 155", {{.baseCost = 155.0, .subId = 5, .subBook = "B34"}}, {0, 0, 0, 0, 0, 9}},
      {"B34 5 at 120", {{.baseCost = 120.0, .subId = 5, .subBook = "B34"}}, {0, 0, 0, 0, 0, 7}},
      // The step rule reads the base cost alone; 25 extra would make the total 180.
      {"B34 5 at 155 + 25 extra", {{.baseCost = 155.0, .subId = 5, .subBook = "B34", .extraCost = 25.0}},
       {0, 0, 0, 0, 0, 9}},
      // Two entries, each satisfying a row of its own table.
      {"basic 25 and B37 2 at 14",
       {{.baseCost = 25.0}, {.baseCost = 14.0, .subId = 2, .subBook = "B37"}}, {2, 0, 0, 0, 2, 0}},
  };
  for (const Case& c : cases) ExpectGains(c);
}

TEST(SpellRules, NearMissesChangeNothing) {
  const std::vector<Case> cases = {
      {"no magic advantage", {}, {}},
      {"basic between two costs", {{.baseCost = 14.0, .subId = 2, .subBook = "B05"}}, {}},
      {"basic a half over", {{.baseCost = 15.5}}, {}},
      {"basic as a racial advantage", {{.baseCost = 25.0, .category = "RACAD"}}, {}},
      {"advantage 28 of another book", {{.book = "B13", .baseCost = 25.0}}, {}},
      {"advantage 27", {{.identifier = 27, .baseCost = 25.0}}, {}},
      {"B30 2 at a cost of 3 to 5", {{.baseCost = 13.0, .subId = 2, .subBook = "B30"}}, {}},
      {"B30 10 at 16", {{.baseCost = 16.0, .subId = 10, .subBook = "B30"}}, {}},
      {"variant 4 at 8 from B13, not B30", {{.baseCost = 8.0, .subId = 4, .subBook = "B13"}}, {}},
      {"B15 2 at the cost of 1", {{.baseCost = 70.0, .subId = 2, .subBook = "B15"}}, {}},
      {"B37 2 at the cost of 5", {{.baseCost = 13.0, .subId = 2, .subBook = "B37"}}, {}},
      {"B34 4 one under", {{.baseCost = 104.0, .subId = 4, .subBook = "B34"}}, {}},
      {"B34 5 listed under B37", {{.baseCost = 155.0, .subId = 5, .subBook = "B37"}}, {}},
      {"59 under the basic book", {{.identifier = 59, .baseCost = 10.0, .subId = 5, .subBook = "B13"}}, {}},
      {"59 of B13, 6, a spell without Heal",
       {{.identifier = 59, .book = "B13", .baseCost = 4.0, .subId = 6, .subBook = "B13"}}, {},
       {.colleges = 0x4, .collegeText = "Body, Fire"}},
      {"72 of B13 as a racial advantage", {{.identifier = 72, .book = "B13", .baseCost = 25.0, .category = "RACAD"}},
       {}},
  };
  for (const Case& c : cases) ExpectGains(c);
}

TEST(SpellRules, ElementalVariantsLeaveTheBasicBooksExemptSpellsAlone) {
  struct Exempt {
    SpellSpec spell;
    int32_t bonus;
  };
  // Variant 9 (element 4) at 10: +1, and -2 for an earth spell unless it is spell 59
  // or 61 of the basic book.
  const std::vector<Exempt> cases = {{{.identifier = 12, .colleges = 0x40}, 0},
                                     {{.identifier = 59, .colleges = 0x40}, 2},
                                     {{.identifier = 61, .colleges = 0x40}, 2},
                                     {{.identifier = 59, .book = "B13", .colleges = 0x40}, 0}};
  for (const Exempt& c : cases) {
    SCOPED_TRACE(c.spell.identifier);
    CChar_Character character = CharacterWith({{.baseCost = 10.0, .subId = 9, .subBook = "B30"}});
    CChar_Skill_Spell spell = MakeSpell(c.spell);
    SpellRulesB30(character, spell);
    EXPECT_EQ(spell.GetBonus(), c.bonus);
  }
}

TEST(SpellRules, AdvantageValueLogsOnePerSpell) {
  struct Value {
    double baseCost;
    int32_t gain;
  };
  for (const Value& v : {Value{25.0, 2}, Value{29.5, 2}, Value{30.0, 3}}) {
    SCOPED_TRACE(v.baseCost);
    CChar_Character character = CharacterWith(
        {{.baseCost = 25.0}, {.identifier = 72, .book = "B13", .baseCost = v.baseCost, .description = "Deep Well"}});
    CChar_Skill_Spell first = MakeSpell({.name = "Flame Lance"});
    CChar_Skill_Spell second = MakeSpell({.identifier = 3, .book = "B37", .name = "Mend Bone"});
    DispatchSpell(character, first);
    DispatchSpell(character, second);
    // +2 from the basic table, the value from B13.
    EXPECT_EQ(first.GetBonus(), 1 + 2 + v.gain);
    EXPECT_EQ(second.GetBonus(), 1 + 2 + v.gain);
    const CString amount = "+" + std::to_string(v.gain);
    EXPECT_EQ(LogOf(character),
              (Log{amount + " to Flame Lance from Deep Well", amount + " to Mend Bone from Deep Well"}));
  }
}

// Variant 1 of B30: magic of chosen colleges.
TEST(SpellRules, CollegeVariantKeepsItsCollegesAndClearsTheRest) {
  struct Clearing {
    const char* name;
    std::vector<Magic> magic;
    int32_t bonus;
    int32_t level;
  };
  const Magic covering{.baseCost = 16.0, .subId = 1, .subBook = "B30", .colleges = 0x8};
  Magic other = covering;
  other.colleges = 0x1;
  Magic plain = covering;
  plain.colleges.reset();
  Magic cheaper = other;
  cheaper.baseCost = 13.0;
  const std::vector<Clearing> cases = {
      {"the spell's college", {covering}, 3, 12},
      {"another college", {other}, 0, 0},
      {"the first entry decides", {other, covering}, 0, 0},
      {"a cost of no row", {cheaper}, 1, 12},
      // A record of the plain class does not say which colleges it covers: the spell
      // is neither raised nor cleared.
      {"a record without colleges", {plain}, 1, 12},
      {"a record without colleges first", {plain, other}, 1, 12},
  };
  for (const Clearing& c : cases) {
    SCOPED_TRACE(c.name);
    CChar_Character character = CharacterWith(c.magic);
    CChar_Skill_Spell spell = MakeSpell({.colleges = 0x8 | 0x2});
    SpellRulesB30(character, spell);
    EXPECT_EQ(spell.GetBonus(), c.bonus);
    EXPECT_EQ(spell.GetLevel(), c.level);
  }
  // What comes after the clearing still adds: here the mental mode.
  CChar_Character character = CharacterWith({other});
  character.SetMentalMode(2);
  CChar_Skill_Spell spell = MakeSpell({.colleges = 0x8});
  DispatchSpell(character, spell);
  EXPECT_EQ(spell.GetBonus(), 2);
  EXPECT_EQ(spell.GetLevel(), 0);
}

TEST(SpellRules, ThroughTheSkillEntryPoint) {
  const auto character = CharacterFromJson(Json::parse(R"js({
      "mental_mode": 2,
      "advantages": [
        {"class": "CChar_Ad_Disad", "identifier": 28, "book_code": "B05", "category": "AD", "base_cost": 25,
         "cost": 25, "sub_identifier": 5, "sub_book_code": "B34", "description": "Arcane Gift"},
        {"class": "CChar_Ad_Disad", "identifier": 72, "book_code": "B13", "category": "AD", "base_cost": 20,
         "cost": 20, "description": "Deep Well"}],
      "spells": [
        {"class": "CChar_Skill_Spell", "identifier": 7, "book_code": "B52", "name": "Frost Veil", "level": 12}]
    })js"));
  CChar_Skill_Base& spell = *character->GetSpells().GetAt(0);

  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), &spell, 0), 1);
  EXPECT_EQ(spell.GetBonus(), 0);

  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(character.get(), &spell, 1), 1);
  // B05 +2 (total 25); B13 +2 (a tenth of 20); B34 7 + trunc((25 - 105) / 25) = 4;
  // mental mode +2.
  EXPECT_EQ(spell.GetBonus(), 10);
  EXPECT_EQ(spell.GetLevel(), 12);
  EXPECT_EQ(LogOf(*character), Log{"+2 to Frost Veil from Deep Well"});
}

}  // namespace
}  // namespace zulparvo
