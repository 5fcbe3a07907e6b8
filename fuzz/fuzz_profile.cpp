// libFuzzer target: arbitrary bytes as the text of a profile, then the settings read as
// the library reads them. A profile is refused or read; what it gives back holds no line
// break, no blank at either end, and its numbers are finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "base/utilities.h"
#include "platform/profile.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace zulparvo;
  try {
    const CProfile profile = CProfile::Parse({reinterpret_cast<const char*>(data), size}, "/fuzz/zulparvo.ini");
    for (const auto& [section, key] : {std::pair{"CHARACTER", "STARTINGPOINTS"}, {"DATABASE", "B05"},
                                       {"directories", "pictures"}, {kLookupSection, kLookupTimeoutKey}, {"", ""}}) {
      const CString value = profile.GetProfileString(section, key, "");
      Check(value.find('\n') == CString::npos);
      Check(value.empty() || (value.front() != ' ' && value.back() != ' '));
      profile.ResolvePath(value);
    }
    Check(std::isfinite(StringtoDouble(profile.GetProfileString("CHARACTER", "STARTINGPOINTS", "200"))));
    const int32_t timeout = profile.GetProfileInt(kLookupSection, kLookupTimeoutKey, 300);
    Check(timeout >= 1 && timeout <= 60'000);
  } catch (const std::runtime_error&) {
  }
  return 0;
}
