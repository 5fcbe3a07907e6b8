// Reading records from JSON: from text with simdjson's On Demand parser, which reads the
// text in one pass without a document tree, and from a tree for host scripts. One reader
// serves both; it takes each key of an object in the order of the text and finds the
// field it names in constant time. From text it also writes a character file as it reads
// (import), each record of the character's lists freed once written.
#include <simdjson.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "base/text_encoding.h"
#include "model/json/json_codec.h"
#include "model/character_file.h"
#include "platform/archive.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"
#include "platform/file_io.h"

namespace zulparvo {

namespace {

namespace ondemand = simdjson::ondemand;

// Where a value is: a chain through the values that hold it, made into text such as
// "skills[3].name" only when an error is reported.
struct Place {
  static constexpr std::size_t kNoIndex = std::numeric_limits<std::size_t>::max();

  const Place* parent = nullptr;
  std::string_view key;          // a field's key (or the name given to the outermost value)
  std::size_t index = kNoIndex;  // a list element's index

  std::string Text() const {
    std::vector<const Place*> chain;
    for (const Place* place = this; place != nullptr; place = place->parent) chain.push_back(place);
    std::string text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if ((*it)->index != kNoIndex) {
        text += "[" + std::to_string((*it)->index) + "]";
      } else if (!(*it)->key.empty()) {
        if (!text.empty()) text += '.';
        text += (*it)->key;
      }
    }
    return text;
  }
};

[[noreturn]] void Refuse(const Place& place, const std::string& what) {
  const std::string text = place.Text();
  throw JsonError((text.empty() ? std::string("the character") : text) + ": " + what);
}

enum class JsonType { Null, Boolean, WholeNumber, Number, String, Array, Object };

std::string TypeName(JsonType type) {
  switch (type) {
    case JsonType::Null: return "null";
    case JsonType::Boolean: return "boolean";
    case JsonType::WholeNumber: return "a whole number";
    case JsonType::Number: return "a number";
    case JsonType::String: return "string";
    case JsonType::Array: return "array";
    case JsonType::Object: return "object";
  }
  return "an unknown value";
}

// A record's "class" key as found in its object.
struct ClassKey {
  bool present = false;
  std::optional<std::string_view> name;  // none when the value is not a text
};

// ---------------------------------------------------------------------------------
// The fields of a record, found by key.

enum class FieldKind : uint8_t { Integer, Real, Text, TextList, List, Object };

struct Field {
  FieldKind kind;
  void* value;
  const CRuntimeClass* required = nullptr;  // of an Object
};

// The keys of a class's fields in the order that the class presents them.
class ClassKeys {
 public:
  static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

  std::vector<std::string>& Keys() { return m_keys; }
  const std::vector<std::string>& Keys() const { return m_keys; }

  void Index(const CRuntimeClass& runtimeClass) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
      if (!m_index.emplace(m_keys[i], i).second) {
        throw std::logic_error(std::string(runtimeClass.m_lpszClassName) + " has two fields with the key " + m_keys[i]);
      }
    }
  }

  // The position of the key's field, trying first where the text usually has it.
  std::size_t Find(std::string_view key, std::size_t expected) const {
    if (expected < m_keys.size() && m_keys[expected] == key) return expected;
    const auto found = m_index.find(key);
    return found == m_index.end() ? kNone : found->second;
  }

 private:
  std::vector<std::string> m_keys;
  std::unordered_map<std::string_view, std::size_t> m_index;  // views of m_keys
};

// Collects the fields of one record in the order its class presents them, and for the
// first record of a class their keys. Every record of a class presents the same fields.
class FieldCollector : public CFieldVisitor {
 public:
  FieldCollector(std::vector<Field>& fields, std::vector<std::string>* keys) : m_fields(fields), m_keys(keys) {}

