// Records made from the rows of the books' reference databases, as a host makes them
// when a player picks an entry from a book.
//
// A reference names a row of one book by its identifier or its name; the kind of entry
// (advantage, skill, weapon, ...) selects the table, or every kind is searched. The
// record that comes back has the row's keys (identifier, book code, category) and what
// the row determines (costs, skill type, groups, sub-entry keys); what the row leaves to
// the player (level, points, a description, a variant, a quantity) comes from the
// choices. docs/records-from-books.md gives the mapping column by column.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/object.h"
#include "refdb/database_item.h"
#include "refdb/record_set.h"

namespace zulparvo {

// The kinds of book entries that make records, each read from the table of its category.
enum class BookKind {
  Advantage,           // "AD"          → CChar_Ad_Disad
  Disadvantage,        // "DISAD"       → CChar_Ad_Disad
  RacialAdvantage,     // "RACAD"       → CChar_Ad_Disad
  RacialDisadvantage,  // "RACDISAD"    → CChar_Ad_Disad
  SuperAdvantage,      // "SUPER-AD"    → CChar_Ad_Disad
  SuperDisadvantage,   // "SUPER-DISAD" → CChar_Ad_Disad
  Skill,               // "SKILL"       → CChar_Skill_Base
  Spell,               // "SPELLS"      → CChar_Skill_Spell
  Language,            // "LANGUAGES"   → CChar_Skill_DefaultLanguage
  Maneuver,            // "MANEUVER"    → CChar_Skill_Maneuver
  SuperPower,          // "SUPER-POWERS"→ CChar_Skill_SuperPower
  Equipment,           // "EQUIPMENT"   → CChar_Equipment_Base
  Armor,               // "ARMOR"       → CChar_Equipment_Armor
  Barding,             // "BARDING"     → CChar_Equipment_Barding
  Weapon,              // "WEAPONS"     → a melee, ranged, melee-ranged or standard weapon
};

// Every kind, in the order above.
std::span<const BookKind> AllBookKinds();
// The six kinds of the advantage family, the five of the skill family, the four items.
std::span<const BookKind> AdvantageBookKinds();
std::span<const BookKind> SkillBookKinds();
std::span<const BookKind> ItemBookKinds();

// The category word of the kind ("AD", "SPELLS", ...), which names its table; and back
// (none for a word that is not one of the kinds'). The word is compared exactly.
const char* BookKindCategory(BookKind kind);
std::optional<BookKind> BookKindFromCategory(std::string_view category);
// The kind of row (record set) that the kind's table holds.
ItemKind BookKindRows(BookKind kind);

// A row of one book: by identifier when one is given, else by name ([ID], compared
// without regard to case).
struct BookReference {
  CString book{};  // "B05"
  std::optional<int32_t> identifier{};
  CString name{};
  std::vector<BookKind> kinds{};  // the kinds to look in; empty: every kind
};

// What the player chooses; each is optional, and a choice that the kind has no use
// for is refused.
struct RecordChoices {
  std::optional<int32_t> level{};        // advantages and super powers; default 1 for a cost per level
  std::optional<double> points{};        // skills: points spent (default 1); advantages: one of the costs listed
  std::optional<CString> description{};  // advantages: the description (the shown name and its bonus)
  std::optional<BookReference>
      variant{};  // advantages: a row of the entry's sub-table (its book: the entry's when empty)
  std::optional<BookReference> skill{};  // advantages: the skill the record modifies (integer key and text key)
  std::optional<int32_t> quantity{};     // items: how many (default 1), all carried
};

// A reference or choice that cannot be followed: the book cannot be read, no row or
// several rows fit, a choice does not fit the row. The message names the book, the
// kind and what was asked, and lists the rows when several fit.
class BookReferenceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The one row that the reference names, with its kind. Throws BookReferenceError.
struct BookRow {
  BookKind kind;
  CReferenceRow row;
};
BookRow FindBookRow(const BookReference& reference);

// The record that the row gives with the choices. Throws BookReferenceError.
std::unique_ptr<CObject> RecordFromRow(const BookRow& row, const RecordChoices& choices);

// FindBookRow, then RecordFromRow.
std::unique_ptr<CObject> RecordFromBook(const BookReference& reference, const RecordChoices& choices);

// What a [Cost] text says: a list of costs to choose from ("10", "5/15/25"), a cost per
// level ("5/level"), or nothing that can be read ("varies", empty).
struct CostText {
  std::vector<double> options;  // empty unless the text lists costs
  std::optional<double> perLevel;
};
CostText ParseCostText(std::string_view text);

}  // namespace zulparvo
