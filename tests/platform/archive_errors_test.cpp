// Every way the archive reader refuses a damaged or hostile file: each fault is an
// archive error that says what is wrong and where, never a crash or a huge allocation.
#include <gtest/gtest.h>

#include <string>

#include "platform/archive.h"
#include "platform/archive_test_support.h"

namespace zulparvo::testing {
namespace {

// Reads one TestRecord from the bytes and returns the archive error it raises.
CArchiveException ReadError(const std::vector<uint8_t>& bytes) {
  try {
    CArchive in(bytes);
    in.ReadObject(ZP_RUNTIME_CLASS(TestRecord));
  } catch (const CArchiveException& error) {
    return error;
  }
  ADD_FAILURE() << "no archive error";
  return CArchiveException("none", 0);
}

void ExpectError(const std::vector<uint8_t>& bytes, const std::string& words, std::size_t offset) {
  const CArchiveException error = ReadError(bytes);
  EXPECT_NE(error.GetMessage().find(words), std::string::npos) << error.what();
  EXPECT_EQ(error.GetOffset(), offset) << error.what();
  EXPECT_NE(std::string(error.what()).find("at byte " + std::to_string(offset)), std::string::npos);
}

std::vector<uint8_t> GoodImage() {
  TestRecord record(7, "seven");
  record.m_child = std::make_unique<TestRecord>(8, std::string(300, 'c'));
  record.m_children.Add(std::make_unique<TestRecord>(9, "nine"));
  return Store({&record});
}

TEST(ArchiveErrors, TruncatedAtEveryLength) {
  const std::vector<uint8_t> good = GoodImage();
  {
    CArchive in(good);
    EXPECT_NO_THROW(in.ReadObject(nullptr));
  }
  for (std::size_t length = 0; length < good.size(); ++length) {
    SCOPED_TRACE(length);
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    const CArchiveException error = ReadError(cut);
    EXPECT_LE(error.GetOffset(), length);
  }
}

TEST(ArchiveErrors, TruncatedPrimitiveSaysHowManyBytesAreMissing) {
  CArchive in(Bytes().Byte(1).Byte(2).Get());
  try {
    in.ReadInt();
    FAIL();
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.GetMessage(), "the file ends too early: 4 more bytes needed, 2 left");
    EXPECT_EQ(error.GetOffset(), 0u);
  }
}

TEST(ArchiveErrors, UnknownClassName) {
  ExpectError(Bytes().NewClass("CNoSuchClass").DWord(0).Get(), "unknown class \"CNoSuchClass\"", 0);
}

TEST(ArchiveErrors, ClassNameLengthOutOfRange) {
  ExpectError(Bytes().Word(0xFFFF).Word(0).Word(0).Get(), "is not a class name", 0);
  ExpectError(Bytes().Word(0xFFFF).Word(0).Word(65).Chars(std::string(65, 'C')).Get(), "is not a class name", 0);
}

TEST(ArchiveErrors, StoredSchemaOtherThanTheClass) {
  ExpectError(Bytes().NewClass("TestRecord", 1).Get(), "stored with schema 1", 0);
}

TEST(ArchiveErrors, BackReferenceToAnIndexNeverAssigned) {
  ExpectError(Bytes().Word(0x0005).Get(), "object 5, which has not been stored before", 0);
  ExpectError(Bytes().Word(0x7FFF).DWord(0x12345678).Get(), "has not been stored before", 0);
  ExpectError(Bytes().Word(0x8009).Get(), "class 9, which has not been stored before", 0);
}

TEST(ArchiveErrors, ClassIndexUsedAsObjectAndObjectIndexAsClass) {
  Bytes objectAsClass;
  objectAsClass.NewClass("TestRecord").DWord(1).ShortText("").Word(0).NewClass("CObArray").Word(1);
  const std::size_t elementOffset = objectAsClass.Get().size();
  objectAsClass.Word(0x8002);  // index 2 is the record, not a class
  ExpectError(objectAsClass, "class 2, which has not been stored before", elementOffset);

  Bytes classAsObject;
  classAsObject.NewClass("TestRecord").DWord(1).ShortText("").Word(0x0001);  // index 1 is the class
  ExpectError(classAsObject, "object 1, which is a class", 4 + 2 + 10 + 4 + 1);
}

TEST(ArchiveErrors, ObjectOfTheWrongClassForItsSlot) {
  ExpectError(Bytes().NewClass("CStringArray").Word(0).Get(), "a CStringArray where a TestRecord is expected", 0);

  // A list slot requires a CObArray.
  Bytes list;
  list.NewClass("TestRecord").DWord(1).ShortText("").Word(0);
  const std::size_t listOffset = list.Get().size();
  list.NewClass("CStringArray").Word(0);
  ExpectError(list, "a CStringArray where a CObArray is expected", listOffset);

  // A list of TestRecords refuses another class among its elements.
  Bytes element;
  element.NewClass("TestRecord").DWord(1).ShortText("").Word(0).NewClass("CObArray").Word(1);
  const std::size_t elementOffset = element.Get().size();
  element.NewClass("CStringArray").Word(0);
  ExpectError(element, "a CStringArray where a TestRecord is expected", elementOffset);
}

TEST(ArchiveErrors, ElementCountLargerThanTheBytesLeft) {
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(1).ShortText("").Word(0).NewClass("CObArray");
  const std::size_t countOffset = bytes.Get().size();
  bytes.Word(0xFFFF).DWord(0xFFFFFFFF);
  ExpectError(bytes, "a list of 4294967295 elements cannot fit", countOffset);
}

TEST(ArchiveErrors, ListElementThatIsNoObject) {
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(1).ShortText("").Word(0).NewClass("CObArray").Word(1);
  const std::size_t elementOffset = bytes.Get().size();
  bytes.Word(0);
  ExpectError(bytes, "element 0 of a list is no object", elementOffset);
}

TEST(ArchiveErrors, TextLengthLargerThanTheBytesLeft) {
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(1);
  const std::size_t textOffset = bytes.Get().size();
  bytes.Byte(0xFF).Word(0xFFFF).DWord(0x7FFFFFFF).Chars("short");
  ExpectError(bytes, "a text of 2147483647 characters is longer than the 5 bytes left", textOffset);
}

TEST(ArchiveErrors, WideTextMarker) {
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(1);
  const std::size_t textOffset = bytes.Get().size();
  bytes.Byte(0xFF).Word(0xFFFE).DWord(2).Chars("ab");
  ExpectError(bytes, "wide characters", textOffset);
}

TEST(ArchiveErrors, NestingDeeperThanTheBound) {
  // Each record's child is the next record, 64 deep; the 65th is refused.
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(0).ShortText("");
  for (int depth = 1; depth < CArchive::kMaxDepth; ++depth) bytes.Word(0x8001).DWord(0).ShortText("");
  const std::size_t tooDeep = bytes.Get().size();
  bytes.Word(0x8001);
  ExpectError(bytes, "nested more than 64 deep", tooDeep);
}

TEST(ArchiveErrors, RecordThatWouldContainItself) {
  Bytes bytes;
  bytes.NewClass("TestRecord").DWord(0).ShortText("");
  const std::size_t childOffset = bytes.Get().size();
  bytes.Word(0x0002);  // its own index as its child
  ExpectError(bytes, "a record cannot contain itself", childOffset);
}

// Back-references copy what they refer to; a file that multiplies copies through
// nested lists is refused long before the copies exhaust memory.
TEST(ArchiveErrors, CopiesOfCopiesAreBounded) {
  constexpr uint16_t kPerList = 200;
  Bytes bytes;
  // Object 2: a record with a long text (class 1) and an empty list (class 3, object 4).
  bytes.NewClass("TestRecord").DWord(0).ShortText(std::string(200, 'x')).Word(0).NewClass("CObArray").Word(0);
  // Object 5: a record whose list (object 6) holds 200 copies of object 2.
  bytes.Word(0x8001).DWord(1).ShortText("").Word(0).Word(0x8003).Word(kPerList);
  for (int i = 0; i < kPerList; ++i) bytes.Word(0x0002);
  // Object 7: a record whose list holds 200 copies of object 5, some 40,000 records.
  bytes.Word(0x8001).DWord(2).ShortText("").Word(0).Word(0x8003).Word(kPerList);
  const std::size_t firstCopy = bytes.Get().size();
  for (int i = 0; i < kPerList; ++i) bytes.Word(0x0005);

  CArchive in(bytes.Get());
  const auto first = in.ReadObject(nullptr);
  const auto second = in.ReadObject(nullptr);
  try {
    in.ReadObject(nullptr);
    FAIL() << "no archive error";
  } catch (const CArchiveException& error) {
    EXPECT_NE(error.GetMessage().find("copies would grow past"), std::string::npos) << error.what();
    EXPECT_GT(error.GetOffset(), firstCopy);
  }
}

}  // namespace
}  // namespace zulparvo::testing
