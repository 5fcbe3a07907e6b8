#include "refdb/record_set.h"

#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <type_traits>
#include <utility>

#include "refdb/reference_database.h"

namespace zulparvo {

namespace {

// Text width of the tables whose definitions are not fixed by the reference data: the
// length that the record sets bind texts with.
constexpr int kBoundTextWidth = 255;

constexpr Column Counter() { return {"Identifier", ColumnType::Counter}; }
constexpr Column Long(std::string_view name) { return {name, ColumnType::Long}; }
constexpr Column Text(std::string_view name, int width = kBoundTextWidth) { return {name, ColumnType::Text, width}; }
constexpr Column Memo(std::string_view name, bool bound = true) { return {name, ColumnType::Text, 0, bound}; }
constexpr Column YesNo(std::string_view name) { return {name, ColumnType::YesNo}; }

// The advantage and skill tables have fixed definitions; their [Description] is not bound.
constexpr Column kAdvantageColumns[] = {
    Counter(), Text("ID", 50), Text("Sub-ID", 50), Long("Category Identifier"), Text("Cost", 60),
    Text("Page", 50), Long("Style Identifier"), Text("BaseBonus", 10), Text("Sub-Table", 50),
    Memo("Description", false), Long("Sort")};

constexpr Column kArmorColumns[] = {
    Counter(), Text("ID"), Long("Category Identifier"), Text("Cost"), Text("Weight"), Text("Covers"),
    Long("Legality"), Long("Tech Level"), Text("Page"), Long("Style Identifier"), Memo("Description"),
    Long("Equip-Type Identifier"), Text("Sub-Table"), Text("DR"), Text("PD"), Text("Impaling DR"),
    Text("Impaling PD"), YesNo("Add Multiple"), Text("Special")};

constexpr Column kEquipmentColumns[] = {
    Counter(), Text("ID"), Long("Category Identifier"), Text("Cost"), Text("Weight"), Long("Tech Level"),
    Text("Page"), Long("Style Identifier"), Memo("Description"), Long("Equip-Type Identifier"),
    Text("Sub-Table"), YesNo("Add Multiple"), Text("Special")};

constexpr Column kManeuverColumns[] = {
    Text("Base Skill"), YesNo("Can Default"), Long("Category Identifier"), Text("Default Level"),
    Text("Defaults"), Memo("Description"), Text("ID"), Counter(), Long("Maneuver Type Identifier"),
    Text("Page"), Text("Skill Group"), Long("Style Identifier"), Text("Sub-Table"), YesNo("Tech-Level")};

constexpr Column kProfessionColumns[] = {
    Counter(), Text("ID"), Long("Category Identifier"), Text("Monthly Income"), Text("Stereotype"),
    Text("Page"), Text("Prerequisites"), Text("Success Roll"), Text("Critical Failure"),
    Text("18 Critical Failure"), Text("Sub-Table"), Text("KIT Filename"), Memo("Description")};

constexpr Column kRaceColumns[] = {
    Counter(), Text("ID"), Long("Category Identifier"), Text("Cost"), Text("Stereotype"), Text("Page"),
    Text("KIT Filename"), Text("Sub-Table")};

constexpr Column kEnhLimColumns[] = {
    Counter(), Text("ID"), Text("Cost"), Long("Category Identifier"), Long("EnhLim Identifier"),
    Long("Style Identifier"), Text("Sub-ID"), Text("Sub-Table"), YesNo("Sort"), YesNo("Remove List")};

constexpr Column kSkillColumns[] = {
    Counter(), Text("ID", 50), Text("Sub-ID", 50), Text("Skill Group", 50), Long("Category Identifier"),
    Long("Skill Type Identifier"), Text("Defaults", 80), Text("Page", 50), Long("Style Identifier"),
    YesNo("Tech-Level"), Text("Sub-Table", 50), YesNo("Can Default"), Memo("Description", false)};

constexpr Column kSpellColumns[] = {
    Counter(), Text("ID"), Text("College"), Text("Spell Class"), Long("Category Identifier"),
    Long("Skill Type Identifier"), Text("Casting Time"), Text("Casting Cost"), Text("Maintanence Cost"),
    Memo("Notes"), Text("Prerequisite"), Text("Page"), Long("Style Identifier")};

constexpr Column kSuperPowerColumns[] = {
    Counter(), Text("ID"), Text("Skill Group"), Long("Category Identifier"), Long("Skill Type Identifier"),
    Text("Defaults"), Text("Page"), Long("Style Identifier"), YesNo("Tech-Level"), Text("Sub-Table"),
    YesNo("Can Default"), Memo("Description"), Text("BaseBonus"), Text("Power Cost")};

constexpr Column kWeaponColumns[] = {
    Counter(), Text("ID"), Long("Category Identifier"), Text("Damage"), Long("Weapon-Type Identifier"),
    Text("Reach"), Text("SS"), Text("ACC"), Text("1/2Dam"), Text("MaxDam"), Text("Cost"), Text("Weight"),
    Text("Min ST"), Text("Rate of Fire"), Text("Number of Shots"), Text("Recoil"), Long("Legality"),
    Long("Tech Level"), Long("Equip-Type Identifier"), Text("Page"), Long("Style Identifier"),
    Memo("Description"), Text("Sub-Table"), YesNo("Add Multiple"), Text("Special")};

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// A 64-bit database integer as a 32-bit LONG, brought into range.
int32_t ToLong(sqlite3_int64 value) {
  return static_cast<int32_t>(std::clamp<sqlite3_int64>(value, std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max()));
}

}  // namespace

const RecordSetLayout RS_Advantages_Disadvantages{"RS_Advantages_Disadvantages", "[Advantages]", kAdvantageColumns};
const RecordSetLayout RS_Armor{"RS_Armor", "[Armor]", kArmorColumns};
const RecordSetLayout RS_Equipment{"RS_Equipment", "[Equipment]", kEquipmentColumns};
const RecordSetLayout RS_Maneuvers{"RS_Maneuvers", "[Skills-Maneuvers]", kManeuverColumns};
const RecordSetLayout RS_Profession{"RS_Profession", "[Professions]", kProfessionColumns};
const RecordSetLayout RS_Race{"RS_Race", "[Races]", kRaceColumns};
const RecordSetLayout RS_Racial_EnhLim{"RS_Racial_EnhLim", "[Flight]", kEnhLimColumns};
const RecordSetLayout RS_Skills{"RS_Skills", "[Skills]", kSkillColumns};
const RecordSetLayout RS_Spells{"RS_Spells", "[Spells]", kSpellColumns};
const RecordSetLayout RS_Super_Powers{"RS_Super_Powers", "[Super Powers]", kSuperPowerColumns};
const RecordSetLayout RS_Weapons{"RS_Weapons", "[Weapons]", kWeaponColumns};

std::vector<Column> BoundColumns(const RecordSetLayout& layout) {
  std::vector<Column> bound;
  std::ranges::copy_if(layout.columns, std::back_inserter(bound), &Column::bound);
  return bound;
}

CReferenceRow::CReferenceRow(const RecordSetLayout& layout, std::vector<FieldValue> values, CString bookCode)
    : m_layout(&layout), m_values(std::move(values)), m_bookCode(std::move(bookCode)) {}

const FieldValue* CReferenceRow::Find(std::string_view column) const {
  std::size_t index = 0;
  for (const Column& candidate : m_layout->columns) {
    if (!candidate.bound) continue;
    if (candidate.name == column) return index < m_values.size() ? &m_values[index] : nullptr;
    ++index;
  }
  return nullptr;
}

int32_t CReferenceRow::GetLong(std::string_view column) const {
  const FieldValue* value = Find(column);
  return value != nullptr && std::holds_alternative<int32_t>(*value) ? std::get<int32_t>(*value) : 0;
}

const CString& CReferenceRow::GetText(std::string_view column) const {
  static const CString kEmpty;
  const FieldValue* value = Find(column);
  return value != nullptr && std::holds_alternative<CString>(*value) ? std::get<CString>(*value) : kEmpty;
}

bool CReferenceRow::GetYesNo(std::string_view column) const {
  const FieldValue* value = Find(column);
  return value != nullptr && std::holds_alternative<bool>(*value) && std::get<bool>(*value);
}

CRecordSet::CRecordSet(CReferenceDatabase& database, const RecordSetLayout& layout)
    : m_database(&database), m_layout(&layout) {}

CRecordSet::~CRecordSet() { Close(); }

bool CRecordSet::Fail() {
  if (m_error.empty() && m_database->IsOpen()) {
    m_error = sqlite3_errmsg(m_database->GetHandle());
    m_errorCode = sqlite3_errcode(m_database->GetHandle());
  }
  Close();
  return false;
}

bool CRecordSet::Open(const CString& query, const std::vector<FieldValue>& parameters) {
  Close();
  m_error.clear();
  m_errorCode = SQLITE_ERROR;
  if (!m_database->IsOpen()) {
    m_error = "the database is not open";
    return false;
  }
  if (sqlite3_prepare_v2(m_database->GetHandle(), query.data(), static_cast<int>(query.size()), &m_statement,
                         nullptr) != SQLITE_OK ||
      m_statement == nullptr) {
    return Fail();
  }
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    const int status = std::visit(
        [&](const auto& value) {
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, CString>) {
            return sqlite3_bind_text64(m_statement, index, value.data(), value.size(), SQLITE_TRANSIENT,
                                       SQLITE_UTF8);
          } else {
            return sqlite3_bind_int64(m_statement, index, static_cast<sqlite3_int64>(value));
          }
        },
        parameters[i]);
    if (status != SQLITE_OK) return Fail();
  }
  const int resultCount = sqlite3_column_count(m_statement);
  for (const Column& column : BoundColumns(*m_layout)) {
    int found = -1;
    for (int i = 0; i < resultCount && found < 0; ++i) {
      const char* name = sqlite3_column_name(m_statement, i);
      if (name != nullptr && SameName(name, column.name)) found = i;
    }
    if (found < 0) {
      m_error = "no such column: " + CString(column.name);
      return Fail();
    }
    m_bindings.push_back({found, column.type});
  }
  return Step();
}

bool CRecordSet::MoveNext() { return IsOpen() && Step(); }

bool CRecordSet::Step() {
  const int status = sqlite3_step(m_statement);
  m_hasRow = status == SQLITE_ROW;
  if (!m_hasRow) return status == SQLITE_DONE || Fail();
  m_values.clear();
  for (const auto& [result, type] : m_bindings) {
    switch (type) {
      case ColumnType::Counter:
      case ColumnType::Long:
        m_values.emplace_back(ToLong(sqlite3_column_int64(m_statement, result)));
        break;
      case ColumnType::YesNo:
        m_values.emplace_back(sqlite3_column_int64(m_statement, result) != 0);
        break;
      case ColumnType::Text: {
        // Texts are taken byte for byte: they are the 8-bit texts of the records.
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, result));
        const int size = sqlite3_column_bytes(m_statement, result);
        m_values.emplace_back(bytes != nullptr ? CString(bytes, static_cast<std::size_t>(size)) : CString());
        break;
      }
    }
  }
  return true;
}

void CRecordSet::Close() {
  sqlite3_finalize(m_statement);
  m_statement = nullptr;
  m_bindings.clear();
  m_values.clear();
  m_hasRow = false;
}

}  // namespace zulparvo
