#include "model/character_file.h"

#include <cstring>

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo {

namespace {

// The first bytes of a character written as an object reference: a new class of
// schema 0 named "CChar_Character".
bool StartsWithCharacterReference(std::span<const uint8_t> bytes) {
  static constexpr char kName[] = "CChar_Character";
  constexpr std::size_t kNameLength = sizeof kName - 1;
  static constexpr uint8_t kHeader[] = {0xFF, 0xFF, 0x00, 0x00, kNameLength, 0x00};
  return bytes.size() >= sizeof kHeader + kNameLength && std::memcmp(bytes.data(), kHeader, sizeof kHeader) == 0 &&
         std::memcmp(bytes.data() + sizeof kHeader, kName, kNameLength) == 0;
}

// True when the bytes begin with the identification text "ZUL".
bool StartsWithIdentification(std::span<const uint8_t> bytes) {
  const std::size_t length = std::strlen(kCharacterIdentification);
  return bytes.size() > length && bytes[0] == length &&
         std::memcmp(bytes.data() + 1, kCharacterIdentification, length) == 0;
}

}  // namespace

std::unique_ptr<CChar_Character> ReadCharacter(std::span<const uint8_t> bytes) {
  if (!StartsWithCharacterReference(bytes) && !StartsWithIdentification(bytes)) {
    // What the character's reader does with a wrong identification, without first
    // reading whatever the bytes are as if they were a character.
    AfxMessageBox(kNotACharacterFileMessage, MessageIcon::Stop);
    throw CCharacterFileException("not a character file (it does not begin with the identification \"ZUL\")");
  }
  CArchive ar(bytes);
  std::unique_ptr<CChar_Character> character;
  if (StartsWithCharacterReference(bytes)) {
    character.reset(static_cast<CChar_Character*>(ar.ReadObject(ZP_RUNTIME_CLASS(CChar_Character)).release()));
  } else {
    character = std::make_unique<CChar_Character>();
    character->Serialize(ar);
  }
  if (character->GetFileIdentification() != kCharacterIdentification) {
    throw CCharacterFileException("not a character file (it does not begin with the identification \"ZUL\")");
  }
  return character;
}

std::vector<uint8_t> WriteCharacter(CChar_Character& character) {
  CArchive ar;
  character.Serialize(ar);
  return ar.TakeBuffer();
}

std::unique_ptr<CChar_Character> LoadCharacterFile(const std::filesystem::path& path) {
  try {
    return ReadCharacter(ReadFileBytes(path));
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  } catch (const CArchiveException& error) {
    throw CCharacterFileException(path.string() + ": damaged character file: " + error.what());
  } catch (const CCharacterFileException& error) {
    throw CCharacterFileException(path.string() + ": " + error.what());
  }
}

void SaveCharacterFile(const std::filesystem::path& path, CChar_Character& character) {
  try {
    WriteFileAtomically(path, WriteCharacter(character));
  } catch (const CFileException& error) {
    throw CCharacterFileException(error.what());
  }
}

}  // namespace zulparvo
