// libFuzzer target: arbitrary bytes through the archive reader.
#include <cstddef>
#include <cstdint>

#include "fuzz/read_any_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  zulparvo::ReadAnyArchive({data, size});
  return 0;
}
