// Rules of book B06 for disadvantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB06 = {
};

}  // namespace

bool DisadvantageRulesB06(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB06, {character, record, keepRecords});
}

}  // namespace zulparvo
