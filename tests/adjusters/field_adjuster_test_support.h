// Records for the tests of the adjusters that change fields of the character.
#pragma once

#include <cstdint>
#include <vector>

#include "model/ad_disad.h"
#include "platform/collections.h"

namespace zulparvo::testing {

// What a test sets on an advantage record; everything has a plain default, so that a
// case names only what it is about: MakeRecord({.identifier = 4, .category = "RACAD"}).
struct RecordSpec {
  int32_t identifier = 7;
  CString category = "AD";
  CString description = "Toughness";
  int32_t level = 0;
  double baseCost = 10.0;
  double extraCost = 0.0;
  double costPerLevel = 0.0;
  CString book = "BOOK_05";
  int32_t subIdentifier = 0;
  CString subCategory{};
  CString subBook{};
};

inline CChar_Ad_Disad MakeRecord(const RecordSpec& wanted) {
  CChar_Ad_Disad record(wanted.identifier, wanted.baseCost, wanted.description, wanted.book, 0, "", wanted.category);
  record.SetLevel(wanted.level);
  record.SetExtraCost(wanted.extraCost);
  record.SetCostPerLevel(wanted.costPerLevel);
  record.SetSubEntry(wanted.subIdentifier, wanted.subCategory, wanted.subBook);
  record.RecomputeCost();
  return record;
}

// A text list of the character (change log, PD or DR sources), for comparing with an
// expected list.
inline std::vector<CString> Texts(const CStringArray& log) { return {log.begin(), log.end()}; }

}  // namespace zulparvo::testing
