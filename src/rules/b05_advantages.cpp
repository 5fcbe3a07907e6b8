// Rules of book B05 for advantages.
#include "rules/rule_tables.h"

#include "model/type_tags.h"

namespace zulparvo {

namespace {

// The record's description bonus plus its level to the bonus of the skill record that
// the character keeps in skill slot 1. The slot may be empty or hold a record of
// another class; then, as for a slot record of identifier 0, nothing is changed.
// No message.
void AdjustSkillSlotBonus(AdvantageContext& context, const ForRecord& rule) {
  if (!Matches(context.record, rule)) return;
  const int32_t amount = DescriptionBonusPlusLevel(context.record);
  auto* slot = DynamicDownCast<CChar_Skill_Base>(context.character.GetSkillSlot1());
  if (slot == nullptr || slot->GetIdentifier() == 0) return;
  AddToBonus(*slot, amount);
}

// The basic magic advantage taken in the variant of B15 sub-entry 1 brings the
// disadvantage "Secret: True Name" with it, unless records are kept as they are. The
// character gets it once: a second call finds the first one. No message.
void AddTrueNameSecret(AdvantageContext& context) {
  constexpr ForRecord kMagicOfB15{.identifier = 28, .tag = "AD", .sub = SubEntry{1, BOOK_15}};
  constexpr AdvantageRef kSecret{BOOK_05, 95, "DISAD"};
  constexpr std::string_view kDescription = "Secret: True Name";
  if (!Matches(context.record, kMagicOfB15) || context.keepRecords) return;
  CChar_Character& character = context.character;
  if (FindAdvantage(character.GetDisadvantages(), kSecret,
                    [&](const CChar_Ad_Disad& entry) { return entry.GetDescription() == kDescription; })) {
    return;
  }
  character.AddNewAdDisad(CString(kSecret.tag), kSecret.identifier, -20.0, CString(kDescription),
                          CString(kSecret.book), 0, "", 0);
}

// 28, the basic magic advantage, by its base cost, and by the sub-entry of the variant
// that it was taken as.
constexpr ForRecord Magic(double baseCost) { return {.identifier = 28, .tag = "AD", .baseCost = baseCost}; }
constexpr ForRecord Magic(double baseCost, int32_t sub, std::string_view subBook) {
  return {.identifier = 28, .tag = "AD", .baseCost = baseCost, .sub = SubEntry{sub, subBook}};
}
constexpr SpellTargets kEverySpell{kAnyBook, kAnyEntry};
constexpr AdvantageRef kRacialTalents{BOOK_01, 10, "RACAD"};
constexpr AdvantageRef kCostTarget{BOOK_05, 38, "AD"};

constexpr AdvantageRow kRows[] = {
    AdjustSkillBonus{{61, "AD"}, {BOOK_05, 122}, 1},
    AdjustSkillBonus{{61, "AD"}, {BOOK_05, 14}, 2},
    AdjustSkillBonus{{61, "AD"}, {BOOK_15, 1}, 1},
    AdjustSkillBonus{{61, "AD"}, {BOOK_05, 190}, 2},
    AdjustSkillBonus{{1, "AD"}, {BOOK_05, 110}, 3},
    AdjustSkillBonus{{1, "AD"}, {BOOK_05, 186}, 3},
    AdjustCheckFromDescription{{3, "AD"}, Check::Hearing},
    AdjustCheckFromDescription{{4, "AD"}, Check::SmellTaste},
    AdjustCheckFromDescription{{5, "AD"}, Check::Perception},
    AdjustCheckFromDescription{{6, "AD"}, Check::Perception},
    AdjustCheckFromDescription{{6, "AD"}, Check::SmellTaste},
    AdjustCheckFromDescription{{6, "AD"}, Check::Hearing},
    AdjustSkillBonusByGroup{{9, "AD"}, 1, 4},  // skill group "ANIMAL"
    AdjustSkillBonus{{9, "AD"}, {BOOK_05, 182}, 4},
    AdjustSkillBonus{{9, "AD"}, {BOOK_05, 82}, 3},
    AdjustSkillBonus{{9, "AD"}, {BOOK_05, 65}, 3},
    AdjustSkillBonus{{9, "AD"}, {BOOK_13, 5}, 3},
    AdjustReaction{{.identifier = 10, .tag = "AD", .sub = SubEntry{1, BOOK_05}}, 1, 1},
    AdjustReaction{{.identifier = 10, .tag = "AD", .sub = SubEntry{2, BOOK_05}}, 2, 4},
    AdjustReaction{{.identifier = 10, .tag = "AD", .sub = SubEntry{3, BOOK_05}}, 2, 6},
    AdjustAdvantageLevel{{11, "AD"}, kRacialTalents, 1},
    AdjustSkillBonus{{13, "AD"}, {BOOK_05, 61}, 1},
    AdjustField{{13, "AD"}, kDodge, 1},
    AdjustField{{13, "AD"}, kParry, 1},
    AdjustField{{13, "AD"}, kBlock, 1},
    AdjustCheck{{13, "AD"}, Check::Fright, 2},
    AdjustCheck{{13, "AD"}, Check::MentalStun, 6},
    AdjustSkillBonus{{16, "AD"}, {BOOK_05, 41}, 3},
    AdjustSkillBonus{{16, "AD"}, {BOOK_05, 59}, 3},
    AdjustSkillBonus{{16, "AD"}, {BOOK_05, 103}, 3},
    AdjustSkillBonus{{18, "AD"}, {BOOK_13, 96}, 3},
    AdjustCheckFromDescription{{50, "AD"}, Check::Fright},
    // The level row of 22 comes last, so that the rows before it read the level that
    // the record came with.
    AdjustSkillBonusFromDescription{{22, "AD"}, {BOOK_05, 93}},
    AdjustSkillBonusFromDescription{{22, "AD"}, {BOOK_05, 99}},
    OwnRule<AdvantageContext, ForRecord>{"AdjustSkillSlotBonus", AdjustSkillSlotBonus, {22, "AD"}},
    AdjustAdvantageLevel{{22, "AD"}, kRacialTalents, 2},

    // 28 over every spell of every book. In a group of rows that differ only in the base
    // cost, at most one fires.
    AdjustSpellBonus{Magic(15.0), kEverySpell, 1},
    AdjustSpellBonus{Magic(25.0), kEverySpell, 2},
    AdjustSpellBonus{Magic(35.0), kEverySpell, 3},
    AdjustSpellBonus{Magic(8.0, 1, BOOK_13), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 1, BOOK_13), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 1, BOOK_13), kEverySpell, 3},
    AdjustSpellBonus{Magic(8.0, 2, BOOK_13), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 2, BOOK_13), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 2, BOOK_13), kEverySpell, 3},
    AdjustSpellBonus{Magic(50.0, 1, BOOK_34), kEverySpell, 4},
    AdjustSpellBonus{Magic(65.0, 2, BOOK_34), kEverySpell, 5},
    AdjustSpellBonus{Magic(85.0, 3, BOOK_34), kEverySpell, 6},
    AdjustSpellBonus{Magic(105.0, 4, BOOK_34), kEverySpell, 7},
    // Variant 5 of B34: 7, and one more for every 25 of base cost over 105.
    AdjustSpellBonusFromValueStep{{.identifier = 28, .tag = "AD", .sub = SubEntry{5, BOOK_34}}, kEverySpell, 105.0,
                                  25, 7},
    AdjustSpellBonus{Magic(8.0, 3, BOOK_13), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 3, BOOK_13), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 3, BOOK_13), kEverySpell, 3},
    AdjustSpellBonus{Magic(10.0, 4, BOOK_13), kEverySpell, 1},
    AdjustSpellBonus{Magic(16.0, 4, BOOK_13), kEverySpell, 2},
    AdjustSpellBonus{Magic(22.0, 4, BOOK_13), kEverySpell, 3},
    AdjustSpellBonus{Magic(10.0, 3, BOOK_15), kEverySpell, 1},
    AdjustSpellBonus{Magic(16.0, 3, BOOK_15), kEverySpell, 2},
    AdjustSpellBonus{Magic(22.0, 3, BOOK_15), kEverySpell, 3},
    AdjustSpellBonus{Magic(10.0, 2, BOOK_15), kEverySpell, 1},
    AdjustSpellBonus{Magic(16.0, 2, BOOK_15), kEverySpell, 2},
    AdjustSpellBonus{Magic(22.0, 2, BOOK_15), kEverySpell, 3},
    AdjustSpellBonus{Magic(70.0, 1, BOOK_15), kEverySpell, 4},
    OwnRule<AdvantageContext>{"AddTrueNameSecret", AddTrueNameSecret},
    AdjustSpellBonusClearing{Magic(10.0, 1, BOOK_30), 1},
    AdjustSpellBonusClearing{Magic(16.0, 1, BOOK_30), 2},
    AdjustSpellBonusClearing{Magic(22.0, 1, BOOK_30), 3},
    AdjustSpellBonus{Magic(10.0, 2, BOOK_30), kEverySpell, 1},
    AdjustSpellBonus{Magic(16.0, 2, BOOK_30), kEverySpell, 2},
    AdjustSpellBonus{Magic(22.0, 2, BOOK_30), kEverySpell, 3},
    AdjustSpellBonus{Magic(8.0, 3, BOOK_30), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 3, BOOK_30), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 3, BOOK_30), kEverySpell, 3},
    AdjustSpellBonus{Magic(8.0, 4, BOOK_30), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 4, BOOK_30), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 4, BOOK_30), kEverySpell, 3},
    AdjustSpellBonus{Magic(8.0, 5, BOOK_30), kEverySpell, 1},
    AdjustSpellBonus{Magic(13.0, 5, BOOK_30), kEverySpell, 2},
    AdjustSpellBonus{Magic(18.0, 5, BOOK_30), kEverySpell, 3},
    // Variants 6 to 9: the four elements, 1 to 4 in that order.
    AdjustElementalSpellBonus{Magic(10.0, 6, BOOK_30), 1, 1},
    AdjustElementalSpellBonus{Magic(16.0, 6, BOOK_30), 2, 1},
    AdjustElementalSpellBonus{Magic(22.0, 6, BOOK_30), 3, 1},
    AdjustElementalSpellBonus{Magic(10.0, 7, BOOK_30), 1, 2},
    AdjustElementalSpellBonus{Magic(16.0, 7, BOOK_30), 2, 2},
    AdjustElementalSpellBonus{Magic(22.0, 7, BOOK_30), 3, 2},
    AdjustElementalSpellBonus{Magic(10.0, 8, BOOK_30), 1, 3},
    AdjustElementalSpellBonus{Magic(16.0, 8, BOOK_30), 2, 3},
    AdjustElementalSpellBonus{Magic(22.0, 8, BOOK_30), 3, 3},
    AdjustElementalSpellBonus{Magic(10.0, 9, BOOK_30), 1, 4},
    AdjustElementalSpellBonus{Magic(16.0, 9, BOOK_30), 2, 4},
    AdjustElementalSpellBonus{Magic(22.0, 9, BOOK_30), 3, 4},

    AdjustSkillBonus{{30, "AD"}, {BOOK_05, 102}, 3},
    AdjustSkillBonus{{30, "AD"}, {BOOK_05, 43}, 3},
    AdjustSkillBonus{{30, "AD"}, {BOOK_05, 189}, 3},
    AdjustSkillBonus{{30, "AD"}, {BOOK_05, 56}, 3, "Electronics: Computers"},
    AdjustSkillBonus{{30, "AD"}, {BOOK_05, 58}, 2},
    AdjustAdvantageCost{.record = {31, "AD"}, .cost = 15.0, .target = kCostTarget, .costDelta = -5.0, .perStep = true},
    AdjustSkillBonusFromDescription{{32, "AD"}, {BOOK_05, 147}},
    AdjustSkillBonusFromDescription{{32, "AD"}, {BOOK_05, 108}},
    AdjustCheck{{36, "AD"}, Check::CripplingInjury, 5},
    AdjustCheckFromDescription{{39, "AD"}, Check::Will},
    AdjustCheckFromDescription{{39, "AD"}, Check::Fright},
    AdjustCheckFromDescription{{39, "AD"}, Check::MentalStun},
    AdjustCheckFromDescription{{39, "AD"}, Check::PhysicalStun},
    AdjustProtection{{.identifier = 40, .tag = "AD", .cost = 10.0}, kDR, 1, "Toughness DR+1"},
    AdjustProtection{{.identifier = 40, .tag = "AD", .cost = 25.0}, kDR, 2, "Toughness DR+2"},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 18}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 51}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 116}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 126}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 136}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 141}, 2},
    AdjustSkillBonus{{42, "AD"}, {BOOK_05, 147}, 2},
    AdjustReaction{{42, "AD"}, 2, 2},
    AdjustAdvantageCost{.record = {43, "AD"}, .cost = 20.0, .target = kCostTarget, .costDelta = -5.0},
};

}  // namespace

std::span<const AdvantageRow> AdvantageRulesB05() { return kRows; }

}  // namespace zulparvo
