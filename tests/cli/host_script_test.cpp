// Host scripts: steps as the host takes them, entries of the books named by reference,
// their results and change log, and scripts that are refused before anything is saved.
#include "cli/host_script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fuzz/run_any_script.h"
#include "model/character_file.h"
#include "platform/file_io.h"
#include "platform/profile.h"
#include "refdb/search_processor.h"

namespace zulparvo::cli {
namespace {

namespace fs = std::filesystem;

class HostScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppProfile(CProfile());
    m_folder = fs::temp_directory_path() /
               ("zulparvo-script-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(m_folder);
  }
  void TearDown() override {
    GetSearchProcessor()->CloseDatabases();
    ResetAppProfile();
    fs::remove_all(m_folder);
  }
  bool UseSampleBooks() {
    if (!fs::exists(ZULPARVO_SAMPLE_PROFILE)) return false;
    SetAppProfile(CProfile::Load(ZULPARVO_SAMPLE_PROFILE));
    return true;
  }

  Json Run(const std::string& script) { return RunHostScript(Json::parse(script), m_folder); }
  std::string Refusal(const std::string& script) {
    try {
      Run(script);
    } catch (const ScriptError& error) {
      return error.what();
    }
    return "accepted";
  }

  fs::path m_folder;
};

TEST_F(HostScriptTest, StepsAddRecordsAndFollowIQ) {
  const Json result = Run(R"js({
    "steps": [
      {"op": "add_advantage", "record": {"class": "CChar_Ad_Disad", "identifier": 95, "book_code": "B01",
        "category": "RACAD", "description": "Knack (1)", "integer_key": 20, "text_key": "B05", "cost": 5}},
      {"op": "add_skill", "record": {"class": "CChar_Skill_Base", "identifier": 20, "book_code": "B05",
        "name": "Lore", "skill_type": 4, "points": 2}},
      {"op": "set_attribute", "attribute": "IQ", "value": 12},
      {"op": "set_attribute", "attribute": "ST", "value": 11},
      {"op": "add_advantage", "category": "NOPE", "record": {"class": "CChar_Ad_Disad"}},
      {"op": "recompute"}
    ],
    "save": "out.zul"
  })js");
  EXPECT_EQ(result["results"], Json::parse("[1, 1, null, null, 0, null]"));
  // The racial modifier when the skill is added, the basic book's rule for an IQ skill
  // at IQ 10, then the move to the next IQ band.
  EXPECT_EQ(result["change_log"], Json::parse(R"js(["+1 to Lore from Skill Modifier: Knack (1)",
                                                   "+1 to Lore from Current Intelligence Level",
                                                   "+1 to Lore from Current Intelligence"])js"));
  const Json& skill = result["character"]["skills"][0];
  EXPECT_EQ(skill["level"], 11);  // ME at 2 points with IQ 10 when it was added
  EXPECT_EQ(skill["bonus"], 3);
  EXPECT_EQ(result["derived"]["current_iq"], 12);
  EXPECT_EQ(result["derived"]["current_st"], 11);
  EXPECT_EQ(result["character"]["points_available"], 193.0);  // 5 for the advantage, 2 for the skill
  EXPECT_EQ(LoadCharacterFile(m_folder / "out.zul")->GetCurrentIQ(), 12);
}

TEST_F(HostScriptTest, RefusalsTheSystemReportsAreNotScriptErrors) {
  const Json result = Run(R"js({
    "character": {"points_available": 0},
    "steps": [
      {"op": "add_advantage", "record": {"class": "CChar_Ad_Disad", "category": "DISAD", "description": "Gloom",
        "cost": -10}},
      {"op": "set_attribute", "attribute": "DX", "value": 12},
      {"op": "add_advantage", "record": {"class": "CChar_Ad_Disad", "category": "AD", "cost": 15}},
      {"op": "buy_off_disadvantage", "index": 0}
    ]
  })js");
  EXPECT_EQ(result["results"][3], 0);
  ASSERT_EQ(result["messages"].size(), 1u);
  EXPECT_EQ(result["messages"][0]["icon"], "stop");
  EXPECT_EQ(result["messages"][0]["text"], "Not enough points to buy off the GloomDisadvantage!");
}

