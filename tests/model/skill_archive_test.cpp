// The skill family in character files: layouts, older versions, copies and groups.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/json/json_codec.h"
#include "model/skill_base.h"
#include "model/skill_default.h"
#include "model/skill_default_language.h"
#include "model/skill_heading.h"
#include "model/skill_older.h"
#include "model/skill_spell.h"
#include "model/skill_style_selection.h"
#include "model/skill_super_power.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"

namespace zulparvo::testing {
namespace {

std::vector<uint8_t> RealBytes(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return Bytes().DWord(static_cast<uint32_t>(bits)).DWord(static_cast<uint32_t>(bits >> 32));
}

// Gives every visited field a value of its own; lists get one record, owned records one
// of their required class (a heading where any class will do).
class FieldFiller : public CFieldVisitor {
 public:
  void Integer(std::string_view, int32_t& value) override { value = -3 * Next(); }
  void Real(std::string_view, double& value) override { value = Next() + 0.25; }
  void Text(std::string_view key, CString& value) override {
    if (key != "college_text") value = std::string(key) + "#" + std::to_string(Next());
  }
  void TextList(std::string_view, CStringArray& value) override { value.Add(std::to_string(Next())); }
  void List(std::string_view, CObArray& value) override { value.Add(Filled(value.GetElementClass())); }
  void Object(std::string_view, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    value = Filled(required);
  }

  std::unique_ptr<CObject> Filled(const CRuntimeClass* runtimeClass) {
    std::unique_ptr<CObject> object = runtimeClass != nullptr ? runtimeClass->CreateObject()
                                                              : std::make_unique<CChar_Skill_Heading>();
    object->VisitFields(*this);
    return object;
  }

 private:
  int Next() { return m_next++; }
  int m_next = 1;
};

// The number of fields a record visits, to tell two fields that share a key.
class FieldCount : public CFieldVisitor {
 public:
  static std::size_t Of(CObject& object) {
    FieldCount count;
    object.VisitFields(count);
    return count.m_count;
  }
  void Integer(std::string_view, int32_t&) override { ++m_count; }
  void Real(std::string_view, double&) override { ++m_count; }
  void Text(std::string_view, CString&) override { ++m_count; }
  void TextList(std::string_view, CStringArray&) override { ++m_count; }
  void List(std::string_view, CObArray&) override { ++m_count; }
  void Object(std::string_view, std::unique_ptr<CObject>&, const CRuntimeClass*) override { ++m_count; }

