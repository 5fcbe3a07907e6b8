#include "rules/racial_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "base/book_codes.h"
#include "base/saturating.h"
#include "base/utilities.h"
#include "frame/dispatch.h"
#include "model/type_tags.h"

namespace zulparvo {

namespace {

int32_t Clamp(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t WholeNumber(std::string_view text) { return Clamp(StringtoLong(CString(text))); }

// The text strictly between the first "(" and the first ")"; empty when either is
// missing or the ")" comes first.
std::string_view ParenthesisText(std::string_view description) {
  const std::size_t open = description.find('(');
  const std::size_t close = description.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  return description.substr(open + 1, close - open - 1);
}

const CharacterField kSecondaryStrength{&CChar_Character::GetSecondaryStrength,
                                        &CChar_Character::SetSecondaryStrength, "Secondary Strength"};

// The racial size advantages, each worth one size step per so many points of its cost.
struct SizeAdvantage {
  int32_t identifier;
  int32_t pointsPerStep;
};
constexpr std::array<SizeAdvantage, 2> kSizeAdvantages{{{42, 50}, {96, 30}}};

// The size steps of a racial size advantage: its truncated cost plus extra cost divided
// as whole numbers; none for any other record.
std::optional<int32_t> SizeSteps(const CChar_Ad_Disad& record) {
  for (const SizeAdvantage& size : kSizeAdvantages) {
    if (Matches(record, {size.identifier, kCategoryRacialAdvantage})) {
      return TruncateToInt(record.GetCostWithExtra()) / size.pointsPerStep;
    }
  }
  return std::nullopt;
}

// One more than the size steps of the first size advantage on the character, whatever
// its book; 1 without one.
int32_t SizeMultiplier(CChar_Character& character) {
  const AdvantageList& advantages = character.GetAdvantages();
  for (std::size_t i = 0; i < advantages.GetSize(); ++i) {
    if (const std::optional<int32_t> steps = SizeSteps(*advantages.GetAt(i))) return *steps + 1;
  }
  return 1;
}

// The racial talent package.
constexpr ForRecord kTalentPackage{10, "RACAD"};
constexpr std::array<int32_t, 18> kTalentSkills{2,   4,   9,   18,  38,  51,  62,  73,  96,
                                                 104, 116, 126, 132, 136, 141, 159, 164, 165};

// A basic-book talent that the package raises by levels, or adds at that level.
struct PackageTalent {
  int32_t identifier;
  int32_t levels;
  std::string_view description;
};
constexpr std::array<PackageTalent, 2> kPackageTalents{{{11, 1, "Charisma (+0)"}, {22, 2, "Language Talent (+0)"}}};

// Runs the talent's own rules at its new level, then logs the package's share.
void RunTalentRules(AdvantageContext& context, CChar_Ad_Disad& talent, int32_t levels) {
  DispatchAdvantage(context.character, talent, context.keepRecords);
  LogChange(context.character, levels, talent.GetDisplayName(), context.record);
}

// The talent added to the character; null when nothing was added. Taken at the index
// where the list grew, so that it is the record just filed.
CChar_Ad_Disad* AddTalent(CChar_Character& character, const PackageTalent& talent) {
  AdvantageList& advantages = character.GetAdvantages();
  const std::size_t before = advantages.GetSize();
  const int filed = character.AddNewAdDisad(kCategoryAdvantage, talent.identifier, 0.0, CString(talent.description),
                                            CString(BOOK_05), 0, "", talent.levels);
  if (filed != 1 || advantages.GetSize() != before + 1) return nullptr;
  return advantages.GetAt(before);
}

}  // namespace

void Apply(AdvantageContext& context, const ApplyRacialAttribute& row) {
  if (!Matches(context.record, row.record)) return;
  AddToField(context.character, row.field, ParenthesizedNumber(context.record.GetDescription()), context.record);
}

void ApplyRacialStrength(AdvantageContext& context, const ForRecord& rule) {
  if (!Matches(context.record, rule)) return;
  const int32_t amount =
      Clamp(int64_t{ParenthesizedNumber(context.record.GetDescription())} * SizeMultiplier(context.character));
  AddToField(context.character, kStrength, amount, context.record);
  if (context.character.GetSecondaryStrengthFlag() == 1) {
    AddToField(context.character, kSecondaryStrength, amount, context.record);
  }
}

void ScaleStrengthBySize(AdvantageContext& context) {
  const std::optional<int32_t> steps = SizeSteps(context.record);
  if (!steps) return;
  CChar_Character& character = context.character;
  character.SetSTBonus(Clamp(int64_t{character.GetSTBonus()} * (int64_t{*steps} + 1) + 10 * int64_t{*steps}));
}

void ApplyFixedStrength(AdvantageContext& context, const ForRecord& rule) {
  if (!Matches(context.record, rule)) return;
  CChar_Character& character = context.character;
  const std::string_view description = context.record.GetDescription();
  if (const std::size_t dash = description.rfind('-'); dash != std::string_view::npos) {
    const std::string_view kind = description.substr(dash);
    if (kind.find('F') != std::string_view::npos) {
      character.SetStrengthKind(1);
    } else if (kind.find('S') != std::string_view::npos) {
      character.SetStrengthKind(2);
    }
  }
  std::string_view strength = ParenthesisText(description);
  if (const std::size_t slash = strength.find('/'); slash != std::string_view::npos) {
    RaiseField(character, kSecondaryStrength, SaturatingAdd(WholeNumber(strength.substr(slash + 1)), -10));
    character.SetSecondaryStrengthFlag(1);
    strength = strength.substr(0, slash);
  }
  RaiseField(character, kStrength, SaturatingAdd(WholeNumber(strength), -10));
}

void ApplyRacialTalentPackage(AdvantageContext& context) {
  if (!Matches(context.record, kTalentPackage)) return;
  CChar_Character& character = context.character;
  AddToSelected(character, character.GetSkills(), context.record, 1, true, [&](const CChar_Skill_Base& skill) {
    return skill.GetBookCode() == BOOK_05 && std::ranges::count(kTalentSkills, skill.GetIdentifier()) != 0;
  });

  std::array<bool, kPackageTalents.size()> found{};
  AdvantageList& advantages = character.GetAdvantages();
  // By index, and the size read again each time: the rules run for a talent may file
  // further records.
  for (std::size_t i = 0; i < advantages.GetSize(); ++i) {
    CChar_Ad_Disad& entry = *advantages.GetAt(i);
    if (entry.GetBookCode() != BOOK_05) continue;
    for (std::size_t t = 0; t < kPackageTalents.size(); ++t) {
      const PackageTalent& talent = kPackageTalents[t];
      if (!Matches(entry, {talent.identifier, kCategoryAdvantage})) continue;
      found[t] = true;
      entry.SetLevel(SaturatingAdd(entry.GetLevel(), talent.levels));
      RunTalentRules(context, entry, talent.levels);
    }
  }

  if (context.keepRecords) return;
  for (std::size_t t = 0; t < kPackageTalents.size(); ++t) {
    if (found[t]) continue;
    if (CChar_Ad_Disad* added = AddTalent(character, kPackageTalents[t])) {
      RunTalentRules(context, *added, kPackageTalents[t].levels);
    }
  }
}

void ApplyRacialSelectedSkillModifier(AdvantageContext& context, const ForRecord& rule) {
  const CChar_Ad_Disad& record = context.record;
  if (!Matches(record, rule)) return;
  AddToSelected(context.character, context.character.GetSkills(), record, ParenthesizedNumber(record.GetDescription()),
                true, [&](const CChar_Skill_Base& skill) {
                  return skill.GetIdentifier() == record.GetIntegerKey() && skill.GetBookCode() == record.GetTextKey();
                });
}

}  // namespace zulparvo
