#include "model/json/json_fields.h"

#include <algorithm>
#include <vector>

#include "base/text_encoding.h"

namespace zulparvo {

void JsonFields::Fail(const std::string& what) const { throw JsonError(m_place + ": " + what); }

const Json& JsonFields::Field(const char* key) const {
  const auto found = m_object.find(key);
  if (found == m_object.end()) Fail(std::string("missing field \"") + key + "\"");
  return *found;
}

void JsonFields::OnlyKeys(std::initializer_list<std::string_view> known) const {
  for (const auto& [key, value] : m_object.items()) {
    if (std::ranges::find(known, key) == known.end()) Fail("unknown field \"" + key + "\"");
  }
}

std::string JsonFields::Text(const char* key) const {
  const Json& value = Field(key);
  if (!value.is_string()) Fail(std::string("\"") + key + "\" must be a text");
  return value.get<std::string>();
}

CString JsonFields::Bytes(const char* key) const {
  std::optional<std::string> bytes = Utf8ToBytes(Text(key));
  if (!bytes) Fail(std::string("\"") + key + "\" holds a character that the 8-bit texts of the records cannot hold");
  return *bytes;
}

int32_t JsonFields::Integer(const char* key) const {
  const Json& value = Field(key);
  if (!value.is_number_integer()) Fail(std::string("\"") + key + "\" must be a whole number");
  if (value.is_number_unsigned() ? value.get<uint64_t>() > uint64_t{INT32_MAX}
                                 : (value.get<int64_t>() < INT32_MIN || value.get<int64_t>() > INT32_MAX)) {
    Fail(std::string("\"") + key + "\" is out of range: " + value.dump());
  }
  return static_cast<int32_t>(value.get<int64_t>());
}

std::optional<int32_t> JsonFields::OptionalInteger(const char* key) const {
  return Has(key) ? std::optional(Integer(key)) : std::nullopt;
}

double JsonFields::Number(const char* key) const {
  const Json& value = Field(key);
  if (!value.is_number()) Fail(std::string("\"") + key + "\" must be a number");
  return value.get<double>();
}

bool JsonFields::Flag(const char* key, bool fallback) const {
  if (!Has(key)) return fallback;
  const Json& value = Field(key);
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer() && (value == 0 || value == 1)) return value == 1;
  Fail(std::string("\"") + key + "\" must be true or false (or 1 or 0)");
}

int JsonFields::Switch(const char* key, int fallback) const {
  if (!Has(key)) return fallback;
  const Json& value = Field(key);
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (value.is_number_integer() && (value == 0 || value == 1)) return value.get<int>();
  Fail(std::string("\"") + key + "\" must be 0 or 1, not " + value.dump());
}

namespace {

// The kinds that the field "kind" (a category word) allows among `allowed`.
std::vector<BookKind> KindsOf(const JsonFields& fields, std::span<const BookKind> allowed) {
  if (!fields.Has("kind")) return {allowed.begin(), allowed.end()};
  const std::string word = fields.Text("kind");
  const std::optional<BookKind> kind = BookKindFromCategory(word);
  if (!kind || std::ranges::find(allowed, *kind) == allowed.end()) {
    std::string words;
    for (const BookKind k : allowed) words += (words.empty() ? "" : ", ") + std::string(BookKindCategory(k));
    fields.Fail("\"kind\" must be one of " + words + ", not \"" + word + "\"");
  }
  return {*kind};
}

BookReference ReferenceFrom(const JsonFields& fields, std::span<const BookKind> allowed, bool bookRequired = true) {
  BookReference reference;
  if (bookRequired || fields.Has("book")) reference.book = fields.Bytes("book");
  if (fields.Has("identifier")) {
    reference.identifier = fields.Integer("identifier");
  } else if (fields.Has("name")) {
    reference.name = fields.Bytes("name");
  } else {
    fields.Fail("give the entry's \"name\" or \"identifier\"");
  }
  reference.kinds = KindsOf(fields, allowed);
  return reference;
}

}  // namespace

std::pair<BookReference, RecordChoices> BookChoiceFromJson(const JsonFields& fields, std::span<const BookKind> allowed) {
  fields.OnlyKeys(
      {"book", "name", "identifier", "kind", "level", "points", "description", "variant", "skill", "quantity"});
  std::pair<BookReference, RecordChoices> out{ReferenceFrom(fields, allowed), {}};
  RecordChoices& choices = out.second;
  choices.level = fields.OptionalInteger("level");
  choices.quantity = fields.OptionalInteger("quantity");
  if (fields.Has("points")) choices.points = fields.Number("points");
  if (fields.Has("description")) choices.description = fields.Bytes("description");
  if (fields.Has("variant")) {
    const Json& variant = fields.Field("variant");
    if (variant.is_string()) {
      choices.variant = BookReference{{}, std::nullopt, fields.Bytes("variant"), {}};
    } else if (variant.is_object()) {
      const JsonFields inner(variant, fields.Place() + ".variant");
      inner.OnlyKeys({"book", "name", "identifier"});
      choices.variant = ReferenceFrom(inner, {}, false);
    } else {
      fields.Fail("\"variant\" must be the variant's name or { \"book\", \"name\" | \"identifier\" }");
    }
  }
  if (fields.Has("skill")) {
    const Json& skill = fields.Field("skill");
    if (!skill.is_object()) fields.Fail("\"skill\" must be { \"book\", \"name\" | \"identifier\" }");
    const JsonFields inner(skill, fields.Place() + ".skill");
    inner.OnlyKeys({"book", "name", "identifier", "kind"});
    choices.skill = ReferenceFrom(inner, SkillBookKinds());
  }
  return out;
}

}  // namespace zulparvo
