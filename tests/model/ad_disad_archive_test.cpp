// Advantage records and their modifiers in the archive: round trips, the layouts of
// older versions, and deep copies.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/json/json_codec.h"
#include "model/ad_disad.h"
#include "model/ad_disad_magery_colleges.h"
#include "model/ad_disad_object_relationship.h"
#include "model/enhancement_limitation.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/field_visitor.h"

namespace zulparvo::testing {
namespace {

Bytes& Real(Bytes& bytes, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  return bytes.DWord(static_cast<uint32_t>(bits)).DWord(static_cast<uint32_t>(bits >> 32));
}

Bytes& Int(Bytes& bytes, int32_t value) { return bytes.DWord(static_cast<uint32_t>(value)); }

template <class T>
std::unique_ptr<T> Load(const std::vector<uint8_t>& bytes) {
  CArchive ar(bytes);
  std::unique_ptr<CObject> object = ar.ReadObject(T::ThisClass());
  EXPECT_TRUE(ar.AtEnd()) << "unread bytes: " << ar.GetRemaining();
  return std::unique_ptr<T>(static_cast<T*>(object.release()));
}

CChar_Enhancement_Limitation FullModifier(int32_t identifier, double value, int32_t kind) {
  CChar_Enhancement_Limitation modifier(identifier, value, "Modifier " + std::to_string(identifier), "ENH-CAT",
                                        "BOOK_07", kind);
  modifier.SetSubEntry(identifier + 100, "SUB-CAT", "BOOK_08");
  return modifier;
}

// A record with a value other than the default in every field.
template <class T = CChar_Ad_Disad>
T FullRecord() {
  T record;
  static_cast<CChar_Ad_Disad&>(record) = CChar_Ad_Disad(17, 25.0, "Keen Ears (+2)", "BOOK_05", 33, "BOOK_12", "RACAD");
  record.AddEnhancement(FullModifier(1, 40.0, 0));
  record.AddEnhancement(FullModifier(2, 5.0, CChar_Enhancement_Limitation::kFlatPoints));
  record.AddLimitation(FullModifier(3, -20.0, 0));
  record.RecomputeCost();
  record.SetLevel(3);
  record.SetSubEntry(4, "SUPER-AD", "BOOK_09");
  record.SetCostPerLevel(2.5);
  record.SetExtraCost(-1.5);
  return record;
}

TEST(AdDisadArchive, EveryClassRoundTripsWithAllFields) {
  auto magery = FullRecord<CChar_Ad_Disad_Magery_Colleges>();
  magery.SetColleges(0x40000005);
  auto relationship = FullRecord<CChar_Ad_Disad_Object_Relationship>();
  relationship.SetRelatedText("Ally");
  relationship.SetRelatedObject(std::make_unique<CChar_Ad_Disad_Magery_Colleges>(magery));
  auto plain = FullRecord();
  auto modifier = FullModifier(9, -30.0, 1);
  CChar_Ad_Disad_Object_Relationship alone;  // without a related object
  alone.SetRelatedText("nobody");

  for (CObject* object : std::initializer_list<CObject*>{&plain, &magery, &relationship, &modifier, &alone}) {
    SCOPED_TRACE(object->GetClassName());
    const std::vector<uint8_t> bytes = Store({object});
    auto loaded = Load<CObject>(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), object->GetRuntimeClass());
    EXPECT_EQ(RecordToJson(*loaded), RecordToJson(*object));
    // What was read is written again byte for byte.
    EXPECT_EQ(Store({loaded.get()}), bytes);
  }
}

// The subclasses write their class version 1 and their own fields after the base
// record's fields; the relationship puts its text before its object.
TEST(AdDisadArchive, SubclassLayouts) {
  const CChar_Ad_Disad base = FullRecord();
  const std::vector<uint8_t> baseBytes = Store({&base});
  const std::size_t baseHeader = 6 + std::string("CChar_Ad_Disad").size();
  const std::vector<uint8_t> baseData(baseBytes.begin() + static_cast<std::ptrdiff_t>(baseHeader), baseBytes.end());

  CChar_Ad_Disad_Magery_Colleges magery = FullRecord<CChar_Ad_Disad_Magery_Colleges>();
  magery.SetColleges(6);
  Bytes mageryImage;
  mageryImage.NewClass("CChar_Ad_Disad_Magery_Colleges").Append(baseData);
  Int(Int(mageryImage, 1), 6);
  EXPECT_EQ(Store({&magery}), mageryImage.Get());

  CChar_Ad_Disad_Object_Relationship relationship = FullRecord<CChar_Ad_Disad_Object_Relationship>();
  relationship.SetRelatedText("Ally");
  Bytes relationshipImage;
  relationshipImage.NewClass("CChar_Ad_Disad_Object_Relationship").Append(baseData);
  Int(relationshipImage, 1).ShortText("Ally").Word(0);
  EXPECT_EQ(Store({&relationship}), relationshipImage.Get());
}

// The fields of an advantage record as a file of the given version holds them: fields
// 1-12 (no modifiers), then those of the first `steps` of "1.3", "1.4", "1.5", "1.6".
Bytes AdDisadImage(const std::string& version, int steps) {
  Bytes bytes;
  bytes.NewClass("CChar_Ad_Disad").ShortText(version);
  Int(bytes, 17);
  Real(Real(bytes, 12.5), 10.0).ShortText("Keen Ears (+2)").ShortText("BOOK_05");
  Int(bytes, 33).ShortText("BOOK_12").ShortText("AD");
  Int(bytes, 8);
  // Classes and objects count together: record class 1, record 2, list class 3.
  bytes.NewClass("CObArray").Word(0).Word(0x8003).Word(0);
  if (steps >= 1) Int(bytes, 4);
  if (steps >= 2) Int(bytes, 6).ShortText("SUPER-AD").ShortText("BOOK_09");
  if (steps >= 3) Real(bytes, 2.5);
  if (steps >= 4) Real(bytes, -1.5);
  return bytes;
}

TEST(AdDisadArchive, OlderVersionsReadTheFieldsTheyHold) {
  struct Case { const char* version; int steps; };
  const Case cases[] = {{"1.6", 4}, {"1.5", 3}, {"1.4", 2}, {"1.3", 1}, {"1.2", 0}, {"2.0", 0}, {"", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    auto record = Load<CChar_Ad_Disad>(AdDisadImage(c.version, c.steps));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->GetDescription(), "Keen Ears (+2)");
    EXPECT_EQ(record->GetInteger1(), 8);
    EXPECT_EQ(record->GetLevel(), c.steps >= 1 ? 4 : 0);
    EXPECT_EQ(record->GetSubBookCode(), c.steps >= 2 ? "BOOK_09" : "");
    EXPECT_EQ(record->GetCostPerLevel(), c.steps >= 3 ? 2.5 : 0.0);
    EXPECT_EQ(record->GetExtraCost(), c.steps >= 4 ? -1.5 : 0.0);
    // Written back as "1.6" with every field, the missing ones at their defaults.
    Bytes expected = AdDisadImage("1.6", 0);
    Int(expected, c.steps >= 1 ? 4 : 0);
    if (c.steps >= 2) {
      Int(expected, 6).ShortText("SUPER-AD").ShortText("BOOK_09");
    } else {
      Int(expected, 0).ShortText("").ShortText("");
    }
    Real(Real(expected, c.steps >= 3 ? 2.5 : 0.0), c.steps >= 4 ? -1.5 : 0.0);
    EXPECT_EQ(Store({record.get()}), expected.Get());
  }
}

TEST(AdDisadArchive, ModifierListRefusesOtherClasses) {
  // An enhancements list that holds an advantage record.
  Bytes bad;
  bad.NewClass("CChar_Ad_Disad").ShortText("1.6");
  Int(bad, 17);
  Real(Real(bad, 12.5), 10.0).ShortText("").ShortText("");
  Int(bad, 0).ShortText("").ShortText("");
  Int(bad, 0);
  bad.NewClass("CObArray").Word(1).Word(0x8001);
  CArchive ar(bad.Get());
  try {
    ar.ReadObject(CChar_Ad_Disad::ThisClass());
    ADD_FAILURE() << "the list took an advantage record";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.GetMessage(), "a CChar_Ad_Disad where a CChar_Enhancement_Limitation is expected");
  }
}

