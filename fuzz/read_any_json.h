// What the JSON fuzzer does with one input, shared with the test that replays the
// stored corpus: read the bytes as a character's JSON text and, when they are one, write
// it as text and read that back, which must give the same character, and write its file
// as the text is read, which must give the same file (or the same refusal); then read
// the bytes as a tree, the way host scripts do. Any outcome but a character or a refusal
// (a JSON error) is a fault.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "model/character_file.h"
#include "model/json/json_codec.h"

namespace zulparvo {

// Returns true when the bytes were a character's JSON text.
inline bool ReadAnyJson(std::span<const uint8_t> bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  bool character = false;
  std::string refusal;
  try {
    const auto read = CharacterFromJsonText(text);
    const auto file = WriteCharacter(*read);
    if (WriteCharacter(*CharacterFromJsonText(RecordToJsonText(*read))) != file) std::abort();
    if (CharacterFileFromJsonText(text, "out") != file) std::abort();
    character = true;
  } catch (const JsonError& error) {
    refusal = error.what();
  }
  // Written as it is read, the text is refused as reading it whole refuses it.
  if (!character) {
    try {
      CharacterFileFromJsonText(text, "out");
      std::abort();
    } catch (const JsonError& error) {
      if (refusal != error.what()) std::abort();
    }
  }
  try {
    CharacterFromJson(ParseJson(text));
  } catch (const JsonError&) {
  }
  return character;
}

}  // namespace zulparvo
