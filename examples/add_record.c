/* add_record: a host of libzulparvo in C. Adds records, given as JSON, to a character
   file (a new character when the file does not exist yet), prints the changes that
   their special calculations made, then lists every record by its shown name.

     add_record hero.zul '{"class": "CChar_Ad_Disad", "identifier": 1, "book_code": "B05",
                           "category": "AD", "base_cost": 15, "cost": 15}'

   Build it against an installed library, with CMake (CMakeLists.txt beside it) or with
     cc -std=c99 add_record.c $(pkg-config --cflags --libs zulparvo) -o add_record */
#include <stdio.h>

#include <zulparvo.h>

static int fail(zp_character* hero, const char* what) {
  fprintf(stderr, "add_record: %s: %s\n", what, zp_last_error());
  zp_character_free(hero);
  return 1;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: add_record CHARACTER.zul RECORD-JSON...\n");
    return 2;
  }
  zp_character* hero = NULL;
  FILE* file = fopen(argv[1], "rb");
  if (file != NULL) fclose(file);
  if ((file != NULL ? zp_character_load(argv[1], &hero) : zp_character_new(&hero)) != ZP_OK) {
    return fail(hero, argv[1]);
  }

  for (int i = 2; i < argc; ++i) {
    zp_strings* changes = NULL;
    if (zp_character_add(hero, argv[i], 0, &changes) != ZP_OK) return fail(hero, argv[i]);
    for (size_t k = 0; k < zp_strings_count(changes); ++k) printf("%s\n", zp_strings_at(changes, k));
    zp_strings_free(changes);
  }

  for (int list = 0; list < ZP_LIST_COUNT; ++list) {
    for (size_t i = 0; i < zp_character_count(hero, (zp_list)list); ++i) {
      char* name = NULL;
      if (zp_character_record_name(hero, (zp_list)list, i, &name) != ZP_OK) return fail(hero, "shown name");
      printf("%s: %s\n", zp_list_name((zp_list)list), name);
      zp_free(name);
    }
  }
  if (zp_character_save(hero, argv[1]) != ZP_OK) return fail(hero, argv[1]);
  zp_character_free(hero);
  return 0;
}
