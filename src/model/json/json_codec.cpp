#include "model/json/json_codec.h"

#include <cmath>
#include <limits>
#include <set>

#include "base/text_encoding.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"

namespace zulparvo {

namespace {

Json RealToJson(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return value;
}

Json TextToJson(const CString& text) { return BytesToUtf8(text); }

class Writer : public CFieldVisitor {
 public:
  explicit Writer(Json& out) : m_out(out) {}
  void Integer(std::string_view key, int32_t& value) override { m_out[std::string(key)] = value; }
  void Real(std::string_view key, double& value) override { m_out[std::string(key)] = RealToJson(value); }
  void Text(std::string_view key, CString& value) override { m_out[std::string(key)] = TextToJson(value); }
  void TextList(std::string_view key, CStringArray& value) override {
    Json texts = Json::array();
    for (const CString& text : value) texts.push_back(TextToJson(text));
    m_out[std::string(key)] = std::move(texts);
  }
  void List(std::string_view key, CObArray& value) override {
    Json records = Json::array();
    for (const auto& record : value) records.push_back(RecordToJson(*record));
    m_out[std::string(key)] = std::move(records);
  }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    m_out[std::string(key)] = value ? RecordToJson(*value) : Json(nullptr);
  }

 private:
  Json& m_out;
};

std::string Join(const std::string& place, std::string_view key) {
  return place.empty() ? std::string(key) : place + "." + std::string(key);
}

const char* TypeName(const Json& value) {
  if (value.is_number_integer()) return "a whole number";
  if (value.is_number()) return "a number";
  return value.type_name();
}

[[noreturn]] void Refuse(const std::string& place, const std::string& what) {
  throw JsonError((place.empty() ? std::string("the character") : place) + ": " + what);
}

CString TextFromJson(const Json& value, const std::string& place) {
  if (!value.is_string()) Refuse(place, std::string("expected a text, found ") + TypeName(value));
  std::string bad;
  auto bytes = Utf8ToBytes(value.get_ref<const std::string&>(), &bad);
  if (!bytes) Refuse(place, "the character " + bad + " cannot be stored in a character file");
  return std::move(*bytes);
}

class Reader : public CFieldVisitor {
 public:
  Reader(const Json& in, std::string place) : m_in(in), m_place(std::move(place)) {}

  void Integer(std::string_view key, int32_t& value) override {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string place = Join(m_place, key);
    if (!found->is_number_integer()) Refuse(place, std::string("expected a whole number, found ") + TypeName(*found));
    if (found->is_number_unsigned() ? found->get<uint64_t>() > uint64_t{std::numeric_limits<int32_t>::max()}
                                    : (found->get<int64_t>() < std::numeric_limits<int32_t>::min() ||
                                       found->get<int64_t>() > std::numeric_limits<int32_t>::max())) {
      Refuse(place, "the number " + found->dump() + " is out of the range of a 32-bit integer");
    }
    value = static_cast<int32_t>(found->get<int64_t>());
  }

  void Real(std::string_view key, double& value) override {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string place = Join(m_place, key);
    if (found->is_number()) {
      value = found->get<double>();
    } else if (*found == "NaN") {
      value = std::numeric_limits<double>::quiet_NaN();
    } else if (*found == "Infinity" || *found == "-Infinity") {
      value = (*found == "Infinity" ? 1 : -1) * std::numeric_limits<double>::infinity();
    } else {
      Refuse(place, std::string("expected a number, found ") + TypeName(*found));
    }
  }

  void Text(std::string_view key, CString& value) override {
    if (const Json* found = Find(key)) value = TextFromJson(*found, Join(m_place, key));
  }

  void TextList(std::string_view key, CStringArray& value) override {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string place = Join(m_place, key);
    if (!found->is_array()) Refuse(place, std::string("expected a list of texts, found ") + TypeName(*found));
    value.RemoveAll();
    for (std::size_t i = 0; i < found->size(); ++i) {
      value.Add(TextFromJson((*found)[i], place + "[" + std::to_string(i) + "]"));
    }
  }

  void List(std::string_view key, CObArray& value) override {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string place = Join(m_place, key);
    if (!found->is_array()) Refuse(place, std::string("expected a list of records, found ") + TypeName(*found));
    value.RemoveAll();
    for (std::size_t i = 0; i < found->size(); ++i) {
      value.Add(RecordFromJson((*found)[i], value.GetElementClass(), place + "[" + std::to_string(i) + "]"));
    }
  }

  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    const Json* found = Find(key);
    if (found == nullptr) return;
    value = found->is_null() ? nullptr : RecordFromJson(*found, required, Join(m_place, key));
  }

  // Every key of the object that no field took, apart from "class".
  void RefuseUnknownKeys() const {
    for (const auto& [key, value] : m_in.items()) {
      if (key != "class" && !m_used.contains(key)) Refuse(Join(m_place, key), "unknown key");
    }
  }

 private:
  const Json* Find(std::string_view key) {
    const auto found = m_in.find(std::string(key));
    if (found == m_in.end()) return nullptr;
    m_used.emplace(key);
    return &*found;
  }

  const Json& m_in;
  std::string m_place;
  std::set<std::string, std::less<>> m_used;
};

}  // namespace

Json RecordToJson(CObject& record) {
  Json out = Json::object();
  out["class"] = record.GetClassName();
  Writer writer(out);
  record.VisitFields(writer);
  return out;
}

std::unique_ptr<CObject> RecordFromJson(const Json& value, const CRuntimeClass* required, const std::string& place) {
  if (!value.is_object()) Refuse(place, std::string("expected a record, found ") + TypeName(value));
  const auto name = value.find("class");
  if (name == value.end()) Refuse(place, "a record needs its \"class\"");
  if (!name->is_string()) Refuse(Join(place, "class"), "expected a class name");
  const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name->get_ref<const std::string&>());
  if (runtimeClass == nullptr || runtimeClass->m_pfnCreateObject == nullptr) {
    Refuse(Join(place, "class"), "unknown class \"" + name->get<std::string>() + "\"");
  }
  if (required != nullptr && !runtimeClass->IsDerivedFrom(required)) {
    Refuse(Join(place, "class"),
           "a " + std::string(runtimeClass->m_lpszClassName) + " cannot stand where a " + required->m_lpszClassName +
               " is expected");
  }
  std::unique_ptr<CObject> record = runtimeClass->CreateObject();
  Reader reader(value, place);
  record->VisitFields(reader);
  reader.RefuseUnknownKeys();
  return record;
}

std::unique_ptr<CChar_Character> CharacterFromJson(const Json& value) {
  Json withClass = value;
  if (withClass.is_object() && !withClass.contains("class")) withClass["class"] = "CChar_Character";
  auto record = RecordFromJson(withClass, ZP_RUNTIME_CLASS(CChar_Character));
  return std::unique_ptr<CChar_Character>(static_cast<CChar_Character*>(record.release()));
}

}  // namespace zulparvo
