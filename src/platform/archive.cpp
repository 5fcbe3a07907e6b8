#include "platform/archive.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/collections.h"

namespace zulparvo {

static_assert(std::endian::native == std::endian::little, "the archive code assumes a little-endian host");

namespace {

// Copies of earlier objects may add at most this many times the file's size, plus a
// fixed allowance, to what a read materialises.
constexpr std::size_t kCopyExpansion = 16;
constexpr std::size_t kCopyAllowance = std::size_t{1} << 20;

std::string Describe(const CRuntimeClass* runtimeClass) {
  return runtimeClass != nullptr ? runtimeClass->m_lpszClassName : "any class";
}

// The dot-separated whole numbers of a version text, each without its leading zeros;
// false when the text is not of that form ("2.12" gives "2" and "12").
bool VersionNumbers(std::string_view text, std::vector<std::string_view>& numbers) {
  numbers.clear();
  while (true) {
    const std::size_t dot = std::min(text.find('.'), text.size());
    std::string_view number = text.substr(0, dot);
    if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return false;
    }
    number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
    numbers.push_back(number);
    if (dot == text.size()) return true;
    text.remove_prefix(dot + 1);
  }
}

// True when `version` is a version text of numbers that names a later version than
// `current` ("9.99" and "2.13" are later than "2.12"; "2.0" and "beta" are not).
bool IsLaterVersion(std::string_view version, std::string_view current) {
  std::vector<std::string_view> a;
  std::vector<std::string_view> b;
  if (!VersionNumbers(version, a) || !VersionNumbers(current, b)) return false;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string_view x = i < a.size() ? a[i] : std::string_view();
    const std::string_view y = i < b.size() ? b[i] : std::string_view();
    if (x.size() != y.size()) return x.size() > y.size();
    if (x != y) return x > y;
  }
  return false;
}

}  // namespace

// Exchanges an object's fields as its field list gives them, following the version
// marks: when loading, a field is read only where the version read holds it. With a
// source, each field is filled from it before it is written, and a list is written
// element by element as the source gives them.
class CArchive::Fields final : public CFieldVisitor {
 public:
  Fields(CArchive& ar, const CObject& object, CFieldSource* source)
      : m_ar(ar), m_object(object), m_source(source) {}

