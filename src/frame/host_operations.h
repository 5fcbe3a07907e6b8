// Host operations: what a host does to a character around the three entry points. It
// files a record the way the host files it and runs the record's special calculations,
// runs them again, sets an attribute, buys off or removes a record, and makes records
// from the books (model/records_from_books.h).
//
// Every operation works on the character in place and reports what it did: the record
// it worked on, the entry point's return value, the change messages it added and how
// the points spent moved. A request that cannot be carried out (an index outside its
// list, a record of a class the operation does not take) throws HostOperationError
// before anything changes; a refusal that the system reports with a message of its own
// (a buy-off without enough points) is a result, not an error. Messages go through the
// message sink as usual.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "model/character.h"
#include "model/records_from_books.h"

namespace zulparvo {

class CChar_Equipment_Base;

class HostOperationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What an operation did.
struct HostOperationResult {
  // The entry point's return value (1 or 0); 1 when no entry point runs; 0 when
  // nothing was filed. For BuyOffDisadvantage: 1 bought off, 0 refused.
  int result = 1;
  // The record filed or worked on, owned by the character; null when there is none
  // (after a removal, or when nothing was filed).
  CObject* record = nullptr;
  // The change messages that the operation added to the character's change log.
  std::vector<CString> changes;
  // How the character's points spent moved (negative when points were given back).
  double pointsSpent = 0.0;
};

// How a record is added.
struct AddOptions {
  CString category;          // advantage family: the list to file in; empty: the record's own category
  int apply = 1;             // the host's switch for special calculations, 0 or 1
  bool keepRecords = false;  // keeps the rules from adding companion records
};

// Files a copy of an advantage-family record with AddAdDisad (charging its cost) and
// calls speccalc_DoSpecialCalcAdProc with the filed copy. Result 0 and no record when
// the category is not one of the six.
HostOperationResult AddAdvantage(CChar_Character& character, const CChar_Ad_Disad& record,
                                 const AddOptions& options = {});
// Computes the skill's level with the character's mental mode and current attributes,
// files a copy (the spells list for a spell, else the skills list) and calls
// speccalc_DoSpecialCalcSkillProc with the filed copy.
HostOperationResult AddSkill(CChar_Character& character, const CChar_Skill_Base& record,
                             const AddOptions& options = {});
// Adds a copy of the style and finishes it (its points, and its skills recalculated
// through the skill entry point with the host's switch).
HostOperationResult AddStyle(CChar_Character& character, const CChar_Martial_Arts_Style& style);
// Files a copy of an item: armor and barding in the armor list, weapons in the weapons
// list, anything else in the equipment list. Charges nothing.
HostOperationResult AddItem(CChar_Character& character, const CChar_Equipment_Base& item);
// One of the four above by the record's class; a skill heading, an older skill, a note
// or a conveyance goes to its list as it is; HostOperationError for any other class.
HostOperationResult AddRecord(CChar_Character& character, const CObject& record, const AddOptions& options = {});
// The record that the book's row gives (RecordFromBook), added as AddRecord adds it.
// BookReferenceError when the reference or a choice cannot be followed.
HostOperationResult AddFromBook(CChar_Character& character, const BookReference& reference,
                                const RecordChoices& choices, const AddOptions& options = {});

// Calls the fitting entry point again for a record already on the character: the
// advantage entry point for the four advantage lists, the skill entry point for skills
// and spells. HostOperationError for another list or an index outside the list.
HostOperationResult RunSpecialCalculation(CChar_Character& character, CharacterList list, std::size_t index,
                                          const AddOptions& options = {});

enum class Attribute { ST, DX, IQ, HT };
// Sets the attribute's base value; when the current IQ changes, calls
// speccalc_UpdateSpecialIQSkills with the old and new current IQ.
HostOperationResult SetAttribute(CChar_Character& character, Attribute attribute, int32_t value);

// Calls speccalc_UpdateSpecialIQSkills: the IQ-dependent skill bonuses move from one
// current IQ to another.
HostOperationResult UpdateIQSkills(CChar_Character& character, long oldIQ, long newIQ);

// BuyOffDisadvantage on the disadvantage at the index.
HostOperationResult BuyOffDisadvantage(CChar_Character& character, std::size_t index);

// Removes the record, giving back what adding it charged. The effects that its special
// calculations made stay: the system has no calculation that takes them back. (A host
// that names the record takes its ShownName before.)
HostOperationResult RemoveRecord(CChar_Character& character, CharacterList list, std::size_t index);

// The shown name of a record of any class: GetDisplayName of advantages, skills and
// items, the name of a style or an older skill, the text of a heading or a note, the
// first text of a conveyance; empty for others.
CString ShownName(CObject& record);

}  // namespace zulparvo
