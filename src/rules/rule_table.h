// What a rule table is made of: rows, each one adjuster call with its constants, run
// whole and in order for every record that the table is given.
//
// A row reads like the tables that describe the rules:
//     AdvantageRow(AdjustHitPointBonus, kCharacter, kRecord, 12, "AD"),
// The placeholders stand for what the table is called with: the character, the
// record, keepRecords, and the character's lists; every other argument is a constant
// of the row.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "model/ad_disad.h"
#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo {

template <class Record>
struct RuleContext {
  CChar_Character& character;
  Record& record;
  bool keepRecords = false;
};

struct CharacterArg {};
struct RecordArg {};
struct KeepRecordsArg {};
struct AdvantageListArg {};
struct DisadvantageListArg {};
struct SpellListArg {};
struct SkillListArg {};
inline constexpr CharacterArg kCharacter;
inline constexpr RecordArg kRecord;
inline constexpr KeepRecordsArg kKeepRecords;
inline constexpr AdvantageListArg kAdvantages;
inline constexpr DisadvantageListArg kDisadvantages;
inline constexpr SpellListArg kSpells;
inline constexpr SkillListArg kSkills;

namespace detail {
template <class R> CChar_Character& Resolve(RuleContext<R>& c, CharacterArg) { return c.character; }
template <class R> R& Resolve(RuleContext<R>& c, RecordArg) { return c.record; }
template <class R> bool Resolve(RuleContext<R>& c, KeepRecordsArg) { return c.keepRecords; }
template <class R> auto& Resolve(RuleContext<R>& c, AdvantageListArg) { return c.character.GetAdvantages(); }
template <class R> auto& Resolve(RuleContext<R>& c, DisadvantageListArg) { return c.character.GetDisadvantages(); }
template <class R> auto& Resolve(RuleContext<R>& c, SpellListArg) { return c.character.GetSpells(); }
template <class R> auto& Resolve(RuleContext<R>& c, SkillListArg) { return c.character.GetSkills(); }
template <class R, class T> const T& Resolve(RuleContext<R>&, const T& constant) { return constant; }
// Book codes (BOOK_05, ...) are string views; adjusters take texts.
template <class R> CString Resolve(RuleContext<R>&, std::string_view text) { return CString(text); }
}  // namespace detail

template <class Record>
using Rule = std::function<void(RuleContext<Record>&)>;
using AdvantageRule = Rule<CChar_Ad_Disad>;
using SkillRule = Rule<CChar_Skill_Base>;

template <class Record, class Function, class... Args>
Rule<Record> MakeRow(Function function, Args... args) {
  return [=](RuleContext<Record>& context) { function(detail::Resolve(context, args)...); };
}

template <class Function, class... Args>
AdvantageRule AdvantageRow(Function function, Args... args) {
  return MakeRow<CChar_Ad_Disad>(function, args...);
}

template <class Function, class... Args>
SkillRule SkillRow(Function function, Args... args) {
  return MakeRow<CChar_Skill_Base>(function, args...);
}

// Runs every row in order; a rule table returns true.
template <class Record>
bool RunRules(std::span<const Rule<Record>> rows, RuleContext<Record> context) {
  for (const Rule<Record>& row : rows) row(context);
  return true;
}

}  // namespace zulparvo