  void Integer(std::string_view key, int32_t& value) override {
    if (m_source != nullptr) m_source->Integer(key, value);
    if (Stored()) m_ar.Exchange(value);
  }
  void Real(std::string_view key, double& value) override {
    if (m_source != nullptr) m_source->Real(key, value);
    if (Stored()) m_ar.Exchange(value);
  }
  void Text(std::string_view key, CString& value) override {
    if (m_source != nullptr) m_source->Text(key, value);
    if (Stored()) m_ar.Exchange(value);
  }
  void TextList(std::string_view key, CStringArray& value) override {
    if (m_source != nullptr) m_source->TextList(key, value);
    if (Stored()) m_ar.Exchange(value);
  }
  void List(std::string_view key, CObArray& value) override {
    if (m_source == nullptr) {
      if (Stored()) m_ar.Exchange(value);
    } else if (Stored()) {
      m_ar.WriteElements(value, key, *m_source);
    } else {
      m_source->List(key, value);
    }
  }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    if (m_source != nullptr) m_source->Object(key, value, required);
    if (Stored()) m_ar.ExchangeRecord(value, required, key);
  }

  void Version(const CVersionMarker& marker) override {
    // A marker inside its level is there only where the fields before it are.
    m_present = !marker.IsInner() || Stored();
    if (m_present) m_step = marker.IsText() ? ExchangeText(marker) : ExchangeClassVersion(marker);
    m_marker = marker;
    m_gate = Gate::All;
  }

  void Since(const CSince& since) override {
    switch (since.GetKind()) {
      case CSince::Kind::VersionText: {
        if (m_ar.IsStoring()) {  // every field of the current version is written
          m_gate = Gate::All;
          break;
        }
        const auto layouts = m_marker.Layouts();
        const auto found = std::find_if(layouts.begin(), layouts.end(),
                                        [&](const char* text) {
                                          return text == since.GetText() || std::strcmp(text, since.GetText()) == 0;
                                        });
        if (found == layouts.end()) {
          throw std::logic_error(std::string(m_object.GetClassName()) + " marks a field with version " +
                                 since.GetText() + ", which its version marker does not list");
        }
        m_sinceStep = static_cast<int32_t>(found - layouts.begin()) + 1;
        m_gate = Gate::From;
        break;
      }
      case CSince::Kind::ClassVersion:
        m_sinceStep = since.GetClassVersion();
        m_gate = Gate::From;
        break;
      case CSince::Kind::WrittenOnly:
        m_gate = Gate::WrittenOnly;
        break;
      case CSince::Kind::Never:
        m_gate = Gate::Never;
        break;
    }
  }

 private:
  enum class Gate { All, From, WrittenOnly, Never };

  bool Stored() const {
    switch (m_gate) {
      case Gate::All: return m_ar.IsStoring() || m_present;
      case Gate::From: return m_ar.IsStoring() || (m_present && m_step >= m_sinceStep);
      case Gate::WrittenOnly: return m_ar.IsStoring();
      case Gate::Never: return false;
    }
    return false;
  }

  // The layout step of a version text: its place among the layouts (from 1), or 0 for
  // an older text that is none of them.
  int32_t ExchangeText(const CVersionMarker& marker) {
    const auto layouts = marker.Layouts();
    if (m_ar.IsStoring()) {
      m_ar.WriteString(layouts.back());
      return static_cast<int32_t>(layouts.size());
    }
    const std::size_t offset = m_ar.GetPosition();
    const CString version = m_ar.ReadString();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
      if (version == layouts[i]) return static_cast<int32_t>(i) + 1;
    }
    if (IsLaterVersion(version, layouts.back())) RefuseNewer("version " + version, layouts.back(), offset);
    return 0;
  }

  int32_t ExchangeClassVersion(const CVersionMarker& marker) {
    const int32_t current = marker.GetClassVersion();
    if (m_ar.IsStoring()) {
      m_ar.WriteInt(current);
      return current;
    }
    const std::size_t offset = m_ar.GetPosition();
    const int32_t version = m_ar.ReadInt();
    if (current > 1 && version > current) {
      RefuseNewer("class version " + std::to_string(version), std::to_string(current), offset);
    }
    return version;
  }

  [[noreturn]] void RefuseNewer(const std::string& stored, const std::string& current, std::size_t offset) const {
    throw CArchiveVersionException(std::string("a ") + m_object.GetClassName() + " of " + stored +
                                       ", newer than " + current + ", the newest this program reads",
                                   offset);
  }

  CArchive& m_ar;
  const CObject& m_object;
  CFieldSource* m_source;
  CVersionMarker m_marker = CVersionMarker::ClassVersion(1);
  bool m_present = true;      // the current marker is in the bytes (or none was given)
  int32_t m_step = 0;         // the layout step that the marker gives
  Gate m_gate = Gate::All;
  int32_t m_sinceStep = 0;
};

bool IsListClass(const CRuntimeClass* runtimeClass) {
  return runtimeClass->IsDerivedFrom(ZP_RUNTIME_CLASS(CObArray)) ||
         runtimeClass->IsDerivedFrom(ZP_RUNTIME_CLASS(CStringArray));
}

// Keeps the nesting depth for the duration of one object's data, and refuses an object
// that would nest too deeply.
class CArchive::DepthGuard {
 public:
  DepthGuard(CArchive& ar, std::size_t offset) : m_depth(ar.m_depth) {
    if (m_depth >= kMaxDepth) {
      ar.FailAt("records are nested more than " + std::to_string(kMaxDepth) + " deep" +
                    (ar.IsStoring() ? ", which no reader would take back" : ""),
                offset);
    }
    ++m_depth;
  }
  ~DepthGuard() { --m_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& m_depth;
};

namespace {

// Appends the value's bytes in the order the host keeps them, which is the file's.
template <class T>
void AppendBytes(std::vector<uint8_t>& buffer, T value) {
  uint8_t bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  buffer.insert(buffer.end(), bytes, bytes + sizeof value);
}

}  // namespace

CArchiveException::CArchiveException(const std::string& message, std::size_t offset)
    : std::runtime_error(message + " (at byte " + std::to_string(offset) + ")"), m_message(message), m_offset(offset) {}

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::span<const uint8_t> data)
    : m_storing(false), m_data(data), m_materialisedLimit(data.size() * (kCopyExpansion + 1) + kCopyAllowance) {
  m_loadMap.emplace_back();  // index 0: no object
}