  void Integer(std::string_view key, int32_t& value) override { Add(key, {FieldKind::Integer, &value}); }
  void Real(std::string_view key, double& value) override { Add(key, {FieldKind::Real, &value}); }
  void Text(std::string_view key, CString& value) override { Add(key, {FieldKind::Text, &value}); }
  void TextList(std::string_view key, CStringArray& value) override { Add(key, {FieldKind::TextList, &value}); }
  void List(std::string_view key, CObArray& value) override { Add(key, {FieldKind::List, &value}); }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    Add(key, {FieldKind::Object, &value, required});
  }

 private:
  void Add(std::string_view key, Field field) {
    if (m_keys != nullptr) m_keys->emplace_back(key);
    m_fields.push_back(field);
  }

  std::vector<Field>& m_fields;
  std::vector<std::string>* m_keys;
};

// Whether the `size` bytes at `a` and at `b` are the same. Keys are short, and for them
// a call of memcmp costs more than comparing a word or two in place.
bool SameBytes(const char* a, const char* b, std::size_t size) {
  const auto word = [](const char* at, auto zero) {
    std::memcpy(&zero, at, sizeof zero);
    return zero;
  };
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (word(a + at, uint64_t{}) != word(b + at, uint64_t{})) return false;
    }
    return word(a + size - 8, uint64_t{}) == word(b + size - 8, uint64_t{});
  }
  if (size >= 4) {
    return word(a, uint32_t{}) == word(b, uint32_t{}) && word(a + size - 4, uint32_t{}) == word(b + size - 4, uint32_t{});
  }
  for (std::size_t at = 0; at < size; ++at) {
    if (a[at] != b[at]) return false;
  }
  return true;
}

// Stores a UTF-8 text in the 8-bit encoding of character files.
void StoreText(CString& target, std::string_view utf8, const Place& place) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    target.assign(utf8);
    return;
  }
  std::string bad;
  auto bytes = Utf8ToBytes(utf8, &bad);
  if (!bytes) Refuse(place, "the character " + bad + " cannot be stored in a character file");
  target = std::move(*bytes);
}

// ---------------------------------------------------------------------------------
// The reader, over a source of JSON values: a tree (TreeSource) or text (TextSource).

template <class Source>
class Reader {
 public:
  using Value = typename Source::Value;
  using Cursor = typename Source::Cursor;

  explicit Reader(Source& source) : m_source(source) {}

  // A record `nesting` levels below the character; `implied` is its class when the
  // object does not name one.
  std::unique_ptr<CObject> Record(Value& value, const CRuntimeClass* required, const Place& place, int nesting,
                                  const CRuntimeClass* implied = nullptr) {
    Opened opened = Open(value, required, place, nesting, implied);
    // The keys come in the order in which the class presents its fields, as export
    // writes them, and are read as the fields are presented; keys in another order are
    // then found by key.
    InOrder inOrder(*this, opened.cursor, place, nesting);
    opened.record->VisitFields(inOrder);
    if (!opened.cursor.AtEnd()) ReadByKey(*opened.runtimeClass, *opened.record, opened.cursor, place, nesting);
    return std::move(opened.record);
  }

  // The character file of the character that the value holds, as WriteCharacter writes
  // the character that Record reads, but written as it is read: the character's own
  // fields are filled just before the archive writes each, and each record of its lists
  // is read, written and freed in turn. None when the character's keys are not in the
  // order of its fields, which Record reads by key after the others.
  std::optional<std::vector<uint8_t>> CharacterFile(Value& value, const Place& place) {
    const auto* character = ZP_RUNTIME_CLASS(CChar_Character);
    Opened opened = Open(value, character, place, 0, character);
    RootSource fields(*this, opened.cursor, place);
    CArchive ar;
    // A character file takes about a fifth of its JSON text as export writes it, more of
    // a text without indentation: the file is given room for half the text, of which
    // what is not used is never touched.
    ar.Reserve(m_source.Size() / 2);
    ar.ExchangeRoot(*opened.record, fields);
    if (!opened.cursor.AtEnd()) return std::nullopt;
    return ar.TakeBuffer();
  }

 private:
  struct Opened {
    std::unique_ptr<CObject> record;  // made, its fields not yet read
    const CRuntimeClass* runtimeClass;
    Cursor cursor;                    // at its first key
  };

