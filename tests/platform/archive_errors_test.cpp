// Every way the archive reader refuses a damaged or hostile file, and the writer what
// the reader would refuse: each fault is an archive error that says what is wrong and
// where, never a crash or a huge allocation.
#include <gtest/gtest.h>

#include <string>

#include "platform/archive.h"
#include "platform/archive_test_support.h"

namespace zulparvo::testing {
namespace {

// The error that reading the bytes as one TestRecord (or into a list) raises.
template <class Read>
CArchiveException ErrorOf(const std::vector<uint8_t>& bytes, Read read) {
  try {
    CArchive in(bytes);
    read(in);
  } catch (const CArchiveException& error) {
    return error;
  }
  ADD_FAILURE() << "no archive error";
  return CArchiveException("none", 0);
}

CArchiveException ReadError(const std::vector<uint8_t>& bytes) {
  return ErrorOf(bytes, [](CArchive& in) { in.ReadObject(ZP_RUNTIME_CLASS(TestRecord)); });
}

// A record's data up to its child: number 1 and an empty text.
Bytes RecordStart() { return std::move(Bytes().NewClass("TestRecord").Int(1).ShortText("")); }
// A record whose list (class 3, object 4) has one element, up to that element.
Bytes ListStart() { return std::move(RecordStart().Word(0).NewClass("CObArray").Word(1)); }

TEST(ArchiveErrors, EachFaultIsNamedWithItsPlace) {
  struct Case {
    const char* what;
    Bytes head;  // the bytes before the fault, which is at their end
    Bytes tail;
  };
  Bytes deep = RecordStart();
  for (int depth = 1; depth < CArchive::kMaxDepth; ++depth) deep.Word(0x8001).Int(0).ShortText("");
  const Case cases[] = {
      {"unknown class \"CNoSuchClass\"", Bytes(), Bytes().NewClass("CNoSuchClass").Int(0)},
      {"a class name of 0 characters", Bytes(), Bytes().Word(0xFFFF).Word(0).Word(0)},
      {"a class name of 65 characters", Bytes(), Bytes().Word(0xFFFF).Word(0).Word(65).Chars(std::string(65, 'C'))},
      {"stored with schema 1", Bytes(), Bytes().NewClass("TestRecord", 1)},
      {"object 5, which has not been stored before", Bytes(), Bytes().Word(0x0005)},
      {"object 305419896, which has not been stored before", Bytes(), Bytes().Word(0x7FFF).DWord(0x12345678)},
      {"class 9, which has not been stored before", Bytes(), Bytes().Word(0x8009)},
      {"class 2, which has not been stored before", ListStart(), Bytes().Word(0x8002)},
      {"object 1, which is a class", RecordStart(), Bytes().Word(0x0001)},
      {"a record cannot contain itself", RecordStart(), Bytes().Word(0x0002)},
      {"a CStringArray where a TestRecord is expected", Bytes(), Bytes().NewClass("CStringArray").Word(0)},
      {"a CStringArray where a CObArray is expected", RecordStart().Word(0), Bytes().NewClass("CStringArray")},
      {"a CStringArray where a TestRecord is expected", ListStart(), Bytes().NewClass("CStringArray")},
      {"child holds a CObArray, where a single record belongs", RecordStart(), Bytes().NewClass("CObArray")},
      {"element 0 of a list is no object", ListStart(), Bytes().Word(0)},
      {"a list of 4294967295 elements cannot fit", RecordStart().Word(0).NewClass("CObArray"),
       Bytes().Word(0xFFFF).DWord(0xFFFFFFFF)},
      {"a text of 2147483647 characters is longer than the 5 bytes left", Bytes().NewClass("TestRecord").Int(1),
       Bytes().Byte(0xFF).Word(0xFFFF).DWord(0x7FFFFFFF).Chars("short")},
      {"wide characters", Bytes().NewClass("TestRecord").Int(1), Bytes().Byte(0xFF).Word(0xFFFE).DWord(2).Chars("ab")},
      {"nested more than 64 deep", deep, Bytes().Word(0x8001)},
      {"4 more bytes needed, 2 left", Bytes().NewClass("TestRecord"), Bytes().Word(1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t offset = c.head.Size();
    const CArchiveException error = ReadError(Bytes().Append(c.head).Append(c.tail));
    EXPECT_NE(error.GetMessage().find(c.what), std::string::npos) << error.what();
    EXPECT_EQ(error.GetOffset(), offset) << error.what();
    EXPECT_NE(std::string(error.what()).find("at byte " + std::to_string(error.GetOffset())), std::string::npos);
  }
}

// Back-references are read again from their bytes; a file that multiplies copies
// through nested lists is refused long before the copies exhaust memory.
TEST(ArchiveErrors, CopiesOfCopiesAreBounded) {
  constexpr uint16_t kPerList = 200;
  Bytes bytes;
  // Object 2: a record with a long text (class 1) and an empty list (class 3, object 4).
  bytes.NewClass("TestRecord").Int(0).ShortText(std::string(200, 'x')).Word(0).NewClass("CObArray").Word(0);
  // Object 5: a record whose list (object 6) holds 200 copies of object 2.
  bytes.Word(0x8001).Int(1).ShortText("").Word(0).Word(0x8003).Word(kPerList);
  for (int i = 0; i < kPerList; ++i) bytes.Word(0x0002);
  // Object 7: a record whose list holds 200 copies of object 5, some 40,000 records.
  bytes.Word(0x8001).Int(2).ShortText("").Word(0).Word(0x8003).Word(kPerList);
  const std::size_t firstCopy = bytes.Size();
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

// Whatever the reader refuses, the writer does not write.
TEST(ArchiveErrors, WriterRefusesWhatNoReaderTakes) {
  TestRecord withList(1, "");
  withList.m_child = std::make_unique<CStringArray>();
  CObArray listOfLists;
  listOfLists.Add(std::make_unique<CObArray>());
  TestRecord deep(0, "");
  TestRecord* last = &deep;
  for (int depth = 2; depth < CArchive::kMaxDepth; ++depth) {
    last->m_child = std::make_unique<TestRecord>(depth, "");
    last = static_cast<TestRecord*>(last->m_child.get());
  }
  EXPECT_NO_THROW(Store({&deep}));  // 63 records, the last one's list at level 64
  last->m_child = std::make_unique<TestRecord>();
  struct Case {
    const CObject* object;
    const char* what;
  };
  for (const Case& c : {Case{&withList, "child holds a CStringArray, where a single record belongs"},
                        Case{&listOfLists, "an element of a list holds a CObArray"},
                        Case{&deep, "nested more than 64 deep, which no reader would take back"}}) {
    try {
      Store({c.object});
      ADD_FAILURE() << c.what;
    } catch (const CArchiveException& error) {
      EXPECT_NE(error.GetMessage().find(c.what), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace zulparvo::testing
