// Rules of book B06 for disadvantages: the book has a table, and no rows in it.
#include "rules/rule_tables.h"

namespace zulparvo {

std::span<const AdvantageRow> DisadvantageRulesB06() { return {}; }

}  // namespace zulparvo
