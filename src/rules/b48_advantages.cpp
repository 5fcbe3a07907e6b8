// Rules of book B48 for advantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    ScaleMoveMultiplier{{4, "RACAD"}, 0.5},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB48() { return kRows; }

}  // namespace zulparvo
