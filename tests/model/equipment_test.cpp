// Equipment records: shown names, weights, identity, containers, and the character's
// equipment lists with the carried weights they give.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/character.h"
#include "model/equipment.h"
#include "model/equipment_armor.h"
#include "model/equipment_barding.h"
#include "model/equipment_base.h"
#include "model/equipment_container.h"
#include "model/equipment_melee_ranged_weapon.h"
#include "model/equipment_melee_weapon.h"
#include "model/equipment_standard_weapon.h"
#include "model/note.h"
#include "model/records.h"

namespace zulparvo::testing {
namespace {

template <class T>
T Item(const char* name, double weight, int32_t quantity = 1, int32_t carried = 1, Json more = Json::object()) {
  more.update({{"name", name}, {"weight", weight}, {"quantity", quantity}, {"carried_quantity", carried}});
  return Make<T>(more);
}

TEST(EquipmentName, ImprovementsFollowTheNameInTheirOrder) {
  struct Case { EquipmentImprovements improvements; const char* shown; };
  const Case cases[] = {
      {{}, "Item"},
      {{.quality = 1}, "Item, cheap quality"},
      {{.quality = 2, .pdBonus = 1}, "Item, fine quality (+1 pd)"},
      {{.quality = 4, .drBonus = 12}, "Item (+12 dr)"},
      {{.quality = 2, .pdBonus = 1, .drBonus = 2, .accuracyBonus = 3, .puissanceBonus = 4, .weightReduction = 0.5},
       "Item, fine quality (+1 pd) (+2 dr) (+3 acc) (+4 puis) (-50.0% wr)"},
      {{.weightReduction = 0.125}, "Item (-12.5% wr)"},
      // Negative amounts keep their own sign instead of showing "+-".
      {{.pdBonus = -1, .puissanceBonus = -2}, "Item (-1 pd) (-2 puis)"},
      {{.weightReduction = -0.1}, "Item (+10.0% wr)"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithImprovements("Item", c.improvements), c.shown);
}

// Each class shows the improvements it has, and no others; the name is looked up again
// when it changes.
TEST(EquipmentName, EachClassShowsItsOwnImprovements) {
  const Json all = {{"quality", 2}, {"pd_bonus", 1}, {"dr_bonus", 2}, {"weight_reduction", 0.25}};
  EXPECT_EQ(Item<CChar_Equipment_Armor>("Mail", 10, 1, 1, all).GetDisplayName(),
            "Mail, fine quality (+1 pd) (+2 dr) (-25.0% wr)");
  const Json weapon = {{"quality", 3}, {"puissance_bonus", 2}, {"accuracy_bonus", 1}};
  EXPECT_EQ(Item<CChar_Equipment_MeleeRangedWeapon>("Spear", 4, 1, 1, weapon).GetDisplayName(),
            "Spear, very fine quality (+1 acc) (+2 puis)");
  EXPECT_EQ(Item<CChar_Equipment_Container>("Backpack", 3, 1, 1, {{"text_1", "x"}}).GetDisplayName(), "Backpack");
  EXPECT_EQ(Make<CChar_Equipment_Armor>({{"pd_bonus", 2}}).GetDisplayName(), " (+2 pd)");
  auto sword = Item<CChar_Equipment_MeleeWeapon>("Sword", 3, 1, 1, {{"quality", 2}});
  EXPECT_EQ(sword.GetDisplayName(), "Sword, fine quality");
  sword.SetName("Broadsword");
  EXPECT_EQ(sword.GetDisplayName(), "Broadsword, fine quality");
}

TEST(EquipmentWeight, ArmorTakesItsReductionOff) {
  struct Case { double weight, reduction, effective; };
  for (const Case& c : {Case{20.0, 0.25, 15.0}, Case{8.0, 1.0, 0.0}}) {
    const Json reduction = {{"weight_reduction", c.reduction}};
    EXPECT_DOUBLE_EQ(Item<CChar_Equipment_Armor>("Armor", c.weight, 1, 1, reduction).GetEffectiveWeight(), c.effective);
    EXPECT_DOUBLE_EQ(Item<CChar_Equipment_Barding>("Barding", c.weight, 1, 1, reduction).GetEffectiveWeight(),
                     c.effective);
  }
  EXPECT_DOUBLE_EQ(Item<CChar_Equipment_RangedWeapon>("Bow", 2.5).GetEffectiveWeight(), 2.5);
  EXPECT_DOUBLE_EQ(Item<CChar_Equipment_Container>("Sack", 0.5).GetEffectiveWeight(), 0.5);
}

// A change to one field of an armor and of a weapon: whether they then still count as
// the same item, armor and weapon. Improvements tell armor and weapons apart, not items.
TEST(EquipmentIdentity, EachFieldCountsOrNot) {
  struct Case {
    const char* change;
    bool armorOnly, weaponOnly, sameItem, sameKind;
  };
  const Case cases[] = {
      {R"({"identifier": 8})", false, false, false, false}, {R"({"name": "Other"})", false, false, false, false},
      {R"({"text_1": "x"})", false, false, false, false},   {R"({"integer_3": 1})", false, false, false, false},
      {R"({"text_4": "x"})", false, false, false, false},   {R"({"text_3": "x"})", false, false, false, false},
      {R"({"quantity": 5})", false, false, true, true},     {R"({"weight": 9})", false, false, true, true},
      {R"({"text_2": "x"})", false, false, true, true},     {R"({"excluded_flag": 1})", false, false, true, true},
      {R"({"quality": 1})", false, false, true, false},     {R"({"pd_bonus": 1})", true, false, true, false},
      {R"({"dr_bonus": 1})", true, false, true, false},     {R"({"weight_reduction": 1e-9})", true, false, true, false},
      {R"({"worn_flag": 1})", true, false, true, true},     {R"({"puissance_bonus": 1})", false, true, true, false},
      {R"({"accuracy_bonus": 1})", false, true, true, false}, {R"({"integer_4": 3})", false, true, true, true},
  };
  const auto changed = [](auto record, const char* change) {
    Json json = RecordToJson(record);
    json.merge_patch(Json::parse(change));
    return static_cast<decltype(record)&>(*RecordFromJson(json, decltype(record)::ThisClass()));
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    const auto armor = Item<CChar_Equipment_Armor>("Shield", 5.0);
    const auto weapon = Item<CChar_Equipment_StandardWeapon>("Shield", 5.0);
    if (!c.weaponOnly) {
      const auto other = changed(armor, c.change);
      EXPECT_EQ(armor.IsSameItem(other), c.sameItem);
      EXPECT_EQ(armor.IsSameArmor(other), c.sameKind);
    }
    if (!c.armorOnly) {
      const auto other = changed(weapon, c.change);
      EXPECT_EQ(weapon.IsSameItem(other), c.sameItem);
      EXPECT_EQ(weapon.IsSameWeapon(other), c.sameKind);
    }
  }
  // Records of different classes with the same identity fields are the same item.
  EXPECT_TRUE(Item<CChar_Equipment_Base>("Rope", 1.0).IsSameItem(Item<CChar_Equipment_Container>("Rope", 2.0)));
}

// A backpack with two ropes of 3.0 and a pouch (1.0) holding 4.0 of coins.
CChar_Equipment_Container Backpack() {
  auto pouch = Item<CChar_Equipment_Container>("Pouch", 1.0);
  pouch.AddItem(Item<CChar_Equipment_Base>("Coins", 0.5, 8, 0));
  auto backpack = Item<CChar_Equipment_Container>("Backpack", 2.0);
  backpack.AddItem(Item<CChar_Equipment_Base>("Rope", 3.0, 2, 0));
  backpack.AddItem(pouch);
  return backpack;
}

TEST(EquipmentContainer, ContentsWeightsCountQuantitiesAndInnerContainers) {
  CChar_Equipment_Container backpack = Backpack();
  EXPECT_DOUBLE_EQ(backpack.GetContentsWeight(), 2 * 3.0 + 1 * 1.0 + 4.0);
  EXPECT_DOUBLE_EQ(backpack.GetFlatContentsWeight(), 2 * 3.0 + 1 * 1.0);
  // Armor inside counts with its reduction.
  backpack.AddItem(Item<CChar_Equipment_Armor>("Spare Mail", 20.0, 1, 1, {{"weight_reduction", 0.25}}));
  EXPECT_DOUBLE_EQ(backpack.GetFlatContentsWeight(), 7.0 + 15.0);
}

TEST(EquipmentContainer, ItemsAreFiledAsCopiesOfTheirClass) {
  CChar_Equipment_Container backpack = Backpack();
  backpack.AddItem(Item<CChar_Equipment_Barding>("Barding", 30.0));
  backpack.AddItem(Item<CChar_Equipment_MeleeWeapon>("Dagger", 1.0));
  const auto& contents = backpack.GetContents();
  ASSERT_EQ(contents.GetSize(), 4u);
  EXPECT_EQ(contents.GetAt(1)->GetType(), "CON");
  EXPECT_EQ(contents.GetAt(2)->GetType(), "BD");
  EXPECT_EQ(contents.GetAt(3)->GetType(), "MW");
  EXPECT_FALSE(backpack.RemoveItem(4));
  EXPECT_TRUE(backpack.RemoveItem(3));
  EXPECT_EQ(contents.GetSize(), 3u);
}

TEST(CharacterEquipment, AddOperationsFileCopiesAndChargeNothing) {
  CChar_Character character;
  const double available = character.GetPointsAvailable();

  character.AddEquipment(Backpack());
  character.AddEquipment(Item<CChar_Equipment_Armor>("Mail", 20.0));  // filed as a plain item
  ASSERT_EQ(character.GetEquipment().GetSize(), 2u);
  EXPECT_EQ(character.GetEquipment().GetAt(0)->GetType(), "CON");
  EXPECT_EQ(character.GetEquipment().GetAt(1)->GetType(), "SE");
  EXPECT_EQ(character.GetEquipment().GetAt(1)->GetName(), "Mail");
  EXPECT_EQ(DynamicDownCast<CChar_Equipment_Container>(character.GetEquipment().GetAt(0))->GetContents().GetSize(), 2u);

  EXPECT_TRUE(character.AddWeapon(CChar_Equipment_StandardWeapon()));
  EXPECT_TRUE(character.AddWeapon(CChar_Equipment_MeleeWeapon()));
  EXPECT_TRUE(character.AddWeapon(CChar_Equipment_RangedWeapon()));
  EXPECT_TRUE(character.AddWeapon(CChar_Equipment_MeleeRangedWeapon()));
  EXPECT_FALSE(character.AddWeapon(CChar_Equipment_Armor()));
  EXPECT_FALSE(character.AddWeapon(CChar_Equipment_Base()));
  std::vector<CString> filedTags;
  for (std::size_t i = 0; i < character.GetWeapons().GetSize(); ++i) {
    filedTags.push_back(character.GetWeapons().GetAt(i)->GetType());
  }
  EXPECT_EQ(filedTags, (std::vector<CString>{"SW", "MW", "RW", "MRW"}));

  character.AddArmor(Item<CChar_Equipment_Barding>("Barding", 30.0));
  ASSERT_EQ(character.GetArmor().GetSize(), 1u);
  EXPECT_EQ(character.GetArmor().GetAt(0)->GetType(), "BD");

  character.AddNote(CChar_Note());

  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), available);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
  // Removing them gives nothing back either.
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Weapons, 0));
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Notes, 0));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), available);
}

