// CChar_Skill_Base: a skill on a character, and the root of the skill family (defaults,
// maneuvers, rituals, languages, martial-arts skills, spells, super powers).
//
// A skill's level follows from the points spent in it, its difficulty code and the
// character's attributes by one fixed table. Special calculations add to its bonus
// after the level has been computed.
#pragma once

#include <cstdint>
#include <utility>

#include "model/base_object.h"
#include "refdb/database_item.h"

namespace zulparvo {

// The group text of the force skills; it must match the group texts of the reference data.
inline constexpr const char* kForceSkillGroupName = "FORCE";
inline constexpr int32_t kForceSkillGroupMask = 1 << 28;

class CChar_Skill_Base : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Skill_Base)

 public:
  static constexpr int32_t kClassVersion = 1;

  // The difficulty code of a skill type: 1 "PE" ... 29 "SPC"; any other type "NONE".
  static CString GetDifficultyCode(int32_t skillType);

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // Sets the bonus to 0 and the level from the points, the difficulty code and the
  // controlling attribute. Mode 1 doubles and mode 2 quadruples the points of a mental
  // skill for the computation.
  virtual void ComputeLevel(int mode, int st, int dx, int iq, int ht);
  // The level that the points give over the controlling attribute.
  virtual int GetRelativeLevel(int mode) const;
  // How many steps of the cost progression the points have bought.
  virtual int GetStepCount(int mode) const;
  virtual int GetTotalLevel() const;
  // Puts the saved points back into the points.
  virtual void Restore();
  // The cached shown name; filled from the name, else from the reference data.
  virtual CString GetDisplayName();
  // The name of the record's reference row, "" when there is none. The row is found by
  // the identifier and book code in the table of the record's class or, when integer 1
  // (the sub-identifier) is not 0, by integer 1 and text 2 (the sub-book code) in the
  // table of text 1 (the sub-category; the class's table when empty). The record takes
  // its groups (and a spell its college text) from the row.
  virtual CString LookupName();

  // Or's into the groups the bit of every skill group whose name occurs in the text.
  void FillGroupsFromText(const CString& groupText);
  bool HasGroup(int32_t mask) const { return (m_groups & mask) != 0; }

  int32_t GetIdentifier() const { return m_identifier; }
  void SetIdentifier(int32_t identifier) { m_identifier = identifier; }
  double GetPoints() const { return m_points; }
  void SetPoints(double points) { m_points = points; }
  double GetSavedPoints() const { return m_savedPoints; }
  void SetSavedPoints(double points) { m_savedPoints = points; }
  int32_t GetLevel() const { return m_level; }
  void SetLevel(int32_t level) { m_level = level; }
  const CString& GetName() const { return m_name; }
  void SetName(CString name) { m_name = std::move(name); }
  int32_t GetSkillType() const { return m_skillType; }
  void SetSkillType(int32_t skillType) { m_skillType = skillType; }
  int32_t GetBonus() const { return m_bonus; }
  void SetBonus(int32_t bonus) { m_bonus = bonus; }
  const CString& GetBookCode() const { return m_bookCode; }
  void SetBookCode(CString bookCode) { m_bookCode = std::move(bookCode); }
  int32_t GetGroups() const { return m_groups; }
  void SetGroups(int32_t groups) { m_groups = groups; }
  int32_t GetInteger1() const { return m_integer1; }
  void SetInteger1(int32_t value) { m_integer1 = value; }
  const CString& GetText1() const { return m_text1; }
  void SetText1(CString text) { m_text1 = std::move(text); }
  const CString& GetText2() const { return m_text2; }
  void SetText2(CString text) { m_text2 = std::move(text); }
  // A transient mark that travels with copies of the record but not into files.
  bool GetFlag() const { return m_flag; }
  void SetFlag(bool flag) { m_flag = flag; }

 protected:
  // Where the record's reference row is: the kind of row and the category whose table
  // holds it ("SKILL" for skills).
  struct ReferenceTable {
    ItemKind kind;
    const char* category;
  };
  virtual ReferenceTable GetReferenceTable() const;
  // Takes what the record keeps of its reference row besides the name: or's the groups
  // of its "Skill Group" text into the groups.
  virtual void TakeReferenceRow(const CReferenceRow& row);

  // The base rule of ComputeLevel, applied to the given points instead of the record's.
  void ComputeLevelFromPoints(double points, int mode, int st, int dx, int iq, int ht);
  // A wide intermediate result brought into the range of a stored integer.
  static int32_t Saturate(int64_t value);

 private:
  int32_t m_identifier = 0;
  double m_points = 0.0;
  double m_savedPoints = 0.0;
  int32_t m_level = 0;
  CString m_name;
  int32_t m_skillType = 0;
  int32_t m_bonus = 0;
  CString m_bookCode;
  int32_t m_groups = 0;
  int32_t m_integer1 = 0;
  CString m_text1;
  CString m_text2;

  CTransient<CString> m_displayName;  // a copy finds its name again
  bool m_flag = false;       // transient
};

}  // namespace zulparvo
