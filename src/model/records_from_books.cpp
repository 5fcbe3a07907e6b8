#include "model/records_from_books.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/text_encoding.h"
#include "base/utilities.h"
#include "model/ad_disad.h"
#include "model/equipment_armor.h"
#include "model/equipment_barding.h"
#include "model/equipment_base.h"
#include "model/equipment_melee_ranged_weapon.h"
#include "model/equipment_melee_weapon.h"
#include "model/equipment_ranged_weapon.h"
#include "model/equipment_standard_weapon.h"
#include "model/skill_default_language.h"
#include "model/skill_maneuver.h"
#include "model/skill_spell.h"
#include "model/skill_super_power.h"
#include "refdb/book_catalog.h"
#include "refdb/table_names.h"

namespace zulparvo {

namespace {

struct KindInfo {
  BookKind kind;
  const char* category;
  ItemKind rows;
};

constexpr std::array<KindInfo, 15> kKinds{{
    {BookKind::Advantage, "AD", ItemKind::Advantage},
    {BookKind::Disadvantage, "DISAD", ItemKind::Advantage},
    {BookKind::RacialAdvantage, "RACAD", ItemKind::Advantage},
    {BookKind::RacialDisadvantage, "RACDISAD", ItemKind::Advantage},
    {BookKind::SuperAdvantage, "SUPER-AD", ItemKind::Advantage},
    {BookKind::SuperDisadvantage, "SUPER-DISAD", ItemKind::Advantage},
    {BookKind::Skill, "SKILL", ItemKind::Skill},
    {BookKind::Spell, "SPELLS", ItemKind::Spell},
    {BookKind::Language, "LANGUAGES", ItemKind::Skill},
    {BookKind::Maneuver, "MANEUVER", ItemKind::Maneuver},
    {BookKind::SuperPower, "SUPER-POWERS", ItemKind::SuperPower},
    {BookKind::Equipment, "EQUIPMENT", ItemKind::Equipment},
    {BookKind::Armor, "ARMOR", ItemKind::Armor},
    {BookKind::Barding, "BARDING", ItemKind::Armor},
    {BookKind::Weapon, "WEAPONS", ItemKind::Weapon},
}};

constexpr std::array kAllKinds = [] {
  std::array<BookKind, kKinds.size()> kinds{};
  for (std::size_t i = 0; i < kKinds.size(); ++i) kinds[i] = kKinds[i].kind;
  return kinds;
}();

const KindInfo& Info(BookKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

enum class Family { Advantage, Skill, Item };

Family FamilyOf(BookKind kind) {
  if (kind <= BookKind::SuperDisadvantage) return Family::Advantage;
  return kind <= BookKind::SuperPower ? Family::Skill : Family::Item;
}

[[noreturn]] void Refuse(const std::string& what) { throw BookReferenceError(what); }

std::string Utf8(std::string_view text) { return BytesToUtf8(text); }

// "named "Staffplay"" or "with identifier 61".
std::string Asked(const BookReference& reference) {
  if (reference.identifier) return "with identifier " + std::to_string(*reference.identifier);
  return "named \"" + Utf8(reference.name) + "\"";
}

// "B05 SKILL 61 Staffplay".
std::string RowText(const CString& category, const CReferenceRow& row) {
  return Utf8(row.GetBookCode()) + " " + Utf8(category) + " " + std::to_string(row.GetLong("Identifier")) + " " +
         Utf8(row.GetName());
}

void CheckBook(const CString& book) {
  if (book.empty()) Refuse("no book given: name one by its code, such as B05");
}

void CheckOpen(const CBookCatalog& catalog) {
  if (!catalog.IsOpen()) Refuse(Utf8(catalog.Status().book) + ": " + Utf8(BookProblem(catalog.Status())));
}

// The rows of one table that the reference names; a variant's name may also be its
// [Sub-ID]. None when the table cannot be read.
std::optional<std::vector<CReferenceRow>> MatchingRows(CBookCatalog& catalog, ItemKind rows, const CString& category,
                                                       const BookReference& reference, bool bySubName, CString& error) {
  if (reference.identifier) return catalog.RowsWithIdentifier(rows, category, *reference.identifier, error);
  return catalog.Rows(rows, category, error, [&](const CReferenceRow& row) {
    return SameEntryName(row.GetName(), reference.name) ||
           (bySubName && SameEntryName(row.GetText("Sub-ID"), reference.name));
  });
}

// "; did you mean Honeyvoice Charm (AD 42)?" for the rows whose names contain the
// asked name; empty when there are none.
std::string Suggestions(CBookCatalog& catalog, std::span<const BookKind> kinds, const CString& name) {
  constexpr std::size_t kMostShown = 5;
  std::vector<std::string> found;
  for (const BookKind kind : kinds) {
    CString error;
    const auto rows = catalog.Rows(Info(kind).rows, Info(kind).category, error,
                                   [&](const CReferenceRow& row) { return EntryNameContains(row.GetName(), name); });
    for (const CReferenceRow& row : rows.value_or(std::vector<CReferenceRow>{})) {
      found.push_back(Utf8(row.GetName()) + " (" + Info(kind).category + " " +
                      std::to_string(row.GetLong("Identifier")) + ")");
    }
  }
  if (found.empty() || name.empty()) return {};
  std::string text = "; did you mean ";
  for (std::size_t i = 0; i < std::min(found.size(), kMostShown); ++i) text += (i == 0 ? "" : ", ") + found[i];
  return text + (found.size() > kMostShown ? ", ...?" : "?");
}

void CheckNamed(const BookReference& reference) {
  if (!reference.identifier && reference.name.empty()) {
    Refuse(Utf8(reference.book) + ": give the name or the identifier of the entry");
  }
}

// --- advantages ---------------------------------------------------------------------

std::optional<double> ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Number(double value) { return Utf8(DoubletoString(value, value == std::trunc(value) ? 0 : 1, 1, 0)); }

// The variant row of the entry's sub-table that the choice names.
CReferenceRow FindVariant(const BookRow& entry, const BookReference& choice) {
  const CString& subTable = entry.row.GetText("Sub-Table");
  const std::string what = RowText(Info(entry.kind).category, entry.row);
  if (subTable.empty()) Refuse(what + " has no variants (its row names no sub-table)");
  BookReference reference = choice;
  if (reference.book.empty()) reference.book = entry.row.GetBookCode();
  CheckNamed(reference);
  CheckBook(reference.book);
  CBookCatalog catalog(reference.book);
  CheckOpen(catalog);
  CString error;
  const auto rows = MatchingRows(catalog, ItemKind::Advantage, subTable, reference, true, error);
  const std::string where = Utf8(reference.book) + " " + Utf8(TableNameForCategory(subTable));
  if (!rows) Refuse(what + ": cannot read the variants in " + where + ": " + Utf8(error));
  if (rows->empty()) Refuse(what + ": " + where + " has no variant " + Asked(reference));
  if (rows->size() > 1) {
    std::string list;
    for (const CReferenceRow& row : *rows) list += (list.empty() ? "" : ", ") + RowText(subTable, row);
    Refuse(what + ": several variants are " + Asked(reference) + ": " + list + "; give the identifier");
  }
  return rows->front();
}

// The base cost and cost per level that the cost text gives with the choices.
void ChooseCost(CChar_Ad_Disad& record, const std::string& what, const CString& costText,
                const RecordChoices& choices) {
  const CostText cost = ParseCostText(costText);
  if (cost.perLevel) {
    if (choices.points) Refuse(what + " costs " + Number(*cost.perLevel) + " per level: give a level, not points");
    const int32_t level = choices.level.value_or(1);
    record.SetLevel(level);
    record.SetCostPerLevel(*cost.perLevel);
    record.SetBaseCost(*cost.perLevel * level);
  } else if (!cost.options.empty()) {
    if (choices.points && std::ranges::find(cost.options, *choices.points) == cost.options.end()) {
      std::string listed;
      for (const double option : cost.options) listed += (listed.empty() ? "" : ", ") + Number(option);
      Refuse(what + " costs one of " + listed + ", not " + Number(*choices.points));
    }
    record.SetBaseCost(choices.points.value_or(cost.options.front()));
  } else {
    if (!choices.points) {
      Refuse(what + ": the book gives its cost as \"" + Utf8(costText) + "\"; give the cost as points");
    }
    record.SetBaseCost(*choices.points);
  }
  if (choices.level && !cost.perLevel) record.SetLevel(*choices.level);
  record.RecomputeCost();
}

std::unique_ptr<CObject> AdvantageFromRow(const BookRow& entry, const RecordChoices& choices, const std::string& what) {
  if (choices.quantity) Refuse(what + ": a quantity is for items");
  int32_t skillIdentifier = 0;
  CString skillBook;
  if (choices.skill) {
    BookReference skill = *choices.skill;
    if (skill.kinds.empty()) skill.kinds = {SkillBookKinds().begin(), SkillBookKinds().end()};
    const BookRow found = FindBookRow(skill);
    skillIdentifier = found.row.GetLong("Identifier");
    skillBook = found.row.GetBookCode();
  }
  auto record =
      std::make_unique<CChar_Ad_Disad>(entry.row.GetLong("Identifier"), 0.0, choices.description.value_or(""),
                                       entry.row.GetBookCode(), skillIdentifier, skillBook, Info(entry.kind).category);
  CString costText = entry.row.GetText("Cost");
  if (choices.variant) {
    const CReferenceRow variant = FindVariant(entry, *choices.variant);
    record->SetSubEntry(variant.GetLong("Identifier"), entry.row.GetText("Sub-Table"), variant.GetBookCode());
    if (!Trimmed(variant.GetText("Cost")).empty()) costText = variant.GetText("Cost");
  }
  ChooseCost(*record, what, costText, choices);
  return record;
}

// --- skills -------------------------------------------------------------------------

// The first skill of the book that the maneuver's [Base Skill] names.
std::optional<CReferenceRow> BaseSkill(const CReferenceRow& maneuver) {
  const CString& name = maneuver.GetText("Base Skill");
  if (name.empty()) return std::nullopt;
  CBookCatalog catalog(maneuver.GetBookCode());
  CString error;
  auto rows = catalog.Rows(ItemKind::Skill, "SKILL", error,
                           [&](const CReferenceRow& row) { return SameEntryName(row.GetName(), name); });
  if (!rows || rows->empty()) return std::nullopt;
  return std::move(rows->front());
}

std::unique_ptr<CChar_Skill_Base> MakeSkill(const BookRow& entry, const RecordChoices& choices) {
  const CReferenceRow& row = entry.row;
  switch (entry.kind) {
    case BookKind::Spell: {
      auto spell = std::make_unique<CChar_Skill_Spell>();
      spell->SetCollegeText(row.GetText("College"));
      return spell;
    }
    case BookKind::Language:
      return std::make_unique<CChar_Skill_DefaultLanguage>();
    case BookKind::Maneuver: {
      auto maneuver = std::make_unique<CChar_Skill_Maneuver>();
      maneuver->SetSkillType(row.GetLong("Maneuver Type Identifier"));
      maneuver->SetDefaultSource(row.GetText("Base Skill"));
      maneuver->SetDefaultModifier(static_cast<int32_t>(StringtoLong(row.GetText("Default Level"))));
      if (const auto base = BaseSkill(row)) {
        maneuver->SetDefaultSourceIdentifier(base->GetLong("Identifier"));
        maneuver->SetDefaultText1(base->GetBookCode());
        maneuver->SetDefaultText2("SKILL");
      }
      return maneuver;
    }
    case BookKind::SuperPower: {
      auto power = std::make_unique<CChar_Skill_SuperPower>();
      const CostText cost = ParseCostText(row.GetText("Power Cost"));
      const double perLevel = cost.perLevel.value_or(0.0);
      power->SetPowerLevel(choices.level.value_or(1));
      power->SetCostPerLevel(perLevel);
      power->SetFirstLevelCost(cost.perLevel ? perLevel : (cost.options.empty() ? 0.0 : cost.options.front()));
      power->RecomputeCost();
      return power;
    }
    default:
      return std::make_unique<CChar_Skill_Base>();
  }
}

std::unique_ptr<CObject> SkillFromRow(const BookRow& entry, const RecordChoices& choices, const std::string& what) {
  if (choices.description || choices.variant || choices.skill || choices.quantity) {
    Refuse(what + ": a skill takes points" + std::string(entry.kind == BookKind::SuperPower ? " and a level" : "") +
           ", nothing else");
  }
  if (choices.level && entry.kind != BookKind::SuperPower) {
    Refuse(what + ": a skill's level follows from its points; give points");
  }
  const double points = choices.points.value_or(1.0);
  if (!(points >= 0.0) || !std::isfinite(points)) Refuse(what + ": points must be 0 or more");
  std::unique_ptr<CChar_Skill_Base> skill = MakeSkill(entry, choices);
  skill->SetIdentifier(entry.row.GetLong("Identifier"));
  skill->SetBookCode(entry.row.GetBookCode());
  skill->SetPoints(points);
  if (entry.kind != BookKind::Maneuver) skill->SetSkillType(entry.row.GetLong("Skill Type Identifier"));
  skill->FillGroupsFromText(entry.row.GetText("Skill Group"));
  return skill;
}

// --- items --------------------------------------------------------------------------

// A weapon with a reach is for melee, one with accuracy or a shot range for ranged
// combat, one with both for either; one with neither is a standard weapon.
std::unique_ptr<CChar_Equipment_Base> MakeWeapon(const CReferenceRow& row) {
  const bool melee = !Trimmed(row.GetText("Reach")).empty();
  const bool ranged = !Trimmed(row.GetText("ACC")).empty() || !Trimmed(row.GetText("SS")).empty();
  if (melee && ranged) return std::make_unique<CChar_Equipment_MeleeRangedWeapon>();
  if (melee) return std::make_unique<CChar_Equipment_MeleeWeapon>();
  if (ranged) return std::make_unique<CChar_Equipment_RangedWeapon>();
  return std::make_unique<CChar_Equipment_StandardWeapon>();
}

std::unique_ptr<CObject> ItemFromRow(const BookRow& entry, const RecordChoices& choices, const std::string& what) {
  if (choices.level || choices.points || choices.description || choices.variant || choices.skill) {
    Refuse(what + ": an item takes a quantity, nothing else");
  }
  const int32_t quantity = choices.quantity.value_or(1);
  if (quantity < 0) Refuse(what + ": the quantity must be 0 or more");
  std::unique_ptr<CChar_Equipment_Base> item;
  switch (entry.kind) {
    case BookKind::Armor:
      item = std::make_unique<CChar_Equipment_Armor>();
      break;
    case BookKind::Barding:
      item = std::make_unique<CChar_Equipment_Barding>();
      break;
    case BookKind::Weapon:
      item = MakeWeapon(entry.row);
      break;
    default:
      item = std::make_unique<CChar_Equipment_Base>();
      break;
  }
  item->SetIdentifier(entry.row.GetLong("Identifier"));
  item->SetName(entry.row.GetName());
  item->SetWeight(StringtoDouble(entry.row.GetText("Weight")));
  item->SetQuantity(quantity);
  item->SetCarriedQuantity(quantity);
  return item;
}

}  // namespace

std::span<const BookKind> AllBookKinds() { return kAllKinds; }
std::span<const BookKind> AdvantageBookKinds() { return std::span(kAllKinds).subspan(0, 6); }
std::span<const BookKind> SkillBookKinds() { return std::span(kAllKinds).subspan(6, 5); }
std::span<const BookKind> ItemBookKinds() { return std::span(kAllKinds).subspan(11); }

const char* BookKindCategory(BookKind kind) { return Info(kind).category; }

std::optional<BookKind> BookKindFromCategory(std::string_view category) {
  const auto* found = std::ranges::find(kKinds, category, &KindInfo::category);
  return found != kKinds.end() ? std::optional(found->kind) : std::nullopt;
}

ItemKind BookKindRows(BookKind kind) { return Info(kind).rows; }

CostText ParseCostText(std::string_view text) {
  text = Trimmed(text);
  constexpr std::string_view kPerLevel = "/level";
  CostText cost;
  if (text.size() > kPerLevel.size() && SameEntryName(text.substr(text.size() - kPerLevel.size()), kPerLevel)) {
    cost.perLevel = ParseNumber(Trimmed(text.substr(0, text.size() - kPerLevel.size())));
    return cost;
  }
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t slash = std::min(text.find('/', start), text.size());
    const std::optional<double> option = ParseNumber(Trimmed(text.substr(start, slash - start)));
    if (!option) return {};
    cost.options.push_back(*option);
    start = slash + 1;
  }
  return cost;
}

BookRow FindBookRow(const BookReference& reference) {
  CheckBook(reference.book);
  CheckNamed(reference);
  CBookCatalog catalog(reference.book);
  CheckOpen(catalog);
  const std::span<const BookKind> kinds = reference.kinds.empty() ? AllBookKinds() : reference.kinds;
  const std::string where = kinds.size() == 1 ? std::string(Info(kinds.front()).category) : std::string("entry");
  std::vector<BookRow> found;
  for (const BookKind kind : kinds) {
    CString error;
    auto rows = MatchingRows(catalog, Info(kind).rows, Info(kind).category, reference, false, error);
    if (!rows && kinds.size() == 1) {
      Refuse(Utf8(reference.book) + ": cannot read the table " + Utf8(TableNameForCategory(Info(kind).category)) +
             ": " + Utf8(error));
    }
    for (CReferenceRow& row : rows.value_or(std::vector<CReferenceRow>{})) found.push_back({kind, std::move(row)});
  }
  if (found.empty()) {
    Refuse(Utf8(reference.book) + " has no " + where + " " + Asked(reference) +
           (reference.identifier ? "" : Suggestions(catalog, kinds, reference.name)));
  }
  if (found.size() > 1) {
    std::string list;
    for (const BookRow& row : found) list += (list.empty() ? "" : ", ") + RowText(Info(row.kind).category, row.row);
    const bool oneKind = std::ranges::all_of(found, [&](const BookRow& row) { return row.kind == found[0].kind; });
    Refuse(Utf8(reference.book) + " has several entries " + Asked(reference) + ": " + list + "; give the " +
           (oneKind ? "identifier" : "kind"));
  }
  return std::move(found.front());
}

std::unique_ptr<CObject> RecordFromRow(const BookRow& row, const RecordChoices& choices) {
  const std::string what = RowText(Info(row.kind).category, row.row);
  switch (FamilyOf(row.kind)) {
    case Family::Advantage:
      return AdvantageFromRow(row, choices, what);
    case Family::Skill:
      return SkillFromRow(row, choices, what);
    case Family::Item:
      return ItemFromRow(row, choices, what);
  }
  return nullptr;
}

std::unique_ptr<CObject> RecordFromBook(const BookReference& reference, const RecordChoices& choices) {
  return RecordFromRow(FindBookRow(reference), choices);
}

}  // namespace zulparvo
