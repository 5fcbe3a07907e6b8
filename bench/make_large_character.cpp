// Writes a large character file for bench/compare:
//   zulparvo_make_character FILE SKILLS [ADVANTAGES [SPELLS]]
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "bench/large_character.h"
#include "model/character_file.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) {
    std::fprintf(stderr, "usage: %s FILE SKILLS [ADVANTAGES [SPELLS]]\n", argv[0]);
    return 2;
  }
  const auto count = [&](int i) { return i < argc ? std::atoi(argv[i]) : 0; };
  try {
    auto character = zulparvo::MakeLargeCharacter({count(2), count(3), count(4)});
    zulparvo::SaveCharacterFile(argv[1], *character);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
