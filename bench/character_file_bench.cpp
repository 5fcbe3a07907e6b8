// Loading and saving a large character: 10,000 skills, 2,000 advantages with two
// modifiers each, 2,000 spells. Beside them, a plain read of the same file's bytes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/character_file.h"
#include "model/enhancement_limitation.h"
#include "model/skill_spell.h"
#include "platform/file_io.h"

namespace zulparvo {
namespace {

constexpr int kSkills = 10000;
constexpr int kAdvantages = 2000;
constexpr int kSpells = 2000;
constexpr int kRecords = kSkills + kAdvantages * 3 + kSpells;  // modifiers count as records

const std::filesystem::path& LargeCharacterFile() {
  static const std::filesystem::path path = [] {
    CChar_Character character;
    for (int i = 0; i < kAdvantages; ++i) {
      CChar_Ad_Disad advantage(i, 10, "Advantage number " + std::to_string(i) + " (+1)", "B05", 0, "", "AD");
      advantage.AddEnhancement(CChar_Enhancement_Limitation(i, 20, "Enhancement", "ENH", "B05"));
      advantage.AddLimitation(CChar_Enhancement_Limitation(i, -10, "Limitation", "LIM", "B05"));
      advantage.SetLevel(2);
      advantage.RecomputeCost();
      character.AddAdDisad("AD", advantage);
    }
    for (int i = 0; i < kSkills; ++i) {
      CChar_Skill_Base skill;
      skill.SetIdentifier(i);
      skill.SetName("Skill number " + std::to_string(i));
      skill.SetBookCode("B05");
      skill.SetPoints(2);
      character.AddSkillFamilyRecord(skill, "", -1);
    }
    for (int i = 0; i < kSpells; ++i) {
      CChar_Skill_Spell spell;
      spell.SetIdentifier(i);
      spell.SetName("Spell number " + std::to_string(i));
      character.AddSkillFamilyRecord(spell, "", -1);
    }
    auto file = std::filesystem::temp_directory_path() / "zulparvo-bench-large.zul";
    SaveCharacterFile(file, character);
    return file;
  }();
  return path;
}

void SetRates(benchmark::State& state, std::size_t bytes) {
  state.counters["records/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRecords,
                                                   benchmark::Counter::kIsRate);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

void BM_ReadFileBytes(benchmark::State& state) {
  const auto& file = LargeCharacterFile();
  std::size_t size = 0;
  for (auto _ : state) {
    auto bytes = ReadFileBytes(file);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  SetRates(state, size);
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_LoadCharacterFile(benchmark::State& state) {
  const auto& file = LargeCharacterFile();
  for (auto _ : state) {
    auto character = LoadCharacterFile(file);
    benchmark::DoNotOptimize(character.get());
  }
  SetRates(state, std::filesystem::file_size(file));
}
BENCHMARK(BM_LoadCharacterFile)->Unit(benchmark::kMillisecond);

void BM_SaveCharacterFile(benchmark::State& state) {
  auto character = LoadCharacterFile(LargeCharacterFile());
  const auto out = std::filesystem::temp_directory_path() / "zulparvo-bench-save.zul";
  for (auto _ : state) SaveCharacterFile(out, *character);
  SetRates(state, std::filesystem::file_size(out));
  std::filesystem::remove(out);
}
BENCHMARK(BM_SaveCharacterFile)->Unit(benchmark::kMillisecond);

void BM_WriteCharacterInMemory(benchmark::State& state) {
  auto character = LoadCharacterFile(LargeCharacterFile());
  std::size_t size = 0;
  for (auto _ : state) {
    auto bytes = WriteCharacter(*character);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  SetRates(state, size);
}
BENCHMARK(BM_WriteCharacterInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zulparvo