// ---------------------------------------------------------------------------------
// Storing

void CArchive::WriteByte(uint8_t value) { m_buffer.push_back(value); }

void CArchive::WriteWord(uint16_t value) { AppendBytes(m_buffer, value); }

void CArchive::WriteDWord(uint32_t value) { AppendBytes(m_buffer, value); }

void CArchive::WriteInt(int32_t value) { WriteDWord(static_cast<uint32_t>(value)); }

void CArchive::WriteReal(double value) { AppendBytes(m_buffer, value); }

void CArchive::WriteString(const CString& text) {
  const std::size_t length = text.size();
  if (length > std::numeric_limits<uint32_t>::max()) Fail("a text of " + std::to_string(length) + " bytes is too long");
  if (length < 0xFF) {
    WriteByte(static_cast<uint8_t>(length));
  } else if (length < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(static_cast<uint16_t>(length));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteDWord(static_cast<uint32_t>(length));
  }
  m_buffer.insert(m_buffer.end(), text.begin(), text.end());
}

void CArchive::WriteCount(std::size_t count) {
  if (count > std::numeric_limits<uint32_t>::max()) Fail("a list of " + std::to_string(count) + " elements is too long");
  if (count < wCountEscape) {
    WriteWord(static_cast<uint16_t>(count));
  } else {
    WriteWord(wCountEscape);
    WriteDWord(static_cast<uint32_t>(count));
  }
}

std::size_t CArchive::StoreMap::Home(const void* address) const {
  // Addresses close together have slots close together: records are written in about the
  // order in which they were made, so the table is walked rather than jumped about in.
  // Each stretch of addresses as long as the table begins at a place of its own, so that
  // records of any size and spacing spread over it.
  const uintptr_t word = reinterpret_cast<uintptr_t>(address) >> 3;
  return static_cast<std::size_t>(word + (word >> m_bits) * 0x9E3779B97F4A7C15ull) & (m_slots.size() - 1);
}

uint32_t CArchive::StoreMap::Find(const void* address) const {
  if (m_slots.empty()) return 0;
  for (std::size_t at = Home(address);; at = (at + 1) & (m_slots.size() - 1)) {
    if (m_slots[at].address == address) return m_slots[at].index;
    if (m_slots[at].address == nullptr) return 0;
  }
}

void CArchive::StoreMap::Add(const void* address, uint32_t index) {
  if (2 * (m_count + 1) > m_slots.size()) Grow();
  std::size_t at = Home(address);
  while (m_slots[at].address != nullptr) at = (at + 1) & (m_slots.size() - 1);
  m_slots[at] = {address, index};
  ++m_count;
}

void CArchive::StoreMap::Grow() {
  std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(m_slots.empty() ? 1024 : 2 * m_slots.size()));
  m_bits = std::countr_zero(m_slots.size());
  m_count = 0;
  for (const Slot& slot : old) {
    if (slot.address != nullptr) Add(slot.address, slot.index);
  }
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass) {
  if (const uint32_t known = m_storeMap.Find(runtimeClass); known != 0) {
    if (known < wBigObjectTag) {
      WriteWord(static_cast<uint16_t>(wClassTag | known));
    } else {
      WriteWord(wBigObjectTag);
      WriteDWord(dwBigClassTag | known);
    }
    return;
  }
  const std::size_t nameLength = std::strlen(runtimeClass->m_lpszClassName);
  WriteWord(wNewClassTag);
  WriteWord(runtimeClass->m_wSchema);
  WriteWord(static_cast<uint16_t>(nameLength));
  m_buffer.insert(m_buffer.end(), runtimeClass->m_lpszClassName, runtimeClass->m_lpszClassName + nameLength);
  m_storeMap.Add(runtimeClass, m_nextIndex++);
}

void CArchive::WriteObject(const CObject* object) {
  if (object == nullptr) {
    WriteWord(wNullTag);
    return;
  }
  if (const uint32_t known = m_source != nullptr ? 0 : m_storeMap.Find(object); known != 0) {
    if (known < wBigObjectTag) {
      WriteWord(static_cast<uint16_t>(known));
    } else {
      WriteWord(wBigObjectTag);
      WriteDWord(known);
    }
    return;
  }
  const DepthGuard depth(*this, m_buffer.size());
  WriteClass(object->GetRuntimeClass());
  if (m_source == nullptr) m_storeMap.Add(object, m_nextIndex);
  ++m_nextIndex;
  // The archive writes through the same operation that reads; storing leaves the
  // object as it was.
  const_cast<CObject*>(object)->Serialize(*this);
}

