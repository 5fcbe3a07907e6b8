// The C interface (include/zulparvo.h): opaque handles over the character model.
//
// Every function runs its body inside Guarded, which turns any exception into a status
// and this thread's error message, so that nothing is thrown across the C boundary.
// Special calculations run through the three entry points, as a host calls them.

// entry_points.h declares the entry points with the model's types; the header's own
// declarations (with zp_object) are for hosts.
#define ZP_ENTRY_POINTS_DECLARED
#include "zulparvo.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "frame/entry_points.h"
#include "frame/host_operations.h"
#include "frame/module.h"
#include "model/character_file.h"
#include "model/json/json_codec.h"
#include "model/json/json_fields.h"
#include "model/records_from_books.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

using zulparvo::CChar_Character;

struct zp_character {
  std::unique_ptr<CChar_Character> character;
};

struct zp_strings {
  std::vector<std::string> items;
};

namespace zulparvo {
namespace {

static_assert(ZP_LIST_COUNT == kCharacterListCount);
static_assert(ZP_LIST_TRANSPORTATION == static_cast<int>(CharacterList::Transportation));
static_assert(ZP_LIST_MARTIAL_ARTS_STYLES == static_cast<int>(CharacterList::MartialArtsStyles));
static_assert(ZP_ICON_NONE == static_cast<int>(MessageIcon::None));

thread_local std::string t_lastError;

// A refusal with its status, thrown inside a call and turned into the status at its end.
class Failure : public std::runtime_error {
 public:
  Failure(zp_status status, const std::string& message) : std::runtime_error(message), m_status(status) {}
  zp_status Status() const { return m_status; }

 private:
  zp_status m_status;
};

[[noreturn]] void Refuse(zp_status status, const std::string& message) { throw Failure(status, message); }

zp_status SetError(zp_status status, const char* message) noexcept {
  try {
    t_lastError = message;
  } catch (...) {
    t_lastError.clear();  // no memory for the message; the status still tells
  }
  return status;
}

template <class Body>
zp_status Guarded(Body&& body) noexcept {
  t_lastError.clear();
  try {
    body();
    return ZP_OK;
  } catch (const Failure& error) {
    return SetError(error.Status(), error.what());
  } catch (const JsonError& error) {
    return SetError(ZP_ERROR_DATA, error.what());
  } catch (const HostOperationError& error) {
    return SetError(ZP_ERROR_ARGUMENT, error.what());
  } catch (const BookReferenceError& error) {
    return SetError(ZP_ERROR_REFUSED, error.what());
  } catch (const CCharacterFileException& error) {
    return SetError(ZP_ERROR_FILE, error.what());
  } catch (const CFileException& error) {
    return SetError(ZP_ERROR_FILE, error.what());
  } catch (const std::bad_alloc&) {
    return SetError(ZP_ERROR_MEMORY, "out of memory");
  } catch (const std::exception& error) {
    return SetError(ZP_ERROR_INTERNAL, error.what());
  } catch (...) {
    return SetError(ZP_ERROR_INTERNAL, "an unknown failure");
  }
}

template <class T>
T& Required(T* pointer, const char* what) {
  if (pointer == nullptr) Refuse(ZP_ERROR_ARGUMENT, std::string("no ") + what + " (a null pointer)");
  return *pointer;
}

const char* RequiredText(const char* text, const char* what) {
  if (text == nullptr) Refuse(ZP_ERROR_ARGUMENT, std::string("no ") + what + " (a null pointer)");
  return text;
}

int32_t CheckedInt32(long value, const char* what) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    Refuse(ZP_ERROR_ARGUMENT, "the " + std::string(what) + " " + std::to_string(value) + " is out of range");
  }
  return static_cast<int32_t>(value);
}

CChar_Character& Character(const zp_character* handle) { return *Required(handle, "character").character; }

CharacterList ListOf(zp_list list) {
  const auto number = static_cast<std::size_t>(list);
  if (number >= kCharacterListCount) Refuse(ZP_ERROR_ARGUMENT, "no list has the number " + std::to_string(number));
  return static_cast<CharacterList>(number);
}

CObject* RecordAt(const CChar_Character& character, zp_list list, std::size_t index) {
  const CObArray& records = character.GetList(ListOf(list));
  if (index >= records.GetSize()) {
    Refuse(ZP_ERROR_ARGUMENT, "index " + std::to_string(index) + " is out of range (the " +
                                  ListName(ListOf(list)) + " list holds " + std::to_string(records.GetSize()) + ")");
  }
  return records.GetAt(index);
}

