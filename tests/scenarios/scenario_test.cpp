// Scenarios: host scripts over the rule tables, each step with what it must do.
//
// A scenario is a host script (docs/host-scripts.md) whose steps may carry, besides
// what the host script reads:
//   "note"  free text for the reader;
//   "log"   the change messages that the step adds, in order (none when absent);
//   "sets"  what the step's special calculation changed on the character: the JSON
//           pointer of every value that differs from the same step run with the
//           calculation switched off ("apply": 0), with its new value (nothing when
//           absent). A step without that switch (set_attribute, ...) lists everything
//           it changed.
// So a step without "log" and "sets" is a near miss: whatever it filed, its rules left
// the whole character as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/host_script.h"
#include "platform/profile.h"

namespace zulparvo::cli {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ScenarioFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(ZULPARVO_SCENARIOS)) {
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  }
  std::ranges::sort(files);
  return files;
}

bool HasSwitch(const Json& step) {
  const std::string op = step["op"];
  return op == "add_advantage" || op == "add_skill" || op == "special_calc";
}

// Objects compared without regard to the order of their keys.
nlohmann::json Unordered(const Json& value) { return nlohmann::json::parse(value.dump()); }

// The values of `after` that differ from `before`, by JSON pointer.
Json Changed(const Json& before, const Json& after) {
  Json changed = Json::object();
  for (const Json& operation : Json::diff(before, after)) {
    changed[operation["path"].get<std::string>()] = operation.value("value", Json());
  }
  return changed;
}

class Scenario : public ::testing::TestWithParam<fs::path> {
 protected:
  void SetUp() override { SetAppProfile(CProfile()); }
};

TEST_P(Scenario, StepsDoWhatTheySay) {
  Json script = ReadScript(GetParam());
  script.erase("about");
  std::vector<Json> expected;
  for (Json& step : script["steps"]) {
    expected.push_back({{"log", step.value("log", Json::array())}, {"sets", step.value("sets", Json::object())}});
    for (const char* key : {"note", "log", "sets"}) step.erase(key);
  }

  Json before = script;
  before["steps"] = Json::array();
  std::vector<Json> characters{RunHostScript(before, GetParam().parent_path())["character"]};
  std::vector<Json> logs;
  const Json result = RunHostScript(script, GetParam().parent_path(), [&](const StepReport& report) {
    characters.push_back(RecordToJson(const_cast<CChar_Character&>(report.character)));
    logs.emplace_back(report.changes);
  });
  // The scenarios run without reference databases, which the result tells once per book.
  Json messages = Json::array();
  for (const Json& message : result["messages"]) {
    if (!message["text"].get<std::string>().ends_with("its names cannot be looked up")) messages.push_back(message);
  }
  EXPECT_EQ(messages, Json::array());

  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Json& step = script["steps"][i];
    // The same step from the same character, with its calculation switched off.
    Json base = characters[i];
    if (HasSwitch(step)) {
      Json off = {{"character", characters[i]}, {"steps", {step}}};
      off["steps"][0]["apply"] = 0;
      base = RunHostScript(off, GetParam().parent_path())["character"];
    }
    const Json actual = {{"log", logs[i]}, {"sets", Changed(base, characters[i + 1])}};
    EXPECT_EQ(Unordered(actual), Unordered(expected[i])) << "step " << i + 1 << " did: " << actual.dump();
  }
}

INSTANTIATE_TEST_SUITE_P(Files, Scenario, ::testing::ValuesIn(ScenarioFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& file) { return file.param.stem().string(); });

}  // namespace
}  // namespace zulparvo::cli
