// libFuzzer target: arbitrary bytes through the Jet converter, into an SQLite database
// in memory. Seeds: the Jet test databases, given on the command line at run time.
#include <cstddef>
#include <cstdint>

#include "refdb/jet_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  zulparvo::ConvertJetBytes({data, size}, ":memory:");
  return 0;
}
