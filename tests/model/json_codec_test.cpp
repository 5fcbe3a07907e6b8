// The JSON form: nothing lost on the way out and back, the streamed text exactly as the
// tree prints it, every kind of bad input refused with the place it was found, and
// deep nesting refused before it can exhaust the stack.
#include "model/json/json_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "model/ad_disad_object_relationship.h"
#include "model/character_file.h"
#include "model/enhancement_limitation.h"
#include "model/equipment_container.h"
#include "model/skill_spell.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo {
namespace {

// What each way of reading makes of the text: "accepted" or the refusal.
std::string RefusalOf(const std::string& text) {
  try {
    CharacterFromJsonText(text);
  } catch (const JsonError& error) {
    return error.what();
  }
  return "accepted";
}

// The same for the character file written as the text is read.
std::string FileRefusalOf(const std::string& text) {
  try {
    CharacterFileFromJsonText(text, "out.zul");
  } catch (const JsonError& error) {
    return error.what();
  }
  return "accepted";
}

std::string TreeRefusalOf(const std::string& text) {
  try {
    CharacterFromJson(Json::parse(text));
  } catch (const JsonError& error) {
    return error.what();
  }
  return "accepted";
}

// `levels` records in the character's list, each in the list or slot of the one before.
std::string NestedRecords(const std::string& list, int levels, const std::string& open, const std::string& close) {
  std::string text = "{\"" + list + "\": [";
  for (int i = 1; i < levels; ++i) text += open;
  text += R"({"class": "CChar_Equipment_Container"})";
  for (int i = 1; i < levels; ++i) text += close;
  return text + "]}";
}
std::string NestedContainers(int levels) {
  return NestedRecords("equipment", levels, R"({"class": "CChar_Equipment_Container", "contents": [)", "]}");
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

// A character with the values whose text is easy to get wrong: reals of every form,
// every byte in a text, records in lists and slots, empty and filled lists.
std::unique_ptr<CChar_Character> AwkwardCharacter() {
  auto character = std::make_unique<CChar_Character>();
  character->SetST(-14);
  character->SetMoveCap(std::nan(""));
  const double reals[] = {1e300, -0.0, 0.1, 1e-5, 123456789012345.0, 1e15, 5e-324, 2.5, -1.0 / 3,
                          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  for (const double real : reals) {
    CChar_Ad_Disad advantage(12, real, "Caf\xE9 \"quoted\" \\ (+1)", "B05", 3, "key", "AD");
    advantage.AddLimitation(CChar_Enhancement_Limitation(1, -10, "Limitation", "LIM", "B05"));
    character->AddAdDisad("AD", advantage);
  }
  std::string everyByte;
  for (int c = 0; c < 256; ++c) everyByte.push_back(static_cast<char>(c));
  character->AddAdDisad("AD", CChar_Ad_Disad(1, 1, everyByte, "B05", 0, "", "AD"));
  CChar_Ad_Disad_Object_Relationship relationship;
  relationship.SetRelatedObject(std::make_unique<CChar_Skill_Spell>());
  character->AddAdDisad("DISAD", relationship);
  character->SetSkillSlot1(nullptr);
  return character;
}

TEST(CharacterJson, ExportThenImportGivesTheSameBytes) {
  const auto bytes = WriteCharacter(*AwkwardCharacter());
  const auto character = ReadCharacter(bytes);
  const std::string text = RecordToJsonText(*character);
  EXPECT_EQ(WriteCharacter(*CharacterFromJsonText(text)), bytes);
  const Json json = Json::parse(text);
  EXPECT_EQ(json["move_cap"], "NaN");
  EXPECT_TRUE(json["skill_slot_1"].is_null());
  EXPECT_EQ(json["advantages"][0]["description"], "Caf\u00E9 \"quoted\" \\ (+1)");
  EXPECT_EQ(WriteCharacter(*CharacterFromJson(json)), bytes);
}

// The streamed text is byte for byte what the tree prints, for every class and for
// every stored character file.
TEST(CharacterJson, StreamedTextIsTheTreesDump) {
  const auto same = [](CObject& record) { EXPECT_EQ(RecordToJsonText(record), RecordToJson(record).dump(2)); };
  same(*AwkwardCharacter());
  for (const CRuntimeClass* runtimeClass : RegisteredClasses()) {
    if (runtimeClass->m_pfnCreateObject == nullptr) continue;
    SCOPED_TRACE(runtimeClass->m_lpszClassName);
    same(*runtimeClass->CreateObject());
  }
  CMessageCollector quiet;
  int characters = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZULPARVO_FUZZ_CORPUS "/archive")) {
    SCOPED_TRACE(entry.path().string());
    try {
      same(*LoadCharacterFile(entry.path()));
      ++characters;
    } catch (const CCharacterFileException&) {
    }
  }
  EXPECT_GT(characters, 0);
}

// The character file written as the text is read is the one written after reading it
// whole: for export's texts, for keys out of order or missing, for one line, and for a
// list long enough to need the long form of its count.
TEST(CharacterJson, FileWrittenWhileReadingIsTheFileWrittenAfter) {
  CMessageCollector quiet;
  std::vector<std::string> texts = {
      RecordToJsonText(*AwkwardCharacter()),
      R"({"st": 12, "\u0064x": 9, "advantages": [{"level": 3, "class": "CChar_Ad_Disad"}], "st": 13})",
      R"({"advantages": [{"class": "CChar_Ad_Disad", "level": 2}], "dx": 11})",
      R"({"class": "CChar_Character", "dx": 11, "notes": [], "advantages": [{"class": "CChar_Ad_Disad"}]})",
      NestedContainers(kMaxRecordNesting),
  };
  std::string notes = R"({"notes": [)";
  for (int i = 0; i < 0x10000; ++i) notes += R"({"class": "CChar_Note"},)";
  notes.back() = ']';
  texts.push_back(notes + "}");
  for (const auto& entry : std::filesystem::directory_iterator(ZULPARVO_FUZZ_CORPUS "/archive")) {
    try {
      texts.push_back(RecordToJsonText(*LoadCharacterFile(entry.path())));
    } catch (const CCharacterFileException&) {
    }
  }
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 120));
    EXPECT_EQ(CharacterFileFromJsonText(text, "out.zul"), WriteCharacter(*CharacterFromJsonText(text)));
  }
}

