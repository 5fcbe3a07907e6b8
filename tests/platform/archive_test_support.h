// Byte images written out by hand for archive tests, and a small record class that
// exercises the object references.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/archive.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"
#include "platform/object.h"

namespace zulparvo::testing {

// Builds a byte image field by field, little-endian, as the file format states it.
class Bytes {
 public:
  Bytes& Byte(uint8_t value) {
    m_bytes.push_back(value);
    return *this;
  }
  Bytes& Word(uint16_t value) { return Byte(static_cast<uint8_t>(value & 0xFF)).Byte(static_cast<uint8_t>(value >> 8)); }
  Bytes& DWord(uint32_t value) { return Word(static_cast<uint16_t>(value & 0xFFFF)).Word(static_cast<uint16_t>(value >> 16)); }
  Bytes& Int(int32_t value) { return DWord(static_cast<uint32_t>(value)); }
  Bytes& Real(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return DWord(static_cast<uint32_t>(bits & 0xFFFFFFFF)).DWord(static_cast<uint32_t>(bits >> 32));
  }
  Bytes& Chars(const std::string& text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
  }
  // A class record for a class not seen before: 0xFFFF, schema, name length, name.
  Bytes& NewClass(const std::string& name, uint16_t schema = 0) {
    return Word(0xFFFF).Word(schema).Word(static_cast<uint16_t>(name.size())).Chars(name);
  }
  // A text whose length is below 255.
  Bytes& ShortText(const std::string& text) { return Byte(static_cast<uint8_t>(text.size())).Chars(text); }
  Bytes& Append(const std::vector<uint8_t>& more) {
    m_bytes.insert(m_bytes.end(), more.begin(), more.end());
    return *this;
  }
  std::size_t Size() const { return m_bytes.size(); }
  const std::vector<uint8_t>& Get() const { return m_bytes; }
  operator const std::vector<uint8_t>&() const { return m_bytes; }  // NOLINT: convenient in EXPECT_EQ

 private:
  std::vector<uint8_t> m_bytes;
};

// A record with a number, a text, one owned record and a list of records, stored in
// that order without a version marker.
class TestRecord : public CObject {
  ZP_DECLARE_SERIAL(TestRecord)

 public:
  TestRecord() = default;
  TestRecord(int32_t number, std::string text) : m_number(number), m_text(std::move(text)) {}

  void VisitFields(CFieldVisitor& visitor) override {
    visitor.Integer("number", m_number);
    visitor.Text("text", m_text);
    visitor.Object("child", m_child, nullptr);
    visitor.List("children", m_children);
  }

  int32_t m_number = 0;
  std::string m_text;
  COwnedRecord m_child;
  CTypedObArray<TestRecord> m_children;
};

// The data of a TestRecord with no child and an empty list, when the archive has
// already seen the CObArray class under `listClassIndex`.
inline Bytes& PlainTestRecordData(Bytes& bytes, int32_t number, const std::string& text, uint16_t listClassIndex) {
  return bytes.Int(number).ShortText(text).Word(0).Word(static_cast<uint16_t>(0x8000 | listClassIndex)).Word(0);
}

inline std::vector<uint8_t> Store(const std::initializer_list<const CObject*> objects) {
  CArchive ar;
  for (const CObject* object : objects) ar.WriteObject(object);
  return ar.TakeBuffer();
}

// The one object that the bytes hold, every byte read.
inline std::unique_ptr<CObject> Load(const std::vector<uint8_t>& bytes, const CRuntimeClass* required = nullptr) {
  CArchive ar(bytes);
  std::unique_ptr<CObject> object = ar.ReadObject(required);
  if (!ar.AtEnd()) throw CArchiveException("unread bytes after the object", ar.GetPosition());
  return object;
}

}  // namespace zulparvo::testing
