// Database items: what a record asks the search processor for. An item holds the keys
// of one reference row (identifier, category, book code), knows the statements of its
// kind's table and makes the kind's record set and rows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/object.h"
#include "refdb/record_set.h"

namespace zulparvo {

class CReferenceDatabase;

// The base: empty statements, no sub-tables, no record set and no rows. The kinds
// (CDatabaseItem) fill these in.
class DatabaseItem {
 public:
  DatabaseItem() = default;
  DatabaseItem(const DatabaseItem&) = delete;
  DatabaseItem& operator=(const DatabaseItem&) = delete;
  virtual ~DatabaseItem();

  // A row object holding the record set's current row, or none.
  virtual std::optional<CReferenceRow> CreateRow(const CRecordSet& recordSet) const;
  // Statements on the table of the item's category. The identifier and the values are
  // parameters ("?"), never part of the text. All are empty for a category that would
  // not stay one table name (see IsSafeCategory).
  virtual CString SelectStatement() const;
  virtual CString InsertStatement() const;
  virtual CString UpdateStatement() const;
  virtual CString CreateTableStatement() const;
  virtual CString DropTableStatement() const;
  virtual void SetIdentifier(int32_t identifier);
  virtual void SetCategory(CString category);
  virtual void SetBookCode(CString bookCode);
  // True when the table is a sub-table of the item's table.
  virtual bool IsSubTable(const CString& table) const;
  virtual bool AcceptRow(const CRecordSet& recordSet) const;
  virtual CString Title() const;
  virtual CString GetBookCode() const;
  // Makes the kind's record set on the opened database; the item keeps it (and destroys
  // the one it made before). None in the base.
  virtual CRecordSet* CreateRecordSet(CReferenceDatabase& database);

  int32_t GetIdentifier() const { return m_identifier; }
  const CString& GetCategory() const { return m_category; }

 protected:
  std::unique_ptr<CRecordSet> m_recordSet;

 private:
  int32_t m_identifier = 0;
  CString m_category;
  CString m_bookCode;
};

// The kinds of items and the records that build them.
enum class ItemKind {
  Advantage,              // advantages, disadvantages, martial-arts styles
  Armor,                  // armor and barding
  Equipment,              // equipment
  Maneuver,               // maneuvers
  EnhancementLimitation,  // enhancements and limitations
  Skill,                  // skills and languages
  Spell,                  // spells
  SuperPower,             // super powers
  Weapon,                 // melee, ranged and standard weapons
};

inline constexpr ItemKind kAllItemKinds[] = {
    ItemKind::Advantage, ItemKind::Armor, ItemKind::Equipment,  ItemKind::Maneuver, ItemKind::EnhancementLimitation,
    ItemKind::Skill,     ItemKind::Spell, ItemKind::SuperPower, ItemKind::Weapon};

// The record set that items of the kind read.
const RecordSetLayout& RecordSetForKind(ItemKind kind);
// "advantage", "armor", "equipment", "maneuver", "modifier", "skill", "spell",
// "super-power", "weapon"; and back (none for another name).
std::string_view ItemKindName(ItemKind kind);
std::optional<ItemKind> ItemKindFromName(std::string_view name);
// The kind whose records carry the category ("AD" an advantage, "LANGUAGES" a skill,
// ...); none for a category that no kind of record carries (races, professions,
// transportation, sub-tables).
std::optional<ItemKind> ItemKindForCategory(const CString& category);

// An item of one kind.
class CDatabaseItem final : public DatabaseItem {
 public:
  explicit CDatabaseItem(ItemKind kind);

  ItemKind GetKind() const { return m_kind; }

  std::optional<CReferenceRow> CreateRow(const CRecordSet& recordSet) const override;
  CString SelectStatement() const override;
  CString InsertStatement() const override;
  CString UpdateStatement() const override;
  CString CreateTableStatement() const override;
  CString DropTableStatement() const override;
  bool IsSubTable(const CString& table) const override;
  CRecordSet* CreateRecordSet(CReferenceDatabase& database) override;

 private:
  // The bracketed table of the category; empty when the category is not safe.
  CString Table() const;

  ItemKind m_kind;
};

}  // namespace zulparvo