// An enhancement or limitation: version "1.1" adds the book and sub-entry keys after a
// sub-version, and sub-version 2 adds the kind.
TEST(AdDisadArchive, ModifierVersions) {
  struct Case { const char* version; int subVersion; int32_t kind; };  // sub-version -1: not in the file
  const Case cases[] = {{"1.1", 2, 2}, {"1.1", 3, 2}, {"1.1", 1, 0}, {"1.1", 0, 0}, {"1.0", -1, 0}, {"", -1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.version) + " / " + std::to_string(c.subVersion));
    Bytes image;
    image.NewClass("CChar_Enhancement_Limitation").ShortText(c.version);
    Int(image, 12);
    Real(image, -25.0).ShortText("Unreliable").ShortText("LIM-CAT");
    if (c.subVersion >= 0) {
      Int(image, c.subVersion).ShortText("BOOK_07");
      Int(image, 3).ShortText("SUB").ShortText("BOOK_08");
      if (c.subVersion > 1) Int(image, 2);
    }
    auto modifier = Load<CChar_Enhancement_Limitation>(image);
    ASSERT_NE(modifier, nullptr);
    EXPECT_EQ(modifier->GetCategory(), "LIM-CAT");
    EXPECT_EQ(modifier->GetBookCode(), c.subVersion >= 0 ? "BOOK_07" : "");
    EXPECT_EQ(modifier->GetSubIdentifier(), c.subVersion >= 0 ? 3 : 0);
    EXPECT_EQ(modifier->GetKind(), c.kind);

    // Written back at "1.1" with sub-version 2 and every field.
    Bytes current;
    current.NewClass("CChar_Enhancement_Limitation").ShortText("1.1");
    Int(current, 12);
    Real(current, -25.0).ShortText("Unreliable").ShortText("LIM-CAT");
    Int(current, 2).ShortText(modifier->GetBookCode());
    Int(current, modifier->GetSubIdentifier()).ShortText(modifier->GetSubCategory()).ShortText(modifier->GetSubBookCode());
    Int(current, c.kind);
    EXPECT_EQ(Store({modifier.get()}), current.Get());
  }
}

