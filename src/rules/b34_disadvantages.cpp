// Rules of book B34 for disadvantages.
#include "rules/rule_tables.h"

#include "adjusters/check_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB34 = {
    AdvantageRow(AdjustPerceptionCheckFromDescription, kCharacter, kRecord, 1, "DISAD"),
};

}  // namespace

bool DisadvantageRulesB34(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB34, {character, record, keepRecords});
}

}  // namespace zulparvo
