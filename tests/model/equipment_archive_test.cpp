// Equipment records in character files: every class round trips, older layouts load
// with defaults and are written back current, and the character's lists take only
// their own classes.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/json/json_codec.h"
#include "model/character.h"
#include "model/equipment.h"
#include "model/equipment_armor.h"
#include "model/equipment_barding.h"
#include "model/equipment_base.h"
#include "model/equipment_container.h"
#include "model/equipment_melee_ranged_weapon.h"
#include "model/note.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"

namespace zulparvo::testing {
namespace {

// Gives every visited field a value of its own; a list gets one record of its class.
class FieldFiller : public CFieldVisitor {
 public:
  void Integer(std::string_view, int32_t& value) override { value = -3 * Next(); }
  void Real(std::string_view, double& value) override { value = Next() + 0.25; }
  void Text(std::string_view key, CString& value) override { value = std::string(key) + "#" + std::to_string(Next()); }
  void TextList(std::string_view, CStringArray& value) override { value.Add(std::to_string(Next())); }
  void List(std::string_view, CObArray& value) override { value.Add(Filled(value.GetElementClass())); }
  void Object(std::string_view, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    value = Filled(required);
  }

  std::unique_ptr<CObject> Filled(const CRuntimeClass* runtimeClass) {
    std::unique_ptr<CObject> object = runtimeClass->CreateObject();
    object->VisitFields(*this);
    return object;
  }

