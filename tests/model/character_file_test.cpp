// Character files: the current layout byte for byte, the two ways a file may hold its
// character, and every way a file is refused when read or a character when written.
#include "model/character_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "model/equipment_container.h"
#include "model/json/json_codec.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"

namespace zulparvo::testing {
namespace {

// A default skill-family record's data (CChar_Skill_Base, class version 1).
Bytes& SkillData(Bytes& b) {
  return b.Int(1).Int(0).Real(0).Real(0).Int(0).ShortText("").Int(0).Int(0).ShortText("").Int(0).Int(0)
      .ShortText("").ShortText("");
}

// A character file of version 2.12, field by field, with trailing integer 4 at 9.
// Object indexes: 1 the class CObArray, 2-9 the first eight lists, 10 the class
// CChar_Skill_Base, 11 skill slot 1, 12-16 five more lists, 17 the parry record, 18
// the block record, 19 skill slot 2, 20 the further list, 21 the class CStringArray,
// 22-23 the source lists, 24 the transportation list. A file that begins with the
// character's own class record has every index `shift` higher.
Bytes CharacterFile(const std::string& version = "2.12", uint16_t shift = 0) {
  const auto known = [shift](uint16_t classIndex) { return static_cast<uint16_t>(0x8000 | (classIndex + shift)); };
  const auto emptyList = [&](Bytes& b) -> Bytes& { return b.Word(known(1)).Word(0); };
  Bytes b;
  b.ShortText("ZUL").ShortText(version);
  b.Int(11).Int(12).Int(13).Int(14).Int(1).Int(2).Int(3).Int(4);  // ST DX IQ HT, attribute extras
  b.Int(5).Int(6).Int(7).Int(-1).Real(12.5).Real(187.5);          // bonuses, points
  b.ShortText("text 1").ShortText("2d").ShortText("1d+1").Real(5.25);
  b.NewClass("CObArray").Word(0);  // advantages
  emptyList(emptyList(b)).Real(1.25).Real(2.5);  // disadvantages, skills
  for (const char* text : {"t2", "t3", "t4", "t5"}) b.ShortText(text);
  emptyList(b.Real(33.0).Int(6).Int(7).Int(8));  // carried weight 1, dodge, parry, block; equipment
  for (const char* text : {"t6", "t7", "t8", "t9", "t10", "t11"}) b.ShortText(text);
  b.Int(41).ShortText("t12").Real(0.5).Int(1).ShortText("t13");
  emptyList(emptyList(emptyList(emptyList(b))));  // weapons, armor, spells, older skills
  SkillData(b.NewClass("CChar_Skill_Base")).Int(9);  // skill slot 1, secondary strength
  emptyList(emptyList(b)).Int(8);                    // notes, styles, tech level
  emptyList(emptyList(emptyList(b)));                // super advantages and disadvantages, further costed
  SkillData(b.Word(known(10))).Int(2);               // parry record, parry bonus
  SkillData(b.Word(known(10))).Int(3);               // block record, block bonus
  b.Real(44.0).Real(0.75).Int(4);                    // carried weight 2, speed extra 2, dodge bonus
  b.Real(0.25).Real(1.5).Int(21).Int(22).Int(23).Int(24).Real(1).Real(2).Real(3).Int(1);
  emptyList(SkillData(b.Word(known(10))).Int(5));  // skill slot 2, integer 5, further list
  b.Int(1).Int(2).NewClass("CStringArray").Word(1).ShortText("pd source");
  b.Word(known(21)).Word(2).ShortText("dr 1").ShortText("dr 2").Int(25);
  emptyList(b).ShortText("t14").ShortText("3d");  // transportation
  for (int32_t check = 30; check <= 40; ++check) b.Int(check);
  b.ShortText("4d").Real(1.5).Real(8.0);
  for (int32_t integer = 50; integer <= 54; ++integer) b.Int(integer);
  return std::move(b.Int(0).Int(0).Int(0).Int(9));  // trailing integers: written, never read
}

TEST(CharacterFile, CurrentLayoutByteForByte) {
  const auto character = ReadCharacter(CharacterFile().Get());
  EXPECT_EQ(character->GetCurrentST(), 16);
  EXPECT_EQ(character->GetCurrentHT(), 13);
  EXPECT_DOUBLE_EQ(character->GetPointsAvailable(), 187.5);
  EXPECT_EQ(character->GetDRSources().GetSize(), 2u);
  EXPECT_EQ(character->GetCheck(CChar_Character::Check::CripplingInjury), 40);
  EXPECT_DOUBLE_EQ(character->GetMoveCap(), 8.0);
  EXPECT_EQ(RecordToJson(*character)["trailing_integer_4"], 0);
  std::vector<uint8_t> expected = CharacterFile().Get();
  expected[expected.size() - 4] = 0;
  EXPECT_EQ(WriteCharacter(*character), expected);

  // The character written as an object reference with its class record.
  Bytes byReference;
  byReference.NewClass("CChar_Character").Append(CharacterFile("2.12", 2).Get());
  EXPECT_EQ(RecordToJson(*ReadCharacter(byReference.Get())), RecordToJson(*character));
}

TEST(CharacterFile, TruncatedAtEveryLengthIsRefused) {
  const std::vector<uint8_t> file = CharacterFile().Get();
  // The reader stops before the four trailing integers, so only shorter files fail.
  for (std::size_t length = 0; length + 16 < file.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_ANY_THROW(ReadCharacter(std::span(file.data(), length)));
  }
}

// The user sees one line that names the file and what is wrong with it.
TEST(CharacterFile, RefusedFilesAreNamed) {
  const auto folder = std::filesystem::temp_directory_path() / "zulparvo-character-file-test";
  std::filesystem::create_directories(folder);
  const auto file = [&](const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
    return folder / name;
  };
  struct Case {
    std::filesystem::path path;
    std::string line;
  };
  const Case cases[] = {
      {file("text.zul", Bytes().Chars("not a character")),
       "not a character file: This is not a ZULPARVO character file! Please convert this file before opening!"},
      {file("newer.zul", CharacterFile("9.99")),
       "made by a newer program (a CChar_Character of version 9.99, newer than 2.12, the newest this program reads "
       "(at byte 4)); open it with a newer version"},
      {file("cut.zul", Bytes().ShortText("ZUL").ShortText("2.12").Int(1)), "damaged character file: the file ends"},
      {folder / "missing.zul", "missing.zul"},
  };
  for (const Case& c : cases) {
    try {
      LoadCharacterFile(c.path);
      ADD_FAILURE() << c.path;
    } catch (const CCharacterFileException& error) {
      const std::string what = error.what();
      EXPECT_EQ(what.find('\n'), std::string::npos) << what;
      EXPECT_NE(what.find(c.path.string() + ": "), std::string::npos) << what;
      EXPECT_NE(what.find(c.line), std::string::npos) << what;
    }
  }
  // A character among the records must be one too.
  Bytes inner;
  inner.NewClass("CChar_Character").ShortText("XYZ");
  CArchive in(inner.Get());
  try {
    in.ReadObject(nullptr);
    ADD_FAILURE() << "a character with another identification was read";
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.GetMessage(), kNotACharacterFileMessage);
  }
  std::filesystem::remove_all(folder);
}

// Containers in containers: container n is at level 2n + 1 below the character, its
// contents at 2n + 2. 31 of them are written and read back; 32 would be refused by
// every reader, so they are not written, and the file that was there stays.
TEST(CharacterFile, NestingThatNoReaderTakesIsNotWritten) {
  const auto path = std::filesystem::temp_directory_path() / "zulparvo-deep.zul";
  for (const int depth : {31, 32}) {
    SCOPED_TRACE(depth);
    CChar_Equipment_Container container;
    for (int level = 1; level < depth; ++level) {
      CChar_Equipment_Container outer;
      outer.AddItem(container);
      container = outer;
    }
    CChar_Character character(150.0);
    character.AddEquipment(container);
    if (depth == 31) {
      SaveCharacterFile(path, character);
      EXPECT_EQ(RecordToJson(*LoadCharacterFile(path)), RecordToJson(character));
    } else {
      try {
        SaveCharacterFile(path, character);
        ADD_FAILURE() << "written";
      } catch (const CCharacterFileException& error) {
        EXPECT_NE(std::string(error.what()).find(": not written: records are nested more than 64 deep"),
                  std::string::npos)
            << error.what();
      }
      EXPECT_DOUBLE_EQ(LoadCharacterFile(path)->GetPointsAvailable(), 150.0);
    }
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace zulparvo::testing
