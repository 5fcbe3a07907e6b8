// The three entry points as a host meets them: found by name in the shared library, and
// sound with whatever pointers they are given. (What they route where: the scenarios.)
#include "frame/entry_points.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "model/character.h"
#include "model/skill_spell.h"

#define ZP_ENTRY_POINTS_DECLARED
#include "zulparvo.h"

namespace zulparvo {
namespace {

using AdProc = int (*)(CObject*, CObject*, int, bool);
using SkillProc = int (*)(CObject*, CObject*, int);
using IQProc = void (*)(long, long, CObject*);

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

}  // namespace
}  // namespace zulparvo
