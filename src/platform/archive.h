// CArchive: the object archive that character files are made of.
//
// The bytes, all numbers little-endian:
//   integer   4 bytes, two's complement          real   8 bytes, IEEE 754 double
//   word      2 bytes unsigned                   byte   1 byte
//   text      length, then that many 8-bit characters (no terminator). A length below
//             255 is one byte; else the byte 0xFF and a word when below 0xFFFE; else
//             0xFF, the word 0xFFFF and a 4-byte length.
//   count     a word; the word 0xFFFF and a 4-byte count when the count is 0xFFFF or more.
//   object    a word tag:
//               0x0000               no object
//               0xFFFF               a class not seen before: word schema, word name
//                                    length, the name; then the object's own data
//               0x8000 | class index a class seen before; then the object's own data
//               index (< 0x7FFF)     the object stored earlier under that index
//               0x7FFF               a 4-byte index follows (top bit set: a class)
//             Classes and objects are numbered together from 1, in the order in which
//             they first appear. An object receives its index before its own data.
//   lists     an object of class "CObArray" (count, then one object per element) or
//             "CStringArray" (count, then the texts).
//
// Reading never trusts a number from the file: every length and count is checked
// against the bytes that remain, nesting is bounded, and every fault ends the read
// with a CArchiveException that says what is wrong and at which byte offset.
//
// Every record here is owned by exactly one place. When a file refers to an object
// that was read before (a back-reference), the place receives its own copy; the total
// amount that such copies may add is bounded in proportion to the file's size. A
// reference to an object that is still being read, so that it would contain itself,
// is an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/object.h"

namespace zulparvo {

class CObArray;
class CStringArray;

class CArchiveException : public std::runtime_error {
 public:
  CArchiveException(const std::string& message, std::size_t offset);
  // The byte offset, from the start of the archive, at which the fault was found.
  std::size_t GetOffset() const { return m_offset; }
  // The message without the offset.
  const std::string& GetMessage() const { return m_message; }

 private:
  std::string m_message;
  std::size_t m_offset;
};

class CArchive {
 public:
  // These numbers are written to disk and must not change.
  static constexpr uint16_t wNullTag = 0x0000;
  static constexpr uint16_t wNewClassTag = 0xFFFF;
  static constexpr uint16_t wClassTag = 0x8000;
  static constexpr uint16_t wBigObjectTag = 0x7FFF;
  static constexpr uint32_t dwBigClassTag = 0x80000000u;
  static constexpr uint16_t wCountEscape = 0xFFFF;
  static constexpr std::size_t kMaxClassNameLength = 64;
  static constexpr int kMaxDepth = 64;

  // An archive that stores into its own buffer.
  CArchive();
  // An archive that loads from the given bytes; they must outlive the archive.
  explicit CArchive(std::span<const uint8_t> data);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsStoring() const { return m_storing; }
  bool IsLoading() const { return !m_storing; }

  // --- storing ---
  void WriteByte(uint8_t value);
  void WriteWord(uint16_t value);
  void WriteDWord(uint32_t value);
  void WriteInt(int32_t value);
  void WriteReal(double value);
  void WriteString(const CString& text);
  void WriteCount(std::size_t count);
  // Writes a reference to the object; the object itself the first time it is seen.
  void WriteObject(const CObject* object);
  const std::vector<uint8_t>& GetBuffer() const { return m_buffer; }
  std::vector<uint8_t> TakeBuffer() { return std::move(m_buffer); }

  // --- loading ---
  uint8_t ReadByte();
  uint16_t ReadWord();
  uint32_t ReadDWord();
  int32_t ReadInt();
  double ReadReal();
  CString ReadString();
  // An element count; each element needs at least `minBytesPerElement` more bytes.
  std::size_t ReadCount(std::size_t minBytesPerElement);
  // Reads an object reference and returns the object it names (null for no object).
  // The object must be of `required` or a subclass of it, when that is given. Later
  // back-references copy it, so it must stay alive while the archive reads.
  std::unique_ptr<CObject> ReadObject(const CRuntimeClass* required);
  // Reads an object reference into an object that the caller already has (a list
  // slot): the stored object must be of target's class; no object leaves it as it is.
  void ReadObjectInto(CObject& target);

  std::size_t GetPosition() const { return m_position; }
  std::size_t GetRemaining() const { return m_data.size() - m_position; }
  bool AtEnd() const { return m_position == m_data.size(); }
  // Ends the read with an archive error at the current position.
  [[noreturn]] void Fail(const std::string& message) const;
  [[noreturn]] void FailAt(const std::string& message, std::size_t offset) const;

  // --- both directions: writes the value when storing, reads it when loading ---
  void Exchange(int32_t& value);
  void Exchange(double& value);
  void Exchange(CString& value);
  // A list slot: the list is written as an object reference to a "CObArray" or
  // "CStringArray" object.
  void Exchange(CObArray& list);
  void Exchange(CStringArray& list);
  // A single owned record of `required` or a subclass (any class when null), or none.
  void Exchange(std::unique_ptr<CObject>& object, const CRuntimeClass* required = nullptr);

 private:
  struct LoadEntry {
    const CRuntimeClass* runtimeClass = nullptr;  // set for a class entry
    CObject* object = nullptr;                    // set for an object entry
    bool complete = false;                        // the object's data has been read
    std::size_t weight = 0;                       // what a copy of the object costs
  };
  struct Reference {
    enum Kind { Null, Existing, New } kind = Null;
    std::size_t index = 0;                        // Existing: the object's index
    const CRuntimeClass* runtimeClass = nullptr;  // New: the class to create
  };

  void ExchangeList(CObject& list);
  void Need(std::size_t bytes) const;
  void WriteClass(const CRuntimeClass* runtimeClass);
  Reference ReadReference(const CRuntimeClass* required);
  std::size_t RegisterObject(CObject* object);
  void ReadObjectData(CObject& object, std::size_t index, std::size_t tagOffset);
  const LoadEntry& ExistingObject(std::size_t index, std::size_t tagOffset) const;
  void ChargeCopy(std::size_t weight, std::size_t offset);
  static std::string Describe(const CRuntimeClass* runtimeClass);

  bool m_storing;
  std::vector<uint8_t> m_buffer;
  std::span<const uint8_t> m_data;
  std::size_t m_position = 0;
  uint32_t m_nextIndex = 1;
  std::unordered_map<const void*, uint32_t> m_storeMap;  // classes and objects written
  std::vector<LoadEntry> m_loadMap;                      // index 0 stands for no object
  int m_depth = 0;
  // Bytes read plus the weight of every copy made so far, and the limit on it.
  std::size_t m_materialised = 0;
  std::size_t m_materialisedLimit = 0;
};

}  // namespace zulparvo
