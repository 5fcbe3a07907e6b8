/* The C interface as a C host meets it, with nothing but zulparvo.h and the installed
   library: builds the demonstration character (the steps of data/demo/demo.json) and
   saves it for the caller to compare with what the command makes of the same steps;
   then reads it back in every form and tries the ways a call can fail.

   usage: demo_test PROFILE OUTPUT.zul */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "zulparvo.h"

static int failures;

#define CHECK(condition)                                                                  \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      fprintf(stderr, "%s:%d: %s (last error: %s)\n", __FILE__, __LINE__, #condition,    \
              zp_last_error());                                                           \
      ++failures;                                                                         \
    }                                                                                     \
  } while (0)

/* A failed call: its status, and a message that contains the words. */
#define CHECK_FAILS(call, status, words)                                                  \
  do {                                                                                    \
    CHECK((call) == (status));                                                            \
    CHECK(strstr(zp_last_error(), (words)) != NULL);                                      \
  } while (0)

#define RECORD(...) #__VA_ARGS__

enum op { SET_ATTRIBUTE, ADD, FROM_BOOK, BUY_OFF, RECOMPUTE };
static const struct step {
  enum op op;
  const char* text; /* the attribute, the record as JSON, or the book's entry as JSON */
  long value;       /* the attribute's value, or the disadvantage's index */
} demo[] = {
    {SET_ATTRIBUTE, "ST", 11},
    {SET_ATTRIBUTE, "DX", 12},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Ropestride", "points": 2}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Staffplay", "points": 4}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Latchpicking", "points": 1}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Trail Reckoning", "points": 2}), 0},
    {FROM_BOOK, RECORD({"book": "B01", "name": "Burrow-Born Knack"}), 0},
    {FROM_BOOK, RECORD({"book": "B01", "name": "Skill Modifier", "points": 4, "description": "Born Climber (2)",
                        "skill": {"book": "B05", "name": "Ropestride"}}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Featherstep Poise"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Stillwater Nerve"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Knotted Hide"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Honeyvoice Charm"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Kindle Wick", "points": 1}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Whisper on the Wind", "points": 2}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Wisp-Touched Gift", "points": 25}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Flinching Gaze"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Hobbled Stride", "variant": "slowed"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Slight-Keeper", "variant": "touchy"}), 0},
    {FROM_BOOK, RECORD({"book": "B05", "name": "Star Reckoning", "points": 4}), 0},
    {ADD, RECORD({"class": "CChar_Martial_Arts_Style", "text_1": "Willow Staff",
                  "primary_skills": [{"class": "CChar_Skill_MartialArtsSkill", "identifier": 61,
                                      "book_code": "B05", "skill_type": 2, "points": 2}]}), 0},
    {SET_ATTRIBUTE, "IQ", 12},
    {BUY_OFF, NULL, 2},
    {RECOMPUTE, NULL, 0},
};

/* Runs the steps; every change message that a step hands back is in the log, in order. */
static void build_demo(zp_character* hero) {
  size_t logged = 0;
  for (size_t i = 0; i < sizeof demo / sizeof demo[0]; ++i) {
    const struct step* step = &demo[i];
    zp_strings* changes = NULL;
    zp_status status = ZP_OK;
    switch (step->op) {
      case SET_ATTRIBUTE: status = zp_character_set_attribute(hero, step->text, step->value, &changes); break;
      case ADD: status = zp_character_add(hero, step->text, 0, &changes); break;
      case FROM_BOOK: status = zp_character_add_from_book(hero, step->text, 0, &changes); break;
      case BUY_OFF: status = zp_character_buy_off(hero, (size_t)step->value); break;
      case RECOMPUTE: status = zp_character_recompute(hero); break;
    }
    CHECK(status == ZP_OK);
    zp_strings* log = NULL;
    CHECK(zp_character_change_log(hero, &log) == ZP_OK);
    for (size_t k = 0; k < zp_strings_count(changes); ++k) {
      CHECK(strcmp(zp_strings_at(changes, k), zp_strings_at(log, logged + k)) == 0);
    }
    logged += zp_strings_count(changes);
    CHECK(logged == zp_strings_count(log));
    zp_strings_free(changes);
    zp_strings_free(log);
  }
  CHECK(logged > 0);
}

/* The bytes of the file, and of the character read back from them and from its JSON,
   are the same. */
static void check_round_trips(zp_character* hero) {
  unsigned char* bytes = NULL;
  size_t size = 0;
  CHECK(zp_character_write(hero, &bytes, &size) == ZP_OK);
  char* json = NULL;
  CHECK(zp_character_to_json(hero, &json) == ZP_OK);
  zp_character* again[2] = {NULL, NULL};
  CHECK(zp_character_read(bytes, size, &again[0]) == ZP_OK);
  CHECK(zp_character_from_json(json, &again[1]) == ZP_OK);
  for (int i = 0; i < 2; ++i) {
    unsigned char* copy = NULL;
    size_t copySize = 0;
    CHECK(zp_character_write(again[i], &copy, &copySize) == ZP_OK);
    CHECK(copySize == size && memcmp(copy, bytes, size) == 0);
    CHECK(zp_character_count(again[i], ZP_LIST_SKILLS) == zp_character_count(hero, ZP_LIST_SKILLS));
    zp_free(copy);
    zp_character_free(again[i]);
  }

  /* A torn file is refused with a message, and the output stays as it was. */
  zp_character* torn = NULL;
  CHECK_FAILS(zp_character_read(bytes, size / 2, &torn), ZP_ERROR_DATA, "damaged");
  CHECK(torn == NULL);
  zp_free(bytes);
  zp_free(json);
}

