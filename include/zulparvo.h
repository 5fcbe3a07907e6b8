/*
 * zulparvo.h: the C interface of libzulparvo.
 *
 * A host makes, loads and saves characters, adds records to them and runs the special
 * calculations of their source books, through opaque handles and plain C types. The
 * header compiles as C99 and as C++; the library is libzulparvo.so.1.
 *
 * Conventions:
 *  - Every function that can fail returns a zp_status. On failure zp_last_error() gives
 *    a message that says what went wrong (naming the file, the JSON key, the index);
 *    output arguments are then left untouched. No function lets an exception out.
 *  - Texts going in and coming out are UTF-8 (the character files hold 8-bit texts;
 *    a text that they cannot hold is refused).
 *  - What the library hands out it also frees: texts and bytes with zp_free, string
 *    lists with zp_strings_free, characters with zp_character_free. Each accepts NULL.
 *  - Lists and records are named by a list and a 0-based index in it.
 *  - One character must not be used by two threads at once; different characters may.
 *    The profile and the message handler are the process's.
 */
#ifndef ZULPARVO_H
#define ZULPARVO_H

#include <stdbool.h>
#include <stddef.h>

#if defined(__GNUC__)
#define ZP_API __attribute__((visibility("default")))
#else
#define ZP_API
#endif
#ifdef __cplusplus
#define ZP_NOEXCEPT noexcept
extern "C" {
#else
#define ZP_NOEXCEPT
#endif

typedef enum zp_status {
  ZP_OK = 0,
  ZP_ERROR_ARGUMENT = 1, /* a null handle, an unknown name, an index out of range */
  ZP_ERROR_FILE = 2,     /* a file that cannot be read or written, or that is damaged */
  ZP_ERROR_DATA = 3,     /* damaged character bytes, or JSON that is refused */
  ZP_ERROR_REFUSED = 4,  /* the rules refuse: a record that files nowhere, a buy-off without points */
  ZP_ERROR_MEMORY = 5,
  ZP_ERROR_INTERNAL = 6  /* a special calculation failed inside */
} zp_status;

/* The character's lists; zp_list_name gives the JSON key of each. */
typedef enum zp_list {
  ZP_LIST_ADVANTAGES,
  ZP_LIST_DISADVANTAGES,
  ZP_LIST_SKILLS,
  ZP_LIST_EQUIPMENT,
  ZP_LIST_WEAPONS,
  ZP_LIST_ARMOR,
  ZP_LIST_SPELLS,
  ZP_LIST_OLDER_SKILLS,
  ZP_LIST_NOTES,
  ZP_LIST_MARTIAL_ARTS_STYLES,
  ZP_LIST_SUPER_ADVANTAGES,
  ZP_LIST_SUPER_DISADVANTAGES,
  ZP_LIST_FURTHER_COSTED_RECORDS,
  ZP_LIST_FURTHER_LIST,
  ZP_LIST_TRANSPORTATION
} zp_list;
#define ZP_LIST_COUNT 15

/* Flags of the calls that run special calculations. */
#define ZP_KEEP_RECORDS 1u /* an advantage keeps the companion records it made before */

typedef enum zp_icon { ZP_ICON_STOP, ZP_ICON_EXCLAMATION, ZP_ICON_NONE } zp_icon;

typedef struct zp_character zp_character;
typedef struct zp_strings zp_strings;
typedef struct zp_object zp_object;

/* --- the library ------------------------------------------------------------------ */

/* The library's version, such as "0.1.0". */
ZP_API const char* zp_version(void) ZP_NOEXCEPT;

/* The message of this thread's last call that returned a status: "" after ZP_OK. The
   text stays valid until the thread's next such call. */
ZP_API const char* zp_last_error(void) ZP_NOEXCEPT;

/* Frees a text or bytes that the library handed out. */
ZP_API void zp_free(void* memory) ZP_NOEXCEPT;

/* Reads the profile (the INI file naming the reference databases and the starting
   points); a file that does not exist is refused. NULL goes back to the profile found
   from $ZULPARVO_PROFILE or $XDG_CONFIG_HOME/zulparvo/zulparvo.ini. */
ZP_API zp_status zp_set_profile(const char* path) ZP_NOEXCEPT;

/* The messages that the system shows to its user (a reference database that cannot be
   opened) go to the handler; NULL writes them to standard error again. A refusal that a
   call reports by its status is not shown. The handler must not call back into the
   library. */
typedef void (*zp_message_handler)(zp_icon icon, const char* text, void* context);
ZP_API zp_status zp_set_message_handler(zp_message_handler handler, void* context) ZP_NOEXCEPT;

/* The JSON key of a list ("advantages", "martial_arts_styles"); NULL for no list. */
ZP_API const char* zp_list_name(zp_list list) ZP_NOEXCEPT;

/* --- characters: made, read and written ------------------------------------------- */

/* A new character with the profile's starting points. */
ZP_API zp_status zp_character_new(zp_character** character) ZP_NOEXCEPT;
ZP_API zp_status zp_character_load(const char* path, zp_character** character) ZP_NOEXCEPT;
ZP_API zp_status zp_character_read(const void* bytes, size_t size, zp_character** character) ZP_NOEXCEPT;
/* A character from its JSON form (the form zp_character_to_json writes). */
ZP_API zp_status zp_character_from_json(const char* json, zp_character** character) ZP_NOEXCEPT;
ZP_API void zp_character_free(zp_character* character) ZP_NOEXCEPT;

/* Writes the file anew beside the old one and renames it over it: a failed save leaves
   the old file as it was. */
ZP_API zp_status zp_character_save(zp_character* character, const char* path) ZP_NOEXCEPT;
/* The bytes of the character file (free with zp_free). */
ZP_API zp_status zp_character_write(zp_character* character, unsigned char** bytes, size_t* size) ZP_NOEXCEPT;
ZP_API zp_status zp_character_to_json(zp_character* character, char** json) ZP_NOEXCEPT;

/* --- records and special calculations ---------------------------------------------
   A call that runs special calculations gives, through `changes` (may be NULL), the
   change messages it added to the change log, such as "+2 to Hit Points from Extra
   Hit Points". Calculations run when the host's switch is on (it is unless the host
   turned it off). */

/* Adds a copy of the record given as JSON (an object with its "class"), as the host
   does: an advantage or disadvantage by its category, then its special calculations;
   a skill or spell with its level computed from the character and its points charged,
   then its special calculations; a martial-arts style, then its points and skills;
   equipment, armor, a weapon, a skill heading, an older skill, a note or a conveyance
   to its list. */
ZP_API zp_status zp_character_add(zp_character* character, const char* record_json, unsigned flags,
                                  zp_strings** changes) ZP_NOEXCEPT;
/* Adds the entry of a book as zp_character_add adds a record. The entry is read from
   the book's reference database (named in the profile); the reference is JSON, as the
   host scripts give it (docs/records-from-books.md): {"book": "B05", "name": ...} or
   "identifier" instead of "name", optionally the "kind" of entry ("AD", "SKILL",
   "SPELLS", "WEAPONS", ...) and what the book leaves to the player: "level", "points",
   "description", "variant", "skill", "quantity". ZP_ERROR_REFUSED when the book has
   no such entry or a choice does not fit it. */
ZP_API zp_status zp_character_add_from_book(zp_character* character, const char* reference_json, unsigned flags,
                                            zp_strings** changes) ZP_NOEXCEPT;
/* Runs the special calculations of a record already on the character again. */
ZP_API zp_status zp_character_special_calc(zp_character* character, zp_list list, size_t index, unsigned flags,
                                           zp_strings** changes) ZP_NOEXCEPT;
/* Removes the record and gives back the points it cost. */
ZP_API zp_status zp_character_remove(zp_character* character, zp_list list, size_t index) ZP_NOEXCEPT;
/* Buys off a disadvantage with points available; ZP_ERROR_REFUSED when they are too few. */
ZP_API zp_status zp_character_buy_off(zp_character* character, size_t index) ZP_NOEXCEPT;

/* The base value of "ST", "DX", "IQ" or "HT". Setting it moves the IQ-dependent skill
   bonuses when the current IQ changes. */
ZP_API zp_status zp_character_get_attribute(const zp_character* character, const char* name,
                                            long* value) ZP_NOEXCEPT;
ZP_API zp_status zp_character_set_attribute(zp_character* character, const char* name, long value,
                                            zp_strings** changes) ZP_NOEXCEPT;
/* Moves the IQ-dependent skill bonuses from one current IQ to another. */
ZP_API zp_status zp_character_update_iq(zp_character* character, long old_iq, long new_iq,
                                        zp_strings** changes) ZP_NOEXCEPT;
/* Recomputes the dodge value and the carried weights. */
ZP_API zp_status zp_character_recompute(zp_character* character) ZP_NOEXCEPT;

/* --- reading a character --------------------------------------------------------- */

/* The number of records in the list; 0 for a null character or no list. */
ZP_API size_t zp_character_count(const zp_character* character, zp_list list) ZP_NOEXCEPT;
/* The record's shown name (free with zp_free). */
ZP_API zp_status zp_character_record_name(zp_character* character, zp_list list, size_t index,
                                          char** name) ZP_NOEXCEPT;
ZP_API zp_status zp_character_record_json(zp_character* character, zp_list list, size_t index,
                                          char** json) ZP_NOEXCEPT;
/* Every change message since the character was made or read. */
ZP_API zp_status zp_character_change_log(const zp_character* character, zp_strings** log) ZP_NOEXCEPT;

ZP_API size_t zp_strings_count(const zp_strings* strings) ZP_NOEXCEPT;
/* The text at the index; NULL past the end. Valid until zp_strings_free. */
ZP_API const char* zp_strings_at(const zp_strings* strings, size_t index) ZP_NOEXCEPT;
ZP_API void zp_strings_free(zp_strings* strings) ZP_NOEXCEPT;

/* --- the three entry points -------------------------------------------------------
   For a host that calls the special-calculation entry points itself: the character
   and its records as the objects they take. The pointers live as long as the record
   stays on the character; NULL for a null character or a record that is not there. */
ZP_API zp_object* zp_character_object(zp_character* character) ZP_NOEXCEPT;
ZP_API zp_object* zp_character_record_object(zp_character* character, zp_list list, size_t index) ZP_NOEXCEPT;

#ifndef ZP_ENTRY_POINTS_DECLARED
/* An advantage or disadvantage has been put on the character: applies its effects.
   1 when nothing was to be done or the rules ran, 0 when the calculation failed. */
ZP_API int speccalc_DoSpecialCalcAdProc(zp_object* character, zp_object* record, int apply, bool keepRecords);
/* The same for a skill or spell. */
ZP_API int speccalc_DoSpecialCalcSkillProc(zp_object* character, zp_object* record, int apply);
/* The character's current IQ changed: moves the IQ-dependent skill bonuses. */
ZP_API void speccalc_UpdateSpecialIQSkills(long oldIQ, long newIQ, zp_object* character);
#endif

#ifdef __cplusplus
}
#endif
#endif /* ZULPARVO_H */
