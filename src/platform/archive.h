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
// An object's own data is what its class's field list gives (field_visitor.h): each
// class level's version marker, then its fields in the order listed, each stored from
// the version of the marker that its mark names.
//
// Reading never trusts a number from the file: every length and count is checked
// against the bytes that remain, nesting is bounded, and every fault ends the read
// with a CArchiveException that says what is wrong and at which byte offset. The
// writer refuses what the reader would refuse (records nested too deeply, a list where
// a single record belongs), so that every file it writes can be read back.
//
// Every record here is owned by exactly one place. When a file refers to an object
// that was read before (a back-reference), the place receives its own copy, read
// again from the bytes that gave the first; the total that such copies may add is
// bounded in proportion to the file's size. A reference to an object that is still
// being read, so that it would contain itself, is an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/field_visitor.h"
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

// A record whose version marker names a version newer than any this program reads.
class CArchiveVersionException : public CArchiveException {
 public:
  using CArchiveException::CArchiveException;
};

// Fills the fields of a record from another form of it (a text) just before a storing
// archive writes each one (CArchive::ExchangeRoot with a source). As a visitor it fills
// the field it is shown.
class CFieldSource : public CFieldVisitor {
 public:
  using ElementWriter = std::function<void(std::unique_ptr<CObject>&)>;
  // Hands the elements of the list to `write` one at a time, in order; each may be freed
  // once written, so that a list is never whole in memory.
  virtual void Elements(std::string_view key, CObArray& list, const ElementWriter& write) = 0;
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
  // Objects (lists included) nest at most this deep.
  static constexpr int kMaxDepth = kMaxNestingDepth;
  // How errors name a list element's slot.
  static constexpr std::string_view kListElement = "an element of a list";

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
  // Makes room for this many bytes, so that a buffer of about that size is not moved as it grows.
  void Reserve(std::size_t bytes) { m_buffer.reserve(bytes); }
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
  // The object must be of `required` or a subclass of it, when that is given.
  std::unique_ptr<CObject> ReadObject(const CRuntimeClass* required);
  // Reads an object reference into an object that the caller already has (a list
  // slot): the stored object must be of target's class; no object leaves it as it is.
  void ReadObjectInto(CObject& target);

  std::size_t GetPosition() const { return m_position; }
  std::size_t GetRemaining() const { return m_data.size() - m_position; }
  bool AtEnd() const { return m_position == m_data.size(); }
  // Ends the read (or the write) with an archive error at the current position.
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
  // A single record of `required` or a subclass (any class when null), or none; never
  // a list. `place` names the slot in errors ("skill_slot_1", "an element of a list").
  void ExchangeRecord(std::unique_ptr<CObject>& record, const CRuntimeClass* required, std::string_view place);
  // The outermost object's own data, without an object reference before it (a
  // character file holds its character so); it counts as one level of nesting.
  void ExchangeRoot(CObject& root);
  // Storing: the root as ExchangeRoot writes it, each of its own fields filled by the
  // source just before it is written, and each list of its own written element by
  // element as the source gives them. The records are freed once written and a later
  // one may stand where an earlier one was, so every object is written as a new one:
  // the root must be a tree (every record read from a text is).
  void ExchangeRoot(CObject& root, CFieldSource& source);
  // The object's fields as its field list gives them: what CObject::Serialize does.
  void ExchangeFields(CObject& object);

 private:
  struct LoadEntry {
    const CRuntimeClass* runtimeClass = nullptr;  // the class; of the object for an object
    bool isObject = false;
    bool complete = false;        // an object whose data has been read
    std::size_t dataStart = 0;    // where an object's data lies in the bytes
    std::size_t dataEnd = 0;
  };
  struct Reference {
    enum Kind { Null, Existing, New } kind = Null;
    std::size_t index = 0;                        // Existing: the object's index
    const CRuntimeClass* runtimeClass = nullptr;  // the object's class
  };
  class DepthGuard;
  class Fields;

  // The indexes of the classes and objects written, by address. A large character writes
  // hundreds of thousands of objects; an open table of pairs takes them without a heap
  // allocation or a division each.
  class StoreMap {
   public:
    // The index stored for the address, or 0 (which no class or object has).
    uint32_t Find(const void* address) const;
    void Add(const void* address, uint32_t index);

   private:
    struct Slot {
      const void* address = nullptr;
      uint32_t index = 0;
    };
    std::size_t Home(const void* address) const;
    void Grow();

    std::vector<Slot> m_slots;  // a power of two in size, at most half full
    int m_bits = 0;             // log2 of the size
    std::size_t m_count = 0;
  };

  void ExchangeList(CObject& list);
  void WriteElements(CObArray& list, std::string_view key, CFieldSource& source);
  void Need(std::size_t bytes) const;
  void WriteClass(const CRuntimeClass* runtimeClass);
  Reference ReadReference(const CRuntimeClass* required);
  std::size_t Register(LoadEntry entry);
  std::unique_ptr<CObject> ReadReferenced(const Reference& reference, std::size_t tagOffset);
  void ReadObjectData(CObject& object, std::size_t index, std::size_t tagOffset);
  void ReadAgain(CObject& object, std::size_t index, std::size_t tagOffset);
  const LoadEntry& ExistingObject(std::size_t index, std::size_t tagOffset) const;
  void ChargeCopy(std::size_t bytes, std::size_t offset);

  bool m_storing;
  std::vector<uint8_t> m_buffer;
  std::span<const uint8_t> m_data;
  std::size_t m_position = 0;
  uint32_t m_nextIndex = 1;
  StoreMap m_storeMap;
  std::vector<LoadEntry> m_loadMap;  // index 0 stands for no object
  // An earlier object's bytes are being read again for a copy.
  bool m_readingAgain = false;
  int m_depth = 0;
  // Storing from a source: the root whose fields it fills; no object is looked up.
  const CObject* m_sourceRoot = nullptr;
  CFieldSource* m_source = nullptr;
  // Bytes read plus the bytes read again for copies, and the limit on it.
  std::size_t m_materialised = 0;
  std::size_t m_materialisedLimit = 0;
};

// True for the two list classes (and their subclasses), which stand only in list
// fields, never as a record.
bool IsListClass(const CRuntimeClass* runtimeClass);

}  // namespace zulparvo