  Opened Open(Value& value, const CRuntimeClass* required, const Place& place, int nesting,
              const CRuntimeClass* implied) {
    const JsonType type = m_source.Type(value);
    if (type != JsonType::Object) Refuse(place, "expected a record, found " + TypeName(type));
    if (nesting > kMaxRecordNesting) {
      Refuse(place, "records are nested more than " + std::to_string(kMaxRecordNesting) + " deep");
    }
    auto&& object = m_source.Object(value);
    const CRuntimeClass* runtimeClass = ClassOf(m_source.Class(object), required, place, implied);
    return {runtimeClass->CreateObject(), runtimeClass, m_source.Fields(object)};
  }

  // Reads each field that the cursor's key names, and then moves the cursor on. Base is
  // the kind of visitor it is: a CFieldSource for the character written as it is read.
  template <class Base>
  class InOrderFields : public Base {
   public:
    InOrderFields(Reader& reader, Cursor& cursor, const Place& place, int nesting)
        : m_reader(reader), m_cursor(cursor), m_place(place), m_nesting(nesting) {}

    void Integer(std::string_view key, int32_t& value) override { Take(key, value, nullptr); }
    void Real(std::string_view key, double& value) override { Take(key, value, nullptr); }
    void Text(std::string_view key, CString& value) override { Take(key, value, nullptr); }
    void TextList(std::string_view key, CStringArray& value) override { Take(key, value, nullptr); }
    void List(std::string_view key, CObArray& value) override { Take(key, value, nullptr); }
    void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
      Take(key, value, required);
    }

   protected:
    // Whether the cursor stands at the key; a key not there is left for ReadByKey.
    bool At(std::string_view key) const { return !m_cursor.AtEnd() && m_cursor.Is(key); }

    template <class Target>
    void Take(std::string_view key, Target& target, const CRuntimeClass* required) {
      if (!At(key)) return;
      m_reader.Read(target, m_cursor.Current(), Place{&m_place, key}, m_nesting, required);
      m_cursor.Next();
    }

