// Characters, records and skills for the tests of the skill rule tables, written as
// JSON for brevity.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "model/json/json_codec.h"
#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo::skill_rules_test {

using Log = std::vector<CString>;

// An entry of the advantage or disadvantage list; its description is its shown name.
inline Json Entry(const char* category, int identifier, const char* book, const char* description,
                  const Json& more = Json::object()) {
  Json entry = {{"class", "CChar_Ad_Disad"}, {"identifier", identifier}, {"book_code", book},
                {"category", category},      {"description", description}};
  entry.update(more);
  return entry;
}

// A character's advantage list or disadvantage list.
inline Json Advantages(Json entries) { return {{"advantages", std::move(entries)}}; }
inline Json Disadvantages(Json entries) { return {{"disadvantages", std::move(entries)}}; }

// The fields of a skill (of class CChar_Skill_Base unless "class" says otherwise).
inline Json SkillFields(int identifier, const char* book = "B05", const char* name = "Lore",
                        const Json& more = Json::object()) {
  Json skill = {{"class", "CChar_Skill_Base"}, {"identifier", identifier}, {"book_code", book}, {"name", name}};
  skill.update(more);
  return skill;
}

inline std::unique_ptr<CChar_Skill_Base> MakeSkill(const Json& fields) {
  auto record = RecordFromJson(fields, ZP_RUNTIME_CLASS(CChar_Skill_Base));
  return std::unique_ptr<CChar_Skill_Base>(static_cast<CChar_Skill_Base*>(record.release()));
}

inline std::unique_ptr<CChar_Character> MakeCharacter(const Json& fields = Json::object()) {
  return CharacterFromJson(fields);
}

inline Log LogOf(const CChar_Character& character) {
  const CStringArray& log = character.GetChangeLog();
  return {log.begin(), log.end()};
}

// The skill of the character's skill list at the index.
inline CChar_Skill_Base& SkillAt(CChar_Character& character, std::size_t index) {
  return static_cast<CChar_Skill_Base&>(*character.GetSkills().GetAt(index));
}

}  // namespace zulparvo::skill_rules_test
