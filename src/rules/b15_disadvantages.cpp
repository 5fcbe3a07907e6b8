// Rules of book B15 for disadvantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustCheckFromDescription{{2, "DISAD"}, Check::Hearing},
    AdjustCheckFromDescription{{3, "DISAD"}, Check::SmellTaste},
};

}  // namespace

std::span<const AdvantageRow> DisadvantageRulesB15() { return kRows; }

}  // namespace zulparvo
