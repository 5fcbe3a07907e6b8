#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/read_any_archive.h"
#include "fuzz/read_any_json.h"
#include "platform/file_io.h"

namespace zulparvo {
namespace {

// Each stored input of the fuzzer of that name goes through what the fuzzer does with it.
template <class ReadAny>
int ReplayCorpus(const char* fuzzer, ReadAny readAny) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(ZULPARVO_FUZZ_CORPUS) / fuzzer)) {
    SCOPED_TRACE(entry.path().string());
    readAny(ReadFileBytes(entry.path()));
    ++inputs;
  }
  return inputs;
}

TEST(FuzzCorpus, EveryStoredArchiveInputReadsOrIsRefused) { EXPECT_GT(ReplayCorpus("archive", ReadAnyArchive), 0); }

TEST(FuzzCorpus, EveryStoredJsonInputReadsOrIsRefused) { EXPECT_GT(ReplayCorpus("json", ReadAnyJson), 0); }

}  // namespace
}  // namespace zulparvo