static void count_message(zp_icon icon, const char* text, void* shown) {
  if (icon == ZP_ICON_STOP && strstr(text, "Database") != NULL) ++*(int*)shown;
}

/* The system's messages go to the host's handler: here, for a book whose database is
   missing. */
static void check_message_handler(const char* output) {
  char profile[4096];
  snprintf(profile, sizeof profile, "%s.ini", output);
  FILE* file = fopen(profile, "w");
  CHECK(file != NULL && fputs("[DATABASE]\nB05 = missing.db\n", file) >= 0 && fclose(file) == 0);
  CHECK(zp_set_profile(profile) == ZP_OK);
  int shown = 0;
  CHECK(zp_set_message_handler(count_message, &shown) == ZP_OK);
  zp_character* hero = NULL;
  char* name = NULL;
  CHECK(zp_character_new(&hero) == ZP_OK);
  CHECK_FAILS(zp_character_add_from_book(hero, demo[2].text, 0, NULL), ZP_ERROR_REFUSED,
              "cannot open the reference database");
  CHECK(zp_character_add(hero, RECORD({"class": "CChar_Skill_Base", "identifier": 110, "book_code": "B05"}), 0,
                         NULL) == ZP_OK);
  CHECK(zp_character_record_name(hero, ZP_LIST_SKILLS, 0, &name) == ZP_OK);
  CHECK(shown > 0);
  CHECK(zp_set_message_handler(NULL, NULL) == ZP_OK);
  zp_free(name);
  zp_character_free(hero);
  remove(profile);
}

static void check_failures(zp_character* hero) {
  zp_character* none = NULL;
  char* text = NULL;
  CHECK_FAILS(zp_character_load("/nonexistent/hero.zul", &none), ZP_ERROR_FILE, "/nonexistent/hero.zul");
  CHECK_FAILS(zp_character_add(hero, "{\"class\": ", 0, NULL), ZP_ERROR_DATA, "not valid JSON");
  CHECK_FAILS(zp_character_add(hero, RECORD({"class": "CChar_Ad_Disad", "levl": 2}), 0, NULL), ZP_ERROR_DATA, "levl");
  CHECK_FAILS(zp_character_add(hero, RECORD({"class": "CChar_Nothing"}), 0, NULL), ZP_ERROR_DATA, "CChar_Nothing");
  CHECK_FAILS(zp_character_add(hero, RECORD({"class": "CChar_Ad_Disad", "category": "XX"}), 0, NULL),
              ZP_ERROR_REFUSED, "XX");
  CHECK_FAILS(zp_character_remove(hero, ZP_LIST_SPELLS, 99), ZP_ERROR_ARGUMENT, "holds 2");
  CHECK_FAILS(zp_character_special_calc(hero, ZP_LIST_NOTES, 0, 0, NULL), ZP_ERROR_ARGUMENT, "notes");
  CHECK_FAILS(zp_character_record_name(hero, (zp_list)ZP_LIST_COUNT, 0, &text), ZP_ERROR_ARGUMENT, "list");
  CHECK_FAILS(zp_character_set_attribute(hero, "WILL", 12, NULL), ZP_ERROR_ARGUMENT, "WILL");
  CHECK_FAILS(zp_character_set_attribute(NULL, "ST", 12, NULL), ZP_ERROR_ARGUMENT, "character");
  CHECK(none == NULL && text == NULL);

  /* A success clears the message; a shown name comes back as UTF-8. */
  CHECK(zp_character_record_name(hero, ZP_LIST_MARTIAL_ARTS_STYLES, 0, &text) == ZP_OK);
  CHECK(*zp_last_error() == '\0');
  CHECK(text != NULL && strcmp(text, "Willow Staff") == 0);
  zp_free(text);

  /* Removing a spell gives its points back; buying off with no points left is refused. */
  long iq = 0;
  CHECK(zp_character_get_attribute(hero, "IQ", &iq) == ZP_OK && iq == 12);
  CHECK(zp_character_remove(hero, ZP_LIST_SPELLS, 1) == ZP_OK);
  CHECK(zp_character_count(hero, ZP_LIST_SPELLS) == 1);
  CHECK(zp_character_add(hero, RECORD({"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B05",
                                       "category": "AD", "base_cost": 1000, "cost": 1000}), 0, NULL) == ZP_OK);
  CHECK_FAILS(zp_character_buy_off(hero, 0), ZP_ERROR_REFUSED, "Not enough points");
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s PROFILE OUTPUT.zul\n", argv[0]);
    return 2;
  }
  zp_character* hero = NULL;
  CHECK(zp_set_profile(argv[1]) == ZP_OK);
  CHECK(zp_character_from_json(RECORD({"descriptive_text_1": "Wren of the Willow"}), &hero) == ZP_OK);
  build_demo(hero);
  CHECK(zp_character_save(hero, argv[2]) == ZP_OK);
  check_round_trips(hero);
  check_failures(hero);
  zp_character_free(hero);
  check_message_handler(argv[2]);
  printf("%s\n", failures == 0 ? "C interface: all checks passed" : "C interface: checks failed");
  return failures == 0 ? 0 : 1;
}
