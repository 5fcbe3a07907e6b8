// Running the special calculations for every record of a character with 1,000 skills,
// 300 advantages, 300 disadvantages and 300 spells, as a host does after loading it.
#include <benchmark/benchmark.h>

#include "frame/dispatch.h"
#include "model/skill_spell.h"

namespace zulparvo {
namespace {

constexpr int kSkills = 1000;
constexpr int kAdvantages = 300;
constexpr int kDisadvantages = 300;
constexpr int kSpells = 300;
constexpr int kRecords = kSkills + kAdvantages + kDisadvantages + kSpells;

// Records spread over the books that have rule tables, with identifiers that the
// tables name, so that the rows have work to do.
const char* const kBooks[] = {"B05", "B01", "B13", "B15", "B34", "B46", "B06", "B48", "B26", "B30"};

std::unique_ptr<CChar_Character> MakeCharacter() {
  auto character = std::make_unique<CChar_Character>();
  for (int i = 0; i < kAdvantages; ++i) {
    character->AddAdDisad("AD", CChar_Ad_Disad(i % 150, 10, "Advantage (+1)", kBooks[i % 10], 0, "", "AD"));
    character->AddAdDisad("DISAD", CChar_Ad_Disad(i % 150, -10, "Disadvantage (-1)", kBooks[i % 10], 0, "", "DISAD"));
  }
  for (int i = 0; i < kSkills; ++i) {
    CChar_Skill_Base skill;
    skill.SetIdentifier(i % 200);
    skill.SetBookCode(kBooks[i % 10]);
    skill.SetName("Skill");
    character->AddSkillFamilyRecord(skill, "", -1);
  }
  for (int i = 0; i < kSpells; ++i) {
    CChar_Skill_Spell spell;
    spell.SetIdentifier(i % 200);
    spell.SetBookCode(kBooks[i % 10]);
    spell.SetName("Spell");
    character->AddSkillFamilyRecord(spell, "", -1);
  }
  return character;
}

void BM_DispatchEveryRecord(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto character = MakeCharacter();
    state.ResumeTiming();
    for (std::size_t i = 0; i < character->GetAdvantageCount(); ++i) {
      DispatchAdvantage(*character, *character->GetAdvantageAt(i), true);
    }
    for (std::size_t i = 0; i < character->GetDisadvantageCount(); ++i) {
      DispatchDisadvantage(*character, *character->GetDisadvantageAt(i), true);
    }
    for (std::size_t i = 0; i < character->GetSkillCount(); ++i) {
      DispatchSkill(*character, *static_cast<CChar_Skill_Base*>(character->GetSkillAt(i)));
    }
    for (std::size_t i = 0; i < character->GetSpells().GetSize(); ++i) {
      DispatchSpell(*character, *character->GetSpells().GetAt(i));
    }
    benchmark::DoNotOptimize(character->GetChangeLog().GetSize());
  }
  state.counters["records/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kRecords, benchmark::Counter::kIsRate);
  state.counters["time/record"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRecords,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DispatchEveryRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zulparvo
