// Rules of book B34 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustFieldFromDescription{{1, "AD"}, kSpellFatigueBonus},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB34() { return kRows; }

}  // namespace zulparvo
