// Rules of book B34 for disadvantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustCheckFromDescription{{1, "DISAD"}, Check::Perception},
};

}  // namespace

std::span<const AdvantageRow> DisadvantageRulesB34() { return kRows; }

}  // namespace zulparvo
