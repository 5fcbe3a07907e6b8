// The version text that show reports is the one the file was written with.
#include "cli/streams.h"

#include <gtest/gtest.h>

#include "platform/archive_test_support.h"

namespace zulparvo::cli {
namespace {

using testing::Bytes;

TEST(CharacterFileVersion, IsTheTextAfterTheIdentification) {
  struct Case {
    Bytes bytes;
    const char* version;
  };
  const Case cases[] = {
      {Bytes().ShortText("ZUL").ShortText("2.1").DWord(10), "2.1"},
      {Bytes().NewClass("CChar_Character").ShortText("ZUL").ShortText("2.12"), "2.12"},
      {Bytes().ShortText("ZUL"), ""},
      {Bytes().Word(0xFFFF).Word(0).Word(0x7FFF).Chars("CChar"), ""},
      {Bytes(), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(CharacterFileVersion(c.bytes.Get()), c.version);
  }
}

}  // namespace
}  // namespace zulparvo::cli
