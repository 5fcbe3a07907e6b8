// What the archive fuzzer does with one input, shared with the test that replays the
// stored corpus: read the bytes as a character file, and as a sequence of objects
// until they end or the reader refuses them. Any outcome but a result or a refusal
// (an archive error, a file that is not a character's) is a fault.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/character_file.h"
#include "platform/archive.h"
#include "platform/message_sink.h"

namespace zulparvo {

// Returns true when every byte was read, false when the reader refused the input.
inline bool ReadAnyArchive(std::span<const uint8_t> bytes) {
  const MessageSink previous = SetMessageSink([](MessageIcon, const CString&) {});
  try {
    auto character = ReadCharacter(bytes);
    WriteCharacter(*character);
  } catch (const CArchiveException&) {
  } catch (const CCharacterFileException&) {
  }
  SetMessageSink(previous);
  try {
    CArchive ar(bytes);
    std::vector<std::unique_ptr<CObject>> objects;  // alive while the archive reads
    while (!ar.AtEnd()) objects.push_back(ar.ReadObject(nullptr));
    return true;
  } catch (const CArchiveException&) {
    return false;
  }
}

}  // namespace zulparvo
