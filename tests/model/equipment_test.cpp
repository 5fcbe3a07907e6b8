// Equipment records: shown names, weights, identity, containers, and the character's
// equipment lists with the carried weights they give.
#include <gtest/gtest.h>

#include <functional>
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

namespace zulparvo {
namespace {

template <class T>
T Item(const char* name, double weight, int32_t quantity = 1, int32_t carried = 1) {
  T item;
  item.SetName(name);
  item.SetWeight(weight);
  item.SetQuantity(quantity);
  item.SetCarriedQuantity(carried);
  return item;
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

// Each class shows the improvements it has, and no others.
TEST(EquipmentName, EachClassShowsItsOwnImprovements) {
  auto armor = Item<CChar_Equipment_Armor>("Leather Armor", 10.0);
  armor.SetQuality(kQualityFine);
  armor.SetPDBonus(1);
  armor.SetDRBonus(2);
  armor.SetWeightReduction(0.25);
  EXPECT_EQ(armor.GetDisplayName(), "Leather Armor, fine quality (+1 pd) (+2 dr) (-25.0% wr)");
  auto spear = Item<CChar_Equipment_MeleeRangedWeapon>("Spear", 4.0);
  spear.SetQuality(kQualityVeryFine);
  spear.SetPuissanceBonus(2);
  spear.SetAccuracyBonus(1);
  EXPECT_EQ(spear.GetDisplayName(), "Spear, very fine quality (+1 acc) (+2 puis)");

  EXPECT_EQ(Item<CChar_Equipment_Container>("Backpack", 3.0).GetDisplayName(), "Backpack");
  EXPECT_EQ(Item<CChar_Equipment_Base>("Rope", 3.0).GetDisplayName(), "Rope");
}

TEST(EquipmentName, NameIsCachedUntilRenamedAndRepeatedCallsAgree) {
  auto sword = Item<CChar_Equipment_MeleeWeapon>("Sword", 3.0);
  sword.SetQuality(kQualityFine);
  EXPECT_EQ(sword.GetDisplayName(), "Sword, fine quality");
  sword.SetName("Broadsword");
  EXPECT_EQ(sword.GetDisplayName(), "Broadsword, fine quality");
  // Without a name and without reference data only the improvements remain.
  CChar_Equipment_Armor unnamed;
  unnamed.SetPDBonus(2);
  EXPECT_EQ(unnamed.GetDisplayName(), " (+2 pd)");
}

TEST(EquipmentWeight, ArmorTakesItsReductionOff) {
  struct Case { double weight, reduction, effective; };
  for (const Case& c : {Case{20.0, 0.25, 15.0}, Case{8.0, 1.0, 0.0}}) {
    auto armor = Item<CChar_Equipment_Armor>("Armor", c.weight);
    armor.SetWeightReduction(c.reduction);
    EXPECT_DOUBLE_EQ(armor.GetEffectiveWeight(), c.effective) << c.weight << " " << c.reduction;
    auto barding = Item<CChar_Equipment_Barding>("Barding", c.weight);
    barding.SetWeightReduction(c.reduction);
    EXPECT_DOUBLE_EQ(barding.GetEffectiveWeight(), c.effective);
  }
  EXPECT_DOUBLE_EQ(Item<CChar_Equipment_RangedWeapon>("Bow", 2.5).GetEffectiveWeight(), 2.5);
  EXPECT_DOUBLE_EQ(Item<CChar_Equipment_Container>("Sack", 0.5).GetEffectiveWeight(), 0.5);
}

// A change to one field of a weapon-armor pair: whether the records then still count as
// the same item, armor and weapon. Improvements tell armor and weapons apart, not items.
TEST(EquipmentIdentity, EachFieldCountsOrNot) {
  struct Case {
    const char* field;
    std::function<void(CChar_Equipment_Armor&, CChar_Equipment_StandardWeapon&)> change;
    bool sameItem, sameArmor, sameWeapon;
  };
  const auto both = [](auto set) {
    return [set](CChar_Equipment_Armor& a, CChar_Equipment_StandardWeapon& w) { set(a), set(w); };
  };
  const Case cases[] = {
      {"nothing", both([](CChar_Equipment_Base&) {}), true, true, true},
      {"identifier", both([](CChar_Equipment_Base& i) { i.SetIdentifier(8); }), false, false, false},
      {"name", both([](CChar_Equipment_Base& i) { i.SetName("Other"); }), false, false, false},
      {"text 1", both([](CChar_Equipment_Base& i) { i.SetText1("x"); }), false, false, false},
      {"integer 3", both([](CChar_Equipment_Base& i) { i.SetInteger3(1); }), false, false, false},
      {"text 4", both([](CChar_Equipment_Base& i) { i.SetText4("x"); }), false, false, false},
      {"quantity", both([](CChar_Equipment_Base& i) { i.SetQuantity(5); }), true, true, true},
      {"weight", both([](CChar_Equipment_Base& i) { i.SetWeight(9.0); }), true, true, true},
      {"text 2", both([](CChar_Equipment_Base& i) { i.SetText2("x"); }), true, true, true},
      {"excluded flag", both([](CChar_Equipment_Base& i) { i.SetExcludedFlag(1); }), true, true, true},
      {"pd", [](auto& a, auto&) { a.SetPDBonus(1); }, true, false, true},
      {"dr", [](auto& a, auto&) { a.SetDRBonus(1); }, true, false, true},
      {"reduction", [](auto& a, auto&) { a.SetWeightReduction(1e-9); }, true, false, true},
      {"armor quality", [](auto& a, auto&) { a.SetQuality(kQualityFine); }, true, false, true},
      {"worn", [](auto& a, auto&) { a.SetWornFlag(1); }, true, true, true},
      {"weapon quality", [](auto&, auto& w) { w.SetQuality(kQualityCheap); }, true, true, false},
      {"puissance", [](auto&, auto& w) { w.SetPuissanceBonus(1); }, true, true, false},
      {"accuracy", [](auto&, auto& w) { w.SetAccuracyBonus(1); }, true, true, false},
      {"integer 4", [](auto&, auto& w) { w.SetInteger4(3); }, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const auto armor = Item<CChar_Equipment_Armor>("Shield", 5.0);
    const auto weapon = Item<CChar_Equipment_StandardWeapon>("Shield", 5.0);
    auto otherArmor = armor;
    auto otherWeapon = weapon;
    c.change(otherArmor, otherWeapon);
    EXPECT_EQ(armor.IsSameItem(otherArmor) && weapon.IsSameItem(otherWeapon), c.sameItem);
    EXPECT_EQ(armor.IsSameArmor(otherArmor), c.sameArmor);
    EXPECT_EQ(weapon.IsSameWeapon(otherWeapon), c.sameWeapon);
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
  auto armor = Item<CChar_Equipment_Armor>("Spare Mail", 20.0, 1);
  armor.SetWeightReduction(0.25);
  backpack.AddItem(armor);
  EXPECT_DOUBLE_EQ(backpack.GetFlatContentsWeight(), 7.0 + 15.0);
}

TEST(EquipmentContainer, ItemsAreFiledAsCopiesOfTheirClass) {
  CChar_Equipment_Container backpack = Backpack();
  auto barding = Item<CChar_Equipment_Barding>("Barding", 30.0);
  backpack.AddItem(barding);
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
  auto armor = Item<CChar_Equipment_Armor>("Mail", 20.0, 1, 1);
  armor.SetWeightReduction(0.25);
  character.AddArmor(armor);  // 15.0
  auto tent = Item<CChar_Equipment_Base>("Tent", 2.0, 5, 3);
  tent.SetExcludedFlag(1);
  character.AddEquipment(tent);  // 6.0, first sum only
  // 2.0 for the backpack and 7.0 for its contents, without the coins in the pouch.
  auto backpack = Backpack();
  backpack.SetCarriedQuantity(1);
  character.AddEquipment(backpack);
  character.AddWeapon(Item<CChar_Equipment_MeleeWeapon>("Axe", 4.0, 3, 2));  // 8.0
  auto cart = Item<CChar_Equipment_Container>("Cart", 100.0, 1, 0);  // not carried; what it holds is
  cart.SetExcludedFlag(1);
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
}  // namespace zulparvo
