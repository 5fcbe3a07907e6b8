// The JSON form: nothing lost on the way out and back, and every kind of bad input
// refused with the place it was found.
#include "model/json/json_codec.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/text_encoding.h"
#include "model/ad_disad_object_relationship.h"
#include "model/character_file.h"
#include "model/enhancement_limitation.h"
#include "model/skill_spell.h"

namespace zulparvo::cli {
namespace {

std::string RefusalOf(const std::string& text) {
  try {
    CharacterFromJson(Json::parse(text));
  } catch (const JsonError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(TextEncoding, EveryByteHasOneCharacterAndBack) {
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes.push_back(static_cast<char>(c));
  const std::string utf8 = BytesToUtf8(bytes);
  EXPECT_EQ(Utf8ToBytes(utf8), bytes);
  EXPECT_EQ(BytesToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(BytesToUtf8("\x81"), "\u0081");  // no Windows-1252 character: the C1 control
  EXPECT_EQ(BytesToUtf8("\xE9"), "\u00E9");
  EXPECT_EQ(Utf8ToBytes("\u2122"), "\x99");
}

TEST(TextEncoding, CharactersOutsideTheByteRangeAreRefused) {
  std::string bad;
  EXPECT_FALSE(Utf8ToBytes("\u4E2D", &bad));
  EXPECT_EQ(bad, "U+4E2D");
  EXPECT_FALSE(Utf8ToBytes("\u0080", &bad));  // byte 0x80 is the euro sign
  EXPECT_FALSE(Utf8ToBytes("\xC3", &bad));     // cut short
  EXPECT_EQ(bad, "invalid UTF-8");
  EXPECT_FALSE(Utf8ToBytes("\xF0\x9F\x98\x80"));
}

TEST(CharacterJson, ExportThenImportGivesTheSameBytes) {
  CChar_Character character;
  character.SetST(14);
  character.SetMoveCap(std::nan(""));
  CChar_Ad_Disad advantage(12, 15, "Caf\xE9 (+1)", "B05", 3, "key", "AD");
  CChar_Enhancement_Limitation limitation;
  advantage.AddLimitation(limitation);
  character.AddAdDisad("AD", advantage);
  CChar_Ad_Disad_Object_Relationship relationship;
  relationship.SetRelatedObject(std::make_unique<CChar_Skill_Spell>());
  character.AddAdDisad("DISAD", relationship);
  character.SetSkillSlot1(nullptr);

  const auto bytes = WriteCharacter(character);
  const Json json = Json::parse(RecordToJson(*ReadCharacter(bytes)).dump());
  EXPECT_EQ(json["move_cap"], "NaN");
  EXPECT_TRUE(json["skill_slot_1"].is_null());
  EXPECT_EQ(json["advantages"][0]["description"], "Caf\u00E9 (+1)");
  EXPECT_EQ(WriteCharacter(*CharacterFromJson(json)), bytes);
}

TEST(CharacterJson, MissingKeysTakeDefaults) {
  const auto character = CharacterFromJson(Json::parse(R"({"st": 12, "advantages": [{"class": "CChar_Ad_Disad"}]})"));
  EXPECT_EQ(character->GetST(), 12);
  EXPECT_EQ(character->GetDX(), 10);
  ASSERT_EQ(character->GetAdvantageCount(), 1u);
  EXPECT_EQ(character->GetAdvantageAt(0)->GetLevel(), 0);
  EXPECT_NE(character->GetSkillSlot1(), nullptr);
}

TEST(CharacterJson, BadInputIsRefusedWithItsPlace) {
  struct Case {
    const char* json;
    const char* refusal;
  };
  const Case cases[] = {
      {R"({"strength": 12})", "strength: unknown key"},
      {R"({"st": "12"})", "st: expected a whole number, found string"},
      {R"({"st": 1.5})", "st: expected a whole number, found a number"},
      {R"({"st": 4294967296})", "st: the number 4294967296 is out of the range of a 32-bit integer"},
      {R"({"speed_base": true})", "speed_base: expected a number, found boolean"},
      {R"({"descriptive_text_1": "\u4e2d"})", "descriptive_text_1: the character U+4E2D cannot be stored"},
      {R"({"advantages": {}})", "advantages: expected a list of records, found object"},
      {R"({"advantages": [{"level": 1}]})", "advantages[0]: a record needs its \"class\""},
      {R"({"advantages": [{"class": "CChar_Nothing"}]})", "advantages[0].class: unknown class \"CChar_Nothing\""},
      {R"({"advantages": [{"class": "CChar_Skill_Spell"}]})",
       "advantages[0].class: a CChar_Skill_Spell cannot stand where a CChar_Ad_Disad is expected"},
      {R"({"advantages": [{"class": "CChar_Ad_Disad", "enhancements": [{"class": "CChar_Enhancement_Limitation", "kind": "2"}]}]})",
       "advantages[0].enhancements[0].kind: expected a whole number"},
      {R"({"pd_sources": ["a", 1]})", "pd_sources[1]: expected a text"},
      {R"({"class": "CChar_Ad_Disad"})", "class: a CChar_Ad_Disad cannot stand where a CChar_Character is expected"},
      {R"([])", "the character: expected a record, found array"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_NE(RefusalOf(c.json).find(c.refusal), std::string::npos) << RefusalOf(c.json);
  }
}

}  // namespace
}  // namespace zulparvo::cli
