// docs/json-keys.md lists every key of every record class with its type and default.
// It is made from the classes themselves; this test fails when it is out of date and
// rewrites it when ZULPARVO_UPDATE_DOCS=1 is set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "model/json/json_codec.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"
#include "platform/file_io.h"

namespace zulparvo {
namespace {

std::string ClassOf(const CRuntimeClass* required) {
  return required != nullptr ? required->m_lpszClassName : "any class";
}

class KeyTable : public CFieldVisitor {
 public:
  explicit KeyTable(const Json& defaults) : m_defaults(defaults) {}
  void Integer(std::string_view key, int32_t&) override { Row(key, "integer"); }
  void Real(std::string_view key, double&) override { Row(key, "real"); }
  void Text(std::string_view key, CString&) override { Row(key, "text"); }
  void TextList(std::string_view key, CStringArray&) override { Row(key, "list of texts"); }
  void List(std::string_view key, CObArray& list) override {
    Row(key, "list of records (" + ClassOf(list.GetElementClass()) + ")");
  }
  void Object(std::string_view key, std::unique_ptr<CObject>&, const CRuntimeClass* required) override {
    Row(key, "record (" + ClassOf(required) + ") or null");
  }
  std::string Text() const { return m_out.str(); }

 private:
  void Row(std::string_view key, const std::string& type) {
    std::string shown = m_defaults.at(std::string(key)).dump();
    if (shown.size() > 40) shown = "a record of its class";
    m_out << "| `" << key << "` | " << type << " | `" << shown << "` |\n";
  }
  const Json& m_defaults;
  std::ostringstream m_out;
};

std::string MakeDocument() {
  std::ostringstream doc;
  doc << "# JSON keys of every record class\n\n"
         "`zulparvo export` prints a character as JSON and `zulparvo import` reads it back.\n"
         "Every record is an object whose key `class` is its class name; its other keys are\n"
         "listed below with their type and the default that a missing key takes. Texts are\n"
         "UTF-8 (each character stands for one byte of the file, through Windows-1252).\n"
         "Reals that JSON cannot hold are written as the texts `\"NaN\"`, `\"Infinity\"` and\n"
         "`\"-Infinity\"`. A key that a class does not have, or a value of another type, is\n"
         "refused. A character made by a host script without `\"character\"` takes its\n"
         "`points_available` from the profile's `[CHARACTER] STARTINGPOINTS`.\n\n"
         "This file is generated from the classes (tests/json_keys_doc_test.cpp); do not edit it.\n";
  std::vector<const CRuntimeClass*> classes = RegisteredClasses();
  // The model's classes: not the lists, nor the classes that tests add.
  std::erase_if(classes, [](const CRuntimeClass* c) {
    const std::string_view name = c->m_lpszClassName;
    return c->m_pfnCreateObject == nullptr || !(name.starts_with("CChar_") || name == "CZULBaseObject");
  });
  std::sort(classes.begin(), classes.end(), [](const CRuntimeClass* a, const CRuntimeClass* b) {
    return std::string_view(a->m_lpszClassName) < b->m_lpszClassName;
  });
  for (const CRuntimeClass* runtimeClass : classes) {
    auto record = runtimeClass->CreateObject();
    const Json defaults = RecordToJson(*record);
    KeyTable table(defaults);
    record->VisitFields(table);
    doc << "\n## " << runtimeClass->m_lpszClassName << "\n\n";
    if (runtimeClass->m_pBaseClass != nullptr) doc << "Derived from " << runtimeClass->m_pBaseClass->m_lpszClassName << ".\n\n";
    const std::string rows = table.Text();
    if (rows.empty()) {
      doc << "No keys besides `class`.\n";
    } else {
      doc << "| key | type | default |\n|---|---|---|\n" << rows;
    }
  }
  return doc.str();
}

TEST(Documentation, JsonKeysAreUpToDate) {
  const std::filesystem::path path = ZULPARVO_SOURCE_DIR "/docs/json-keys.md";
  const std::string document = MakeDocument();
  const char* update = std::getenv("ZULPARVO_UPDATE_DOCS");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(path) << document;
  }
  std::string current;
  if (std::filesystem::exists(path)) {
    const auto bytes = ReadFileBytes(path);
    current.assign(bytes.begin(), bytes.end());
  }
  EXPECT_EQ(current, document) << path << " is out of date; run the tests with ZULPARVO_UPDATE_DOCS=1";
}

}  // namespace
}  // namespace zulparvo
