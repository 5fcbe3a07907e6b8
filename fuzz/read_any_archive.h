// What the archive fuzzer does with one input, shared with the test that replays the
// stored corpus: read object after object until the bytes end or the reader refuses
// them. Any outcome but a clean end or an archive error is a fault.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/archive.h"

namespace zulparvo {

// Returns true when every byte was read, false when the reader refused the input.
inline bool ReadAnyArchive(std::span<const uint8_t> bytes) {
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