 private:
  std::size_t m_count = 0;
};

std::unique_ptr<CObject> Load(const std::vector<uint8_t>& bytes) {
  CArchive ar(bytes);
  std::unique_ptr<CObject> object = ar.ReadObject(nullptr);
  EXPECT_TRUE(ar.AtEnd());
  return object;
}

// Every class of the family, with every field filled, is written, read back and written
// again to the same bytes; its copy holds the same fields, and its tag is its own.
TEST(SkillArchive, EveryClassRoundTripsAndCopies) {
  struct Case { const char* className; std::string tag; };
  const Case cases[] = {
      {"CChar_Skill_Base", "SK"},
      {"CChar_Skill_Default", "DS"},
      {"CChar_Skill_Default_DisplayOnly", "DSDO"},
      {"CChar_Skill_Maneuver", "MAN"},
      {"CChar_Skill_MartialArtsManeuver", "MAM"},
      {"CChar_Skill_Ritual", "RT"},
      {"CChar_Skill_DefaultLanguage", "DL"},
      {"CChar_Skill_MartialArtsSkill", "MAS"},
      {"CChar_Skill_Spell", "SP"},
      {"CChar_Skill_SuperPower", "SUP"},
      {"CChar_Skill_Heading", "SH"},
      {"CChar_Skill_MartialArtsStyleSelection", "MASSEL"},
      {"CChar_Skill", std::string(1, '\x01')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(c.className);
    ASSERT_NE(runtimeClass, nullptr);
    FieldFiller filler;
    std::unique_ptr<CObject> original = filler.Filled(runtimeClass);
    EXPECT_EQ(RecordToJson(*original).size(), FieldCount::Of(*original) + 1);
    const std::vector<uint8_t> bytes = Store({original.get()});

    std::unique_ptr<CObject> loaded = Load(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_STREQ(loaded->GetClassName(), c.className);
    EXPECT_EQ(RecordToJson(*loaded), RecordToJson(*original));
    EXPECT_EQ(Store({loaded.get()}), bytes);

    std::unique_ptr<CObject> copy = original->Clone();
    EXPECT_EQ(RecordToJson(*copy), RecordToJson(*original));
    EXPECT_EQ(DynamicDownCast<CZULBaseObject>(copy.get())->GetType(), c.tag);
  }
}

// The base fields of a skill record with class version 1, in file order.
Bytes& SkillBaseFields(Bytes& bytes) {
  return bytes.DWord(1)
      .DWord(135)
      .Append(RealBytes(4.0))
      .Append(RealBytes(2.0))
      .DWord(14)
      .ShortText("Lockpicking")
      .DWord(5)
      .DWord(2)
      .ShortText("B05")
      .DWord(0x10)
      .DWord(8)
      .ShortText("one")
      .ShortText("two");
}

Bytes DefaultSkillImage(uint32_t classVersion) {
  Bytes bytes;
  bytes.NewClass("CChar_Skill_Default");
  SkillBaseFields(bytes)
      .DWord(classVersion)
      .DWord(0xFFFFFFFF)
      .ShortText("DX")
      .DWord(static_cast<uint32_t>(-5))
      .Append(RealBytes(0.5))
      .ShortText("B05")
      .ShortText("SKILL");
  return bytes;
}

TEST(SkillArchive, DefaultSkillOfClassVersionOneGainsItsLastFields) {
  std::unique_ptr<CObject> object = Load(DefaultSkillImage(1));
  auto* skill = DynamicDownCast<CChar_Skill_Default>(object.get());
  ASSERT_NE(skill, nullptr);
  EXPECT_EQ(skill->GetText2(), "two");
  EXPECT_EQ(skill->GetDefaultText2(), "SKILL");

  Bytes current = DefaultSkillImage(2);
  current.DWord(0).ShortText("").ShortText("");
  EXPECT_EQ(Store({skill}), current.Get());
}

Bytes SuperPowerImage(uint32_t classVersion) {
  Bytes bytes;
  bytes.NewClass("CChar_Skill_SuperPower");
  SkillBaseFields(bytes)
      .DWord(classVersion)
      .Append(RealBytes(17.5))
      .DWord(3)
      .DWord(9)
      .NewClass("CObArray")  // enhancements: class 3, list object 4
      .Word(0)
      .Word(0x8003)          // limitations
      .Word(0);
  return bytes;
}

TEST(SkillArchive, SuperPowerOfClassVersionOneGainsItsLevelCosts) {
  std::unique_ptr<CObject> object = Load(SuperPowerImage(1));
  auto* power = DynamicDownCast<CChar_Skill_SuperPower>(object.get());
  ASSERT_NE(power, nullptr);
  EXPECT_EQ(power->GetInteger2(), 9);

  Bytes current = SuperPowerImage(2);
  current.Append(RealBytes(0.0)).Append(RealBytes(0.0));
  EXPECT_EQ(Store({power}), current.Get());
}

// The older skill record, with as many of its three later fields as the version holds.
Bytes OlderSkillImage(const std::string& version, int laterFields) {
  Bytes bytes;
  bytes.NewClass("CChar_Skill")
      .ShortText(version)
      .DWord(21)
      .Append(RealBytes(2.0))
      .Append(RealBytes(1.0))
      .DWord(11)
      .ShortText("Riding")
      .DWord(1)
      .DWord(2)
      .ShortText("t1")
      .ShortText("t2")
      .Append(RealBytes(3.5))
      .DWord(3)
      .DWord(4)
      .ShortText("t3")
      .DWord(5)
      .Append(RealBytes(4.5))
      .ShortText("t4")
      .NewClass("CObArray")  // class 3, list object 4
      .Word(0)
      .Word(0x8003)
      .Word(0);
  if (laterFields >= 1) bytes.ShortText("t5");
  if (laterFields >= 2) bytes.ShortText("t6");
  if (laterFields >= 3) bytes.DWord(6);
  return bytes;
}

TEST(SkillArchive, OlderSkillReadsTheFieldsOfItsVersion) {
  struct Case { const char *version; int laterFields; const char *text5, *text6; int integer6; };
  const Case cases[] = {
      {"1.5", 1, "t5", "", 0}, {"1.6", 2, "t5", "t6", 0}, {"1.7", 3, "t5", "t6", 6}, {"1.4", 0, "", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    std::unique_ptr<CObject> object = Load(OlderSkillImage(c.version, c.laterFields));
    auto* skill = DynamicDownCast<CChar_Skill>(object.get());
    ASSERT_NE(skill, nullptr);
    EXPECT_EQ(skill->GetSavedPoints(), 1.0);
    const auto fields = RecordToJson(*skill);
    EXPECT_EQ(fields.at("text_4"), "t4");
    EXPECT_EQ(fields.at("text_5"), c.text5);
    EXPECT_EQ(fields.at("text_6"), c.text6);
    EXPECT_EQ(fields.at("integer_6"), c.integer6);

    // Written back as "1.7" with every field.
    Bytes expected = OlderSkillImage("1.7", 0);
    expected.Append(Bytes().ShortText(c.laterFields >= 1 ? "t5" : "").ShortText(c.laterFields >= 2 ? "t6" : ""));
    expected.DWord(c.laterFields >= 3 ? 6 : 0);
    EXPECT_EQ(Store({skill}), expected.Get());
  }
}

TEST(SkillArchive, SpellCollegeTextIsNotStored) {
  CChar_Skill_Spell spell;
  spell.SetColleges(0x24);
  spell.SetCollegeText("Healing, Body Control");
  EXPECT_TRUE(spell.HasCollege(0x04));
  EXPECT_FALSE(spell.HasCollege(0x03));
  EXPECT_EQ(CChar_Skill_Spell(spell).GetCollegeText(), "Healing, Body Control");

  std::unique_ptr<CObject> loaded = Load(Store({&spell}));
  auto* read = DynamicDownCast<CChar_Skill_Spell>(loaded.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetColleges(), 0x24);
  EXPECT_EQ(read->GetCollegeText(), "");
}

TEST(SkillGroups, GroupTextSetsEveryGroupItContains) {
  struct Case { const char* text; int32_t groups; };
  const Case cases[] = {
      {"CRAFT-METAL", (1 << 4) | (1 << 6)},
      {"ANIMAL/OUTDOOR", (1 << 0) | (1 << 11)},
      {"SCIENTIFIC-HARD SPELL", (1 << 14) | (1 << 20)},
      {"CW-MELEE, FORCE", (1 << 25) | kForceSkillGroupMask},
      {"craft", 0},  // names are compared exactly
      {"", 0},
  };
  for (const Case& c : cases) {
    CChar_Skill_Base skill;
    skill.FillGroupsFromText(c.text);
    EXPECT_EQ(skill.GetGroups(), c.groups) << c.text;
  }

  CChar_Skill_Base skill;
  skill.SetGroups(1 << 30);
  skill.FillGroupsFromText(kForceSkillGroupName);
  EXPECT_TRUE(skill.HasGroup(kForceSkillGroupMask));
  EXPECT_TRUE(skill.HasGroup(1 << 30));  // bits already set stay
  EXPECT_FALSE(skill.HasGroup(1 << 3));
}

TEST(SkillRecord, CopyKeepsTheFlagAndFindsItsNameAgain) {
  CChar_Skill_Base skill;
  skill.SetName("Climbing");
  skill.SetFlag(true);
  EXPECT_EQ(skill.GetDisplayName(), "Climbing");
  skill.SetName("Climbing (Rock)");
  EXPECT_EQ(skill.GetDisplayName(), "Climbing");  // cached

  CChar_Skill_Base copy(skill);
  EXPECT_TRUE(copy.GetFlag());
  EXPECT_EQ(copy.GetDisplayName(), "Climbing (Rock)");
  EXPECT_EQ(CChar_Skill_Base().GetDisplayName(), "");

  CChar_Skill_DefaultLanguage language;
  language.SetName("Elvish");
  EXPECT_EQ(language.GetDisplayName(), "Native Language: Elvish");
}

// Owned lists and records are copied, not shared.
TEST(SkillRecord, CopiesOwnTheirModifiersAndObjects) {
  CChar_Skill_SuperPower power;
  power.GetEnhancements().Add(std::make_unique<CChar_Enhancement_Limitation>(1, 10.0, "", "", ""));
  CChar_Skill_SuperPower powerCopy(power);
  powerCopy.GetEnhancements().RemoveAll();
  EXPECT_EQ(power.GetEnhancements().GetSize(), 1u);

  CChar_Skill_MartialArtsStyleSelection selection;
  auto heading = std::make_unique<CChar_Skill_Heading>();
  heading->SetHeadingText("Kicks");
  selection.SetObject(std::move(heading));
  CChar_Skill_MartialArtsStyleSelection selectionCopy(selection);
  ASSERT_NE(selectionCopy.GetObject(), nullptr);
  EXPECT_NE(selectionCopy.GetObject(), selection.GetObject());
  EXPECT_EQ(DynamicDownCast<CChar_Skill_Heading>(selectionCopy.GetObject())->GetHeadingText(), "Kicks");
}

}  // namespace
}  // namespace zulparvo::testing
