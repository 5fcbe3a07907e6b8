// libFuzzer target: arbitrary bytes through the JSON readers, and what they accept back
// and forth through the writer.
#include <cstddef>
#include <cstdint>

#include "fuzz/read_any_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  zulparvo::ReadAnyJson({data, size});
  return 0;
}
