// The archive's byte layouts, checked against images written out by hand.
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/archive_test_support.h"

namespace zulparvo::testing {

ZP_IMPLEMENT_SERIAL(TestRecord, CObject, 0)

namespace {

TEST(ArchivePrimitives, IntegersAndRealsAreLittleEndian) {
  CArchive ar;
  ar.WriteInt(-2);
  ar.WriteInt(0x01020304);
  ar.WriteReal(1.0);
  EXPECT_EQ(ar.GetBuffer(), Bytes().DWord(0xFFFFFFFE).Byte(4).Byte(3).Byte(2).Byte(1).DWord(0).DWord(0x3FF00000).Get());
  CArchive in(ar.GetBuffer());
  EXPECT_EQ(in.ReadInt(), -2);
  EXPECT_EQ(in.ReadInt(), 0x01020304);
  EXPECT_EQ(in.ReadReal(), 1.0);
  EXPECT_TRUE(in.AtEnd());
}

// Each length form of a text at its boundaries (one byte below 255, 0xFF and a word
// below 0xFFFE, else 0xFF, 0xFFFF and a 4-byte length), and of a count (a word, or
// 0xFFFF and a 4-byte count from 0xFFFF on). Texts keep every byte value.
TEST(ArchivePrimitives, LengthAndCountFormsAtTheirBoundaries) {
  struct Case {
    std::size_t length;
    Bytes textPrefix;
    Bytes count;
  };
  const Case cases[] = {
      {0, Bytes().Byte(0), Bytes().Word(0)},
      {254, Bytes().Byte(254), Bytes().Word(254)},
      {255, Bytes().Byte(0xFF).Word(255), Bytes().Word(255)},
      {65533, Bytes().Byte(0xFF).Word(65533), Bytes().Word(65533)},
      {65534, Bytes().Byte(0xFF).Word(0xFFFF).DWord(65534), Bytes().Word(65534)},
      {65535, Bytes().Byte(0xFF).Word(0xFFFF).DWord(65535), Bytes().Word(0xFFFF).DWord(65535)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    std::string text(c.length, 'x');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(i);
    CArchive out;
    out.WriteString(text);
    out.WriteCount(c.length);
    const std::vector<uint8_t> expected = Bytes().Append(c.textPrefix).Chars(text).Append(c.count);
    EXPECT_EQ(out.GetBuffer(), expected);
    CArchive in(expected);
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.ReadCount(0), c.length);
    EXPECT_TRUE(in.AtEnd());
  }
}

// A new class, the known class, and a back-reference to the first object. Indexes:
// 1 the class TestRecord, 2 the first record, 3 the class CObArray, 4 its empty list,
// 5 the second record, 6 its list. A back-reference gives a copy of its own.
TEST(ArchiveObjects, NewClassKnownClassAndBackReference) {
  TestRecord first(7, "one");
  TestRecord second(-1, "two");
  Bytes expected;
  PlainTestRecordData(expected.NewClass("TestRecord").Int(7).ShortText("one").Word(0).NewClass("CObArray").Word(0)
                          .Word(0x8001), -1, "two", 3)
      .Word(0x0002).Word(0);
  EXPECT_EQ(Store({&first, &second, &first, nullptr}), expected.Get());

  CArchive in(expected.Get());
  auto a = in.ReadObject(ZP_RUNTIME_CLASS(TestRecord));
  EXPECT_EQ(static_cast<TestRecord&>(*in.ReadObject(nullptr)).m_text, "two");
  // The copy is read again from the bytes: what became of the first record since does
  // not reach it.
  static_cast<TestRecord&>(*a).m_text = "changed";
  a.reset();
  const auto c = in.ReadObject(nullptr);
  EXPECT_EQ(static_cast<TestRecord&>(*c).m_text, "one");
  EXPECT_EQ(in.ReadObject(nullptr), nullptr);
  EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveObjects, OwnedRecordsAndListsNest) {
  TestRecord parent(1, "parent");
  parent.m_child = std::make_unique<TestRecord>(2, "child");
  parent.m_children.Add(std::make_unique<TestRecord>(3, "first"));
  parent.m_children.Add(std::make_unique<TestRecord>(4, "second"));
  const auto bytes = Store({&parent});
  const auto loaded = Load(bytes, ZP_RUNTIME_CLASS(TestRecord));
  const auto& record = static_cast<const TestRecord&>(*loaded);
  ASSERT_TRUE(record.m_child);
  EXPECT_EQ(static_cast<const TestRecord&>(*record.m_child).m_text, "child");
  ASSERT_EQ(record.m_children.GetSize(), 2u);
  EXPECT_EQ(record.m_children.GetAt(1)->m_number, 4);
  EXPECT_EQ(Store({loaded.get()}), bytes);
}

// Indexes of 0x7FFF and more are written as 0x7FFF and a 4-byte value, with the top
// bit set for a class. A list of 0x4000 records, each with its list, pushes the index
// past it: 1 CObArray, 2 the list, 3 TestRecord, 4 ... 0x8003 the records and their
// lists. Then a text list of a class first seen at 0x8004 (object 0x8005), a second
// one, and a back-reference to record 0x8000.
TEST(ArchiveObjects, IndexesPastTheBigObjectTag) {
  constexpr uint32_t kRecords = 0x4000;
  CObArray outer;
  for (uint32_t i = 0; i < kRecords; ++i) outer.Add(std::make_unique<TestRecord>(0, ""));
  CStringArray texts{"late"};
  CStringArray moreTexts{"later"};

  Bytes expected;
  expected.NewClass("CObArray").Word(static_cast<uint16_t>(kRecords));
  expected.NewClass("TestRecord").Int(0).ShortText("").Word(0).Word(0x8001).Word(0);
  for (uint32_t i = 1; i < kRecords; ++i) PlainTestRecordData(expected.Word(0x8003), 0, "", 1);
  expected.NewClass("CStringArray").Word(1).ShortText("late");
  expected.Word(0x7FFF).DWord(0x80000000u | 0x8004).Word(1).ShortText("later");
  expected.Word(0x7FFF).DWord(0x8000);
  const auto* lateRecord = outer.GetAt(kRecords - 2);  // object 0x8000
  const std::vector<uint8_t> bytes = Store({&outer, &texts, &moreTexts, lateRecord});
  EXPECT_EQ(bytes, expected.Get());

  CArchive in(bytes);
  CObArray loaded;
  in.ReadObjectInto(loaded);
  EXPECT_EQ(loaded.GetSize(), kRecords);
  EXPECT_EQ(static_cast<CStringArray&>(*in.ReadObject(nullptr)).GetAt(0), "late");
  EXPECT_EQ(static_cast<CStringArray&>(*in.ReadObject(nullptr)).GetAt(0), "later");
  EXPECT_TRUE(in.ReadObject(ZP_RUNTIME_CLASS(TestRecord))->IsKindOf(ZP_RUNTIME_CLASS(TestRecord)));
  EXPECT_TRUE(in.AtEnd());
}

// A list slot that refers back to an earlier list takes copies of its records, checked
// against its own element class.
TEST(ArchiveObjects, ListSlotTakesABackReferenceAsACopy) {
  Bytes bytes;
  PlainTestRecordData(bytes.NewClass("CObArray").Word(1).NewClass("TestRecord"), 1, "a", 1).Word(2);
  CArchive in(bytes.Get());
  CTypedObArray<TestRecord> first;
  CTypedObArray<TestRecord> second;
  in.ReadObjectInto(first);
  in.ReadObjectInto(second);
  ASSERT_EQ(second.GetSize(), 1u);
  EXPECT_NE(first.GetAt(0), second.GetAt(0));
  EXPECT_EQ(second.GetAt(0)->m_text, "a");

  CArchive again(bytes.Get());
  CTypedObArray<TestRecord> records;
  CTypedObArray<CStringArray> strangers;
  again.ReadObjectInto(records);
  EXPECT_THROW(again.ReadObjectInto(strangers), CArchiveException);
}

}  // namespace
}  // namespace zulparvo::testing
