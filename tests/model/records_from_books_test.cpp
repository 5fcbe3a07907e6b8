// Records made from the rows of the sample books: every kind of entry, the costs and
// choices that the rows leave to the player, and references that cannot be followed.
#include "model/records_from_books.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/json/json_codec.h"
#include "platform/profile.h"
#include "refdb/search_processor.h"

namespace zulparvo {
namespace {

class RecordsFromBooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ZULPARVO_SAMPLE_PROFILE))
      GTEST_SKIP() << "no sample books at " ZULPARVO_SAMPLE_PROFILE;
    SetAppProfile(CProfile::Load(ZULPARVO_SAMPLE_PROFILE));
  }
  void TearDown() override {
    GetSearchProcessor()->CloseDatabases();
    ResetAppProfile();
  }
};

BookReference Named(const char* book, const char* name, std::vector<BookKind> kinds = {}) {
  return {book, std::nullopt, name, std::move(kinds)};
}

TEST_F(RecordsFromBooksTest, EveryKindOfEntryMakesItsRecord) {
  struct Case {
    BookReference reference;
    RecordChoices choices;
    const char* wanted;  // the keys of the record's JSON that are checked
  };
  const Case cases[] = {
      {Named("B05", "honeyvoice charm"),
       {},
       R"js({"class": "CChar_Ad_Disad", "identifier": 42, "book_code": "B05", "category": "AD", "base_cost": 10,
           "cost": 10, "level": 0, "sub_identifier": 0, "description": ""})js"},
      // A cost per level: the level times the cost, which the level can be read back from.
      {Named("B05", "Charisma"),
       {.level = 3},
       R"js({"identifier": 11, "level": 3, "base_cost": 15, "cost": 15, "cost_per_level": 5})js"},
      {Named("B05", "Wisp-Touched Gift"),
       {.points = 35, .variant = Named("B13", "Sung")},
       R"js({"base_cost": 35, "sub_identifier": 1, "sub_category": "AD-VARIANT", "sub_book_code": "B13"})js"},
      // A variant's own cost wins over the entry's first.
      {Named("B05", "Comely Mien"),
       {.variant = BookReference{"", 2, "", {}}},
       R"js({"identifier": 10, "base_cost": 15, "sub_identifier": 2, "sub_book_code": "B05"})js"},
      {Named("B05", "Hobbled Stride"),
       {.variant = Named("", "Hobbled Stride, rooted")},
       R"js({"category": "DISAD", "base_cost": -25, "cost": -25, "sub_identifier": 3, "sub_category": "HOBBLED-STRIDE"})js"},
      {Named("B01", "Skill Modifier"),
       {.points = 6, .description = "Keen Climber (3)", .skill = Named("B05", "Ropestride")},
       R"js({"category": "RACAD", "base_cost": 6, "description": "Keen Climber (3)", "integer_key": 110,
           "text_key": "B05"})js"},
      {Named("B01", "Sun-Dazzled"), {}, R"js({"identifier": 52, "category": "RACDISAD", "cost": -10})js"},
      {Named("B34", "Unbreakable Frame"), {}, R"js({"category": "SUPER-AD", "cost": 40})js"},
      {Named("B34", "Clouded Senses"),
       {},
       R"js({"category": "DISAD", "level": 1, "cost": -5, "cost_per_level": -5})js"},
      // Groups: COMBAT-WEAPON (bit 3) and CW-MELEE (bit 25).
      {Named("B05", "Staffplay"),
       {.points = 4},
       R"js({"class": "CChar_Skill_Base", "identifier": 61, "book_code": "B05", "skill_type": 2, "points": 4,
           "groups": 33554440, "name": ""})js"},
      {Named("B05", "Knit Bone"), {}, R"js({"class": "CChar_Skill_Spell", "skill_type": 6, "points": 1,
                                          "college_text": "Heal"})js"},
      {Named("B05", "Tidespeech"),
       {.points = 2},
       R"js({"class": "CChar_Skill_DefaultLanguage", "identifier": 2, "skill_type": 6, "groups": 256})js"},
      {Named("B05", "Hooking Parry"),
       {},
       R"js({"class": "CChar_Skill_Maneuver", "skill_type": 26, "default_source": "Staffplay",
           "default_source_identifier": 61, "default_modifier": -2, "default_text_1": "B05",
           "default_text_2": "SKILL"})js"},
      {Named("B34", "Mirrorpace"),
       {.level = 2, .points = 3},
       R"js({"class": "CChar_Skill_SuperPower", "power_level": 2, "cost_per_level": 15, "first_level_cost": 15,
           "power_cost": 30, "points": 3, "groups": 268435460})js"},
      {Named("B05", "Waxed Lantern"),
       {.quantity = 2},
       R"js({"class": "CChar_Equipment_Base", "identifier": 2, "name": "Waxed Lantern", "weight": 2, "quantity": 2,
           "carried_quantity": 2})js"},
      {Named("B05", "Quilted Jerkin"), {}, R"js({"class": "CChar_Equipment_Armor", "weight": 6, "quantity": 1})js"},
      {Named("B05", "Felted Caparison"), {}, R"js({"class": "CChar_Equipment_Barding", "weight": 20})js"},
      {Named("B05", "Ashwood Cudgel"), {}, R"js({"class": "CChar_Equipment_MeleeWeapon", "weight": 3})js"},
      {Named("B05", "Reed Sling"), {}, R"js({"class": "CChar_Equipment_RangedWeapon", "weight": 0.5})js"},
      {Named("B05", "Thornwood Spear"), {}, R"js({"class": "CChar_Equipment_MeleeRangedWeapon"})js"},
      {{"B05", 42, "", {BookKind::Disadvantage}}, {}, R"js({"category": "DISAD", "cost": -5})js"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference.name.empty() ? std::to_string(*c.reference.identifier) : c.reference.name);
    const Json record = RecordToJson(*RecordFromBook(c.reference, c.choices));
    const Json wanted = Json::parse(c.wanted);
    for (const auto& [key, value] : wanted.items()) EXPECT_EQ(record[key], value) << key;
  }
}

