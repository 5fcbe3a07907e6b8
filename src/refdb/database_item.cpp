#include "refdb/database_item.h"

#include <algorithm>
#include <utility>

#include "refdb/table_names.h"

namespace zulparvo {

namespace {

struct KindInfo {
  ItemKind kind;
  std::string_view name;
  const RecordSetLayout* recordSet;
};

const KindInfo kKinds[] = {
    {ItemKind::Advantage, "advantage", &RS_Advantages_Disadvantages},
    {ItemKind::Armor, "armor", &RS_Armor},
    {ItemKind::Equipment, "equipment", &RS_Equipment},
    {ItemKind::Maneuver, "maneuver", &RS_Maneuvers},
    {ItemKind::EnhancementLimitation, "modifier", &RS_Racial_EnhLim},
    {ItemKind::Skill, "skill", &RS_Skills},
    {ItemKind::Spell, "spell", &RS_Spells},
    {ItemKind::SuperPower, "super-power", &RS_Super_Powers},
    {ItemKind::Weapon, "weapon", &RS_Weapons},
};

const KindInfo& Info(ItemKind kind) {
  return *std::ranges::find(kKinds, kind, &KindInfo::kind);
}

struct CategoryKind {
  std::string_view category;
  ItemKind kind;
};

constexpr CategoryKind kCategoryKinds[] = {
    {"AD", ItemKind::Advantage},
    {"DISAD", ItemKind::Advantage},
    {"RACAD", ItemKind::Advantage},
    {"RACDISAD", ItemKind::Advantage},
    {"SUPER-AD", ItemKind::Advantage},
    {"SUPER-DISAD", ItemKind::Advantage},
    {"MA-STYLE", ItemKind::Advantage},
    {"ARMOR", ItemKind::Armor},
    {"BARDING", ItemKind::Armor},
    {"EQUIPMENT", ItemKind::Equipment},
    {"MANEUVER", ItemKind::Maneuver},
    {"MAS-MANEVUER", ItemKind::Maneuver},
    {"ACROBATIC-MANEUVER", ItemKind::Maneuver},
    {"MANEUVER-CINEMATIC", ItemKind::Maneuver},
    {"MAS-CINEMATIC_MANEUVER", ItemKind::Maneuver},
    {"ENHANCEMENTS", ItemKind::EnhancementLimitation},
    {"LIMITATIONS", ItemKind::EnhancementLimitation},
    {"SKILL", ItemKind::Skill},
    {"LANGUAGES", ItemKind::Skill},
    {"SPELLS", ItemKind::Spell},
    {"SUPER-POWERS", ItemKind::SuperPower},
    {"WEAPONS", ItemKind::Weapon},
};

CString Bracketed(std::string_view name) { return "[" + CString(name) + "]"; }

// "[a], [b], [c]" or, with a suffix, "[a] = ?, [b] = ?".
CString JoinColumns(const std::vector<Column>& columns, const char* suffix = "") {
  CString text;
  for (const Column& column : columns) text += (text.empty() ? "" : ", ") + Bracketed(column.name) + suffix;
  return text;
}

CString ColumnDefinition(const Column& column) {
  const CString name = Bracketed(column.name);
  switch (column.type) {
    case ColumnType::Counter:
      return name + " INTEGER CONSTRAINT " + CString(column.name) + " PRIMARY KEY";
    case ColumnType::Long:
      return name + " INTEGER";
    case ColumnType::YesNo:
      return name + " INTEGER CHECK (" + name + " IN (0, 1))";
    case ColumnType::Text:
      return name + (column.width > 0 ? " TEXT(" + std::to_string(column.width) + ")" : " TEXT");
  }
  return name;
}

}  // namespace

DatabaseItem::~DatabaseItem() = default;

std::optional<CReferenceRow> DatabaseItem::CreateRow(const CRecordSet&) const { return std::nullopt; }
CString DatabaseItem::SelectStatement() const { return {}; }
CString DatabaseItem::InsertStatement() const { return {}; }
CString DatabaseItem::UpdateStatement() const { return {}; }
CString DatabaseItem::CreateTableStatement() const { return {}; }
CString DatabaseItem::DropTableStatement() const { return {}; }
void DatabaseItem::SetIdentifier(int32_t identifier) { m_identifier = identifier; }
void DatabaseItem::SetCategory(CString category) { m_category = std::move(category); }
void DatabaseItem::SetBookCode(CString bookCode) { m_bookCode = std::move(bookCode); }
bool DatabaseItem::IsSubTable(const CString&) const { return false; }
bool DatabaseItem::AcceptRow(const CRecordSet&) const { return true; }
CString DatabaseItem::Title() const { return "All"; }
CString DatabaseItem::GetBookCode() const { return m_bookCode; }
CRecordSet* DatabaseItem::CreateRecordSet(CReferenceDatabase&) { return nullptr; }

const RecordSetLayout& RecordSetForKind(ItemKind kind) { return *Info(kind).recordSet; }

std::string_view ItemKindName(ItemKind kind) { return Info(kind).name; }

std::optional<ItemKind> ItemKindFromName(std::string_view name) {
  const auto* found = std::ranges::find(kKinds, name, &KindInfo::name);
  return found != std::end(kKinds) ? std::optional(found->kind) : std::nullopt;
}

std::optional<ItemKind> ItemKindForCategory(const CString& category) {
  const auto* found = std::ranges::find(kCategoryKinds, category, &CategoryKind::category);
  return found != std::end(kCategoryKinds) ? std::optional(found->kind) : std::nullopt;
}

CDatabaseItem::CDatabaseItem(ItemKind kind) : m_kind(kind) {}

CString CDatabaseItem::Table() const {
  return IsSafeCategory(GetCategory()) ? TableNameForCategory(GetCategory()) : CString();
}

std::optional<CReferenceRow> CDatabaseItem::CreateRow(const CRecordSet& recordSet) const {
  if (recordSet.IsEOF()) return std::nullopt;
  return CReferenceRow(recordSet.GetLayout(), recordSet.GetValues(), GetBookCode());
}

CString CDatabaseItem::SelectStatement() const {
  const CString table = Table();
  return table.empty() ? table : "SELECT * FROM " + table + " WHERE [Identifier] = ?";
}

CString CDatabaseItem::InsertStatement() const {
  const CString table = Table();
  if (table.empty()) return table;
  const std::vector<Column> columns = BoundColumns(RecordSetForKind(m_kind));
  CString parameters;
  for (std::size_t i = 0; i < columns.size(); ++i) parameters += i == 0 ? "?" : ", ?";
  return "INSERT INTO " + table + " (" + JoinColumns(columns) + ") VALUES (" + parameters + ")";
}

CString CDatabaseItem::UpdateStatement() const {
  const CString table = Table();
  if (table.empty()) return table;
  std::vector<Column> columns = BoundColumns(RecordSetForKind(m_kind));
  std::erase_if(columns, [](const Column& column) { return column.type == ColumnType::Counter; });
  return "UPDATE " + table + " SET " + JoinColumns(columns, " = ?") + " WHERE [Identifier] = ?";
}

CString CDatabaseItem::CreateTableStatement() const {
  const CString table = Table();
  if (table.empty()) return table;
  CString definitions;
  for (const Column& column : RecordSetForKind(m_kind).columns) {
    definitions += (definitions.empty() ? "" : ", ") + ColumnDefinition(column);
  }
  return "CREATE TABLE " + table + " (" + definitions + ")";
}

CString CDatabaseItem::DropTableStatement() const {
  const CString table = Table();
  return table.empty() ? table : "DROP TABLE " + table;
}

bool CDatabaseItem::IsSubTable(const CString& table) const { return !table.empty() && table != Table(); }

CRecordSet* CDatabaseItem::CreateRecordSet(CReferenceDatabase& database) {
  m_recordSet.reset();
  m_recordSet = std::make_unique<CRecordSet>(database, RecordSetForKind(m_kind));
  return m_recordSet.get();
}

}  // namespace zulparvo