    Reader& m_reader;
    Cursor& m_cursor;
    const Place& m_place;
    int m_nesting;
  };
  using InOrder = InOrderFields<CFieldVisitor>;

  // The character's own fields as InOrder reads them, filled as the archive writes them;
  // a list's records are handed to the archive one at a time.
  class RootSource final : public InOrderFields<CFieldSource> {
    using Fields = InOrderFields<CFieldSource>;

   public:
    RootSource(Reader& reader, Cursor& cursor, const Place& place) : Fields(reader, cursor, place, 0) {}

    void Elements(std::string_view key, CObArray& list, const CFieldSource::ElementWriter& write) override {
      if (!this->At(key)) return;
      const Place place{&this->m_place, key};
      Value& value = this->m_cursor.Current();
      Reader& reader = this->m_reader;
      reader.ExpectList(value, place, "records");
      reader.m_source.ForEachElement(value, [&](Value& element, std::size_t index) {
        std::unique_ptr<CObject> record = reader.Record(element, list.GetElementClass(), Place{&place, {}, index}, 1);
        write(record);
      });
      this->m_cursor.Next();
    }
  };

  const CRuntimeClass* ClassOf(const ClassKey& key, const CRuntimeClass* required, const Place& place,
                               const CRuntimeClass* implied) {
    if (!key.present) {
      if (implied == nullptr) Refuse(place, "a record needs its \"class\"");
      return implied;
    }
    const Place classPlace{&place, "class"};
    if (!key.name) Refuse(classPlace, "expected a class name");
    // The records of a list are mostly of one class: the class found last is tried first.
    if (m_lastClass == nullptr || *key.name != m_lastClass->m_lpszClassName) {
      m_lastClass = CRuntimeClass::FromName(*key.name);
    }
    const CRuntimeClass* runtimeClass = m_lastClass;
    if (runtimeClass == nullptr || runtimeClass->m_pfnCreateObject == nullptr) {
      Refuse(classPlace, "unknown class \"" + std::string(*key.name) + "\"");
    }
    if (required != nullptr && !runtimeClass->IsDerivedFrom(required)) {
      Refuse(classPlace, "a " + std::string(runtimeClass->m_lpszClassName) + " cannot stand where a " +
                             required->m_lpszClassName + " is expected");
    }
    return runtimeClass;
  }

  // The keys from the cursor on, each found among the class's keys.
  void ReadByKey(const CRuntimeClass& runtimeClass, CObject& record, Cursor& cursor, const Place& place, int nesting) {
    const auto [entry, isNew] = m_classes.try_emplace(&runtimeClass);
    ClassKeys& keys = entry->second;
    std::vector<Field> fields;
    FieldCollector collector(fields, isNew ? &keys.Keys() : nullptr);
    record.VisitFields(collector);
    if (isNew) keys.Index(runtimeClass);
    if (fields.size() != keys.Keys().size()) {
      throw std::logic_error(std::string(runtimeClass.m_lpszClassName) + " presents a changing number of fields");
    }
    for (std::size_t expected = 0; !cursor.AtEnd(); cursor.Next()) {
      if (cursor.Key() == "class") continue;  // written with escapes
      const std::size_t position = keys.Find(cursor.Key(), expected);
      if (position == ClassKeys::kNone) Refuse(Place{&place, cursor.Key()}, "unknown key");
      expected = position + 1;
      const Field& field = fields[position];
      const Place fieldPlace{&place, keys.Keys()[position]};
      const auto read = [&](auto* target) { Read(*target, cursor.Current(), fieldPlace, nesting, field.required); };
      switch (field.kind) {
        case FieldKind::Integer: read(static_cast<int32_t*>(field.value)); break;
        case FieldKind::Real: read(static_cast<double*>(field.value)); break;
        case FieldKind::Text: read(static_cast<CString*>(field.value)); break;
        case FieldKind::TextList: read(static_cast<CStringArray*>(field.value)); break;
        case FieldKind::List: read(static_cast<CObArray*>(field.value)); break;
        case FieldKind::Object: read(static_cast<std::unique_ptr<CObject>*>(field.value)); break;
      }
    }
  }

  // One field of a record that is `nesting` levels deep, of any kind.
  void Read(int32_t& target, Value& value, const Place& place, int, const CRuntimeClass*) {
    const std::optional<int64_t> number = m_source.Int64(value);
    const JsonType type = number ? JsonType::WholeNumber : m_source.Type(value);
    if (type != JsonType::WholeNumber) Refuse(place, "expected a whole number, found " + TypeName(type));
    if (!number || *number < std::numeric_limits<int32_t>::min() || *number > std::numeric_limits<int32_t>::max()) {
      Refuse(place, "the number " + m_source.NumberText(value) + " is out of the range of a 32-bit integer");
    }
    target = static_cast<int32_t>(*number);
  }

  void Read(double& target, Value& value, const Place& place, int, const CRuntimeClass*) {
    if (const std::optional<double> number = m_source.Double(value)) {
      target = *number;
      return;
    }
    const JsonType type = m_source.Type(value);
    if (type == JsonType::String) {
      const std::string_view text = *m_source.String(value);
      if (text == "NaN") {
        target = std::numeric_limits<double>::quiet_NaN();
        return;
      }
      if (text == "Infinity" || text == "-Infinity") {
        target = (text == "Infinity" ? 1 : -1) * std::numeric_limits<double>::infinity();
        return;
      }
    }
    Refuse(place, "expected a number, found " + TypeName(type));
  }

  void Read(CString& target, Value& value, const Place& place, int, const CRuntimeClass*) {
    const std::optional<std::string_view> text = m_source.String(value);
    if (!text) Refuse(place, "expected a text, found " + TypeName(m_source.Type(value)));
    StoreText(target, *text, place);
  }

  void Read(CStringArray& list, Value& value, const Place& place, int nesting, const CRuntimeClass*) {
    ExpectList(value, place, "texts");
    list.RemoveAll();
    m_source.ForEachElement(value, [&](Value& element, std::size_t index) {
      CString text;
      Read(text, element, Place{&place, {}, index}, nesting, nullptr);
      list.Add(std::move(text));
    });
  }

  void Read(CObArray& list, Value& value, const Place& place, int nesting, const CRuntimeClass*) {
    ExpectList(value, place, "records");
    list.RemoveAll();
    m_source.ForEachElement(value, [&](Value& element, std::size_t index) {
      list.Add(Record(element, list.GetElementClass(), Place{&place, {}, index}, nesting + 1));
    });
  }

  void Read(std::unique_ptr<CObject>& slot, Value& value, const Place& place, int nesting,
            const CRuntimeClass* required) {
    slot = m_source.IsNull(value) ? nullptr : Record(value, required, place, nesting + 1);
  }

  void ExpectList(Value& value, const Place& place, const char* of) {
    const JsonType type = m_source.Type(value);
    if (type != JsonType::Array) Refuse(place, std::string("expected a list of ") + of + ", found " + TypeName(type));
  }

  Source& m_source;
  std::unordered_map<const CRuntimeClass*, ClassKeys> m_classes;
  const CRuntimeClass* m_lastClass = nullptr;  // found by name last
};

