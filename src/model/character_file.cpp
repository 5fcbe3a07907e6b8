#include "model/character_file.h"

#include <algorithm>
#include <cstring>

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/file_io.h"

namespace zulparvo {

namespace {

// The first bytes of a character written as an object reference: a new class of
// schema 0 named "CChar_Character".
constexpr char kClassName[] = "CChar_Character";
constexpr std::size_t kClassNameLength = sizeof kClassName - 1;
constexpr uint8_t kReferenceHeader[] = {0xFF, 0xFF, 0x00, 0x00, kClassNameLength, 0x00};
constexpr std::size_t kReferenceLength = sizeof kReferenceHeader + kClassNameLength;

bool StartsWithCharacterReference(std::span<const uint8_t> bytes) {
  return bytes.size() >= kReferenceLength &&
         std::memcmp(bytes.data(), kReferenceHeader, sizeof kReferenceHeader) == 0 &&
         std::memcmp(bytes.data() + sizeof kReferenceHeader, kClassName, kClassNameLength) == 0;
}

// True when the bytes begin with the identification text "ZUL".
bool StartsWithIdentification(std::span<const uint8_t> bytes) {
  const std::size_t length = std::strlen(kCharacterIdentification);
  return bytes.size() > length && bytes[0] == length &&
         std::memcmp(bytes.data() + 1, kCharacterIdentification, length) == 0;
}

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

std::unique_ptr<CChar_Character> ReadCharacter(std::span<const uint8_t> bytes) {
  // Whatever the bytes are is not read as if they were a character's.
  const bool byReference = StartsWithCharacterReference(bytes);
  if (!StartsWithIdentification(byReference ? bytes.subspan(kReferenceLength) : bytes)) {
    throw CCharacterFileException(kNotACharacterFileMessage);
  }
  CArchive ar(bytes);
  if (byReference) {
    return std::unique_ptr<CChar_Character>(
        static_cast<CChar_Character*>(ar.ReadObject(ZP_RUNTIME_CLASS(CChar_Character)).release()));
  }
  auto character = std::make_unique<CChar_Character>();
  ar.ExchangeRoot(*character);
  return character;
}

std::vector<uint8_t> WriteCharacter(CChar_Character& character) {
  CArchive ar;
  ar.ExchangeRoot(character);
  return ar.TakeBuffer();
}

std::vector<uint8_t> WriteCharacter(CChar_Character& character, const std::string& name) {
  try {
    return WriteCharacter(character);
  } catch (const CArchiveException& error) {
    throw CCharacterFileException(name + ": not written: " + error.what());
  }
}

std::unique_ptr<CChar_Character> ReadCharacter(std::span<const uint8_t> bytes, const std::string& name) {
  try {
    return ReadCharacter(bytes);
  } catch (const CArchiveVersionException& error) {
    throw CCharacterFileException(name + ": made by a newer program (" + error.what() +
                                  "); open it with a newer version");
  } catch (const CArchiveException& error) {
    throw CCharacterFileException(name + ": damaged character file: " + error.what());
  } catch (const CCharacterFileException& error) {
    throw CCharacterFileException(name + ": not a character file: " + OneLine(error.what()));
  }
}

std::unique_ptr<CChar_Character> LoadCharacterFile(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  }
  return ReadCharacter(bytes, path.string());
}

void SaveCharacterFile(const std::filesystem::path& path, CChar_Character& character) {
  try {
    WriteFileAtomically(path, WriteCharacter(character, path.string()));
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  }
}

}  // namespace zulparvo