TEST(CharacterJson, MissingKeysTakeDefaultsAndKeysMayComeInAnyOrder) {
  const std::string text =
      R"({"st": 12, "\u0064x": 9, "advantages": [{"level": 3, "class": "CChar_Ad_Disad"}], "st": 13} )";
  for (const auto& character : {CharacterFromJsonText(text), CharacterFromJson(Json::parse(text))}) {
    EXPECT_EQ(character->GetST(), 13);  // the last of two equal keys
    EXPECT_EQ(character->GetDX(), 9);
    EXPECT_EQ(character->GetHT(), 10);
    ASSERT_EQ(character->GetAdvantageCount(), 1u);
    EXPECT_EQ(character->GetAdvantageAt(0)->GetLevel(), 3);
    EXPECT_NE(character->GetSkillSlot1(), nullptr);
  }
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
      {R"({"st": 99999999999999999999})", "st: expected a whole number, found a number"},
      {R"({"st": 4294967296})", "st: the number 4294967296 is out of the range of a 32-bit integer"},
      {R"({"st": 18446744073709551615})", "st: the number 18446744073709551615 is out of the range"},
      {R"({"speed_base": true})", "speed_base: expected a number, found boolean"},
      {R"({"speed_base": "Infinite"})", "speed_base: expected a number, found string"},
      {R"({"descriptive_text_1": "\u4e2d"})", "descriptive_text_1: the character U+4E2D cannot be stored"},
      {R"({"advantages": {}})", "advantages: expected a list of records, found object"},
      {R"({"advantages": [{"level": 1}]})", "advantages[0]: a record needs its \"class\""},
      {R"({"advantages": [{"class": 7}]})", "advantages[0].class: expected a class name"},
      {R"({"advantages": [{"class": "CChar_Nothing"}]})", "advantages[0].class: unknown class \"CChar_Nothing\""},
      {R"({"advantages": [{"class": "CChar_Skill_Spell"}]})",
       "advantages[0].class: a CChar_Skill_Spell cannot stand where a CChar_Ad_Disad is expected"},
      // The class found for one record is not taken for the next unless it is the same,
      // and is checked against each list's own.
      {R"({"advantages": [{"class": "CChar_Ad_Disad"}, {"class": "CChar_Nothing"}]})",
       "advantages[1].class: unknown class \"CChar_Nothing\""},
      {R"({"advantages": [{"class": "CChar_Ad_Disad"}], "spells": [{"class": "CChar_Ad_Disad"}]})",
       "spells[0].class: a CChar_Ad_Disad cannot stand where a"},
      {R"({"advantages": [{"class": "CChar_Ad_Disad", "enhancements": [{"class": "CChar_Enhancement_Limitation", "kind": "2"}]}]})",
       "advantages[0].enhancements[0].kind: expected a whole number"},
      {R"({"pd_sources": ["a", 1]})", "pd_sources[1]: expected a text, found a whole number"},
      {R"({"skill_slot_1": []})", "skill_slot_1: expected a record, found array"},
      {R"({"class": "CChar_Ad_Disad"})", "class: a CChar_Ad_Disad cannot stand where a CChar_Character is expected"},
      {R"([])", "the character: expected a record, found array"},
      {R"(12)", "the character: expected a record, found a whole number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_NE(RefusalOf(c.json).find(c.refusal), std::string::npos) << RefusalOf(c.json);
    EXPECT_EQ(TreeRefusalOf(c.json), RefusalOf(c.json));
    EXPECT_EQ(FileRefusalOf(c.json), RefusalOf(c.json));
  }
}