 private:
  int Next() { return m_next++; }
  int m_next = 1;
};

std::unique_ptr<CObject> Load(const std::vector<uint8_t>& bytes) {
  CArchive ar(bytes);
  std::unique_ptr<CObject> object = ar.ReadObject(nullptr);
  EXPECT_TRUE(ar.AtEnd());
  return object;
}

TEST(EquipmentArchive, EveryClassRoundTripsAndCopies) {
  struct Case {
    const char* className;
    const char* tag;  // none for the two classes outside the tagged family
    std::size_t keys;
  };
  const Case cases[] = {
      {"CChar_Equipment", nullptr, 19},
      {"CChar_Note", nullptr, 4},
      {"CChar_Equipment_Base", "SE", 11},
      {"CChar_Equipment_Armor", "AR", 16},
      {"CChar_Equipment_Barding", "BD", 16},
      {"CChar_Equipment_Container", "CON", 13},
      {"CChar_Equipment_StandardWeapon", "SW", 15},
      {"CChar_Equipment_MeleeWeapon", "MW", 15},
      {"CChar_Equipment_RangedWeapon", "RW", 15},
      {"CChar_Equipment_MeleeRangedWeapon", "MRW", 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(c.className);
    ASSERT_NE(runtimeClass, nullptr);
    FieldFiller filler;
    std::unique_ptr<CObject> original = filler.Filled(runtimeClass);
    EXPECT_EQ(RecordToJson(*original).size(), c.keys + 1);  // fewer when two fields share a key
    const std::vector<uint8_t> bytes = Store({original.get()});

    std::unique_ptr<CObject> loaded = Load(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_STREQ(loaded->GetClassName(), c.className);
    EXPECT_EQ(RecordToJson(*loaded), RecordToJson(*original));
    EXPECT_EQ(Store({loaded.get()}), bytes);

    std::unique_ptr<CObject> copy = original->Clone();
    EXPECT_EQ(RecordToJson(*copy), RecordToJson(*original));
    auto* tagged = DynamicDownCast<CZULBaseObject>(copy.get());
    if (c.tag == nullptr) {
      EXPECT_EQ(tagged, nullptr);
    } else {
      ASSERT_NE(tagged, nullptr);
      EXPECT_EQ(tagged->GetType(), c.tag);
    }
  }
}

// The fields of the typed base level, in file order.
Bytes& BaseFields(Bytes& bytes, const std::string& name) {
  return bytes.DWord(1)
      .DWord(42)
      .DWord(3)
      .DWord(2)
      .Real(1.5)
      .ShortText(name)
      .ShortText("t1")
      .ShortText("t2")
      .DWord(1)
      .DWord(9)
      .ShortText("t3")
      .ShortText("t4");
}

Bytes ArmorImage(uint32_t classVersion, bool withQuality) {
  Bytes bytes;
  bytes.NewClass("CChar_Equipment_Armor");
  BaseFields(bytes, "Mail").DWord(classVersion).DWord(1).DWord(2).DWord(3).Real(0.25);
  if (withQuality) bytes.DWord(2);
  return bytes;
}

TEST(EquipmentArchive, ArmorOfClassVersionOneHasNoQuality) {
  std::unique_ptr<CObject> object = Load(ArmorImage(1, false));
  auto* armor = DynamicDownCast<CChar_Equipment_Armor>(object.get());
  ASSERT_NE(armor, nullptr);
  EXPECT_EQ(armor->GetText4(), "t4");
  EXPECT_TRUE(armor->IsWorn());
  EXPECT_EQ(armor->GetQuality(), 0);
  EXPECT_EQ(armor->GetDisplayName(), "Mail (+2 pd) (+3 dr) (-25.0% wr)");

  Bytes current = ArmorImage(2, false);
  current.DWord(0);
  EXPECT_EQ(Store({armor}), current.Get());

  std::unique_ptr<CObject> fine = Load(ArmorImage(2, true));
  EXPECT_EQ(DynamicDownCast<CChar_Equipment_Armor>(fine.get())->GetQuality(), kQualityFine);
}

// Each level of a weapon writes its own class version: the base, the standard weapon
// with its four fields, the ranged weapon and the melee-ranged weapon.
TEST(EquipmentArchive, MeleeRangedWeaponLayout) {
  Bytes image;
  image.NewClass("CChar_Equipment_MeleeRangedWeapon");
  BaseFields(image, "Spear").DWord(1).DWord(5).DWord(3).DWord(2).DWord(1).DWord(1).DWord(1);
  std::unique_ptr<CObject> object = Load(image);
  auto* spear = DynamicDownCast<CChar_Equipment_MeleeRangedWeapon>(object.get());
  ASSERT_NE(spear, nullptr);
  EXPECT_EQ(spear->GetInteger4(), 5);
  EXPECT_EQ(spear->GetDisplayName(), "Spear, very fine quality (+1 acc) (+2 puis)");
  EXPECT_EQ(Store({spear}), image.Get());
}

TEST(EquipmentArchive, ContainerHoldsItsContentsAsAList) {
  Bytes image;
  image.NewClass("CChar_Equipment_Container");  // class 1, object 2
  BaseFields(image, "Backpack").DWord(1).Real(12.5);
  image.NewClass("CObArray").Word(2);  // class 3, object 4
  BaseFields(image.NewClass("CChar_Equipment_Base"), "Rope");  // class 5, object 6
  BaseFields(image.Word(0x8001), "Pouch").DWord(1).Real(0.0).Word(0x8003).Word(0);
  std::unique_ptr<CObject> object = Load(image);
  auto* backpack = DynamicDownCast<CChar_Equipment_Container>(object.get());
  ASSERT_NE(backpack, nullptr);
  EXPECT_EQ(backpack->GetContainerValue(), 12.5);
  ASSERT_EQ(backpack->GetContents().GetSize(), 2u);
  EXPECT_EQ(backpack->GetContents().GetAt(0)->GetName(), "Rope");
  EXPECT_EQ(backpack->GetContents().GetAt(1)->GetType(), "CON");
  EXPECT_DOUBLE_EQ(backpack->GetContentsWeight(), 2 * 3 * 1.5);
  EXPECT_EQ(Store({backpack}), image.Get());
}

// The plain record with the fields that a version holds after the first ten.
Bytes PlainImage(const std::string& version, int steps) {
  Bytes bytes;
  bytes.NewClass("CChar_Equipment")
      .ShortText(version)
      .DWord(17)
      .DWord(1)
      .DWord(2)
      .Real(6.0)
      .ShortText("Lantern")
      .DWord(4)
      .ShortText("Light")
      .ShortText("t1")
      .DWord(3);
  if (steps >= 1) bytes.DWord(4).ShortText("t2").ShortText("t3");
  if (steps >= 2) bytes.DWord(1).DWord(2).Real(0.5).DWord(3).DWord(4).DWord(kQualityCheap);
  if (steps >= 3) bytes.DWord(5);
  return bytes;
}

TEST(EquipmentArchive, PlainRecordReadsTheFieldsOfItsVersion) {
  struct Case { const char* version; int steps; };
  for (const Case& c : {Case{"1.0", 0}, Case{"", 0}, Case{"1.1", 1}, Case{"1.2", 2}, Case{"1.3", 3}}) {
    SCOPED_TRACE(c.version);
    std::unique_ptr<CObject> object = Load(PlainImage(c.version, c.steps));
    auto* item = DynamicDownCast<CChar_Equipment>(object.get());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetCategory(), "Light");
    EXPECT_EQ(item->GetInteger3(), 3);
    EXPECT_EQ(item->GetText3(), c.steps >= 1 ? "t3" : "");
    EXPECT_EQ(item->GetInteger5(), c.steps >= 3 ? 5 : 0);
    EXPECT_EQ(item->GetDisplayName(), c.steps >= 2 ? "Lantern, cheap quality (+3 pd) (+4 dr) (+2 acc) (+1 puis) (-50.0% wr)"
                                                   : "Lantern");

    // Written back as "1.3" with every field, the missing ones at their defaults.
    Bytes expected = PlainImage("1.3", 0);
    if (c.steps >= 1) {
      expected.DWord(4).ShortText("t2").ShortText("t3");
    } else {
      expected.DWord(0).ShortText("").ShortText("");
    }
    if (c.steps >= 2) {
      expected.DWord(1).DWord(2).Real(0.5).DWord(3).DWord(4).DWord(kQualityCheap);
    } else {
      expected.DWord(0).DWord(0).Real(0.0).DWord(0).DWord(0).DWord(0);
    }
    expected.DWord(c.steps >= 3 ? 5 : 0);
    EXPECT_EQ(Store({item}), expected.Get());
  }
}

// Each list of the character refuses a record of a class it does not hold.
TEST(EquipmentArchive, CharacterListsTakeOnlyTheirClasses) {
  struct Case { CharacterList list; const char* stranger; };
  for (const Case& c : {Case{CharacterList::Equipment, "CChar_Equipment"}, Case{CharacterList::Weapons, "CChar_Equipment_Armor"},
                        Case{CharacterList::Armor, "CChar_Equipment_Base"},
                        Case{CharacterList::Notes, "CChar_Equipment"}}) {
    SCOPED_TRACE(c.stranger);
    CChar_Character character;
    const std::vector<uint8_t> bytes = Bytes().NewClass("CObArray").Word(1).NewClass(c.stranger);
    CArchive ar(bytes);
    EXPECT_THROW(ar.Exchange(character.GetList(c.list)), CArchiveException);
  }
}

TEST(EquipmentArchive, CharacterKeepsItsEquipmentThroughItsFile) {
  CChar_Character character;
  CChar_Equipment_Container backpack;
  backpack.AddItem(CChar_Equipment_Armor());
  character.AddEquipment(backpack);
  CChar_Equipment_Barding barding;
  barding.SetQuality(kQualityFine);
  character.AddArmor(barding);
  character.AddWeapon(CChar_Equipment_MeleeRangedWeapon());
  CChar_Note note;
  note.SetText("note");
  character.AddNote(note);

  CArchive out;
  character.Serialize(out);
  CArchive in(out.GetBuffer());
  CChar_Character loaded;
  loaded.Serialize(in);
  ASSERT_EQ(loaded.GetEquipment().GetSize(), 1u);
  const auto* container = DynamicDownCast<CChar_Equipment_Container>(loaded.GetEquipment().GetAt(0));
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(container->GetContents().GetAt(0)->GetType(), "AR");
  ASSERT_EQ((std::vector<std::size_t>{loaded.GetArmor().GetSize(), loaded.GetWeapons().GetSize(), loaded.GetNotes().GetSize()}),
            (std::vector<std::size_t>{1, 1, 1}));
  EXPECT_EQ(loaded.GetArmor().GetAt(0)->GetType(), "BD");
  EXPECT_EQ(loaded.GetArmor().GetAt(0)->GetQuality(), kQualityFine);
  EXPECT_EQ(loaded.GetWeapons().GetAt(0)->GetType(), "MRW");
  EXPECT_EQ(loaded.GetNotes().GetAt(0)->GetText(), "note");
}

}  // namespace
}  // namespace zulparvo::testing
