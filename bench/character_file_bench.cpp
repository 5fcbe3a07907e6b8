// Loading and saving a large character: 10,000 skills, 2,000 advantages with two
// modifiers each, 2,000 spells; and the same character written as JSON text and read from
// it, and the file written as the text is read. Beside them, a plain read of the same
// file's bytes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/large_character.h"
#include "model/character_file.h"
#include "model/json/json_codec.h"
#include "platform/file_io.h"

namespace zulparvo {
namespace {

constexpr int kSkills = 10000;
constexpr int kAdvantages = 2000;
constexpr int kSpells = 2000;
constexpr int kRecords = kSkills + kAdvantages * 3 + kSpells;  // modifiers count as records

const std::filesystem::path& LargeCharacterFile() {
  static const std::filesystem::path path = [] {
    auto file = std::filesystem::temp_directory_path() / "zulparvo-bench-large.zul";
    SaveCharacterFile(file, *MakeLargeCharacter({kSkills, kAdvantages, kSpells}));
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

void BM_WriteJsonText(benchmark::State& state) {
  auto character = LoadCharacterFile(LargeCharacterFile());
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string text = RecordToJsonText(*character);
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  SetRates(state, size);
}
BENCHMARK(BM_WriteJsonText)->Unit(benchmark::kMillisecond);

void BM_ReadJsonText(benchmark::State& state) {
  const std::string text = RecordToJsonText(*LoadCharacterFile(LargeCharacterFile()));
  for (auto _ : state) {
    auto character = CharacterFromJsonText(text);
    benchmark::DoNotOptimize(character.get());
  }
  SetRates(state, text.size());
}
BENCHMARK(BM_ReadJsonText)->Unit(benchmark::kMillisecond);

// What import does: the character file written as the JSON text is read.
void BM_JsonTextToCharacterFile(benchmark::State& state) {
  const std::string text = RecordToJsonText(*LoadCharacterFile(LargeCharacterFile()));
  for (auto _ : state) {
    auto bytes = CharacterFileFromJsonText(text, "bench");
    benchmark::DoNotOptimize(bytes.data());
  }
  SetRates(state, text.size());
}
BENCHMARK(BM_JsonTextToCharacterFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zulparvo