Json ParseJsonText(const char* text, const char* what) {
  try {
    return ParseJson(RequiredText(text, what));
  } catch (const JsonError& error) {
    Refuse(ZP_ERROR_DATA, std::string(what) + ": " + error.what());
  }
}

// Memory handed to the host, which gives it back through zp_free.
void* HandOut(const void* data, std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) throw std::bad_alloc();
  if (size != 0) std::memcpy(memory, data, size);
  return memory;
}

char* HandOutText(const std::string& text) { return static_cast<char*>(HandOut(text.c_str(), text.size() + 1)); }

// Hands out the change messages of an operation.
void HandOutChanges(const HostOperationResult& done, zp_strings** changes) {
  if (changes == nullptr) return;
  auto out = std::make_unique<zp_strings>();
  for (const CString& change : done.changes) out->items.push_back(BytesToUtf8(change));
  *changes = out.release();
}

AddOptions Options(unsigned flags) {
  AddOptions options;
  options.apply = GetSpecialCalculationSwitch();
  options.keepRecords = (flags & ZP_KEEP_RECORDS) != 0;
  return options;
}

// Hands out the changes of an operation that ran special calculations. A record that
// the character did not take is a refusal; one whose entry point gave 0 failed inside
// its calculation.
void Calculated(const HostOperationResult& done, CObject& record, zp_strings** changes) {
  if (done.record == nullptr) {
    if (const auto* advantage = DynamicDownCast<CChar_Ad_Disad>(&record)) {
      Refuse(ZP_ERROR_REFUSED, "the category \"" + BytesToUtf8(advantage->GetCategory()) +
                                   "\" is none of AD, DISAD, RACAD, RACDISAD, SUPER-AD, SUPER-DISAD");
    }
    Refuse(ZP_ERROR_REFUSED, std::string("a ") + record.GetClassName() + " is added with its martial-arts style");
  }
  if (done.result == 0) {
    Refuse(ZP_ERROR_INTERNAL, std::string("the special calculations of a ") + record.GetClassName() + " failed");
  }
  HandOutChanges(done, changes);
}

struct AttributeName {
  const char* name;
  Attribute attribute;
  int32_t (CChar_Character::*get)() const;
};
constexpr AttributeName kAttributes[] = {
    {"ST", Attribute::ST, &CChar_Character::GetST},
    {"DX", Attribute::DX, &CChar_Character::GetDX},
    {"IQ", Attribute::IQ, &CChar_Character::GetIQ},
    {"HT", Attribute::HT, &CChar_Character::GetHT},
};

const AttributeName& AttributeNamed(const char* name) {
  const std::string wanted = RequiredText(name, "attribute name");
  for (const AttributeName& attribute : kAttributes) {
    if (wanted == attribute.name) return attribute;
  }
  Refuse(ZP_ERROR_ARGUMENT, "no attribute is called \"" + wanted + "\" (ST, DX, IQ, HT)");
}

std::unique_ptr<zp_character> Wrap(std::unique_ptr<CChar_Character> character) {
  auto handle = std::make_unique<zp_character>();
  handle->character = std::move(character);
  return handle;
}

}  // namespace
}  // namespace zulparvo

using namespace zulparvo;

extern "C" {

const char* zp_version(void) noexcept { return ZULPARVO_VERSION; }

const char* zp_last_error(void) noexcept { return t_lastError.c_str(); }

void zp_free(void* memory) noexcept { std::free(memory); }

zp_status zp_set_profile(const char* path) noexcept {
  return Guarded([&] {
    if (path == nullptr) return ResetAppProfile();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) Refuse(ZP_ERROR_FILE, std::string(path) + ": no such profile");
    try {
      SetAppProfile(CProfile::Load(path));
    } catch (const std::runtime_error& failure) {
      Refuse(ZP_ERROR_FILE, failure.what());
    }
  });
}

zp_status zp_set_message_handler(zp_message_handler handler, void* context) noexcept {
  return Guarded([&] {
    if (handler == nullptr) {
      SetMessageSink({});
      return;
    }
    SetMessageSink([handler, context](MessageIcon icon, const CString& text) {
      handler(static_cast<zp_icon>(icon), BytesToUtf8(text).c_str(), context);
    });
  });
}

