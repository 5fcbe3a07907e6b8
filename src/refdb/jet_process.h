// Converting a Jet database in a child process: the helper program
// zulparvo-jet-convert (refdb/jet_convert_main.cpp) does the reading, under limits of
// time, memory and output size, so that a damaged or hostile file can neither crash nor
// hang the process that asked. The helper is started with posix_spawn, which is safe in
// a multi-threaded host, and is found:
//   1. at $ZULPARVO_JET_CONVERTER, when that is set;
//   2. at libexec/zulparvo/zulparvo-jet-convert beside the folder of libzulparvo
//      (the build tree has it there, and an installation under one prefix does);
//   3. in the libexec folder of the configured installation prefix.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "platform/object.h"

namespace zulparvo {

struct JetLimits {
  std::chrono::seconds wallClock{300};  // then the child is killed
  std::chrono::seconds processorTime{120};
  uint64_t memoryMiB = 2048;  // address space
  uint64_t outputMiB = 4096;  // size of the SQLite file
};

struct JetProgress {
  CString table;  // UTF-8
  int index = 0;  // 1-based
  int count = 0;
  int64_t rows = 0;
};
using JetProgressCallback = std::function<void(const JetProgress&)>;

struct JetConversionSummary {
  int tables = 0;
  int64_t rows = 0;
};

// The helper program's path; empty when it is nowhere to be found.
CString FindJetConverter();

// Converts the Jet file at `input` into the SQLite file `output`. The copy is written
// under a temporary name beside `output` and renamed over it only when complete, so
// that `output` is either as it was or the whole copy. Calls `progress` after each
// table. False with the reason in `error` (one line, naming neither file) when the
// copy cannot be made.
bool ConvertJetDatabase(const CString& input, const CString& output, CString& error,
                        const JetProgressCallback& progress = {}, const JetLimits& limits = {},
                        JetConversionSummary* summary = nullptr);

}  // namespace zulparvo
