#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/read_any_archive.h"
#include "platform/file_io.h"

namespace zulparvo {
namespace {

TEST(FuzzCorpus, EveryStoredArchiveInputReadsOrIsRefused) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZULPARVO_FUZZ_CORPUS "/archive")) {
    SCOPED_TRACE(entry.path().string());
    ReadAnyArchive(ReadFileBytes(entry.path()));
    ++inputs;
  }
  EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace zulparvo
