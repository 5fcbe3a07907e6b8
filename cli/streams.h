// Files and standard streams: wherever the command reads or writes a file, "-" names
// standard input or standard output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "model/character.h"

namespace zulparvo::cli {

bool IsStandardStream(const std::filesystem::path& path);

// The whole file, or all of standard input; at most kMaxFileSize bytes. Throws
// CFileException naming the file.
std::vector<uint8_t> ReadInput(const std::filesystem::path& path);

// The name that errors give the file or stream written.
std::string OutputName(const std::filesystem::path& path);

// Writes the file atomically (the old one stays whole unless the new one is complete),
// or the bytes to standard output. Throws CFileException naming the file.
void WriteOutput(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// A character file read from the path or standard input; every error is a
// CCharacterFileException whose message begins with the file's name. With `version`,
// the version text that the file was written with (a read character always has the
// current one).
std::unique_ptr<CChar_Character> LoadCharacter(const std::filesystem::path& path, CString* version = nullptr);
// The version text that a character file's bytes were written with (the text after the
// identification, also when the file begins with the character's class record); empty
// when the bytes hold none.
CString CharacterFileVersion(std::span<const uint8_t> bytes);

// The character file written as WriteOutput writes; errors as LoadCharacter's.
void SaveCharacter(const std::filesystem::path& path, CChar_Character& character);

}  // namespace zulparvo::cli
