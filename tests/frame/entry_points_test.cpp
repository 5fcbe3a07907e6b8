// The three entry points as a host meets them: found by name in the shared library,
// routing by tag, and sound with whatever pointers they are given.
#include "frame/entry_points.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "model/character.h"
#include "model/skill_default_display_only.h"
#include "model/skill_heading.h"
#include "model/skill_spell.h"

#define ZP_ENTRY_POINTS_DECLARED
#include "zulparvo.h"

namespace zulparvo {
namespace {

using AdProc = int (*)(CObject*, CObject*, int, bool);
using SkillProc = int (*)(CObject*, CObject*, int);
using IQProc = void (*)(long, long, CObject*);

CChar_Skill_Base IQSkill(int identifier, const char* book) {
  CChar_Skill_Base skill;
  skill.SetIdentifier(identifier);
  skill.SetBookCode(book);
  skill.SetName("Skill " + std::to_string(identifier));
  return skill;
}

// The shared library keeps its classes to itself: a host has the objects made through the
// library's C interface and hands them to the entry points it found by name.
TEST(EntryPoints, AreFoundByNameInTheSharedLibrary) {
  void* library = dlopen(ZULPARVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  const auto find = [library]<class Function>(Function*, const char* name) {
    void* found = dlsym(library, name);
    EXPECT_NE(found, nullptr) << name;
    return reinterpret_cast<Function*>(found);
  };
  auto adProc = find(AdProc(), "speccalc_DoSpecialCalcAdProc");
  auto skillProc = find(SkillProc(), "speccalc_DoSpecialCalcSkillProc");
  auto iqProc = find(IQProc(), "speccalc_UpdateSpecialIQSkills");
  auto create = find(&zp_character_new, "zp_character_new");
  auto add = find(&zp_character_add, "zp_character_add");
  auto self = find(&zp_character_object, "zp_character_object");
  auto record = find(&zp_character_record_object, "zp_character_record_object");
  auto changes = find(&zp_character_change_log, "zp_character_change_log");
  auto count = find(&zp_strings_count, "zp_strings_count");
  auto at = find(&zp_strings_at, "zp_strings_at");
  auto release = find(&zp_strings_free, "zp_strings_free");
  auto destroy = find(&zp_character_free, "zp_character_free");
  ASSERT_FALSE(HasFailure());

  zp_character* character = nullptr;
  ASSERT_EQ(create(&character), ZP_OK);
  const auto object = [](zp_object* made) { return reinterpret_cast<CObject*>(made); };
  ASSERT_EQ(add(character, R"({"class": "CChar_Skill_Base", "identifier": 20, "book_code": "B05", "name": "Skill 20"})",
                0, nullptr), ZP_OK);
  ASSERT_EQ(add(character, R"({"class": "CChar_Ad_Disad", "identifier": 10, "book_code": "B99", "category": "AD"})",
                0, nullptr), ZP_OK);
  EXPECT_EQ(adProc(object(self(character)), object(record(character, ZP_LIST_ADVANTAGES, 0)), 1, false), 1);
  EXPECT_EQ(skillProc(object(self(character)), object(record(character, ZP_LIST_SKILLS, 0)), 1), 1);
  iqProc(9, 12, object(self(character)));
  zp_strings* log = nullptr;
  ASSERT_EQ(changes(character, &log), ZP_OK);
  ASSERT_GT(count(log), 0u);
  EXPECT_STREQ(at(log, count(log) - 1), "+2 to Skill 20 from Current Intelligence");
  release(log);
  destroy(character);
  dlclose(library);
}

TEST(EntryPoints, NullPointersAndOtherClassesChangeNothing) {
  CChar_Character character;
  CChar_Ad_Disad advantage(1, 10, "Something", "B05", 0, "", "AD");
  CChar_Skill_Spell spell;
  EXPECT_EQ(speccalc_DoSpecialCalcAdProc(nullptr, &advantage, 1, false), 1);
  EXPECT_EQ(speccalc_DoSpecialCalcAdProc(&character, nullptr, 1, false), 1);
  EXPECT_EQ(speccalc_DoSpecialCalcAdProc(&character, &spell, 1, false), 1);      // a skill is no advantage
  EXPECT_EQ(speccalc_DoSpecialCalcAdProc(&advantage, &advantage, 1, false), 1);  // nor a character
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(&character, &advantage, 1), 1);
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(nullptr, &spell, 1), 1);
  speccalc_UpdateSpecialIQSkills(9, 12, nullptr);
  speccalc_UpdateSpecialIQSkills(9, 12, &spell);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
}

TEST(EntryPoints, IQUpdateMovesBonusesByBandChange) {
  CChar_Character character;
  for (const auto& skill : {IQSkill(20, "B05"), IQSkill(77, "B05"), IQSkill(78, "B05"), IQSkill(25, "B05"),
                            IQSkill(20, "B13")}) {
    character.AddSkillFamilyRecord(skill, "", -1);
  }
  character.AddHeading(CChar_Skill_Heading());
  const auto bonuses = [&] {
    std::vector<int> out;
    for (std::size_t i = 0; i + 1 < character.GetSkillCount(); ++i) {
      out.push_back(static_cast<CChar_Skill_Base*>(character.GetSkillAt(i))->GetBonus());
    }
    return out;
  };
  speccalc_UpdateSpecialIQSkills(9, 12, &character);
  EXPECT_EQ(bonuses(), (std::vector<int>{2, 2, 2, 0, 0}));
  speccalc_UpdateSpecialIQSkills(13, 15, &character);  // same band: nothing
  speccalc_UpdateSpecialIQSkills(10, 11, &character);
  EXPECT_EQ(character.GetChangeLog().GetSize(), 3u);
  speccalc_UpdateSpecialIQSkills(12, 10, &character);
  EXPECT_EQ(bonuses(), (std::vector<int>{1, 1, 1, 0, 0}));
  EXPECT_EQ(character.GetChangeLog().GetAt(3), "-1 to Skill 20 from Current Intelligence");
}

TEST(EntryPoints, ApplyZeroAndUnroutedTagsDoNothing) {
  CChar_Character character;
  character.SetMentalMode(2);  // every routed spell gets +2 from the spell bonus setting
  CChar_Skill_Spell spell;
  character.AddSkillFamilyRecord(spell, "", -1);
  auto* filed = character.GetSpells().GetAt(0);
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(&character, filed, 0), 1);
  EXPECT_EQ(filed->GetBonus(), 0);
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(&character, filed, 1), 1);
  EXPECT_EQ(filed->GetBonus(), 2);
  // A display-only default is not routed.
  CChar_Skill_Default_DisplayOnly displayOnly;
  EXPECT_EQ(speccalc_DoSpecialCalcSkillProc(&character, &displayOnly, 1), 1);
  for (const char* category : {"SUPER-AD", "SUPER-DISAD", "", "ad"}) {
    CChar_Ad_Disad advantage(1, 10, "Something", "B05", 0, "", category);
    EXPECT_EQ(speccalc_DoSpecialCalcAdProc(&character, &advantage, 1, false), 1);
  }
  EXPECT_EQ(character.GetChangeLog().GetSize(), 0u);
}

}  // namespace
}  // namespace zulparvo
