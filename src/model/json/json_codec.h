// The JSON form of characters and records.
//
// Every record is an object whose key "class" is its class name; its other keys are
// the fields its class presents (VisitFields). Texts are UTF-8 here and 8-bit in the
// files (text_encoding.h). Reals that JSON cannot hold are the strings "NaN",
// "Infinity" and "-Infinity". On reading, a missing key keeps the field's default; an
// unknown key or a value of the wrong type is refused with an error naming it.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "model/character.h"
#include "platform/object.h"

namespace zulparvo {

using Json = nlohmann::ordered_json;

// Refused JSON; the message begins with the place, such as "advantages[2].level".
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Json RecordToJson(CObject& record);

// A record of class `required` or a subclass (any class when null).
std::unique_ptr<CObject> RecordFromJson(const Json& value, const CRuntimeClass* required,
                                        const std::string& place = "");

std::unique_ptr<CChar_Character> CharacterFromJson(const Json& value);

}  // namespace zulparvo
