// Which table a category reads, and which categories may not reach a statement.
#include "refdb/table_names.h"

#include <gtest/gtest.h>

#include <string>

namespace zulparvo {
namespace {

TEST(TableNameForCategory, FixedNamesAndTheCategoryItself) {
  const std::pair<const char*, const char*> kCases[] = {
      {"AD", "[Advantages]"}, {"LANGUAGES", "[Skills-Languages]"}, {"ENHANCEMENTS", "[Enhancements]"},
      {"SUPER-POWERS", "[Super Powers]"}, {"MAS-MANEVUER", "[Skills-Maneuvers]"},
      {"MAS-CINEMATIC_MANEUVER", "[Skills-Maneuvers-Cinematic]"}, {"PROFESSION", "[Professions]"},
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
