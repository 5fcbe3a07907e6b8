#include "cli/streams.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#include "model/character_file.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo::cli {

bool IsStandardStream(const std::filesystem::path& path) { return path == "-"; }

std::vector<uint8_t> ReadInput(const std::filesystem::path& path) {
  if (!IsStandardStream(path)) return ReadFileBytes(path);
  std::vector<uint8_t> bytes;
  uint8_t buffer[1 << 16];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, stdin)) {
    if (bytes.size() + got > kMaxFileSize) {
      throw CFileException("standard input: more than " + std::to_string(kMaxFileSize >> 20) + " MB");
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  if (std::ferror(stdin)) throw CFileException("standard input: cannot be read");
  return bytes;
}

void WriteOutput(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  if (!IsStandardStream(path)) {
    WriteFileAtomically(path, bytes);
    return;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    throw CFileException("standard output: cannot be written");
  }
}

// A file written as an object reference puts the class's header first: 0xFFFF, the
// schema word, the name's length word and the name.
CString CharacterFileVersion(std::span<const uint8_t> bytes) {
  static constexpr uint8_t kNewClass[] = {0xFF, 0xFF};
  std::size_t start = 0;
  if (bytes.size() >= 6 && std::equal(std::begin(kNewClass), std::end(kNewClass), bytes.begin())) {
    start = 6 + (bytes[4] | (std::size_t{bytes[5]} << 8));
  }
  if (start >= bytes.size()) return {};
  try {
    CArchive ar(bytes.subspan(start));
    ar.ReadString();
    return ar.ReadString();
  } catch (const CArchiveException&) {
    return {};
  }
}

std::unique_ptr<CChar_Character> LoadCharacter(const std::filesystem::path& path, CString* version) {
  const std::string name = IsStandardStream(path) ? "standard input" : path.string();
  const CMessageCollector quiet;  // the reader's message for a file that is not a character's: the error says it
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadInput(path);
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  }
  if (version != nullptr) *version = CharacterFileVersion(bytes);
  return ReadCharacter(bytes, name);
}

std::string OutputName(const std::filesystem::path& path) {
  return IsStandardStream(path) ? "standard output" : path.string();
}

void SaveCharacter(const std::filesystem::path& path, CChar_Character& character) {
  const std::vector<uint8_t> bytes = WriteCharacter(character, OutputName(path));
  try {
    WriteOutput(path, bytes);
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  }
}

}  // namespace zulparvo::cli
