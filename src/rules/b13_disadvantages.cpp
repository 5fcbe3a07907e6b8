// Rules of book B13 for disadvantages.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr AdvantageRow kRows[] = {
    AdjustReaction{{15, "DISAD"}, -2, -2},
    AdjustCheck{{49, "DISAD"}, Check::Fright, -1},
    AdjustCheck{{35, "DISAD"}, Check::Health, -1},
    AdjustCheck{{37, "DISAD"}, Check::Health, -2},
};

}  // namespace

std::span<const AdvantageRow> DisadvantageRulesB13() { return kRows; }

}  // namespace zulparvo