// ---------------------------------------------------------------------------------
// Loading

void CArchive::Fail(const std::string& message) const { FailAt(message, m_storing ? m_buffer.size() : m_position); }

void CArchive::FailAt(const std::string& message, std::size_t offset) const { throw CArchiveException(message, offset); }

void CArchive::Need(std::size_t bytes) const {
  if (bytes > GetRemaining()) {
    Fail("the file ends too early: " + std::to_string(bytes) + " more bytes needed, " +
         std::to_string(GetRemaining()) + " left");
  }
}

uint8_t CArchive::ReadByte() {
  Need(1);
  return m_data[m_position++];
}

uint16_t CArchive::ReadWord() {
  Need(2);
  const auto value = static_cast<uint16_t>(m_data[m_position] | (m_data[m_position + 1] << 8));
  m_position += 2;
  return value;
}

uint32_t CArchive::ReadDWord() {
  Need(4);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | m_data[m_position + static_cast<std::size_t>(i)];
  m_position += 4;
  return value;
}

int32_t CArchive::ReadInt() { return static_cast<int32_t>(ReadDWord()); }

double CArchive::ReadReal() {
  Need(8);
  const uint64_t low = ReadDWord();
  const uint64_t high = ReadDWord();
  return std::bit_cast<double>(low | (high << 32));
}

CString CArchive::ReadString() {
  const std::size_t start = m_position;
  std::size_t length = ReadByte();
  if (length == 0xFF) {
    length = ReadWord();
    if (length == 0xFFFE) FailAt("a text is marked as wide characters (0xFFFE), which this format never holds", start);
    if (length == 0xFFFF) length = ReadDWord();
  }
  if (length > GetRemaining()) {
    FailAt("a text of " + std::to_string(length) + " characters is longer than the " + std::to_string(GetRemaining()) +
               " bytes left",
           start);
  }
  CString text(reinterpret_cast<const char*>(m_data.data() + m_position), length);
  m_position += length;
  return text;
}

std::size_t CArchive::ReadCount(std::size_t minBytesPerElement) {
  const std::size_t start = m_position;
  std::size_t count = ReadWord();
  if (count == wCountEscape) count = ReadDWord();
  if (minBytesPerElement > 0 && count > GetRemaining() / minBytesPerElement) {
    FailAt("a list of " + std::to_string(count) + " elements cannot fit in the " + std::to_string(GetRemaining()) +
               " bytes left",
           start);
  }
  return count;
}

const CArchive::LoadEntry& CArchive::ExistingObject(std::size_t index, std::size_t tagOffset) const {
  if (index >= m_loadMap.size()) {
    FailAt("a reference to object " + std::to_string(index) + ", which has not been stored before", tagOffset);
  }
  const LoadEntry& entry = m_loadMap[index];
  if (!entry.isObject) {
    FailAt("a reference to object " + std::to_string(index) + ", which is a class, not an object", tagOffset);
  }
  if (!entry.complete) {
    FailAt("a reference to object " + std::to_string(index) + " from inside itself: a record cannot contain itself",
           tagOffset);
  }
  return entry;
}

std::size_t CArchive::Register(LoadEntry entry) {
  // Read again, the bytes name the classes and objects by the indexes they already have.
  if (m_readingAgain) return 0;
  m_loadMap.push_back(entry);
  return m_loadMap.size() - 1;
}