TEST_F(HostScriptTest, ApplyZeroSkipsTheCalculations) {
  const Json result = Run(R"js({
    "apply": 0,
    "character": {"mental_mode": 2},
    "steps": [
      {"op": "add_skill", "record": {"class": "CChar_Skill_Spell", "name": "Glow"}},
      {"op": "special_calc", "list": "spells", "index": 0, "apply": 1}
    ]
  })js");
  EXPECT_EQ(result["character"]["spells"][0]["bonus"], 2);  // once, from the second step
}

TEST_F(HostScriptTest, ScriptErrorsNameTheStepAndSaveNothing) {
  std::ofstream(m_folder / "empty.ini") << "[DATABASE]\n";
  struct Case {
    const char* script;
    const char* refusal;
  };
  const Case cases[] = {
      {R"js({"steps": [{"op": "fly"}], "save": "x.zul"})js", "step 1 (fly): unknown op \"fly\""},
      {R"js({"steps": [{"op": "recompute"}, {"op": "add_skill"}], "save": "x.zul"})js",
       "step 2 (add_skill): missing field \"record\""},
      {R"js({"steps": [{"op": "remove", "list": "skills", "index": 0}], "save": "x.zul"})js",
       "step 1 (remove): index 0 is out of range (the skills list holds 0)"},
      {R"js({"steps": [{"op": "remove", "list": "pets", "index": 0}]})js", "no list is called \"pets\""},
      {R"js({"steps": [{"op": "recompute", "list": "skills"}]})js", "step 1 (recompute): unknown field \"list\""},
      {R"js({"steps": [{"op": "set_attribute", "attribute": "XX", "value": 1}]})js", "must be one of ST, DX, IQ, HT"},
      {R"js({"steps": [{"op": "set_attribute", "attribute": "IQ", "value": "9"}]})js",
       "\"value\" must be a whole number"},
      {R"js({"steps": [{"op": "set_attribute", "attribute": "IQ", "value": 4294967306}]})js",
       "\"value\" is out of range"},
      {R"js({"steps": [{"op": "add_skill", "record": {"class": "CChar_Ad_Disad"}}]})js",
       "a CChar_Ad_Disad cannot stand where a CChar_Skill_Base is expected"},
      {R"js({"steps": [{"op": "add_skill", "record": {"book": "B05", "name": "X", "kind": "AD"}}]})js",
       "\"kind\" must be one of SKILL, SPELLS, LANGUAGES, MANEUVER, SUPER-POWERS, not \"AD\""},
      {R"js({"steps": [{"op": "add_skill", "record": {"book": "B05", "name": "X", "level": 1, "colour": 1}}]})js",
       "record: unknown field \"colour\""},
      {R"js({"steps": [{"op": "add_skill", "record": {"book": "B05", "name": "X"}}]})js",
       "step 1 (add_skill): B05: the profile names no reference database for the book"},
      {R"js({"steps": [{"op": "special_calc", "list": "notes", "index": 0}]})js", "out of range"},
      {R"js({"steps": {}})js", "\"steps\" must be a list"},
      {R"js({"stpes": []})js", "unknown key \"stpes\""},
      {R"js({"character": "missing.zul"})js", "\"character\": "},
      {R"js({"apply": 7})js", "\"apply\" must be 0 or 1, not 7"},
      {R"js({"steps": [{"op": "special_calc", "list": "skills", "index": 0, "apply": 4294967297}]})js",
       "\"apply\" must be 0 or 1, not 4294967297"},
      {R"js({"save": "/tmp/elsewhere.zul"})js", "\"save\": \"/tmp/elsewhere.zul\" is outside the script's folder"},
      {R"js({"save": "sub/../../x.zul"})js", "is outside the script's folder"},
      {R"js({"character": "../hero.zul"})js", "\"character\": \"../hero.zul\" is outside"},
      {R"js({"profile": "missing.ini"})js", "missing.ini does not exist"},
      {R"js([1])js", "a script is a JSON object"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    EXPECT_NE(Refusal(c.script).find(c.refusal), std::string::npos) << Refusal(c.script);
  }
  EXPECT_FALSE(fs::exists(m_folder / "x.zul"));
}

TEST_F(HostScriptTest, StepObserverSeesEachStepsChanges) {
  std::vector<std::size_t> changes;
  RunHostScript(Json::parse(R"js({"steps": [
      {"op": "add_skill", "record": {"class": "CChar_Skill_Base", "identifier": 77, "book_code": "B05"}},
      {"op": "update_iq_skills", "old": 9, "new": 12},
      {"op": "recompute"}]})js"),
                m_folder, [&](const StepReport& report) { changes.push_back(report.changes.size()); });
  EXPECT_EQ(changes, (std::vector<std::size_t>{1, 1, 0}));
}

