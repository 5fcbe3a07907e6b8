// Which table a category reads, and which categories may not reach a statement.
#include "refdb/table_names.h"

#include <gtest/gtest.h>

#include <string>

namespace zulparvo {
namespace {

TEST(TableNameForCategory, EveryCategoryOfTheList) {
  const std::pair<const char*, const char*> kCases[] = {
      {"RACE", "[Races]"}, {"AD", "[Advantages]"}, {"DISAD", "[Disadvantages]"},
      {"RACAD", "[Racial Advantages]"}, {"RACDISAD", "[Racial Disadvantages]"},
      {"SUPER-AD", "[Super Advantages]"}, {"SUPER-DISAD", "[Super Disadvantages]"},
      {"SPELLS", "[Spells]"}, {"SKILL", "[Skills]"}, {"LANGUAGES", "[Skills-Languages]"},
      {"WEAPONS", "[Weapons]"}, {"EQUIPMENT", "[Equipment]"}, {"ARMOR", "[Armor]"},
      {"BARDING", "[Armor-Barding]"}, {"ENHANCEMENTS", "[Enhancements]"}, {"LIMITATIONS", "[Limitations]"},
      {"SUPER-POWERS", "[Super Powers]"}, {"MANEUVER", "[Skills-Maneuvers]"},
      {"MAS-MANEVUER", "[Skills-Maneuvers]"}, {"ACROBATIC-MANEUVER", "[Skills-Acrobatic Maneuvers]"},
      {"MANEUVER-CINEMATIC", "[Skills-Maneuvers-Cinematic]"},
      {"MAS-CINEMATIC_MANEUVER", "[Skills-Maneuvers-Cinematic]"},
      {"MA-STYLE", "[Advantages-Martial Arts Styles]"}, {"TRANSPORTATION", "[Transportation]"},
      {"PROFESSION", "[Professions]"},
      // Anything else names its table itself; comparison is exact.
      {"AD-VARIANT", "[AD-VARIANT]"}, {"ad", "[ad]"}, {"SKILL ", "[SKILL ]"}, {"MAS-MANEUVER", "[MAS-MANEUVER]"},
      {"", "[]"},
  };
  for (const auto& [category, table] : kCases) EXPECT_EQ(TableNameForCategory(category), table) << category;
}

TEST(TableNameForCategory, SafeCategoriesStayOneName) {
  for (const char* safe : {"AD", "Skills-Maneuvers", "Sub Table 2", "[AD", "caf\xE9"}) {
    EXPECT_TRUE(IsSafeCategory(safe)) << safe;
  }
  const std::string kUnsafe[] = {"AD]", "X] WHERE 1=1 --", "AD\n", "AD\t", std::string("AD\0X", 4), "AD\x7F"};
  for (const std::string& unsafe : kUnsafe) EXPECT_FALSE(IsSafeCategory(unsafe)) << unsafe;
}

}  // namespace
}  // namespace zulparvo
