// Rules of book B30 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB30 = {
};

}  // namespace

bool AdvantageRulesB30(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB30, {character, record, keepRecords});
}

}  // namespace zulparvo