TEST(CharacterEquipment, CarriedWeightsCountCarriedQuantitiesAndLeaveExcludedItemsOutOfTheSecond) {
  CChar_Character character;
  character.AddArmor(Item<CChar_Equipment_Armor>("Mail", 20.0, 1, 1, {{"weight_reduction", 0.25}}));  // 15.0
  character.AddEquipment(Item<CChar_Equipment_Base>("Tent", 2.0, 5, 3, {{"excluded_flag", 1}}));  // 6.0, sum 1
  // 2.0 for the backpack and 7.0 for its contents, without the coins in the pouch.
  auto backpack = Backpack();
  backpack.SetCarriedQuantity(1);
  character.AddEquipment(backpack);
  character.AddWeapon(Item<CChar_Equipment_MeleeWeapon>("Axe", 4.0, 3, 2));  // 8.0
  auto cart = Item<CChar_Equipment_Container>("Cart", 100.0, 1, 0, {{"excluded_flag", 1}});  // its load counts
  cart.AddItem(Item<CChar_Equipment_Base>("Barrel", 10.0, 2, 0));
  character.AddEquipment(cart);

  character.RecomputeCarriedWeights();
  EXPECT_DOUBLE_EQ(character.GetCarriedWeight1(), 15.0 + 6.0 + 9.0 + 8.0 + 20.0);
  EXPECT_DOUBLE_EQ(character.GetCarriedWeight2(), 15.0 + 9.0 + 8.0);

  // The extra weights are added on top, and the sums follow the lists.
  character.SetExtraWeight(1.0);
  character.SetExtraWeight1(2.0);
  character.SetExtraWeight2(4.0);
  character.RemoveRecord(CharacterList::Equipment, 2);
  character.RecomputeCarriedWeights();
  EXPECT_DOUBLE_EQ(character.GetCarriedWeight1(), 38.0 + 3.0);
  EXPECT_DOUBLE_EQ(character.GetCarriedWeight2(), 32.0 + 5.0);
}

}  // namespace
}  // namespace zulparvo::testing
