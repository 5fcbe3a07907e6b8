#include "model/skill_base.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "base/utilities.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"
#include "refdb/search_processor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Base, CZULBaseObject, 0)

namespace {

// Indexed by skill type - 1.
constexpr std::array<std::string_view, 29> kDifficultyCodes = {
    "PE",  "PA",  "PH",  "ME",   "MA",  "MH",  "MVH", "HPE", "HPA", "HPH",
    "HME", "HMA", "HMH", "HMVH", "SPE", "SPA", "SPH", "PME", "PMA", "PMH",
    "PMVH", "SME", "SMA", "SMH", "SMVH", "HRD", "AVG", "FRE", "SPC"};
constexpr std::string_view kNoDifficulty = "NONE";

std::string_view DifficultyCode(int32_t skillType) {
  return skillType >= 1 && skillType <= static_cast<int32_t>(kDifficultyCodes.size())
             ? kDifficultyCodes[static_cast<std::size_t>(skillType - 1)]
             : kNoDifficulty;
}

enum class Attribute { None, ST, DX, IQ, HT };

// The attribute that a difficulty code names, and the code that then selects the row
// of the level table.
struct Difficulty {
  Attribute attribute = Attribute::None;
  std::string_view code;
  bool mental = false;
};

Difficulty Resolve(int32_t skillType) {
  const std::string_view code = DifficultyCode(skillType);
  if (code == "HRD" || code == "SPC") return {Attribute::None, code, false};
  const std::string_view rest = code.substr(1);
  switch (code.front()) {
    case 'P':
      return rest.starts_with('M') ? Difficulty{Attribute::DX, rest, true} : Difficulty{Attribute::DX, code, false};
    case 'M':
      return {Attribute::IQ, code, true};
    case 'H':
      return {Attribute::HT, rest, rest.starts_with('M')};
    case 'S':
      return {Attribute::ST, rest, rest.starts_with('M')};
    default:
      return {Attribute::None, code, false};
  }
}

int AttributeValue(Attribute attribute, int st, int dx, int iq, int ht) {
  switch (attribute) {
    case Attribute::ST: return st;
    case Attribute::DX: return dx;
    case Attribute::IQ: return iq;
    case Attribute::HT: return ht;
    case Attribute::None: break;
  }
  return 0;
}

// The points that the tables are read with: a mental skill counts double in mode 1 and
// four times in mode 2.
double EffectivePoints(double points, int mode, bool mental) {
  if (!mental) return points;
  if (mode == 1) return points * 2.0;
  if (mode == 2) return points * 4.0;
  return points;
}

// The whole part of the points. Points out of the range of an integer (a damaged file
// can hold any real, infinities and not-a-number included) are brought into it first.
int64_t WholePoints(double points) {
  if (std::isnan(points)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int64_t>(std::clamp(points, kLow, kHigh));
}

constexpr std::array<double, 4> kListedPoints = {0.5, 1.0, 2.0, 4.0};

// One code of the level table. At the listed points (0.5, 1, 2, 4) the level is the
// attribute plus the listed offset; from the threshold on it is the attribute plus the
// whole points div divisor plus offset, which overrides a listed value. Points that match
// nothing give level 0. Codes with steps also give the relative level and the step count
// (from the step threshold on: whole points div divisor plus the step offset).
struct LevelRow {
  std::string_view code;
  std::array<std::optional<int>, 4> atListedPoints;
  double threshold;
  int divisor;
  int offset;
  bool hasSteps;
  double stepThreshold;
  int stepOffset;
};

constexpr std::optional<int> kUnlisted;
constexpr std::array<LevelRow, 9> kLevelTable = {{
    {"PE", {-1, 0, 1, 2}, 4.0, 8, 2, true, 4.0, 4},
    {"PA", {-2, -1, 0, 1}, 4.0, 8, 1, true, 4.0, 4},
    {"PH", {-3, -2, -1, 0}, 4.0, 8, 0, true, 4.0, 4},
    {"ME", {-1, 0, kUnlisted, kUnlisted}, 1.0, 2, 0, true, 2.0, 2},
    {"MA", {-2, -1, kUnlisted, kUnlisted}, 1.0, 2, -1, true, 2.0, 2},
    {"MH", {-3, -2, kUnlisted, kUnlisted}, 1.0, 2, -2, true, 2.0, 2},
    {"MVH", {-4, -3, -2, kUnlisted}, 2.0, 4, -2, true, 2.0, 3},
    {"AVG", {1, 2, kUnlisted, kUnlisted}, 1.0, 2, 2, false, 0.0, 0},
    {"HRD", {kUnlisted, 1, kUnlisted, kUnlisted}, 1.0, 2, 1, false, 0.0, 0},
}};

const LevelRow* FindRow(std::string_view code) {
  for (const LevelRow& row : kLevelTable) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

int64_t LevelFromRow(const LevelRow& row, int64_t attribute, double points) {
  int64_t level = 0;
  for (std::size_t i = 0; i < kListedPoints.size(); ++i) {
    if (row.atListedPoints[i] && points == kListedPoints[i]) level = attribute + *row.atListedPoints[i];
  }
  if (points >= row.threshold) level = attribute + WholePoints(points) / row.divisor + row.offset;
  return level;
}

struct SkillGroup {
  const char* name;
  int bit;
};

// Tested in this order, each as a substring of the group text; bit 21 is not assigned.
constexpr SkillGroup kSkillGroups[] = {
    {"ANIMAL", 0}, {"ARTISTIC", 1}, {"ATHLETIC", 2}, {"COMBAT-WEAPON", 3},
    {"CRAFT", 4}, {"CRAFT-NONMETAL", 5}, {"CRAFT-METAL", 6}, {"HOBBY", 7},
    {"LANGUAGE", 8}, {"MAGICAL", 9}, {"MEDICAL", 10}, {"OUTDOOR", 11},
    {"PROFESSIONAL", 12}, {"PSIONIC", 13}, {"SCIENTIFIC-HARD", 14}, {"SCIENTIFIC-SOFT", 15},
    {"SOCIAL", 16}, {"THIEF-SPY", 17}, {"VEHICLE", 18}, {"OCCULT-MAGIC", 19},
    {"SPELL", 20}, {"ESOTERIC", 22}, {"KNOWLEDGE", 23}, {"MILITARY", 24},
    {"CW-MELEE", 25}, {"CW-RANGED", 26}, {"CW-BLOCK", 27}, {kForceSkillGroupName, 28},
};

}  // namespace

CString CChar_Skill_Base::GetDifficultyCode(int32_t skillType) { return CString(DifficultyCode(skillType)); }

void CChar_Skill_Base::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("identifier", m_identifier);
  visitor.Real("points", m_points);
  visitor.Real("saved_points", m_savedPoints);
  visitor.Integer("level", m_level);
  visitor.Text("name", m_name);
  visitor.Integer("skill_type", m_skillType);
  visitor.Integer("bonus", m_bonus);
  visitor.Text("book_code", m_bookCode);
  visitor.Integer("groups", m_groups);
  visitor.Integer("integer_1", m_integer1);
  visitor.Text("text_1", m_text1);
  visitor.Text("text_2", m_text2);
}

CString CChar_Skill_Base::GetType() const { return kTagSkill; }

void CChar_Skill_Base::ComputeLevel(int mode, int st, int dx, int iq, int ht) {
  ComputeLevelFromPoints(m_points, mode, st, dx, iq, ht);
}

void CChar_Skill_Base::ComputeLevelFromPoints(double points, int mode, int st, int dx, int iq, int ht) {
  m_bonus = 0;
  const Difficulty difficulty = Resolve(m_skillType);
  const LevelRow* row = FindRow(difficulty.code);
  const double effective = EffectivePoints(points, mode, difficulty.mental);
  m_level = row != nullptr
                ? Saturate(LevelFromRow(*row, AttributeValue(difficulty.attribute, st, dx, iq, ht), effective))
                : 0;
}

int CChar_Skill_Base::GetRelativeLevel(int mode) const {
  const Difficulty difficulty = Resolve(m_skillType);
  const LevelRow* row = FindRow(difficulty.code);
  if (row == nullptr || !row->hasSteps) return 0;
  return Saturate(LevelFromRow(*row, 0, EffectivePoints(m_points, mode, difficulty.mental)));
}

int CChar_Skill_Base::GetStepCount(int mode) const {
  const Difficulty difficulty = Resolve(m_skillType);
  const double points = EffectivePoints(m_points, mode, difficulty.mental);
  // The first steps are the same for every code: 0, 0.5, 1 and 2 points.
  constexpr std::array<double, 4> kFirstSteps = {0.0, 0.5, 1.0, 2.0};
  for (std::size_t step = 0; step < kFirstSteps.size(); ++step) {
    if (points == kFirstSteps[step]) return static_cast<int>(step);
  }
  const LevelRow* row = FindRow(difficulty.code);
  if (row == nullptr || !row->hasSteps || !(points >= row->stepThreshold)) return 0;
  return Saturate(WholePoints(points) / row->divisor + row->stepOffset);
}

int CChar_Skill_Base::GetTotalLevel() const { return Saturate(int64_t{m_level} + m_bonus); }

void CChar_Skill_Base::Restore() { m_points = m_savedPoints; }

CString CChar_Skill_Base::GetDisplayName() {
  if (m_displayName->empty()) *m_displayName = m_name.empty() ? LookupName() : m_name;
  return *m_displayName;
}

CString CChar_Skill_Base::LookupName() {
  const ReferenceTable table = GetReferenceTable();
  const ReferenceKeys keys =
      m_integer1 != 0 ? ReferenceKeys{m_integer1, m_text2, m_text1.empty() ? table.category : m_text1}
                      : ReferenceKeys{m_identifier, m_bookCode, table.category};
  const std::optional<CReferenceRow> row = LookupFirstRow(table.kind, keys);
  if (!row) return {};
  TakeReferenceRow(*row);
  return row->GetName();
}

CChar_Skill_Base::ReferenceTable CChar_Skill_Base::GetReferenceTable() const { return {ItemKind::Skill, "SKILL"}; }

void CChar_Skill_Base::TakeReferenceRow(const CReferenceRow& row) { FillGroupsFromText(row.GetText("Skill Group")); }

void CChar_Skill_Base::FillGroupsFromText(const CString& groupText) {
  for (const SkillGroup& group : kSkillGroups) {
    if (StringIn(group.name, groupText) != 0) m_groups |= int32_t{1} << group.bit;
  }
}

int32_t CChar_Skill_Base::Saturate(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace zulparvo
