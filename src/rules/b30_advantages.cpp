// Rules of book B30 for advantages: the book has a table, and no rows in it (its magic
// variants are rows of B05's tables).
#include "rules/rule_tables.h"

namespace zulparvo {

std::span<const AdvantageRow> AdvantageRulesB30() { return {}; }

}  // namespace zulparvo
