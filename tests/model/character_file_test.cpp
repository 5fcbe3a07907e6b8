// Character files: every version's layout, written out by hand, loads with the right
// fields and defaults and is written back current; damaged files are refused.
#include "model/character_file.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>

#include "model/json/json_codec.h"
#include "model/skill_spell.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/message_sink.h"

namespace zulparvo::testing {
namespace {

constexpr std::array<const char*, 12> kVersions{"2.1", "2.2", "2.3", "2.4", "2.5", "2.6",
                                                "2.7", "2.8", "2.9", "2.10", "2.11", "2.12"};

// A default skill-family record's data (CChar_Skill_Base, class version 1).
Bytes& SkillData(Bytes& b) {
  return b.DWord(1).DWord(0).Real(0).Real(0).DWord(0).ShortText("").DWord(0).DWord(0).ShortText("").DWord(0).DWord(0)
      .ShortText("").ShortText("");
}

// A character file of the given version, field by field. Object indexes: 1 the class
// CObArray, 2-9 the first eight lists, 10 the class CChar_Skill_Base, 11 skill slot 1,
// 12-16 five more lists, 17 the parry record, 18 the block record, 19 skill slot 2,
// 20 the further list, 21 the class CStringArray, 22-23 the source lists, 24 the
// transportation list. A file that begins with the character's own class record has
// every index `shift` higher.
Bytes CharacterFile(const std::string& version, int step, uint16_t shift = 0) {
  const auto known = [shift](uint16_t classIndex) { return static_cast<uint16_t>(0x8000 | (classIndex + shift)); };
  const auto emptyList = [&](Bytes& b) -> Bytes& { return b.Word(known(1)).Word(0); };
  Bytes b;
  b.ShortText("ZUL").ShortText(version);
  b.DWord(11).DWord(12).DWord(13).DWord(14);  // ST DX IQ HT
  b.DWord(1).DWord(2).DWord(3).DWord(4);      // attribute extras
  b.DWord(5).DWord(6).DWord(7).DWord(0xFFFFFFFF);  // bonuses, HT -1
  b.Real(12.5).Real(187.5);
  b.ShortText("text 1").ShortText("2d").ShortText("1d+1").Real(5.25);
  b.NewClass("CObArray").Word(0);             // advantages
  emptyList(b);                               // disadvantages
  emptyList(b);                               // skills
  b.Real(1.25).Real(2.5);
  for (const char* text : {"t2", "t3", "t4", "t5"}) b.ShortText(text);
  b.Real(33.0).DWord(6).DWord(7).DWord(8);    // carried weight 1, dodge, parry, block
  emptyList(b);                               // equipment
  for (const char* text : {"t6", "t7", "t8", "t9", "t10", "t11"}) b.ShortText(text);
  b.DWord(41).ShortText("t12").Real(0.5).DWord(1).ShortText("t13");
  emptyList(b);                               // weapons
  emptyList(b);                               // armor
  emptyList(b);                               // spells
  emptyList(b);                               // older skills
  SkillData(b.NewClass("CChar_Skill_Base"));  // skill slot 1
  b.DWord(9);                                 // secondary strength
  emptyList(b);                               // notes
  emptyList(b);                               // styles
  b.DWord(8);                                 // tech level
  emptyList(b);                               // super advantages
  emptyList(b);                               // super disadvantages
  emptyList(b);                               // further costed records
  SkillData(b.Word(known(10))).DWord(2);         // parry record, parry bonus
  SkillData(b.Word(known(10))).DWord(3);         // block record, block bonus
  b.Real(44.0).Real(0.75).DWord(4);           // carried weight 2, speed extra 2, dodge bonus
  if (step >= 1) {
    b.Real(0.25).Real(1.5).DWord(21).DWord(22).DWord(23).DWord(24).Real(1).Real(2).Real(3).DWord(1);
  }
  if (step >= 2) {
    SkillData(b.Word(known(10))).DWord(5);       // skill slot 2, integer 5
    emptyList(b);                             // further list
  }
  if (step >= 3) b.DWord(1).DWord(2);
  if (step >= 4) {
    b.NewClass("CStringArray").Word(1).ShortText("pd source");
    b.Word(known(21)).Word(2).ShortText("dr 1").ShortText("dr 2");
  }
  if (step >= 5) b.DWord(25);
  if (step >= 6) emptyList(b).ShortText("t14");
  if (step >= 7) b.ShortText("3d");
  if (step >= 8) b.DWord(30);
  if (step >= 9) {
    for (uint32_t check = 31; check <= 40; ++check) b.DWord(check);
  }
  if (step >= 10) b.ShortText("4d");
  if (step >= 11) b.Real(1.5).Real(8.0);
  if (step >= 12) {
    for (uint32_t integer = 50; integer <= 54; ++integer) b.DWord(integer);
    b.DWord(0).DWord(0).DWord(0).DWord(0);    // trailing integers
  }
  return b;
}

TEST(CharacterFile, EveryVersionLoadsItsFieldsAndKeepsDefaultsForTheRest) {
  for (int step = 0; step <= 12; ++step) {
    const std::string version = step == 0 ? "2.0" : kVersions[static_cast<std::size_t>(step - 1)];
    SCOPED_TRACE(version);
    const auto character = ReadCharacter(CharacterFile(version, step).Get());
    // Fields every version holds.
    EXPECT_EQ(character->GetCurrentST(), 16);
    EXPECT_EQ(character->GetCurrentHT(), 13);
    EXPECT_DOUBLE_EQ(character->GetPointsAvailable(), 187.5);
    EXPECT_EQ(character->GetTechLevel(), 8);
    EXPECT_EQ(character->GetDodgeBonus(), 4);
    EXPECT_EQ(character->GetMentalMode(), 1);
    // Fields by version, or their defaults.
    EXPECT_EQ(character->GetHitPointBonus(), step >= 1 ? 21 : 0);
    EXPECT_DOUBLE_EQ(character->GetMoveBonus(), step >= 1 ? 1.5 : 0.0);
    EXPECT_EQ(character->GetSkillSlot2() != nullptr, true);
    EXPECT_EQ(character->GetStrengthKind(), step >= 3 ? 2 : 0);
    EXPECT_EQ(character->GetDRSources().GetSize(), step >= 4 ? 2u : 0u);
    EXPECT_EQ(character->GetSpellFatigueBonus(), step >= 5 ? 25 : 0);
    EXPECT_EQ(character->GetCheck(CChar_Character::Check::Reaction), step >= 8 ? 30 : 0);
    EXPECT_EQ(character->GetCheck(CChar_Character::Check::ReactionOppositeSex), step >= 9 ? 31 : 0);
    EXPECT_EQ(character->GetCheck(CChar_Character::Check::CripplingInjury), step >= 9 ? 40 : 0);
    EXPECT_DOUBLE_EQ(character->GetMoveMultiplier(), step >= 11 ? 1.5 : 1.0);
    EXPECT_DOUBLE_EQ(character->GetMoveCap(), step >= 11 ? 8.0 : -1.0);
    EXPECT_EQ(character->GetVersion(), "2.12");

    // Written back at the current version, with every field it has.
    const auto written = WriteCharacter(*character);
    const auto again = ReadCharacter(written);
    EXPECT_EQ(WriteCharacter(*again), written);
    EXPECT_EQ(RecordToJson(*again), RecordToJson(*character));
  }
}

TEST(CharacterFile, CurrentLayoutIsWrittenByteForByte) {
  const Bytes file = CharacterFile("2.12", 12);
  const auto character = ReadCharacter(file.Get());
  EXPECT_EQ(WriteCharacter(*character), file.Get());
}

TEST(CharacterFile, TrailingIntegersAreWrittenButNotReadBack) {
  Bytes file = CharacterFile("2.12", 12);
  std::vector<uint8_t> bytes = file.Get();
  bytes[bytes.size() - 4] = 9;  // trailing integer 4
  const auto character = ReadCharacter(bytes);
  Json json = RecordToJson(*character);
  EXPECT_EQ(json["trailing_integer_4"], 0);
}

TEST(CharacterFile, RecordsRoundTripWithEveryField) {
  CChar_Character character;
  CChar_Ad_Disad advantage(12, 15, "Keen Ears (+1)", "B05", 3, "key", "AD");
  advantage.SetLevel(2);
  advantage.SetExtraCost(1.5);
  character.AddAdDisad("AD", advantage);
  CChar_Skill_Spell spell;
  spell.SetName("Light");
  spell.SetPoints(2);
  character.AddSkillFamilyRecord(spell, "", -1);
  character.AddChangeMessage(1, "a", "b");

  const auto bytes = WriteCharacter(character);
  const auto loaded = ReadCharacter(bytes);
  EXPECT_EQ(RecordToJson(*loaded), RecordToJson(character));
  EXPECT_EQ(WriteCharacter(*loaded), bytes);
  // The change log is not part of the file.
  EXPECT_EQ(loaded->GetChangeLog().GetSize(), 0u);
}

TEST(CharacterFile, CharacterWrittenAsAnObjectReferenceIsAccepted) {
  Bytes file;
  file.NewClass("CChar_Character").Append(CharacterFile("2.12", 12, 2).Get());
  const auto character = ReadCharacter(file.Get());
  EXPECT_EQ(character->GetCurrentST(), 16);
}

TEST(CharacterFile, WrongIdentificationIsRefusedWithTheMessage) {
  CMessageCollector messages;
  Bytes file;
  file.ShortText("ZUX").ShortText("2.12");
  EXPECT_THROW(ReadCharacter(file.Get()), CCharacterFileException);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, "This is not a ZULPARVO character file!\nPlease convert this file before opening!");
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Stop);
}

