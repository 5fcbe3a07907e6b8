// Copies every user table of a Jet 3, Jet 4 or ACE database into an SQLite database,
// through libmdb.
//
// Same table and column names. Values: yes/no, byte, integer, long and the ACE complex
// keys are INTEGER (yes/no as 0 or 1); single and double are REAL (a single as the
// shortest decimal that reads back as the same single); currency and decimal are REAL
// when the double gives back every stored digit, else their exact decimal text (those
// columns have no declared type, so SQLite keeps the text as it is); date/time is text
// "YYYY-MM-DD HH:MM:SS" with ".mmm" when the milliseconds are not 0; text, memo and
// replication ids are UTF-8 text, decoded by libmdb from the file's code page (Jet 3)
// or UCS-2 (Jet 4, ACE); binary and OLE objects are BLOBs. A NULL stays NULL.
//
// This code reads files that may be damaged or hostile, in a library that was not made
// for them: run it in a process of its own with limits on time and memory (the helper
// program zulparvo-jet-convert does), never inside a host.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zulparvo {

// True when the bytes begin as a Jet or ACE file does: 00 01 00 00, then the engine's
// name.
inline bool HasJetHeader(std::span<const uint8_t> start) {
  const std::string_view text(reinterpret_cast<const char*>(start.data()), start.size());
  const std::string_view engine = text.substr(std::min<std::size_t>(4, text.size()));
  return text.starts_with(std::string_view("\0\1\0\0", 4)) &&
         (engine.starts_with("Standard Jet DB") || engine.starts_with("Standard ACE DB"));
}

struct JetTableDone {
  std::string name;  // UTF-8
  int index = 0;     // 1-based
  int count = 0;     // user tables in the file
  int64_t rows = 0;
};

struct JetConversion {
  bool ok = false;
  std::string error;  // one line, without the file's name, when not ok
  int tables = 0;
  int64_t rows = 0;
};

using JetTableCallback = std::function<void(const JetTableDone&)>;

// Converts the Jet file into the SQLite file `output` (which should be new or empty;
// ":memory:" converts and throws the result away). On failure `output` may hold part
// of the tables: the caller removes it.
JetConversion ConvertJetFile(const std::string& input, const std::string& output, const JetTableCallback& onTable = {});
// The same for a Jet file held in memory.
JetConversion ConvertJetBytes(std::span<const uint8_t> input, const std::string& output,
                              const JetTableCallback& onTable = {});

}  // namespace zulparvo