CArchive::Reference CArchive::ReadReference(const CRuntimeClass* required) {
  const std::size_t tagOffset = m_position;
  const uint16_t tag = ReadWord();
  if (tag == wNullTag) return {};

  const CRuntimeClass* runtimeClass = nullptr;
  if (tag == wNewClassTag) {
    const uint16_t schema = ReadWord();
    const uint16_t nameLength = ReadWord();
    if (nameLength == 0 || nameLength > kMaxClassNameLength) {
      FailAt("a class name of " + std::to_string(nameLength) + " characters is not a class name", tagOffset);
    }
    Need(nameLength);
    const std::string name(reinterpret_cast<const char*>(m_data.data() + m_position), nameLength);
    m_position += nameLength;
    runtimeClass = CRuntimeClass::FromName(name);
    if (runtimeClass == nullptr || runtimeClass->m_pfnCreateObject == nullptr) {
      FailAt("unknown class \"" + name + "\"", tagOffset);
    }
    if (schema != runtimeClass->m_wSchema) {
      FailAt("class " + name + " is stored with schema " + std::to_string(schema) + ", but this program reads schema " +
                 std::to_string(runtimeClass->m_wSchema),
             tagOffset);
    }
    Register({.runtimeClass = runtimeClass});
  } else {
    uint32_t index = 0;
    bool isClass = false;
    if (tag == wBigObjectTag) {
      const uint32_t value = ReadDWord();
      isClass = (value & dwBigClassTag) != 0;
      index = value & ~dwBigClassTag;
    } else {
      isClass = (tag & wClassTag) != 0;
      index = tag & ~uint32_t{wClassTag};
    }
    if (!isClass) {
      const LoadEntry& entry = ExistingObject(index, tagOffset);
      if (required != nullptr && !entry.runtimeClass->IsDerivedFrom(required)) {
        FailAt(std::string("a ") + entry.runtimeClass->m_lpszClassName + " where a " + Describe(required) +
                   " is expected",
               tagOffset);
      }
      return {Reference::Existing, index, entry.runtimeClass};
    }
    if (index >= m_loadMap.size() || m_loadMap[index].isObject || m_loadMap[index].runtimeClass == nullptr) {
      FailAt("a reference to class " + std::to_string(index) + ", which has not been stored before", tagOffset);
    }
    runtimeClass = m_loadMap[index].runtimeClass;
  }
  if (required != nullptr && !runtimeClass->IsDerivedFrom(required)) {
    FailAt(std::string("a ") + runtimeClass->m_lpszClassName + " where a " + Describe(required) + " is expected",
           tagOffset);
  }
  return {Reference::New, 0, runtimeClass};
}

void CArchive::ReadObjectData(CObject& object, std::size_t index, std::size_t tagOffset) {
  const DepthGuard depth(*this, tagOffset);
  const std::size_t start = m_position;
  object.Serialize(*this);
  if (!m_readingAgain) {
    LoadEntry& entry = m_loadMap[index];
    entry.complete = true;
    entry.dataStart = start;
    entry.dataEnd = m_position;
  }
}

void CArchive::ChargeCopy(std::size_t bytes, std::size_t offset) {
  m_materialised += bytes;
  if (m_materialised + m_position > m_materialisedLimit) {
    FailAt("the file refers to earlier records so often that their copies would grow past " +
               std::to_string(m_materialisedLimit) + " bytes",
           offset);
  }
}

// A copy of an earlier object, read again from its bytes into the new object, as it
// was read the first time: nothing that was done with the first object since (its owner
// may have changed or destroyed it) reaches the copy.
void CArchive::ReadAgain(CObject& object, std::size_t index, std::size_t tagOffset) {
  const LoadEntry entry = m_loadMap[index];
  ChargeCopy(entry.dataEnd - entry.dataStart, tagOffset);
  const DepthGuard depth(*this, tagOffset);
  const std::size_t position = std::exchange(m_position, entry.dataStart);
  const bool readingAgain = std::exchange(m_readingAgain, true);
  try {
    object.Serialize(*this);
  } catch (const CArchiveException& error) {
    // The bytes read again were read well the first time: the fault (too deep, too
    // many copies) lies in the reference that asked for the copy.
    if (readingAgain) throw;
    FailAt(error.GetMessage(), tagOffset);
  }
  m_position = position;
  m_readingAgain = readingAgain;
}

std::unique_ptr<CObject> CArchive::ReadReferenced(const Reference& reference, std::size_t tagOffset) {
  if (reference.kind == Reference::Null) return nullptr;
  std::unique_ptr<CObject> object = reference.runtimeClass->CreateObject();
  if (reference.kind == Reference::Existing) {
    ReadAgain(*object, reference.index, tagOffset);
  } else {
    ReadObjectData(*object, Register({.runtimeClass = reference.runtimeClass, .isObject = true}), tagOffset);
  }
  return object;
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass* required) {
  const std::size_t tagOffset = m_position;
  return ReadReferenced(ReadReference(required), tagOffset);
}

