// The large characters of the benchmarks: many skills, and as many advantages (each
// with an enhancement and a limitation) and spells as asked.
#pragma once

#include <memory>
#include <string>

#include "model/character.h"
#include "model/enhancement_limitation.h"
#include "model/skill_spell.h"

namespace zulparvo {

struct LargeCharacterShape {
  int skills = 0;
  int advantages = 0;
  int spells = 0;
};

inline std::unique_ptr<CChar_Character> MakeLargeCharacter(const LargeCharacterShape& shape) {
  auto character = std::make_unique<CChar_Character>();
  for (int i = 0; i < shape.advantages; ++i) {
    CChar_Ad_Disad advantage(i, 10, "Advantage number " + std::to_string(i) + " (+1)", "B05", 0, "", "AD");
    advantage.AddEnhancement(CChar_Enhancement_Limitation(i, 20, "Enhancement", "ENH", "B05"));
    advantage.AddLimitation(CChar_Enhancement_Limitation(i, -10, "Limitation", "LIM", "B05"));
    advantage.SetLevel(2);
    advantage.RecomputeCost();
    character->AddAdDisad("AD", advantage);
  }
  for (int i = 0; i < shape.skills; ++i) {
    CChar_Skill_Base skill;
    skill.SetIdentifier(i);
    skill.SetName("Skill number " + std::to_string(i));
    skill.SetBookCode("B05");
    skill.SetPoints(2);
    character->AddSkillFamilyRecord(skill, "", -1);
  }
  for (int i = 0; i < shape.spells; ++i) {
    CChar_Skill_Spell spell;
    spell.SetIdentifier(i);
    spell.SetName("Spell number " + std::to_string(i));
    character->AddSkillFamilyRecord(spell, "", -1);
  }
  return character;
}

}  // namespace zulparvo