TEST_F(RecordsFromBooksTest, ReferencesThatCannotBeFollowedSayWhy) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zulparvo-records-from-books";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "broken.db") << "not a database";
  const auto samples = std::filesystem::path(ZULPARVO_SAMPLE_PROFILE).parent_path();
  std::ofstream(folder / "zulparvo.ini") << "[DATABASE]\nB05 = " << (samples / "refdb/B05.db").string()
                                         << "\nB09 = broken.db\n";
  SetAppProfile(CProfile::Load(folder / "zulparvo.ini"));
  struct Case {
    BookReference reference;
    RecordChoices choices;
    const char* refusal;
  };
  const Case cases[] = {
      {Named("B05", "Honeyvoice"), {}, "B05 has no entry named \"Honeyvoice\"; did you mean Honeyvoice Charm (AD 42)?"},
      {{"B05", 42, "", {}},
       {},
       "B05 has several entries with identifier 42: B05 AD 42 Honeyvoice Charm, "
       "B05 DISAD 42 Hobbled Stride; give the kind"},
      {{"B05", 7, "", {BookKind::Spell}}, {}, "B05 has no SPELLS with identifier 7"},
      {Named("B05", "Staffplay", {BookKind::SuperPower}), {}, "B05 has no SUPER-POWERS named \"Staffplay\""},
      {Named("B05", "Knotted Hide"), {.points = 12}, "B05 AD 40 Knotted Hide costs one of 10, 25, not 12"},
      {Named("B05", "Charisma"), {.points = 5}, "costs 5 per level: give a level, not points"},
      {Named("B05", "Honeyvoice Charm"), {.variant = Named("", "Loud")}, "has no variants"},
      {Named("B05", "Comely Mien"), {.variant = Named("", "Dazzling")}, "[AD-VARIANT] has no variant named"},
      {Named("B05", "Staffplay"), {.level = 2}, "a skill's level follows from its points"},
      {Named("B05", "Staffplay"), {.points = -1}, "points must be 0 or more"},
      {Named("B05", "Tinderbox"), {.points = 1}, "an item takes a quantity, nothing else"},
      {Named("B02", "Anything"), {}, "B02: the profile names no reference database for the book"},
      {Named("B09", "Anything"), {}, "B09: cannot open the reference database"},
      {Named("", "Anything"), {}, "no book given"},
      {Named("B05", ""), {}, "give the name or the identifier"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusal);
    try {
      RecordFromBook(c.reference, c.choices);
      ADD_FAILURE() << "accepted";
    } catch (const BookReferenceError& error) {
      EXPECT_NE(std::string(error.what()).find(c.refusal), std::string::npos) << error.what();
    }
  }
  std::filesystem::remove_all(folder);
}

TEST(CostText, ListsOfCostsAndCostsPerLevel) {
  struct Case {
    const char* text;
    std::vector<double> options;
    std::optional<double> perLevel;
  };
  const Case cases[] = {
      {"10", {10}, {}},         {" -5/-15/-25 ", {-5, -15, -25}, {}},
      {"+2.5/5", {2.5, 5}, {}}, {"5/Level", {}, 5},
      {"varies", {}, {}},       {"", {}, {}},
      {"5/", {}, {}},           {"10 points", {}, {}},
      {"nan", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CostText cost = ParseCostText(c.text);
    EXPECT_EQ(cost.options, c.options);
    EXPECT_EQ(cost.perLevel, c.perLevel);
  }
}

}  // namespace
}  // namespace zulparvo
