// Rules of book B06 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustBasicSpeedPerLevel{{3, "RACAD"}, 0.25},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB06() { return kRows; }

}  // namespace zulparvo
