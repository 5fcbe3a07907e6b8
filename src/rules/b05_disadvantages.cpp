// Rules of book B05 for disadvantages.
#include "rules/rule_tables.h"

#include "base/utilities.h"
#include "rules/b05_disadvantage_rules.h"

namespace zulparvo {

namespace {

constexpr int32_t kCombatWeaponGroup = 1 << 3;  // "COMBAT-WEAPON"

// AdjustReaction with the bonus that the record's shown name states. The name is
// fetched for every record that reaches the table, whatever its identifier; fetching
// it may fill the record's cached name.
void AdjustReactionFromShownName(AdvantageContext& context, const ForRecord& rule) {
  const int32_t amount = TruncateToInt(static_cast<double>(GetDescBonus(context.record.GetDisplayName())));
  Apply(context, AdjustReaction{rule, amount, amount});
}

constexpr ForRecord Option(int32_t identifier, int32_t option) {
  return {.identifier = identifier, .tag = "DISAD", .sub = SubEntry{option, BOOK_05}};
}
constexpr ForRecord AtBaseCost66(double baseCost) { return {.identifier = 66, .tag = "DISAD", .baseCost = baseCost}; }

// Identifier 66 reaches skills through the spell adjuster, over the skill list, by the
// record's base cost.
constexpr SpellTargets Skill(int32_t identifier) { return {BOOK_05, identifier, SpellTargets::List::Skills}; }

constexpr AdvantageRow kRows[] = {
    AdjustReaction{Option(6, 1), -1, -1},
    AdjustReaction{Option(6, 2), -2, -2},
    AdjustReaction{Option(6, 3), -4, -4},
    AdjustReaction{Option(6, 4), -5, -5},
    AdjustReaction{Option(6, 5), -6, -6},
    AdjustSkillBonusByGroup{{10, "DISAD"}, kCombatWeaponGroup, -6},
    AdjustSkillBonus{{10, "DISAD"}, {BOOK_05, 169}, -6},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 53}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 122}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 40}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 104}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 171}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 107}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_05, 37}, -1},
    AdjustSkillBonus{{14, "DISAD"}, {BOOK_15, 1}, -1},
    AdjustSkillBonus{{19, "DISAD"}, {BOOK_05, 93}, -3},
    AdjustSkillBonus{{19, "DISAD"}, {BOOK_05, 98}, 3},
    AdjustSkillBonus{.record = {19, "DISAD"}, .skill = {BOOK_05, 76}, .bonus = 3,
                     .unless = AdvantageRef{BOOK_05, 48, "DISAD"}},
    AdjustSkillBonus{.record = {19, "DISAD"}, .skill = {BOOK_05, 146}, .bonus = 3,
                     .unless = AdvantageRef{BOOK_05, 48, "DISAD"}},
    AdjustCheck{{19, "DISAD"}, Check::Hearing, -1000},
    AdjustBasicSpeed{{23, "DISAD"}, -1},
    AdjustSkillBonus{{29, "DISAD"}, {BOOK_05, 52}, -3},
    AdjustSkillBonus{{29, "DISAD"}, {BOOK_05, 142}, -3},
    AdjustSkillBonus{{29, "DISAD"}, {BOOK_05, 163}, 5},
    AdjustSkillBonus{{33, "DISAD"}, {BOOK_05, 104}, -3},
    AdjustCheck{{34, "DISAD"}, Check::Hearing, -4},
    AdjustSkillBonus{{34, "DISAD"}, {BOOK_05, 93}, -4},
    AdjustSkillBonus{.record = {48, "DISAD"}, .skill = {BOOK_05, 76}, .bonus = 3,
                     .unless = AdvantageRef{BOOK_05, 19, "DISAD"}},
    AdjustSkillBonus{.record = {48, "DISAD"}, .skill = {BOOK_05, 146}, .bonus = 3,
                     .unless = AdvantageRef{BOOK_05, 19, "DISAD"}},
    AdjustCheck{{49, "DISAD"}, Check::SmellTaste, -1000},
    AdjustSkillBonusByGroup{{52, "DISAD"}, kCombatWeaponGroup, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 122}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 53}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 107}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 21}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 115}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 128}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 148}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 169}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 190}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 193}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 196}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 200}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_05, 201}, -3},
    AdjustSkillBonus{{52, "DISAD"}, {BOOK_15, 1}, -3},
    AdjustSkillBonus{{55, "DISAD"}, {BOOK_05, 163}, 2},
    OwnRule<AdvantageContext, ForRecord>{"AdjustReactionFromShownName", AdjustReactionFromShownName, {63, "DISAD"}},
    AdjustSkillBonus{{67, "DISAD"}, {BOOK_05, 52}, -2},
    AdjustSkillBonus{{67, "DISAD"}, {BOOK_05, 142}, -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(2), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(2), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(18), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(18), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(38), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(38), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(51), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(51), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(62), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(62), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(96), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(96), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(104), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(104), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(126), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(126), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(136), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(136), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(141), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(141), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(160), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(160), -2},
    AdjustSpellBonus{AtBaseCost66(-5.0), Skill(165), -1},
    AdjustSpellBonus{AtBaseCost66(-10.0), Skill(165), -2},
    AdjustCheckFromDescription{{76, "DISAD"}, Check::Will},
    AdjustCheckFromDescription{{76, "DISAD"}, Check::Fright},
    AdjustCheckFromDescription{{76, "DISAD"}, Check::MentalStun},
    AdjustCheckFromDescription{{76, "DISAD"}, Check::PhysicalStun},
    // The movement rule runs after every row.
    OwnRule<AdvantageContext>{"ApplyMovePenaltyRule", ApplyMovePenaltyRule},
};

}  // namespace

std::span<const AdvantageRow> DisadvantageRulesB05() { return kRows; }

}  // namespace zulparvo