// ---------------------------------------------------------------------------------
// A document tree.

struct TreeSource {
  using Value = const Json&;

  static JsonType Type(const Json& value) {
    switch (value.type()) {
      case Json::value_t::boolean: return JsonType::Boolean;
      case Json::value_t::number_integer:
      case Json::value_t::number_unsigned: return JsonType::WholeNumber;
      case Json::value_t::number_float: return JsonType::Number;
      case Json::value_t::string: return JsonType::String;
      case Json::value_t::array: return JsonType::Array;
      case Json::value_t::object: return JsonType::Object;
      default: return JsonType::Null;
    }
  }
  static std::optional<int64_t> Int64(const Json& value) {
    if (value.is_number_unsigned()) {
      if (value.get<uint64_t>() > uint64_t{std::numeric_limits<int64_t>::max()}) return std::nullopt;
    } else if (!value.is_number_integer()) {
      return std::nullopt;
    }
    return value.get<int64_t>();
  }
  static std::optional<double> Double(const Json& value) {
    return value.is_number() ? std::optional<double>(value.get<double>()) : std::nullopt;
  }
  static std::optional<std::string_view> String(const Json& value) {
    return value.is_string() ? std::optional<std::string_view>(value.get_ref<const std::string&>()) : std::nullopt;
  }
  static std::string NumberText(const Json& value) { return value.dump(); }
  static bool IsNull(const Json& value) { return value.is_null(); }

  static const Json& Object(const Json& value) { return value; }
  static ClassKey Class(const Json& object) {
    const auto found = object.find("class");
    if (found == object.end()) return {};
    return {true, String(*found)};
  }
  // The keys of an object and their values, apart from "class".
  class Cursor {
   public:
    explicit Cursor(const Json& object)
        : m_at(object.get_ref<const Json::object_t&>().begin()), m_end(object.get_ref<const Json::object_t&>().end()) {
      SkipClass();
    }
    bool AtEnd() const { return m_at == m_end; }
    bool Is(std::string_view key) const { return m_at->first == key; }
    std::string_view Key() const { return m_at->first; }
    const Json& Current() const { return m_at->second; }
    void Next() {
      ++m_at;
      SkipClass();
    }

   private:
    void SkipClass() {
      if (m_at != m_end && m_at->first == "class") ++m_at;
    }
    Json::object_t::const_iterator m_at;
    Json::object_t::const_iterator m_end;
  };
  static Cursor Fields(const Json& object) { return Cursor(object); }
  template <class Visit>
  static void ForEachElement(const Json& array, Visit visit) {
    for (std::size_t i = 0; i < array.size(); ++i) visit(array[i], i);
  }
};

// ---------------------------------------------------------------------------------
// JSON text, read once from the start to the end. A value's accessors leave it unread
// when it is of another type, so that the reader can ask again for an error message.

class TextSource {
 public:
  using Value = ondemand::value;

