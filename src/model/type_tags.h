// The tag vocabulary of the model: class tags, category tags, style categories and
// the version texts. Tags are compared exactly and case-sensitively.
//
// These texts are written to character files and reference databases and must not
// change.
#pragma once

namespace zulparvo {

// Class tags, as GetType returns them.
inline constexpr const char* kTagBase = "BASE";
inline constexpr const char* kTagCharacter = "CHAR";
inline constexpr const char* kTagAdDisad = "ADDISAD";
inline constexpr const char* kTagAdDisadMagery = "ADDISAD-MAG";
inline constexpr const char* kTagAdDisadRelationship = "ADDISAD-REL";
inline constexpr const char* kTagEnhancement = "ENH";
inline constexpr const char* kTagLimitation = "LIM";
inline constexpr const char* kTagSkill = "SK";
inline constexpr const char* kTagDefaultSkill = "DS";
inline constexpr const char* kTagDefaultDisplayOnly = "DSDO";
inline constexpr const char* kTagManeuver = "MAN";
inline constexpr const char* kTagMartialArtsManeuver = "MAM";
inline constexpr const char* kTagRitual = "RT";
inline constexpr const char* kTagDefaultLanguage = "DL";
inline constexpr const char* kTagMartialArtsSkill = "MAS";
inline constexpr const char* kTagSpell = "SP";
inline constexpr const char* kTagSuperPower = "SUP";
inline constexpr const char* kTagSkillHeading = "SH";
inline constexpr const char* kTagStyleSelection = "MASSEL";
inline constexpr const char* kTagMartialArtsStyle = "MA-STYLE";
inline constexpr const char* kTagEquipmentBase = "SE";
inline constexpr const char* kTagArmor = "AR";
inline constexpr const char* kTagBarding = "BD";
inline constexpr const char* kTagContainer = "CON";
inline constexpr const char* kTagStandardWeapon = "SW";
inline constexpr const char* kTagMeleeWeapon = "MW";
inline constexpr const char* kTagRangedWeapon = "RW";
inline constexpr const char* kTagMeleeRangedWeapon = "MRW";
inline constexpr const char* kTagTransportation = "TB";
inline constexpr const char* kTagTransportationAnimal = "T4L";
inline constexpr const char* kTagTransportationT2L = "T2L";
inline constexpr const char* kTagTransportationT2W = "T2W";
inline constexpr const char* kTagTransportationT4W = "T4W";

// Category tags of advantage and disadvantage records.
inline constexpr const char* kCategoryAdvantage = "AD";
inline constexpr const char* kCategoryRacialAdvantage = "RACAD";
inline constexpr const char* kCategorySuperAdvantage = "SUPER-AD";
inline constexpr const char* kCategoryDisadvantage = "DISAD";
inline constexpr const char* kCategoryRacialDisadvantage = "RACDISAD";
inline constexpr const char* kCategorySuperDisadvantage = "SUPER-DISAD";

// The categories under which a martial-arts style files its entries. "MANEVUER" is
// spelled as the stored data spells it.
inline constexpr const char* kStylePrimary = "MAS-PRIMARY";
inline constexpr const char* kStyleSecondary = "MAS-SECONDARY";
inline constexpr const char* kStyleOptional = "MAS-OPTIONAL";
inline constexpr const char* kStyleManeuver = "MAS-MANEVUER";
inline constexpr const char* kStyleCinematic = "MAS-CINEMATIC";
inline constexpr const char* kStyleCinematicManeuver = "MAS-CINEMATIC_MANEUVER";

// Version texts that records write and read.
inline constexpr const char* kCharacterIdentification = "ZUL";
inline constexpr const char* kCharacterVersion = "2.12";
inline constexpr const char* kAdDisadVersion = "1.6";
inline constexpr const char* kEnhancementVersion = "1.1";
inline constexpr const char* kOlderSkillVersion = "1.7";
inline constexpr const char* kMartialArtsStyleVersion = "1.1";
inline constexpr const char* kNoteVersion = "1.1";
inline constexpr const char* kEquipmentVersion = "1.3";

}  // namespace zulparvo