TEST(AdDisadCopy, CopiesAreIndependent) {
  auto original = FullRecord<CChar_Ad_Disad_Object_Relationship>();
  original.SetRelatedObject(std::make_unique<CChar_Ad_Disad>(FullRecord()));
  const Json before = RecordToJson(original);

  CChar_Ad_Disad_Object_Relationship copy(original);
  EXPECT_EQ(RecordToJson(copy), before);
  ASSERT_NE(copy.GetRelatedObject(), nullptr);
  EXPECT_NE(copy.GetRelatedObject(), original.GetRelatedObject());
  EXPECT_NE(copy.GetEnhancements().GetAt(0), original.GetEnhancements().GetAt(0));

  static_cast<CChar_Ad_Disad*>(copy.GetRelatedObject())->SetLevel(9);
  copy.AddLimitation(FullModifier(5, -10.0, 0));
  copy.SetRelatedText("changed");
  EXPECT_EQ(RecordToJson(original), before);

  CChar_Ad_Disad_Object_Relationship assigned;
  assigned = original;
  EXPECT_EQ(RecordToJson(assigned), before);
  EXPECT_NE(assigned.GetRelatedObject(), original.GetRelatedObject());

  // The character copies a record by its class: Clone keeps the subclass and its fields.
  std::unique_ptr<CObject> clone = static_cast<const CChar_Ad_Disad&>(original).Clone();
  ASSERT_NE(DynamicDownCast<CChar_Ad_Disad_Object_Relationship>(clone.get()), nullptr);
  EXPECT_EQ(RecordToJson(*clone), before);
}

}  // namespace
}  // namespace zulparvo::testing
