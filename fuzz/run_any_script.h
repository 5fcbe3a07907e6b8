// What the host-script fuzzer does with one input, shared with the test that replays
// the stored corpus: parse the bytes as JSON and run them as a host script in an empty
// folder, without its "save". Any outcome but a result or a refusal (ScriptError, a
// JSON parse error) is a fault.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "cli/host_script.h"
#include "model/json/json_codec.h"
#include "platform/message_sink.h"

namespace zulparvo {

// Returns true when the script ran, false when it was refused.
inline bool RunAnyScript(std::span<const uint8_t> bytes) {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("zulparvo-fuzz-script-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  const CMessageCollector quiet;
  try {
    Json script = ParseJson({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (script.is_object()) script.erase("save");
    cli::RunHostScript(script, folder);
    return true;
  } catch (const JsonError&) {
  } catch (const cli::ScriptError&) {
  }
  return false;
}

}  // namespace zulparvo