void CArchive::ReadObjectInto(CObject& target) {
  const std::size_t tagOffset = m_position;
  const CRuntimeClass* required = target.GetRuntimeClass();
  const Reference reference = ReadReference(required);
  if (reference.kind == Reference::Null) return;
  if (reference.runtimeClass != required) {
    FailAt(std::string("a ") + reference.runtimeClass->m_lpszClassName + " where a " + Describe(required) +
               " is expected",
           tagOffset);
  }
  // The target keeps its own settings (the element class of a list), against which
  // the elements are checked as they are read.
  if (reference.kind == Reference::Existing) {
    ReadAgain(target, reference.index, tagOffset);
  } else {
    ReadObjectData(target, Register({.runtimeClass = required, .isObject = true}), tagOffset);
  }
}

// ---------------------------------------------------------------------------------
// Both directions

void CArchive::Exchange(int32_t& value) {
  if (m_storing) {
    WriteInt(value);
  } else {
    value = ReadInt();
  }
}

void CArchive::Exchange(double& value) {
  if (m_storing) {
    WriteReal(value);
  } else {
    value = ReadReal();
  }
}

void CArchive::Exchange(CString& value) {
  if (m_storing) {
    WriteString(value);
  } else {
    value = ReadString();
  }
}

void CArchive::ExchangeList(CObject& list) {
  if (m_storing) {
    WriteObject(&list);
  } else {
    ReadObjectInto(list);
  }
}

void CArchive::Exchange(CObArray& list) { ExchangeList(list); }

void CArchive::Exchange(CStringArray& list) { ExchangeList(list); }

void CArchive::ExchangeRecord(std::unique_ptr<CObject>& record, const CRuntimeClass* required,
                              std::string_view place) {
  const auto refuseList = [&](const CRuntimeClass* runtimeClass, std::size_t offset) {
    if (runtimeClass != nullptr && IsListClass(runtimeClass)) {
      FailAt(std::string(place) + " holds a " + runtimeClass->m_lpszClassName + ", where a single record belongs",
             offset);
    }
  };
  if (m_storing) {
    refuseList(record ? record->GetRuntimeClass() : nullptr, m_buffer.size());
    WriteObject(record.get());
    return;
  }
  // The class is checked at the reference, before anything of a list is read.
  const std::size_t tagOffset = m_position;
  const Reference reference = ReadReference(required);
  refuseList(reference.runtimeClass, tagOffset);
  record = ReadReferenced(reference, tagOffset);
}

void CArchive::ExchangeRoot(CObject& root) {
  const DepthGuard depth(*this, m_storing ? m_buffer.size() : m_position);
  root.Serialize(*this);
}

void CArchive::ExchangeRoot(CObject& root, CFieldSource& source) {
  if (!m_storing) throw std::logic_error("a source fills the fields of a root being written, not read");
  m_sourceRoot = &root;
  m_source = &source;
  ExchangeRoot(root);
}

void CArchive::ExchangeFields(CObject& object) {
  Fields fields(*this, object, &object == m_sourceRoot ? m_source : nullptr);
  object.VisitFields(fields);
}

// A list as WriteObject and CObArray::Serialize write it, with the count written once
// the source has given every element.
void CArchive::WriteElements(CObArray& list, std::string_view key, CFieldSource& source) {
  const DepthGuard depth(*this, m_buffer.size());
  WriteClass(list.GetRuntimeClass());
  ++m_nextIndex;
  const std::size_t countAt = m_buffer.size();
  WriteWord(0);
  std::size_t count = 0;
  source.Elements(key, list, [&](std::unique_ptr<CObject>& element) {
    ExchangeRecord(element, list.GetElementClass(), kListElement);
    ++count;
  });
  // The count as WriteCount writes it; the long form moves the elements on.
  if (count > std::numeric_limits<uint32_t>::max()) Fail("a list of " + std::to_string(count) + " elements is too long");
  const uint16_t word = count < wCountEscape ? static_cast<uint16_t>(count) : wCountEscape;
  std::memcpy(m_buffer.data() + countAt, &word, sizeof word);
  if (count < wCountEscape) return;
  uint8_t wide[sizeof(uint32_t)];
  const auto count32 = static_cast<uint32_t>(count);
  std::memcpy(wide, &count32, sizeof wide);
  m_buffer.insert(m_buffer.begin() + static_cast<std::ptrdiff_t>(countAt + sizeof word), std::begin(wide), std::end(wide));
}

}  // namespace zulparvo
