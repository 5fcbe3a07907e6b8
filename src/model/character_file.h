// Character files: the archive of one character.
//
// The file holds the character's own data as its archive operation writes it. A file
// that begins with an object reference to class "CChar_Character" is read too. Saving
// writes a new file beside the old one and renames it over it, so that a failed save
// never loses the file that was there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "model/character.h"

namespace zulparvo {

// A file that is not a character file or is damaged; the message says which and why.
class CCharacterFileException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a character from the bytes of a character file. Throws CArchiveException for
// damaged bytes (CArchiveVersionException for a version newer than this program reads)
// and CCharacterFileException, with kNotACharacterFileMessage, when the bytes are not
// a character's (they do not begin with the identification "ZUL").
std::unique_ptr<CChar_Character> ReadCharacter(std::span<const uint8_t> bytes);
// The bytes of the character's file; throws CArchiveException for a character that no
// reader would take back (records nested too deeply, a list where a record belongs).
std::vector<uint8_t> WriteCharacter(CChar_Character& character);

// ReadCharacter and WriteCharacter with every error a CCharacterFileException whose
// message, one line, begins with `name` (the file's, or "standard input").
std::unique_ptr<CChar_Character> ReadCharacter(std::span<const uint8_t> bytes, const std::string& name);
std::vector<uint8_t> WriteCharacter(CChar_Character& character, const std::string& name);

// The same for files; every error is a CCharacterFileException whose message, one
// line, begins with the file's name. A refused save leaves the file as it was.
std::unique_ptr<CChar_Character> LoadCharacterFile(const std::filesystem::path& path);
void SaveCharacterFile(const std::filesystem::path& path, CChar_Character& character);

}  // namespace zulparvo
