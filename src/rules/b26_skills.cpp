// Rules of book B26 for skills: the magic aptitude of skill 6.
#include "rules/rule_tables.h"

namespace zulparvo {

namespace {

constexpr SkillRow kRows[] = {
    ApplyMagicAptitudeTable{6},
};

}  // namespace

std::span<const SkillRow> SkillRulesB26() { return kRows; }

}  // namespace zulparvo
