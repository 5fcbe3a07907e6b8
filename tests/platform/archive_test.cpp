// The archive's byte layouts, checked against images written out by hand.
#include "platform/archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "platform/archive_test_support.h"

namespace zulparvo::testing {

ZP_IMPLEMENT_SERIAL(TestRecord, CObject, 0)

namespace {

std::vector<uint8_t> StoreText(const std::string& text) {
  CArchive ar;
  ar.WriteString(text);
  return ar.TakeBuffer();
}

std::string LoadText(const std::vector<uint8_t>& bytes) {
  CArchive ar(bytes);
  std::string text = ar.ReadString();
  EXPECT_TRUE(ar.AtEnd());
  return text;
}

TEST(ArchivePrimitives, IntegersAndRealsAreLittleEndian) {
  CArchive ar;
  ar.WriteInt(-2);
  ar.WriteInt(0x01020304);
  ar.WriteReal(1.0);
  EXPECT_EQ(ar.GetBuffer(), Bytes()
                                .DWord(0xFFFFFFFE)
                                .Byte(4).Byte(3).Byte(2).Byte(1)
                                .DWord(0).DWord(0x3FF00000)
                                .Get());
  CArchive in(ar.GetBuffer());
  EXPECT_EQ(in.ReadInt(), -2);
  EXPECT_EQ(in.ReadInt(), 0x01020304);
  EXPECT_EQ(in.ReadReal(), 1.0);
  EXPECT_TRUE(in.AtEnd());
}

// Each length form of a text at its boundaries: one byte below 255, 0xFF and a word
// below 0xFFFE, else 0xFF, 0xFFFF and a 4-byte length.
TEST(ArchivePrimitives, TextLengthFormsAtTheirBoundaries) {
  struct Case {
    std::size_t length;
    Bytes prefix;
  };
  const Case cases[] = {
      {0, Bytes().Byte(0)},
      {254, Bytes().Byte(254)},
      {255, Bytes().Byte(0xFF).Word(255)},
      {65533, Bytes().Byte(0xFF).Word(65533)},
      {65534, Bytes().Byte(0xFF).Word(0xFFFF).DWord(65534)},
      {65535, Bytes().Byte(0xFF).Word(0xFFFF).DWord(65535)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'x');
    const std::vector<uint8_t> expected = Bytes().Append(c.prefix).Chars(text);
    EXPECT_EQ(StoreText(text), expected);
    EXPECT_EQ(LoadText(expected), text);
  }
}

TEST(ArchivePrimitives, TextsKeepEveryByteValue) {
  std::string text;
  for (int c = 0; c < 256; ++c) text.push_back(static_cast<char>(c));
  EXPECT_EQ(LoadText(StoreText(text)), text);
}

// Counts are a word, or 0xFFFF and a 4-byte count from 0xFFFF on.
TEST(ArchivePrimitives, CountFormsAtTheEscape) {
  struct Case {
    std::size_t count;
    Bytes bytes;
  };
  const Case cases[] = {
      {0, Bytes().Word(0)},
      {0xFFFE, Bytes().Word(0xFFFE)},
      {0xFFFF, Bytes().Word(0xFFFF).DWord(0xFFFF)},
      {0x10000, Bytes().Word(0xFFFF).DWord(0x10000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    CArchive out;
    out.WriteCount(c.count);
    EXPECT_EQ(out.GetBuffer(), c.bytes.Get());
    // Room for the elements behind the count, so that the count is plausible.
    std::vector<uint8_t> withRoom(c.bytes.Get().size() + c.count, 0);
    std::copy(c.bytes.Get().begin(), c.bytes.Get().end(), withRoom.begin());
    CArchive in(withRoom);
    EXPECT_EQ(in.ReadCount(1), c.count);
  }
}

TEST(ArchivePrimitives, TextListWithCountAtTheEscape) {
  CStringArray texts;
  for (int i = 0; i < 0xFFFF; ++i) texts.Add("");
  Bytes expected;
  expected.NewClass("CStringArray").Word(0xFFFF).DWord(0xFFFF);
  for (int i = 0; i < 0xFFFF; ++i) expected.Byte(0);
  EXPECT_EQ(Store({&texts}), expected.Get());

  CArchive in(expected.Get());
  CStringArray loaded;
  in.ReadObjectInto(loaded);
  EXPECT_EQ(loaded.GetSize(), 0xFFFFu);
  EXPECT_TRUE(in.AtEnd());
}

// A new class, then the known class, then a back-reference to the first object.
// Indexes: 1 the class TestRecord, 2 the first record, 3 the class CObArray, 4 its
// empty list, 5 the second record, 6 its list.
TEST(ArchiveObjects, NewClassKnownClassAndBackReference) {
  TestRecord first(7, "one");
  TestRecord second(-1, "two");

  Bytes expected;
  expected.NewClass("TestRecord").DWord(7).ShortText("one").Word(0).NewClass("CObArray").Word(0);
  expected.Word(0x8001);
  PlainTestRecordData(expected, -1, "two", 3);
  expected.Word(0x0002);

  EXPECT_EQ(Store({&first, &second, &first}), expected.Get());

  CArchive in(expected.Get());
  const auto a = in.ReadObject(ZP_RUNTIME_CLASS(TestRecord));
  const auto b = in.ReadObject(ZP_RUNTIME_CLASS(TestRecord));
  const auto c = in.ReadObject(nullptr);
  EXPECT_TRUE(in.AtEnd());
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(static_cast<TestRecord&>(*b).m_text, "two");
  // Every place owns its own record: the back-reference yields an equal copy.
  ASSERT_NE(a.get(), c.get());
  EXPECT_EQ(static_cast<TestRecord&>(*c).m_number, 7);
  EXPECT_EQ(static_cast<TestRecord&>(*c).m_text, "one");
}

TEST(ArchiveObjects, NoObjectIsTheNullTag) {
  EXPECT_EQ(Store({nullptr}), Bytes().Word(0).Get());
  const Bytes bytes = Bytes().Word(0);
  CArchive in(bytes.Get());
  EXPECT_EQ(in.ReadObject(nullptr), nullptr);
}

TEST(ArchiveObjects, OwnedRecordsAndListsNest) {
  TestRecord parent(1, "parent");
  parent.m_child = std::make_unique<TestRecord>(2, "child");
  parent.m_children.Add(std::make_unique<TestRecord>(3, "first"));
  parent.m_children.Add(std::make_unique<TestRecord>(4, "second"));

  const auto bytes = Store({&parent});
  CArchive in(bytes);
  const auto loaded = in.ReadObject(ZP_RUNTIME_CLASS(TestRecord));
  ASSERT_TRUE(loaded);
  const auto& record = static_cast<const TestRecord&>(*loaded);
  ASSERT_TRUE(record.m_child);
  EXPECT_EQ(static_cast<const TestRecord&>(*record.m_child).m_text, "child");
  ASSERT_EQ(record.m_children.GetSize(), 2u);
  EXPECT_EQ(record.m_children.GetAt(1)->m_number, 4);
  // Written again, the copy gives the same bytes.
  EXPECT_EQ(Store({loaded.get()}), bytes);
}

// Indexes of 0x7FFF and more are written as 0x7FFF and a 4-byte value, with the top
// bit set for a class. A list of 0x8000 empty text lists pushes the index past it:
// 1 CObArray, 2 the list, 3 CStringArray, 4 … 0x8003 the text lists. Then a record
// of a class first seen at index 0x8004 (object 0x8005, its list 0x8006), a second
// record of that class, and a back-reference to text list 0x8000.
TEST(ArchiveObjects, IndexesPastTheBigObjectTag) {
  constexpr uint32_t kLists = 0x8000;
  CObArray outer;
  for (uint32_t i = 0; i < kLists; ++i) outer.Add(std::make_unique<CStringArray>());
  TestRecord late(5, "late");
  TestRecord later(6, "later");

  Bytes expected;
  expected.NewClass("CObArray").Word(static_cast<uint16_t>(kLists));
  expected.NewClass("CStringArray").Word(0);
  for (uint32_t i = 1; i < kLists; ++i) expected.Word(0x8003).Word(0);
  expected.NewClass("TestRecord").DWord(5).ShortText("late").Word(0).Word(0x8001).Word(0);
  expected.Word(0x7FFF).DWord(0x80000000u | 0x8004).DWord(6).ShortText("later").Word(0).Word(0x8001).Word(0);
  expected.Word(0x7FFF).DWord(0x8000);

  CArchive out;
  out.WriteObject(&outer);
  out.WriteObject(&late);
  out.WriteObject(&later);
  out.WriteObject(outer.GetAt(0x8000 - 4));
  EXPECT_EQ(out.GetBuffer(), expected.Get());

  CArchive in(expected.Get());
  CObArray loaded;
  in.ReadObjectInto(loaded);
  EXPECT_EQ(loaded.GetSize(), kLists);
  EXPECT_EQ(static_cast<TestRecord&>(*in.ReadObject(nullptr)).m_text, "late");
  EXPECT_EQ(static_cast<TestRecord&>(*in.ReadObject(nullptr)).m_text, "later");
  EXPECT_TRUE(in.ReadObject(ZP_RUNTIME_CLASS(CStringArray))->IsKindOf(ZP_RUNTIME_CLASS(CStringArray)));
  EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveObjects, ListSlotTakesABackReferenceAsACopy) {
  CObArray shared;
  shared.Add(std::make_unique<TestRecord>(1, "a"));
  Bytes bytes;
  bytes.NewClass("CObArray").Word(1).NewClass("TestRecord").DWord(1).ShortText("a").Word(0).Word(0x8001).Word(0);
  bytes.Word(2);  // the first list again
  CArchive in(bytes.Get());
  CTypedObArray<TestRecord> first;
  CTypedObArray<TestRecord> second;
  in.ReadObjectInto(first);
  in.ReadObjectInto(second);
  ASSERT_EQ(second.GetSize(), 1u);
  EXPECT_NE(first.GetAt(0), second.GetAt(0));
  EXPECT_EQ(second.GetAt(0)->m_text, "a");
}

}  // namespace
}  // namespace zulparvo::testing