  TextSource(std::string_view text, ondemand::document& document) : m_text(text), m_document(document) {}
  std::size_t Size() const { return m_text.size(); }

  template <class Node>
  JsonType Type(Node& value) {
    switch (Take(value.type())) {
      case ondemand::json_type::array: return JsonType::Array;
      case ondemand::json_type::object: return JsonType::Object;
      case ondemand::json_type::string: return JsonType::String;
      case ondemand::json_type::boolean: return JsonType::Boolean;
      case ondemand::json_type::null: return JsonType::Null;
      case ondemand::json_type::number: break;
    }
    // As the tree counts them: whole numbers up to 2^64 - 1, other numbers as reals.
    int64_t whole = 0;
    uint64_t positive = 0;
    if (value.get_int64().get(whole) == simdjson::SUCCESS || value.get_uint64().get(positive) == simdjson::SUCCESS) {
      return JsonType::WholeNumber;
    }
    double real = 0;
    Check(value.get_double().get(real));
    return JsonType::Number;
  }

  std::optional<int64_t> Int64(Value& value) {
    int64_t number = 0;
    if (value.get_int64().get(number) == simdjson::SUCCESS) return number;
    return std::nullopt;
  }
  std::optional<double> Double(Value& value) {
    double number = 0;
    if (value.get_double().get(number) == simdjson::SUCCESS) return number;
    return std::nullopt;
  }
  // A text without escapes is taken as it stands in the JSON text, and only other texts
  // are unescaped into the parser's buffer. The token runs to the next structural
  // character, so its last quote closes the text; the parser has refused control
  // characters in texts before any value is read.
  std::optional<std::string_view> String(Value& value) {
    const std::string_view token = value.raw_json_token();
    if (token.empty() || token.front() != '"') return std::nullopt;
    const std::size_t close = token.rfind('"');
    if (close > 0 && token.substr(1, close - 1).find('\\') == std::string_view::npos) return token.substr(1, close - 1);
    std::string_view text;
    Check(value.get_string().get(text));
    return text;
  }
  std::string NumberText(Value& value) {
    std::string_view token = value.raw_json_token();
    while (!token.empty() && std::isspace(static_cast<unsigned char>(token.back()))) token.remove_suffix(1);
    return std::string(token);
  }
  bool IsNull(Value& value) { return Take(value.is_null()); }

  ondemand::object Object(Value& value) { return Take(value.get_object()); }
  ClassKey Class(ondemand::object& object) {
    Value value;
    const simdjson::error_code error = object.find_field_unordered("class").get(value);
    ClassKey key;
    if (error != simdjson::NO_SUCH_FIELD) {
      Check(error);
      key = {true, String(value)};
    }
    Take(object.reset());
    return key;
  }
  // The keys of an object and their values, apart from "class", read as the cursor
  // moves; a value that was not read is passed over.
  class Cursor {
   public:
    Cursor(TextSource& source, ondemand::object& object)
        : m_source(source), m_at(source.Take(object.begin())), m_end(source.Take(object.end())) {
      Load();
    }
    bool AtEnd() const { return m_atEnd; }
    // Whether the key is `key`, compared in the text (where an escaped key is not).
    bool Is(std::string_view key) const {
      const char* raw = Field().key().raw();
      return raw[key.size()] == '"' && SameBytes(raw, key.data(), key.size());
    }
    std::string_view Key() {
      if (!m_key) {
        const std::optional<std::string_view> plain = PlainString(Field().key().raw());
        m_key = plain ? *plain : m_source.Take(Field().unescaped_key());
      }
      return *m_key;
    }
    Value& Current() { return Field().value(); }
    void Next() {
      ++m_at;
      Load();
    }

   private:
    ondemand::field& Field() { return m_field.value_unsafe(); }
    const ondemand::field& Field() const { return m_field.value_unsafe(); }
    void Load() {
      for (m_atEnd = !(m_at != m_end); !m_atEnd; m_atEnd = !(m_at != m_end)) {
        ::new (static_cast<void*>(&m_field)) simdjson::simdjson_result<ondemand::field>(*m_at);
        m_source.Check(m_field.error());
        m_key.reset();
        if (!Is("class")) return;
        ++m_at;
      }
    }

