#include "platform/archive.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/collections.h"

namespace zulparvo {

static_assert(std::endian::native == std::endian::little, "the archive code assumes a little-endian host");

namespace {

// Copies of earlier objects may add at most this many times the file's size, plus a
// fixed allowance, to what a read materialises.
constexpr std::size_t kCopyExpansion = 16;
constexpr std::size_t kCopyAllowance = std::size_t{1} << 20;

// Keeps the nesting depth for the duration of one object's data.
class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
  ~DepthGuard() { --m_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& m_depth;
};

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
  if (length > std::numeric_limits<uint32_t>::max()) throw std::length_error("text too long for an archive");
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
  if (count > std::numeric_limits<uint32_t>::max()) throw std::length_error("list too long for an archive");
  if (count < wCountEscape) {
    WriteWord(static_cast<uint16_t>(count));
  } else {
    WriteWord(wCountEscape);
    WriteDWord(static_cast<uint32_t>(count));
  }
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass) {
  const auto known = m_storeMap.find(runtimeClass);
  if (known != m_storeMap.end()) {
    if (known->second < wBigObjectTag) {
      WriteWord(static_cast<uint16_t>(wClassTag | known->second));
    } else {
      WriteWord(wBigObjectTag);
      WriteDWord(dwBigClassTag | known->second);
    }
    return;
  }
  const std::size_t nameLength = std::strlen(runtimeClass->m_lpszClassName);
  WriteWord(wNewClassTag);
  WriteWord(runtimeClass->m_wSchema);
  WriteWord(static_cast<uint16_t>(nameLength));
  m_buffer.insert(m_buffer.end(), runtimeClass->m_lpszClassName, runtimeClass->m_lpszClassName + nameLength);
  m_storeMap.emplace(runtimeClass, m_nextIndex++);
}

void CArchive::WriteObject(const CObject* object) {
  if (object == nullptr) {
    WriteWord(wNullTag);
    return;
  }
  const auto known = m_storeMap.find(object);
  if (known != m_storeMap.end()) {
    if (known->second < wBigObjectTag) {
      WriteWord(static_cast<uint16_t>(known->second));
    } else {
      WriteWord(wBigObjectTag);
      WriteDWord(known->second);
    }
    return;
  }
  WriteClass(object->GetRuntimeClass());
  m_storeMap.emplace(object, m_nextIndex++);
  // The archive writes through the same operation that reads; storing leaves the
  // object as it was apart from version markers that it sets to their current values.
  const_cast<CObject*>(object)->Serialize(*this);
}

// ---------------------------------------------------------------------------------
// Loading

void CArchive::Fail(const std::string& message) const { FailAt(message, m_position); }

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

std::string CArchive::Describe(const CRuntimeClass* runtimeClass) {
  return runtimeClass != nullptr ? runtimeClass->m_lpszClassName : "any class";
}

const CArchive::LoadEntry& CArchive::ExistingObject(std::size_t index, std::size_t tagOffset) const {
  if (index >= m_loadMap.size()) {
    FailAt("a reference to object " + std::to_string(index) + ", which has not been stored before", tagOffset);
  }
  const LoadEntry& entry = m_loadMap[index];
  if (entry.object == nullptr) {
    FailAt("a reference to object " + std::to_string(index) + ", which is a class, not an object", tagOffset);
  }
  if (!entry.complete) {
    FailAt("a reference to object " + std::to_string(index) + " from inside itself: a record cannot contain itself",
           tagOffset);
  }
  return entry;
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
    LoadEntry entry;
    entry.runtimeClass = runtimeClass;
    m_loadMap.push_back(entry);
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
      if (required != nullptr && !entry.object->IsKindOf(required)) {
        FailAt(std::string("a ") + entry.object->GetClassName() + " where a " + Describe(required) +
                   " is expected",
               tagOffset);
      }
      return {Reference::Existing, index, nullptr};
    }
    if (index >= m_loadMap.size() || m_loadMap[index].runtimeClass == nullptr) {
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

std::size_t CArchive::RegisterObject(CObject* object) {
  LoadEntry entry;
  entry.object = object;
  m_loadMap.push_back(entry);
  return m_loadMap.size() - 1;
}

void CArchive::ReadObjectData(CObject& object, std::size_t index, std::size_t tagOffset) {
  if (m_depth >= kMaxDepth) FailAt("records are nested more than " + std::to_string(kMaxDepth) + " deep", tagOffset);
  DepthGuard depth(m_depth);
  const std::size_t before = m_materialised + m_position;
  object.Serialize(*this);
  LoadEntry& entry = m_loadMap[index];
  entry.complete = true;
  entry.weight = m_materialised + m_position - before;
}

void CArchive::ChargeCopy(std::size_t weight, std::size_t offset) {
  m_materialised += weight;
  if (m_materialised + m_position > m_materialisedLimit) {
    FailAt("the file refers to earlier records so often that their copies would grow past " +
               std::to_string(m_materialisedLimit) + " bytes",
           offset);
  }
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass* required) {
  const std::size_t tagOffset = m_position;
  const Reference reference = ReadReference(required);
  switch (reference.kind) {
    case Reference::Null:
      return nullptr;
    case Reference::Existing: {
      const LoadEntry& entry = m_loadMap[reference.index];
      ChargeCopy(entry.weight, tagOffset);
      return entry.object->Clone();
    }
    case Reference::New:
      break;
  }
  std::unique_ptr<CObject> object = reference.runtimeClass->CreateObject();
  ReadObjectData(*object, RegisterObject(object.get()), tagOffset);
  return object;
}

void CArchive::ReadObjectInto(CObject& target) {
  const std::size_t tagOffset = m_position;
  const CRuntimeClass* required = target.GetRuntimeClass();
  const Reference reference = ReadReference(required);
  switch (reference.kind) {
    case Reference::Null:
      return;
    case Reference::Existing: {
      const LoadEntry& entry = m_loadMap[reference.index];
      if (entry.object->GetRuntimeClass() != required) {
        FailAt(std::string("a ") + entry.object->GetClassName() + " where a " + Describe(required) + " is expected",
               tagOffset);
      }
      ChargeCopy(entry.weight, tagOffset);
      // The target keeps its own settings (the element class of a list), and the
      // copied elements are checked against them.
      if (auto* list = DynamicDownCast<CObArray>(&target)) {
        const auto& source = static_cast<const CObArray&>(*entry.object);
        list->RemoveAll();
        for (const auto& item : source) {
          if (list->GetElementClass() != nullptr && !item->IsKindOf(list->GetElementClass())) {
            FailAt(std::string("a ") + item->GetClassName() + " in a list of " + Describe(list->GetElementClass()),
                   tagOffset);
          }
          list->Add(item->Clone());
        }
      } else if (auto* texts = DynamicDownCast<CStringArray>(&target)) {
        *texts = static_cast<const CStringArray&>(*entry.object);
      }
      return;
    }
    case Reference::New:
      break;
  }
  if (reference.runtimeClass != required) {
    FailAt(std::string("a ") + reference.runtimeClass->m_lpszClassName + " where a " + Describe(required) +
               " is expected",
           tagOffset);
  }
  ReadObjectData(target, RegisterObject(&target), tagOffset);
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

void CArchive::Exchange(std::unique_ptr<CObject>& object, const CRuntimeClass* required) {
  if (m_storing) {
    WriteObject(object.get());
  } else {
    object = ReadObject(required);
  }
}

}  // namespace zulparvo