TEST(CharacterJson, BrokenTextIsRefusedWithItsLineAndColumn) {
  EXPECT_EQ(RefusalOf("{\"st\": 1,\n  \"dx\": 2} x").substr(0, 39), "not valid JSON at line 2, column 12: mo");
  EXPECT_EQ(FileRefusalOf("{\"st\": 1,\n  \"dx\": 2} x"), RefusalOf("{\"st\": 1,\n  \"dx\": 2} x"));
  EXPECT_EQ(RefusalOf("{\"st\": 1,").substr(0, 14), "not valid JSON");
  EXPECT_EQ(RefusalOf("{\"st\": 01}").substr(0, 14), "not valid JSON");
  EXPECT_EQ(RefusalOf("{\"st\": 1e400}").substr(0, 14), "not valid JSON");
  EXPECT_EQ(RefusalOf("{\"descriptive_text_1\": \"\xFF\"}").substr(0, 14), "not valid JSON");
  EXPECT_THROW(ParseJson("{\"steps\": [1,}"), JsonError);
}

// A character as deep as a character file allows reads back; one level more is refused
// on the way in and on the way out, whether the levels are lists or single records.
TEST(DeepJson, RecordsNestBelowTheCharacterAsDeepAsItsFileAllows) {
  const auto read = CharacterFromJsonText(NestedContainers(kMaxRecordNesting));
  EXPECT_NO_THROW(ReadCharacter(WriteCharacter(*read)));
  EXPECT_NE(RefusalOf(NestedContainers(kMaxRecordNesting + 1)).find("records are nested more than 31 deep"),
            std::string::npos);

  CChar_Character deep;
  auto container = std::make_unique<CChar_Equipment_Container>();
  for (int i = 1; i <= kMaxRecordNesting; ++i) {
    auto outer = std::make_unique<CChar_Equipment_Container>();
    outer->GetContents().Add(std::move(container));
    container = std::move(outer);
  }
  deep.GetEquipment().Add(std::move(container));
  EXPECT_THROW(RecordToJsonText(deep), JsonError);
  EXPECT_THROW(RecordToJson(deep), JsonError);
}

TEST(DeepJson, DeepDocumentsAreRefusedWithThePlace) {
  const std::string millionArrays = std::string(1'000'000, '[') + std::string(1'000'000, ']');
  EXPECT_EQ(RefusalOf(millionArrays), "the character: expected a record, found array");
  EXPECT_EQ(RefusalOf(R"({"notes": )" + millionArrays + "}"), "notes[0]: expected a record, found array");
  try {
    ParseJson(R"({"steps": [)" + millionArrays + "]}");
    ADD_FAILURE() << "accepted";
  } catch (const JsonError& error) {
    EXPECT_EQ(std::string(error.what()).substr(0, 14), "steps[0][0][0]");
    EXPECT_NE(std::string(error.what()).find("nested more than"), std::string::npos);
  }

  const std::string slots = R"({"class": "CChar_Ad_Disad_Object_Relationship", "related_object": )";
  const std::string tenThousand = NestedRecords("advantages", 10'000, slots, "}");
  const std::string refusal = RefusalOf(tenThousand);
  EXPECT_EQ(refusal.substr(0, 43), "advantages[0].related_object.related_object");
  EXPECT_NE(refusal.find("records are nested more than 31 deep"), std::string::npos);
  EXPECT_EQ(TreeRefusalOf(tenThousand), refusal);
  EXPECT_EQ(FileRefusalOf(tenThousand), refusal);
  EXPECT_THROW(ParseJson(NestedContainers(10'000)), JsonError);
}

}  // namespace
}  // namespace zulparvo