    TextSource& m_source;
    ondemand::object_iterator m_at;
    ondemand::object_iterator m_end;
    // The current field, made in place by the iterator (Load): copied out of a returned
    // result, it is read back wider than it was written, which stalls on every field.
    simdjson::simdjson_result<ondemand::field> m_field;
    static_assert(std::is_trivially_destructible_v<simdjson::simdjson_result<ondemand::field>>);
    std::optional<std::string_view> m_key;  // once asked for
    bool m_atEnd = true;
  };
  Cursor Fields(ondemand::object& object) { return Cursor(*this, object); }

  template <class Visit>
  void ForEachElement(Value& value, Visit visit) {
    ondemand::array array = Take(value.get_array());
    std::size_t index = 0;
    for (auto element : array) {
      Value item = Take(std::move(element));
      visit(item, index++);
    }
  }

  // The document's one value; a character is an object, so any other value is refused
  // as the wrong type.
  Value Root(const Place& place) {
    Value root;
    const simdjson::error_code error = m_document.get_value().get(root);
    if (error == simdjson::SCALAR_DOCUMENT_AS_VALUE) {
      Refuse(place, "expected a record, found " + TypeName(Type(m_document)));
    }
    Check(error);
    return root;
  }

  // Refuses text after the document's value.
  void ExpectEnd() {
    const char* location = nullptr;
    if (m_document.current_location().get(location) == simdjson::SUCCESS) Broken("more text after the end", location);
  }

  template <class T>
  T Take(simdjson::simdjson_result<T>&& result) {
    T value{};
    Check(std::move(result).get(value));
    return value;
  }

  void Check(simdjson::error_code error) {
    if (error == simdjson::SUCCESS) return;
    const char* location = nullptr;
    if (m_document.current_location().get(location) != simdjson::SUCCESS) location = nullptr;
    Broken(simdjson::error_message(error), location);
  }

 private:
  [[noreturn]] void Broken(const std::string& what, const char* location) const { BrokenJson(m_text, what, location); }

  // The text of a JSON string that begins at `start`, just after its opening quote, when
  // it has neither escapes nor control characters. The parser has found the closing
  // quote before it hands out the string.
  static std::optional<std::string_view> PlainString(const char* start) {
    const char* end = start;
    while (*end != '"') {
      if (*end == '\\' || static_cast<unsigned char>(*end) < 0x20) return std::nullopt;
      ++end;
    }
    return std::string_view(start, static_cast<std::size_t>(end - start));
  }

  std::string_view m_text;
  ondemand::document& m_document;

 public:
  // "not valid JSON at line L, column C: what", without the place when it is unknown.
  [[noreturn]] static void BrokenJson(std::string_view text, const std::string& what, const char* location) {
    std::string where;
    if (location != nullptr && location >= text.data() && location <= text.data() + text.size()) {
      const std::string_view before = text.substr(0, static_cast<std::size_t>(location - text.data()));
      const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
      const std::size_t lineStart = before.rfind('\n');
      const std::size_t column = before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
      where = " at line " + std::to_string(line) + ", column " + std::to_string(column);
    }
    throw JsonError("not valid JSON" + where + ": " + what);
  }
};

std::unique_ptr<CChar_Character> AsCharacter(std::unique_ptr<CObject> record) {
  return std::unique_ptr<CChar_Character>(static_cast<CChar_Character*>(record.release()));
}

// What `read` makes of the document's one value, given the reader, the value and its
// place; text after the value is refused. The text is followed by at least
// simdjson::SIMDJSON_PADDING bytes that may be read.
template <class Read>
auto ReadDocument(simdjson::padded_string_view text, Read read) {
  ondemand::parser parser;
  ondemand::document document;
  const simdjson::error_code error = parser.iterate(text).get(document);
  if (error != simdjson::SUCCESS) TextSource::BrokenJson(text, simdjson::error_message(error), nullptr);
  TextSource source(text, document);
  Reader<TextSource> reader(source);
  const Place root;
  ondemand::value value = source.Root(root);
  auto result = read(reader, value, root);
  source.ExpectEnd();
  return result;
}