const char* zp_list_name(zp_list list) noexcept {
  const auto number = static_cast<std::size_t>(list);
  return number < kCharacterListCount ? ListName(static_cast<CharacterList>(number)) : nullptr;
}

zp_status zp_character_new(zp_character** character) noexcept {
  return Guarded([&] {
    zp_character*& out = Required(character, "place for the character");
    out = Wrap(std::make_unique<CChar_Character>(StartingPoints(GetAppProfile()))).release();
  });
}

zp_status zp_character_load(const char* path, zp_character** character) noexcept {
  return Guarded([&] {
    zp_character*& out = Required(character, "place for the character");
    const std::string file = RequiredText(path, "file name");
    CMessageCollector quiet;  // the error says what the reader would have shown
    out = Wrap(LoadCharacterFile(file)).release();
  });
}

zp_status zp_character_read(const void* bytes, size_t size, zp_character** character) noexcept {
  return Guarded([&] {
    zp_character*& out = Required(character, "place for the character");
    if (bytes == nullptr && size != 0) Refuse(ZP_ERROR_ARGUMENT, "no bytes (a null pointer)");
    CMessageCollector quiet;
    try {
      out = Wrap(ReadCharacter({static_cast<const uint8_t*>(bytes), size})).release();
    } catch (const CArchiveException& error) {
      Refuse(ZP_ERROR_DATA, std::string("damaged character data: ") + error.what());
    } catch (const CCharacterFileException& error) {
      Refuse(ZP_ERROR_DATA, error.what());
    }
  });
}

zp_status zp_character_from_json(const char* json, zp_character** character) noexcept {
  return Guarded([&] {
    zp_character*& out = Required(character, "place for the character");
    out = Wrap(CharacterFromJson(ParseJsonText(json, "character JSON"))).release();
  });
}

void zp_character_free(zp_character* character) noexcept { delete character; }

zp_status zp_character_save(zp_character* character, const char* path) noexcept {
  return Guarded([&] { SaveCharacterFile(RequiredText(path, "file name"), Character(character)); });
}

zp_status zp_character_write(zp_character* character, unsigned char** bytes, size_t* size) noexcept {
  return Guarded([&] {
    unsigned char*& outBytes = Required(bytes, "place for the bytes");
    size_t& outSize = Required(size, "place for the size");
    const std::vector<uint8_t> written = WriteCharacter(Character(character));
    outBytes = static_cast<unsigned char*>(HandOut(written.data(), written.size()));
    outSize = written.size();
  });
}

zp_status zp_character_to_json(zp_character* character, char** json) noexcept {
  return Guarded([&] {
    char*& out = Required(json, "place for the JSON");
    out = HandOutText(RecordToJson(Character(character)).dump());
  });
}

zp_status zp_character_add(zp_character* handle, const char* record_json, unsigned flags,
                           zp_strings** changes) noexcept {
  return Guarded([&] {
    CChar_Character& character = Character(handle);
    const std::unique_ptr<CObject> record = RecordFromJson(ParseJsonText(record_json, "record"), nullptr, "record");
    Calculated(AddRecord(character, *record, Options(flags)), *record, changes);
  });
}

zp_status zp_character_add_from_book(zp_character* handle, const char* reference_json, unsigned flags,
                                     zp_strings** changes) noexcept {
  return Guarded([&] {
    CChar_Character& character = Character(handle);
    const Json reference = ParseJsonText(reference_json, "reference");
    if (!reference.is_object()) Refuse(ZP_ERROR_DATA, "reference: a reference is a JSON object with its \"book\"");
    const auto [book, choices] = BookChoiceFromJson(JsonFields(reference, "reference"), AllBookKinds());
    const std::unique_ptr<CObject> record = RecordFromBook(book, choices);
    Calculated(AddRecord(character, *record, Options(flags)), *record, changes);
  });
}

zp_status zp_character_special_calc(zp_character* handle, zp_list list, size_t index, unsigned flags,
                                    zp_strings** changes) noexcept {
  return Guarded([&] {
    const HostOperationResult done = RunSpecialCalculation(Character(handle), ListOf(list), index, Options(flags));
    Calculated(done, *done.record, changes);
  });
}

