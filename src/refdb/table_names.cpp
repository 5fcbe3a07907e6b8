#include "refdb/table_names.h"

#include <algorithm>
#include <string_view>

namespace zulparvo {

namespace {

struct CategoryTable {
  std::string_view category;
  std::string_view table;
};

// Compared exactly, in this order. "MAS-MANEVUER" is spelled as the stored data spells it.
constexpr CategoryTable kCategoryTables[] = {
    {"RACE", "[Races]"},
    {"AD", "[Advantages]"},
    {"DISAD", "[Disadvantages]"},
    {"RACAD", "[Racial Advantages]"},
    {"RACDISAD", "[Racial Disadvantages]"},
    {"SUPER-AD", "[Super Advantages]"},
    {"SUPER-DISAD", "[Super Disadvantages]"},
    {"SPELLS", "[Spells]"},
    {"SKILL", "[Skills]"},
    {"LANGUAGES", "[Skills-Languages]"},
    {"WEAPONS", "[Weapons]"},
    {"EQUIPMENT", "[Equipment]"},
    {"ARMOR", "[Armor]"},
    {"BARDING", "[Armor-Barding]"},
    {"ENHANCEMENTS", "[Enhancements]"},
    {"LIMITATIONS", "[Limitations]"},
    {"SUPER-POWERS", "[Super Powers]"},
    {"MANEUVER", "[Skills-Maneuvers]"},
    {"MAS-MANEVUER", "[Skills-Maneuvers]"},
    {"ACROBATIC-MANEUVER", "[Skills-Acrobatic Maneuvers]"},
    {"MANEUVER-CINEMATIC", "[Skills-Maneuvers-Cinematic]"},
    {"MAS-CINEMATIC_MANEUVER", "[Skills-Maneuvers-Cinematic]"},
    {"MA-STYLE", "[Advantages-Martial Arts Styles]"},
    {"TRANSPORTATION", "[Transportation]"},
    {"PROFESSION", "[Professions]"},
};

}  // namespace

CString TableNameForCategory(const CString& category) {
  for (const CategoryTable& entry : kCategoryTables) {
    if (entry.category == category) return CString(entry.table);
  }
  return "[" + category + "]";
}

std::vector<CString> FixedCategories() {
  std::vector<CString> categories;
  for (const CategoryTable& entry : kCategoryTables) categories.emplace_back(entry.category);
  return categories;
}

bool IsSafeCategory(const CString& category) {
  return std::none_of(category.begin(), category.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == ']' || byte < 0x20 || byte == 0x7F;
  });
}

}  // namespace zulparvo