std::unique_ptr<CChar_Character> CharacterFromPaddedText(simdjson::padded_string_view text) {
  return ReadDocument(text, [](Reader<TextSource>& reader, ondemand::value& value, const Place& root) {
    const auto* character = ZP_RUNTIME_CLASS(CChar_Character);
    return AsCharacter(reader.Record(value, character, root, 0, character));
  });
}

// The character file of the text, written as the text is read. Where that cannot be
// (keys out of order) or the text is refused, the character is read whole and then
// written, which gives the same file, and the refusals in the order of reading first.
std::vector<uint8_t> CharacterFileFromPaddedText(simdjson::padded_string_view text, const std::string& name) {
  try {
    std::optional<std::vector<uint8_t>> file =
        ReadDocument(text, [](Reader<TextSource>& reader, ondemand::value& value, const Place& root) {
          return reader.CharacterFile(value, root);
        });
    if (file) return std::move(*file);
  } catch (const JsonError&) {
  } catch (const CArchiveException&) {
  }
  return WriteCharacter(*CharacterFromPaddedText(text), name);
}

}  // namespace

std::unique_ptr<CObject> RecordFromJson(const Json& value, const CRuntimeClass* required, const std::string& place) {
  TreeSource source;
  Reader<TreeSource> reader(source);
  return reader.Record(value, required, Place{nullptr, place}, 1);
}

std::unique_ptr<CChar_Character> CharacterFromJson(const Json& value) {
  TreeSource source;
  Reader<TreeSource> reader(source);
  const auto* character = ZP_RUNTIME_CLASS(CChar_Character);
  return AsCharacter(reader.Record(value, character, Place{}, 0, character));
}

std::unique_ptr<CChar_Character> CharacterFromJsonText(std::string_view text) {
  const simdjson::padded_string padded(text);
  return CharacterFromPaddedText(padded);
}

std::vector<uint8_t> CharacterFileFromJsonText(std::string_view text, const std::string& name) {
  const simdjson::padded_string padded(text);
  return CharacterFileFromPaddedText(padded, name);
}

std::vector<uint8_t> CharacterFileFromJsonFile(const std::filesystem::path& path, const std::string& name) {
  const UnsetBytes bytes = ReadLargeFile(path, kMaxFileSize, simdjson::SIMDJSON_PADDING);
  return CharacterFileFromPaddedText(
      simdjson::padded_string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size(), bytes.capacity()),
      name);
}

Json ParseJson(std::string_view text) {
  // The containers that hold the value being parsed, with the position in each.
  struct Level {
    bool array;
    std::size_t index = 0;
    std::string key;
  };
  std::vector<Level> levels;
  const auto check = [&levels](int, Json::parse_event_t event, Json& parsed) {
    const auto counted = [&levels] {
      if (!levels.empty() && levels.back().array) ++levels.back().index;
    };
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        if (levels.size() >= static_cast<std::size_t>(kMaxJsonNesting)) {
          std::string place;
          for (const Level& level : levels) place += level.array ? "[" + std::to_string(level.index) + "]" : "." + level.key;
          throw JsonError(place.substr(place.starts_with('.') ? 1 : 0) + ": values are nested more than " +
                          std::to_string(kMaxJsonNesting) + " deep");
        }
        levels.push_back({event == Json::parse_event_t::array_start, 0, {}});
        break;
      case Json::parse_event_t::key:
        levels.back().key = parsed.get<std::string>();
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        levels.pop_back();
        counted();
        break;
      case Json::parse_event_t::value:
        counted();
        break;
    }
    return true;
  };
  try {
    return Json::parse(text, check);
  } catch (const Json::exception& error) {  // a parse error, or a number too large (out_of_range)
    throw JsonError(std::string("not valid JSON: ") + error.what());
  }
}

}  // namespace zulparvo
