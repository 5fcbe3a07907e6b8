// CChar_Character: the character, with its attributes, point budget, secondary values,
// the bonuses that special calculations change, and the lists of records it owns.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/ad_disad.h"
#include "model/base_object.h"
#include "model/equipment_armor.h"
#include "model/equipment_base.h"
#include "model/equipment_standard_weapon.h"
#include "model/martial_arts_style.h"
#include "model/note.h"
#include "model/skill_base.h"
#include "model/skill_older.h"
#include "model/transportation.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Skill_Heading;
class CProfile;

// The character's lists of records, by the JSON key and the host-script name they have.
enum class CharacterList {
  Advantages,
  Disadvantages,
  Skills,
  Equipment,
  Weapons,
  Armor,
  Spells,
  OlderSkills,
  Notes,
  MartialArtsStyles,
  SuperAdvantages,
  SuperDisadvantages,
  FurtherCostedRecords,
  FurtherList,
  Transportation,
};
inline constexpr std::size_t kCharacterListCount = 15;

// "advantages", "martial_arts_styles", ...; ListFromName is the inverse (none when the
// name is not a list's).
const char* ListName(CharacterList list);
std::optional<CharacterList> ListFromName(std::string_view name);

// The list that AddAdDisad files a record of the category into; none for a category
// outside the six.
std::optional<CharacterList> ListForCategory(const CString& category);

// The reader's error for a file whose identification is not "ZUL".
inline constexpr const char* kNotACharacterFileMessage =
    "This is not a ZULPARVO character file!\nPlease convert this file before opening!";

// The points available of a new character when its host gives none: the default of the
// profile setting CHARACTER/STARTINGPOINTS.
inline constexpr double kDefaultStartingPoints = 200.0;

// The starting points of a new character that the profile sets (CHARACTER/
// STARTINGPOINTS), kDefaultStartingPoints when it sets none: for hosts that make one.
double StartingPoints(const CProfile& profile);

