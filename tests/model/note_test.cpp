// Notes in character files: older notes lack the flag and the last integer and are
// written back in the current layout.
#include "model/note.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/archive.h"
#include "platform/archive_test_support.h"

namespace zulparvo::testing {
namespace {

Bytes NoteImage(const std::string& version, bool withFlag) {
  Bytes bytes;
  bytes.NewClass("CChar_Note").ShortText(version).DWord(7).ShortText("Owes the innkeeper");
  if (withFlag) bytes.DWord(1).DWord(9);
  return bytes;
}

std::unique_ptr<CChar_Note> LoadNote(const std::vector<uint8_t>& bytes) {
  CArchive ar(bytes);
  std::unique_ptr<CObject> object = ar.ReadObject(ZP_RUNTIME_CLASS(CChar_Note));
  EXPECT_TRUE(ar.AtEnd());
  return std::unique_ptr<CChar_Note>(static_cast<CChar_Note*>(object.release()));
}

TEST(NoteArchive, OlderNotesLoadWithoutFlagAndAreWrittenBackCurrent) {
  for (const char* version : {"1.0", "", "1.10", "1.2"}) {
    SCOPED_TRACE(version);
    std::unique_ptr<CChar_Note> note = LoadNote(NoteImage(version, false));
    EXPECT_EQ(note->GetInteger1(), 7);
    EXPECT_EQ(note->GetText(), "Owes the innkeeper");
    EXPECT_EQ(note->GetFlag(), 0);
    EXPECT_EQ(note->GetInteger2(), 0);

    // Written as "1.1" with all four fields, so that it reads back the same.
    const std::vector<uint8_t> written = Store({note.get()});
    EXPECT_EQ(written, Bytes(NoteImage("1.1", false)).DWord(0).DWord(0).Get());
    std::unique_ptr<CChar_Note> again = LoadNote(written);
    EXPECT_EQ(again->GetText(), "Owes the innkeeper");
    EXPECT_EQ(Store({again.get()}), written);
  }
}

TEST(NoteArchive, CurrentNoteKeepsEveryField) {
  const Bytes image = NoteImage("1.1", true);
  std::unique_ptr<CChar_Note> note = LoadNote(image);
  EXPECT_EQ(note->GetFlag(), 1);
  EXPECT_EQ(note->GetInteger2(), 9);
  EXPECT_EQ(Store({note.get()}), image.Get());
}

}  // namespace
}  // namespace zulparvo::testing
