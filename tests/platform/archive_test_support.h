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
  const std::vector<uint8_t>& Get() const { return m_bytes; }
  operator const std::vector<uint8_t>&() const { return m_bytes; }  // NOLINT: convenient in EXPECT_EQ

 private:
  std::vector<uint8_t> m_bytes;
};

// A record with a number, a text, one owned record and a list of records.
class TestRecord : public CObject {
  ZP_DECLARE_SERIAL(TestRecord)

 public:
  TestRecord() = default;
  TestRecord(int32_t number, std::string text) : m_number(number), m_text(std::move(text)) {}
  TestRecord(const TestRecord& other)
      : CObject(other), m_number(other.m_number), m_text(other.m_text),
        m_child(other.m_child ? other.m_child->Clone() : nullptr), m_children(other.m_children) {}

  void Serialize(CArchive& ar) override {
    ar.Exchange(m_number);
    ar.Exchange(m_text);
    ar.Exchange(m_child);
    ar.Exchange(m_children);
  }

  int32_t m_number = 0;
  std::string m_text;
  std::unique_ptr<CObject> m_child;
  CTypedObArray<TestRecord> m_children;
};

// The data of a TestRecord with no child and an empty list, when the archive has
// already seen the CObArray class under `listClassIndex`.
inline Bytes& PlainTestRecordData(Bytes& bytes, int32_t number, const std::string& text, uint16_t listClassIndex) {
  return bytes.DWord(static_cast<uint32_t>(number)).ShortText(text).Word(0).Word(static_cast<uint16_t>(0x8000 | listClassIndex)).Word(0);
}

inline std::vector<uint8_t> Store(const std::initializer_list<const CObject*> objects) {
  CArchive ar;
  for (const CObject* object : objects) ar.WriteObject(object);
  return ar.TakeBuffer();
}

}  // namespace zulparvo::testing