// The demonstration names the books' entries; the same steps with whole records (the
// demonstration as it was written before) give the same character file, byte for byte.
TEST_F(HostScriptTest, DemonstrationFromTheBooksMatchesItsWholeRecords) {
  if (!UseSampleBooks()) GTEST_SKIP() << "no sample books at " ZULPARVO_SAMPLE_PROFILE;
  std::vector<std::vector<uint8_t>> files;
  for (const fs::path& script : {fs::path(ZULPARVO_SOURCE_DIR "/data/demo/demo.json"),
                                 fs::path(ZULPARVO_SOURCE_DIR "/tests/cli/data/demo_records.json")}) {
    SCOPED_TRACE(script.string());
    const fs::path saved = m_folder / (script.stem().string() + ".zul");
    const Json result = RunHostScript(ReadScript(script), script.parent_path(), [](const StepReport&) {}, {{}, saved});
    EXPECT_EQ(result["messages"], Json::array());
    files.push_back(ReadFileBytes(saved));
  }
  EXPECT_EQ(files[0], files[1]);
}

TEST_F(HostScriptTest, AddingThenRemovingGivesThePointsBack) {
  if (!UseSampleBooks()) GTEST_SKIP() << "no sample books at " ZULPARVO_SAMPLE_PROFILE;
  const Json result = Run(R"js({"character": {"points_available": 100}, "steps": [
      {"op": "add_advantage", "record": {"book": "B05", "name": "Comely Mien", "variant": "Radiant"}},
      {"op": "add_skill", "record": {"book": "B05", "name": "Staffplay", "points": 8}},
      {"op": "add_equipment", "record": {"book": "B05", "identifier": 1, "kind": "WEAPONS"}},
      {"op": "remove", "list": "skills", "index": 0},
      {"op": "remove", "list": "advantages", "index": 0}]})js");
  EXPECT_EQ(result["results"], Json::parse("[1, 1, null, null, null]"));
  EXPECT_EQ(result["change_log"], Json::parse(R"js(["+2 to Reaction from Comely Mien, Radiant",
                                                   "+6 to Reaction (Opposite Sex) from Comely Mien, Radiant"])js"));
  EXPECT_EQ(result["character"]["points_available"], 100.0);
  EXPECT_EQ(result["character"]["points_spent"], 0.0);
  EXPECT_EQ(result["character"]["weapons"][0]["name"], "Ashwood Cudgel");
}

TEST_F(HostScriptTest, TheScriptsProfileLastsAsLongAsTheScript) {
  std::ofstream(m_folder / "books.ini") << "[DATABASE]\nB05 = nowhere.db\n";
  const fs::path before = GetAppProfile().GetPath();
  const Json result = Run(R"js({"profile": "books.ini", "steps": [
      {"op": "add_advantage", "record": {"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B05",
                                         "category": "AD"}},
      {"op": "add_advantage", "record": {"class": "CChar_Ad_Disad", "identifier": 2, "book_code": "B02",
                                         "category": "AD"}}]})js");
  EXPECT_EQ(GetAppProfile().GetPath(), before);
  std::vector<std::string> books;
  for (const Json& message : result["messages"]) {
    const std::string text = message["text"];
    if (message["icon"] == "exclamation") books.push_back(text.substr(0, text.find(':')));
  }
  EXPECT_EQ(books, (std::vector<std::string>{"B02", "B05"}));
}

TEST(HostScriptCorpus, EveryStoredScriptRunsOrIsRefused) {
  int inputs = 0;
  for (const auto& entry : fs::directory_iterator(ZULPARVO_FUZZ_CORPUS "/host_script")) {
    SCOPED_TRACE(entry.path().string());
    RunAnyScript(ReadFileBytes(entry.path()));
    ++inputs;
  }
  EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace zulparvo::cli
