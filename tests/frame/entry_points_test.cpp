// The three entry points as a host meets them: found by name in the shared library, and
// sound with whatever pointers they are given. (What they route where: the scenarios.)
#include "frame/entry_points.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "model/character.h"
#include "model/skill_spell.h"

namespace zulparvo {
namespace {

using AdProc = int (*)(CObject*, CObject*, int, bool);
using SkillProc = int (*)(CObject*, CObject*, int);
using IQProc = void (*)(long, long, CObject*);

TEST(EntryPoints, AreFoundByNameInTheSharedLibrary) {
  void* library = dlopen(ZULPARVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto adProc = reinterpret_cast<AdProc>(dlsym(library, "speccalc_DoSpecialCalcAdProc"));
  auto skillProc = reinterpret_cast<SkillProc>(dlsym(library, "speccalc_DoSpecialCalcSkillProc"));
  auto iqProc = reinterpret_cast<IQProc>(dlsym(library, "speccalc_UpdateSpecialIQSkills"));
  ASSERT_NE(adProc, nullptr);
  ASSERT_NE(skillProc, nullptr);
  ASSERT_NE(iqProc, nullptr);

  CChar_Character character;
  CChar_Skill_Base skill;
  skill.SetIdentifier(20);
  skill.SetBookCode("B05");
  skill.SetName("Lore");
  character.AddSkillFamilyRecord(skill, "", -1);
  CChar_Ad_Disad advantage(1, 10, "Something", "B99", 0, "", "AD");
  EXPECT_EQ(adProc(&character, &advantage, 1, false), 1);
  EXPECT_EQ(skillProc(&character, character.GetSkillAt(0), 1), 1);
  iqProc(9, 12, &character);
  ASSERT_EQ(character.GetChangeLog().GetSize(), 2u);
  EXPECT_EQ(character.GetChangeLog().GetAt(1), "+2 to Lore from Current Intelligence");
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

}  // namespace
}  // namespace zulparvo
