// The rule tables of the books: for each book and kind of record, its rows in the order
// they run.
#pragma once

#include <span>

#include "rules/rule_table.h"

namespace zulparvo {

// Advantages.
std::span<const AdvantageRow> AdvantageRulesB05();
std::span<const AdvantageRow> AdvantageRulesB15();
std::span<const AdvantageRow> AdvantageRulesB01();
std::span<const AdvantageRow> AdvantageRulesB30();
std::span<const AdvantageRow> AdvantageRulesB13();
std::span<const AdvantageRow> AdvantageRulesB34();
std::span<const AdvantageRow> AdvantageRulesB06();
std::span<const AdvantageRow> AdvantageRulesB48();
std::span<const AdvantageRow> AdvantageRulesB46();

// Disadvantages.
std::span<const AdvantageRow> DisadvantageRulesB05();
std::span<const AdvantageRow> DisadvantageRulesB01();
std::span<const AdvantageRow> DisadvantageRulesB15();
std::span<const AdvantageRow> DisadvantageRulesB34();
std::span<const AdvantageRow> DisadvantageRulesB13();
std::span<const AdvantageRow> DisadvantageRulesB06();

// Skills: the rules of every skill, whatever its book, run before its book's.
std::span<const SkillRow> EverySkillRules();
std::span<const SkillRow> SkillRulesB05();
std::span<const SkillRow> SkillRulesB01();
std::span<const SkillRow> SkillRulesB13();
std::span<const SkillRow> SkillRulesB26();
std::span<const SkillRow> SkillRulesB46();

// Spells: the basic magic advantage of B05, then the magic variants of B30, B13, B15,
// B37 and B34; every spell meets them all, then the rules of every spell.
std::span<const SkillRow> SpellRulesB05();
std::span<const SkillRow> SpellRulesB30();
std::span<const SkillRow> SpellRulesB13();
std::span<const SkillRow> SpellRulesB15();
std::span<const SkillRow> SpellRulesB37();
std::span<const SkillRow> SpellRulesB34();
std::span<const SkillRow> EverySpellRules();

}  // namespace zulparvo
