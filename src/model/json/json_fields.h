// Typed reading of the fields of one JSON object whose every error names its place
// ("step 3 (add_skill).record: \"points\" must be a number"), and the JSON form of a
// reference to a book's entry with the player's choices, which host scripts and the C
// interface take:
//   { "book", "name" | "identifier", "kind", "level", "points", "description",
//     "variant": name | { "book", "name" | "identifier" },
//     "skill": { "book", "name" | "identifier", "kind" }, "quantity" }
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "model/json/json_codec.h"
#include "model/records_from_books.h"

namespace zulparvo {

class JsonFields {
 public:
  // The object is not copied: it must outlive the fields.
  JsonFields(const Json& object, std::string place) : m_object(object), m_place(std::move(place)) {}

  // Throws JsonError with the place before the text.
  [[noreturn]] void Fail(const std::string& what) const;

  bool Has(const char* key) const { return m_object.contains(key); }
  const Json& Field(const char* key) const;
  // Every key is one of the known ones.
  void OnlyKeys(std::initializer_list<std::string_view> known) const;

  std::string Text(const char* key) const;
  // A text in the 8-bit encoding of the records.
  CString Bytes(const char* key) const;
  int32_t Integer(const char* key) const;
  std::optional<int32_t> OptionalInteger(const char* key) const;
  double Number(const char* key) const;
  // true or false, or 1 or 0.
  bool Flag(const char* key, bool fallback) const;
  // The host's switch for special calculations: 0 or 1 (or false or true).
  int Switch(const char* key, int fallback) const;

  const std::string& Place() const { return m_place; }

 private:
  const Json& m_object;
  std::string m_place;
};

// The reference and the choices of the object; the field "kind" must be one of
// `allowed`, which the reference searches when the field is absent.
std::pair<BookReference, RecordChoices> BookChoiceFromJson(const JsonFields& fields,
                                                           std::span<const BookKind> allowed);

}  // namespace zulparvo