class CChar_Character : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Character)

 public:
  // The eleven check and reaction modifiers, in file order.
  enum class Check {
    Reaction,
    ReactionOppositeSex,
    Health,
    Will,
    Fright,
    Hearing,
    Perception,
    SmellTaste,
    MentalStun,
    PhysicalStun,
    CripplingInjury,
  };
  static constexpr std::size_t kCheckCount = 11;

  // A new character: every field at its default, with the given points available
  // (StartingPoints reads them from a profile). Copies hold copies of every record and
  // start with an empty change log and empty working lists.
  CChar_Character() : CChar_Character(kDefaultStartingPoints) {}
  explicit CChar_Character(double startingPoints);

  CString GetType() const override;
  // The identification "ZUL" leads the fields; reading throws CArchiveException with
  // kNotACharacterFileMessage when another text stands there.
  void Serialize(CArchive& ar) override;
  void VisitFields(CFieldVisitor& visitor) override;

  // --- attributes ---
  int32_t GetST() const { return m_st; }
  int32_t GetDX() const { return m_dx; }
  int32_t GetIQ() const { return m_iq; }
  int32_t GetHT() const { return m_ht; }
  void SetST(int32_t value) { m_st = value; }
  void SetDX(int32_t value) { m_dx = value; }
  void SetIQ(int32_t value) { m_iq = value; }
  void SetHT(int32_t value) { m_ht = value; }
  int32_t GetSTBonus() const { return m_stBonus; }
  int32_t GetDXBonus() const { return m_dxBonus; }
  int32_t GetIQBonus() const { return m_iqBonus; }
  int32_t GetHTBonus() const { return m_htBonus; }
  void SetSTBonus(int32_t value) { m_stBonus = value; }
  void SetDXBonus(int32_t value) { m_dxBonus = value; }
  void SetIQBonus(int32_t value) { m_iqBonus = value; }
  void SetHTBonus(int32_t value) { m_htBonus = value; }
  // Base value plus bonus.
  int32_t GetCurrentST() const;
  int32_t GetCurrentDX() const;
  int32_t GetCurrentIQ() const;
  int32_t GetCurrentHT() const;

  // --- points ---
  // The first descriptive text: the character's name.
  const CString& GetDescriptiveText1() const { return m_descriptiveText1; }
  double GetPointsSpent() const { return m_pointsSpent; }
  double GetPointsAvailable() const { return m_pointsAvailable; }
  void SetPointsSpent(double value) { m_pointsSpent = value; }
  void SetPointsAvailable(double value) { m_pointsAvailable = value; }
  void AddToPointsSpent(double amount) { m_pointsSpent += amount; }
  void AddToPointsAvailable(double amount) { m_pointsAvailable += amount; }

  // --- bonuses that the special calculations change ---
  int32_t GetHitPointBonus() const { return m_hitPointBonus; }
  void SetHitPointBonus(int32_t value) { m_hitPointBonus = value; }
  int32_t GetFatigueBonus() const { return m_fatigueBonus; }
  void SetFatigueBonus(int32_t value) { m_fatigueBonus = value; }
  int32_t GetSpellFatigueBonus() const { return m_spellFatigueBonus; }
  void SetSpellFatigueBonus(int32_t value) { m_spellFatigueBonus = value; }
  int32_t GetPDBonus() const { return m_pdBonus; }
  void SetPDBonus(int32_t value) { m_pdBonus = value; }
  int32_t GetDRBonus() const { return m_drBonus; }
  void SetDRBonus(int32_t value) { m_drBonus = value; }
  int32_t GetDodgeBonus() const { return m_dodgeBonus; }
  void SetDodgeBonus(int32_t value) { m_dodgeBonus = value; }
  int32_t GetParryBonus() const { return m_parryBonus; }
  void SetParryBonus(int32_t value) { m_parryBonus = value; }
  int32_t GetBlockBonus() const { return m_blockBonus; }
  void SetBlockBonus(int32_t value) { m_blockBonus = value; }
  double GetBasicSpeedBonus() const { return m_basicSpeedBonus; }
  void SetBasicSpeedBonus(double value) { m_basicSpeedBonus = value; }
  double GetMoveBonus() const { return m_moveBonus; }
  void SetMoveBonus(double value) { m_moveBonus = value; }
  double GetMoveMultiplier() const { return m_moveMultiplier; }
  void SetMoveMultiplier(double value) { m_moveMultiplier = value; }
  double GetMoveCap() const { return m_moveCap; }
  void SetMoveCap(double value) { m_moveCap = value; }
  int32_t GetCheck(Check check) const { return m_checks[static_cast<std::size_t>(check)]; }
  void SetCheck(Check check, int32_t value) { m_checks[static_cast<std::size_t>(check)] = value; }

  // --- other fields used by the rules ---
  int32_t GetMentalMode() const { return m_mentalMode; }
  void SetMentalMode(int32_t value) { m_mentalMode = value; }
  int32_t GetTechLevel() const { return m_techLevel; }
  void SetTechLevel(int32_t value) { m_techLevel = value; }
  int32_t GetSecondaryStrength() const { return m_secondaryStrength; }
  void SetSecondaryStrength(int32_t value) { m_secondaryStrength = value; }
  int32_t GetSecondaryStrengthFlag() const { return m_secondaryStrengthFlag; }
  void SetSecondaryStrengthFlag(int32_t value) { m_secondaryStrengthFlag = value; }
  int32_t GetStrengthKind() const { return m_strengthKind; }
  void SetStrengthKind(int32_t value) { m_strengthKind = value; }
  int32_t GetDodgeValue() const { return m_dodgeValue; }
  int32_t GetParryValue() const { return m_parryValue; }
  int32_t GetBlockValue() const { return m_blockValue; }
  double GetSpeedBase() const { return m_speedBase; }
  void SetSpeedBase(double value) { m_speedBase = value; }
  double GetSpeedExtra1() const { return m_speedExtra1; }
  void SetSpeedExtra1(double value) { m_speedExtra1 = value; }
  double GetSpeedExtra2() const { return m_speedExtra2; }
  void SetSpeedExtra2(double value) { m_speedExtra2 = value; }
  double GetCarriedWeight1() const { return m_carriedWeight1; }
  double GetCarriedWeight2() const { return m_carriedWeight2; }
  void SetCarriedWeight1(double value) { m_carriedWeight1 = value; }
  void SetCarriedWeight2(double value) { m_carriedWeight2 = value; }
  double GetExtraWeight() const { return m_extraWeight; }
  void SetExtraWeight(double value) { m_extraWeight = value; }
  double GetExtraWeight1() const { return m_extraWeight1; }
  void SetExtraWeight1(double value) { m_extraWeight1 = value; }
  double GetExtraWeight2() const { return m_extraWeight2; }
  void SetExtraWeight2(double value) { m_extraWeight2 = value; }
  int32_t GetEncumbranceTableSwitch() const { return m_encumbranceTableSwitch; }
  void SetEncumbranceTableSwitch(int32_t value) { m_encumbranceTableSwitch = value; }
  // The file version the character is at: the current one, to which reading brings it.
  CString GetVersion() const;

  // --- lists and owned records ---
  CObArray& GetList(CharacterList list);
  const CObArray& GetList(CharacterList list) const;
  std::size_t GetAdvantageCount() const { return m_advantages.GetSize(); }
  CChar_Ad_Disad* GetAdvantageAt(std::size_t index) const { return m_advantages.GetAt(index); }
  std::size_t GetDisadvantageCount() const { return m_disadvantages.GetSize(); }
  CChar_Ad_Disad* GetDisadvantageAt(std::size_t index) const { return m_disadvantages.GetAt(index); }
  std::size_t GetSkillCount() const { return m_skills.GetSize(); }
  CZULBaseObject* GetSkillAt(std::size_t index) const { return m_skills.GetAt(index); }
  CTypedObArray<CChar_Ad_Disad>& GetAdvantages() { return m_advantages; }
  CTypedObArray<CChar_Ad_Disad>& GetDisadvantages() { return m_disadvantages; }
  CTypedObArray<CChar_Ad_Disad>& GetSuperAdvantages() { return m_superAdvantages; }
  CTypedObArray<CChar_Ad_Disad>& GetSuperDisadvantages() { return m_superDisadvantages; }
  CTypedObArray<CZULBaseObject>& GetSkills() { return m_skills; }
  CTypedObArray<CChar_Skill_Base>& GetSpells() { return m_spells; }
  CTypedObArray<CChar_Skill>& GetOlderSkills() { return m_olderSkills; }
  CTypedObArray<CChar_Equipment_Base>& GetEquipment() { return m_equipment; }
  CTypedObArray<CChar_Equipment_StandardWeapon>& GetWeapons() { return m_weapons; }
  CTypedObArray<CChar_Equipment_Armor>& GetArmor() { return m_armor; }
  CTypedObArray<CChar_Note>& GetNotes() { return m_notes; }
  CTypedObArray<CChar_Martial_Arts_Style>& GetMartialArtsStyles() { return m_styles; }
  std::size_t GetStyleCount() const { return m_styles.GetSize(); }
  CChar_Martial_Arts_Style* GetStyleAt(std::size_t index) const { return m_styles.GetAt(index); }
  CTypedObArray<CChar_Transportation>& GetTransportation() { return m_transportation; }
  // The four single owned records; each may hold a record of any class, or none.
  CObject* GetSkillSlot1() const { return m_skillSlot1.get(); }
  CObject* GetSkillSlot2() const { return m_skillSlot2.get(); }
  CObject* GetParryRecord() const { return m_parryRecord.get(); }
  CObject* GetBlockRecord() const { return m_blockRecord.get(); }
  void SetSkillSlot1(std::unique_ptr<CObject> record) { m_skillSlot1 = std::move(record); }

  // --- record operations ---
  // Files a copy of the record by the category, which the copy takes on, and charges
  // its cost plus extra cost. 1 when filed, 0 for a category outside the six.
  int AddAdDisad(const CString& category, const CChar_Ad_Disad& record);
  // Builds a record from the values with the level, computes its cost and files it
  // as AddAdDisad does; its result.
  int AddNewAdDisad(const CString& category, int32_t identifier, double baseCost, const CString& description,
                    const CString& bookCode, int32_t integerKey, const CString& textKey, int32_t level);
  // Files a copy of a skill-family record by its class tag: skills list, spells list,
  // or a style's category list (martial-arts skills "MAS" and maneuvers "MAM", given
  // the style category and the index of the style). Charges nothing. False when nothing
  // was filed: an unknown tag, a style index of -1 or one that names no style, or a
  // category that is not one of the record's.
  bool AddSkillFamilyRecord(const CChar_Skill_Base& record, const CString& styleCategory, int styleIndex);
  void AddHeading(const CChar_Skill_Heading& heading);
  // Files a copy of an older skill and moves its points to points spent.
  void AddOlderSkill(const CChar_Skill& skill);
  // Each files a copy and charges nothing. Equipment keeps a container as a container
  // and files anything else as a plain item; a weapon is filed by its class tag ("SW",
  // "MW", "RW", "MRW"), and AddWeapon is false for any other record.
  void AddArmor(const CChar_Equipment_Armor& armor);
  void AddEquipment(const CChar_Equipment_Base& item);
  bool AddWeapon(const CChar_Equipment_Base& weapon);
  void AddNote(const CChar_Note& note);
  // Files a copy of the style and moves its points to points spent.
  void AddStyle(const CChar_Martial_Arts_Style& style);
  // Files a copy of the conveyance (of the animal class for an animal); charges nothing.
  void AddTransportation(const CChar_Transportation& transportation);
  // Recalculates the last style's skills and recomputes its points from its entries;
  // the points charged for it follow. False when the character has no style.
  bool FinishLastStyle();
  // Takes the record out of the list and destroys it, first giving back what adding
  // it charged: the cost plus extra cost of an advantage-family record, the points of
  // a skill, spell, older skill, style or further costed record. False when there is
  // no record at the index.
  bool RemoveRecord(CharacterList list, std::size_t index);
  // Removes the disadvantage and pays its value out of points available; refused with
  // a message when there are not enough points. 1 when bought off, 0 when not.
  int BuyOffDisadvantage(std::size_t index);

  // --- messages ---
  // Appends "+2 to Hit Points from Extra Hit Points" (the amount with "+" unless it is
  // negative, " to ", the target, " from ", the source) to the change log.
  void AddChangeMessage(long amount, const CString& target, const CString& source);
  const CStringArray& GetChangeLog() const { return *m_changeLog; }
  void ClearChangeLog() { m_changeLog->RemoveAll(); }
  bool AddPDSource(const CString& text);
  bool AddDRSource(const CString& text);
  const CStringArray& GetPDSources() const { return m_pdSources; }
  const CStringArray& GetDRSources() const { return m_drSources; }

  // --- derived values ---
  // 0 to 4, from carried weight 1 or 2 (level 1 or 2) against current ST.
  int GetEncumbranceLevel(int level) const;
  double GetSpeedSum(bool full) const;
  double GetMoveSum(bool full, int level) const;
  CString GetSpeedSumText(bool full) const;
  CString GetMoveSumText(bool full, int level) const;
  // (current DX + current HT) div 4.
  void RecomputeDodgeValue();
  // The carried weights from the extra weights and the weights of the armor,
  // equipment and weapons lists.
  void RecomputeCarriedWeights();

 private:
  double CappedSum(double sum) const;

  int32_t m_st = 10, m_dx = 10, m_iq = 10, m_ht = 10;
  std::array<int32_t, 4> m_attributeExtras{};
  int32_t m_stBonus = 0, m_dxBonus = 0, m_iqBonus = 0, m_htBonus = 0;
  double m_pointsSpent = 0.0;
  double m_pointsAvailable = 0.0;
  CString m_descriptiveText1;
  CString m_damageText1 = "1d";
  CString m_damageText2 = "1d-2";
  double m_speedBase = 5.0;
  CTypedObArray<CChar_Ad_Disad> m_advantages;
  CTypedObArray<CChar_Ad_Disad> m_disadvantages;
  CTypedObArray<CZULBaseObject> m_skills;
  double m_real1 = 0.0, m_real2 = 0.0;
  std::array<CString, 4> m_descriptiveTexts2to5;
  double m_carriedWeight1 = 0.0;
  int32_t m_dodgeValue = 5;
  int32_t m_parryValue = 0;
  int32_t m_blockValue = 0;
  CTypedObArray<CChar_Equipment_Base> m_equipment;
  std::array<CString, 6> m_descriptiveTexts6to11;
  int32_t m_integer1 = 0;
  CString m_descriptiveText12;
  double m_basicSpeedBonus = 0.0;
  int32_t m_mentalMode = 0;
  CString m_descriptiveText13;
  CTypedObArray<CChar_Equipment_StandardWeapon> m_weapons;
  CTypedObArray<CChar_Equipment_Armor> m_armor;
  CTypedObArray<CChar_Skill_Base> m_spells;
  CTypedObArray<CChar_Skill> m_olderSkills;
  COwnedRecord m_skillSlot1;
  int32_t m_secondaryStrength = 0;
  CTypedObArray<CChar_Note> m_notes;
  CTypedObArray<CChar_Martial_Arts_Style> m_styles;
  int32_t m_techLevel = 7;
  CTypedObArray<CChar_Ad_Disad> m_superAdvantages;
  CTypedObArray<CChar_Ad_Disad> m_superDisadvantages;
  CObArray m_furtherCostedRecords;
  COwnedRecord m_parryRecord;
  int32_t m_parryBonus = 0;
  COwnedRecord m_blockRecord;
  int32_t m_blockBonus = 0;
  double m_carriedWeight2 = 0.0;
  double m_speedExtra2 = 0.0;
  int32_t m_dodgeBonus = 0;
  double m_speedExtra1 = 0.0;
  double m_moveBonus = 0.0;
  int32_t m_hitPointBonus = 0;
  int32_t m_fatigueBonus = 0;
  int32_t m_pdBonus = 0;
  int32_t m_drBonus = 0;
  double m_extraWeight = 0.0, m_extraWeight1 = 0.0, m_extraWeight2 = 0.0;
  int32_t m_encumbranceTableSwitch = 0;
  COwnedRecord m_skillSlot2;
  int32_t m_integer5 = 0;
  CObArray m_furtherList;
  int32_t m_secondaryStrengthFlag = 0;
  int32_t m_strengthKind = 0;
  CStringArray m_pdSources;
  CStringArray m_drSources;
  int32_t m_spellFatigueBonus = 0;
  CTypedObArray<CChar_Transportation> m_transportation;
  CString m_descriptiveText14;
  CString m_damageText3 = "1d";
  std::array<int32_t, kCheckCount> m_checks{};
  CString m_damageText4 = "1d-2";
  double m_moveMultiplier = 1.0;
  double m_moveCap = -1.0;
  std::array<int32_t, 4> m_integers8to11{};
  int32_t m_integer12 = 0;
  std::array<int32_t, 4> m_trailingIntegers{};

  // Transient: the host's two working lists, the change log, and the protection by
  // body location that the host recomputes from the worn armor.
  CTransient<CStringArray> m_workingList1;
  CTransient<CStringArray> m_workingList2;
  CTransient<CStringArray> m_changeLog;
  struct ProtectionEntry {
    int32_t passive = -100;  // -100: no value
    int32_t resistance = 0;
    int32_t extra1 = 0;
    int32_t extra2 = 0;
  };
  std::array<int32_t, 2> m_protectionLeading{0, 2};
  std::array<ProtectionEntry, 10> m_protection{};
};

}  // namespace zulparvo
