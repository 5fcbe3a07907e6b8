// The three functions that a host finds in libzulparvo by name (dlsym) and calls.
//
// The pointers are the host's; nothing is owned here. Each function checks that it was
// given objects of the classes it expects, and never lets an exception out.
#pragma once

namespace zulparvo {
class CObject;
}

#define ZP_EXPORT __attribute__((visibility("default")))

extern "C" {

// A record (an advantage or disadvantage, CChar_Ad_Disad or a subclass) has been put on
// the character: applies its special effects. With apply 0 nothing is done. Returns
// 1 when nothing was done or the rules ran; 1 and no change for a null pointer or an
// object of another class; 0 only when the calculation failed inside.
ZP_EXPORT int speccalc_DoSpecialCalcAdProc(zulparvo::CObject* character, zulparvo::CObject* record, int apply,
                                           bool keepRecords);

// The same for a skill-family record (CChar_Skill_Base or a subclass).
ZP_EXPORT int speccalc_DoSpecialCalcSkillProc(zulparvo::CObject* character, zulparvo::CObject* record, int apply);

// The character's IQ changed from oldIQ to newIQ: moves the IQ-dependent skill bonuses.
ZP_EXPORT void speccalc_UpdateSpecialIQSkills(long oldIQ, long newIQ, zulparvo::CObject* character);
}