zp_status zp_character_remove(zp_character* handle, zp_list list, size_t index) noexcept {
  return Guarded([&] { RemoveRecord(Character(handle), ListOf(list), index); });
}

zp_status zp_character_buy_off(zp_character* handle, size_t index) noexcept {
  return Guarded([&] {
    CChar_Character& character = Character(handle);
    // A refusal is told through the status and its message; other messages are shown.
    std::vector<CMessageCollector::Message> shown;
    int bought = 0;
    {
      CMessageCollector collector;
      bought = BuyOffDisadvantage(character, index).result;
      shown = collector.Messages();
    }
    std::string refusal = "the disadvantage was not bought off";
    if (bought == 0 && !shown.empty()) {
      refusal = BytesToUtf8(shown.back().text);
      shown.pop_back();
    }
    for (const auto& message : shown) AfxMessageBox(message.text, message.icon);
    if (bought == 0) Refuse(ZP_ERROR_REFUSED, refusal);
  });
}

zp_status zp_character_get_attribute(const zp_character* handle, const char* name, long* value) noexcept {
  return Guarded([&] {
    const CChar_Character& character = Character(handle);
    const AttributeName& attribute = AttributeNamed(name);
    Required(value, "place for the value") = (character.*attribute.get)();
  });
}

zp_status zp_character_set_attribute(zp_character* handle, const char* name, long value,
                                     zp_strings** changes) noexcept {
  return Guarded([&] {
    CChar_Character& character = Character(handle);
    const AttributeName& attribute = AttributeNamed(name);
    HandOutChanges(SetAttribute(character, attribute.attribute, CheckedInt32(value, attribute.name)), changes);
  });
}

zp_status zp_character_update_iq(zp_character* handle, long old_iq, long new_iq, zp_strings** changes) noexcept {
  return Guarded([&] {
    HandOutChanges(UpdateIQSkills(Character(handle), old_iq, new_iq), changes);
  });
}

zp_status zp_character_recompute(zp_character* handle) noexcept {
  return Guarded([&] {
    CChar_Character& character = Character(handle);
    character.RecomputeDodgeValue();
    character.RecomputeCarriedWeights();
  });
}

size_t zp_character_count(const zp_character* handle, zp_list list) noexcept {
  const auto number = static_cast<std::size_t>(list);
  if (handle == nullptr || number >= kCharacterListCount) return 0;
  return handle->character->GetList(static_cast<CharacterList>(number)).GetSize();
}

zp_status zp_character_record_name(zp_character* handle, zp_list list, size_t index, char** name) noexcept {
  return Guarded([&] {
    char*& out = Required(name, "place for the name");
    out = HandOutText(BytesToUtf8(ShownName(*RecordAt(Character(handle), list, index))));
  });
}

zp_status zp_character_record_json(zp_character* handle, zp_list list, size_t index, char** json) noexcept {
  return Guarded([&] {
    char*& out = Required(json, "place for the JSON");
    out = HandOutText(RecordToJson(*RecordAt(Character(handle), list, index)).dump());
  });
}

zp_status zp_character_change_log(const zp_character* handle, zp_strings** log) noexcept {
  return Guarded([&] {
    zp_strings*& out = Required(log, "place for the change log");
    auto strings = std::make_unique<zp_strings>();
    for (const CString& change : Character(handle).GetChangeLog()) strings->items.push_back(BytesToUtf8(change));
    out = strings.release();
  });
}

size_t zp_strings_count(const zp_strings* strings) noexcept { return strings == nullptr ? 0 : strings->items.size(); }

const char* zp_strings_at(const zp_strings* strings, size_t index) noexcept {
  return strings == nullptr || index >= strings->items.size() ? nullptr : strings->items[index].c_str();
}

void zp_strings_free(zp_strings* strings) noexcept { delete strings; }

zp_object* zp_character_object(zp_character* handle) noexcept {
  return handle == nullptr ? nullptr : reinterpret_cast<zp_object*>(static_cast<CObject*>(handle->character.get()));
}

zp_object* zp_character_record_object(zp_character* handle, zp_list list, size_t index) noexcept {
  const auto number = static_cast<std::size_t>(list);
  if (handle == nullptr || number >= kCharacterListCount) return nullptr;
  const CObArray& records = handle->character->GetList(static_cast<CharacterList>(number));
  return index < records.GetSize() ? reinterpret_cast<zp_object*>(records.GetAt(index)) : nullptr;
}
}