TEST(CharacterFile, TruncatedAtEveryLengthIsRefused) {
  const std::vector<uint8_t> file = CharacterFile("2.12", 12).Get();
  // The reader stops before the four trailing integers, so only shorter files fail.
  for (std::size_t length = 0; length + 16 < file.size(); ++length) {
    SCOPED_TRACE(length);
    CMessageCollector quiet;
    EXPECT_ANY_THROW(ReadCharacter(std::span(file.data(), length)));
  }
}

TEST(CharacterFile, UnknownClassesAreRefusedByName) {
  // The fields up to the advantages list, then a list whose one element is of a
  // class that this program does not know.
  Bytes file;
  file.ShortText("ZUL").ShortText("2.12");
  for (int i = 0; i < 12; ++i) file.DWord(0);  // attributes, extras, bonuses
  file.Real(0).Real(0).ShortText("").ShortText("").ShortText("").Real(5);
  file.NewClass("CObArray").Word(1).NewClass("CChar_Unheard_Of");
  try {
    ReadCharacter(file.Get());
    FAIL() << "no error";
  } catch (const CArchiveException& error) {
    EXPECT_NE(std::string(error.what()).find("unknown class \"CChar_Unheard_Of\""), std::string::npos)
        << error.what();
  }
}

TEST(CharacterFile, LoadAndSaveNameTheFile) {
  const auto folder = std::filesystem::temp_directory_path() / "zulparvo-character-file-test";
  std::filesystem::create_directories(folder);
  CChar_Character character;
  character.SetST(17);
  SaveCharacterFile(folder / "hero.zul", character);
  EXPECT_EQ(LoadCharacterFile(folder / "hero.zul")->GetST(), 17);
  {
    std::ofstream(folder / "bad.zul") << "\x03ZUL\x04";
  }
  try {
    LoadCharacterFile(folder / "bad.zul");
    FAIL();
  } catch (const CCharacterFileException& error) {
    EXPECT_EQ(std::string(error.what()).rfind((folder / "bad.zul").string() + ": damaged character file", 0), 0u)
        << error.what();
  }
  EXPECT_THROW(LoadCharacterFile(folder / "missing.zul"), CCharacterFileException);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zulparvo::testing
