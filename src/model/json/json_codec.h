// The JSON form of characters and records.
//
// Every record is an object whose key "class" is its class name; its other keys are
// the fields its class presents (VisitFields). Texts are UTF-8 here and 8-bit in the
// files (text_encoding.h). Reals that JSON cannot hold are the strings "NaN",
// "Infinity" and "-Infinity". On reading, a missing key keeps the field's default; an
// unknown key or a value of the wrong type is refused with an error naming it.
//
// The text forms write and read JSON text directly, without a document tree: they are
// what export and import use. The tree forms serve host scripts, which hold records
// inside a larger document.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/character.h"
#include "platform/object.h"

namespace zulparvo {

using Json = nlohmann::ordered_json;

// Refused JSON; the message begins with the place, such as "advantages[2].level", or
// says where in the text the JSON itself is broken.
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How deep records may nest below the character. A character file allows 64 levels of
// objects, and a level of records takes at most two of them (the record and the list
// that holds it), so a character within this limit can always be read back.
inline constexpr int kMaxRecordNesting = 31;

// How deep any JSON document that is read as a tree may nest (a host script with a
// character inside it): well above what records within their limit need.
inline constexpr int kMaxJsonNesting = 2 * kMaxRecordNesting + 16;

// --- writing ---

Json RecordToJson(CObject& record);

// The record as JSON text exactly as RecordToJson(record).dump(2) prints it, without a
// trailing newline. Records nested deeper than kMaxRecordNesting are refused.
std::string RecordToJsonText(CObject& record);
// The same, written to the stream piece by piece.
void WriteRecordJsonText(CObject& record, std::ostream& out);

// --- reading ---

// A record of class `required` or a subclass (any class when null). The record is one
// that a character will hold, so records may nest one level less below it.
std::unique_ptr<CObject> RecordFromJson(const Json& value, const CRuntimeClass* required,
                                        const std::string& place = "");

// A character; its "class" may be left out.
std::unique_ptr<CChar_Character> CharacterFromJson(const Json& value);
std::unique_ptr<CChar_Character> CharacterFromJsonText(std::string_view text);
// The character file of the character that the JSON text holds: the bytes of
// WriteCharacter(*CharacterFromJsonText(text), name), with its errors, but written as the
// text is read, so that the character's records are never all in memory at once.
std::vector<uint8_t> CharacterFileFromJsonText(std::string_view text, const std::string& name);
// The same for a JSON file; a file that cannot be read is a CFileException.
std::vector<uint8_t> CharacterFileFromJsonFile(const std::filesystem::path& path, const std::string& name);

// Parses JSON text into a tree. Broken JSON, and values nested deeper than
// kMaxJsonNesting, are refused with a JsonError that says where.
Json ParseJson(std::string_view text);

}  // namespace zulparvo
