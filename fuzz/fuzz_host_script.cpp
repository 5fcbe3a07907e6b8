// libFuzzer target: arbitrary bytes as a host script.
#include <cstddef>
#include <cstdint>

#include "fuzz/run_any_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  zulparvo::RunAnyScript({data, size});
  return 0;
}
