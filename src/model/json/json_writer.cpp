// Writing records as JSON: as a tree for host scripts, and as text, streamed.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "base/text_encoding.h"
#include "model/json/json_codec.h"
#include "platform/collections.h"
#include "platform/field_visitor.h"

namespace zulparvo {

namespace {

[[noreturn]] void RefuseNesting(const CObject& record) {
  throw JsonError(std::string("a ") + record.GetClassName() + " holds records nested more than " +
                  std::to_string(kMaxRecordNesting) + " deep");
}

Json RealToJson(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return value;
}

Json TextToJson(const CString& text) { return BytesToUtf8(text); }

class TreeWriter : public CFieldVisitor {
 public:
  TreeWriter(Json& out, int depth) : m_out(out), m_depth(depth) {}

  static Json Record(CObject& record, int depth) {
    if (depth > kMaxRecordNesting) RefuseNesting(record);
    Json out = Json::object();
    out["class"] = record.GetClassName();
    TreeWriter writer(out, depth);
    record.VisitFields(writer);
    return out;
  }

  void Integer(std::string_view key, int32_t& value) override { Add(key, value); }
  void Real(std::string_view key, double& value) override { Add(key, RealToJson(value)); }
  void Text(std::string_view key, CString& value) override { Add(key, TextToJson(value)); }
  void TextList(std::string_view key, CStringArray& value) override {
    Json texts = Json::array();
    for (const CString& text : value) texts.push_back(TextToJson(text));
    Add(key, std::move(texts));
  }
  void List(std::string_view key, CObArray& value) override {
    Json records = Json::array();
    for (const auto& record : value) records.push_back(Record(*record, m_depth + 1));
    Add(key, std::move(records));
  }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    Add(key, value ? Record(*value, m_depth + 1) : Json(nullptr));
  }

 private:
  // Two fields with one key would leave one key, which tests compare with the text.
  void Add(std::string_view key, Json value) { m_out[std::string(key)] = std::move(value); }

  Json& m_out;
  int m_depth;
};

// What each byte of a text becomes between the quotes: itself, an escape, or the UTF-8
// of its character.
class TextEscapes {
 public:
  TextEscapes() {
    for (unsigned byte = 0; byte < 256; ++byte) {
      std::string& out = m_escapes[byte];
      switch (byte) {
        case '"': out = "\\\""; break;
        case '\\': out = "\\\\"; break;
        case '\b': out = "\\b"; break;
        case '\f': out = "\\f"; break;
        case '\n': out = "\\n"; break;
        case '\r': out = "\\r"; break;
        case '\t': out = "\\t"; break;
        default:
          if (byte < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", byte);
            out = code;
          } else if (byte >= 0x80) {
            out = BytesToUtf8(std::string(1, static_cast<char>(byte)));
          }
      }
    }
  }
  // Empty for a byte that stands for itself.
  const std::string& operator[](unsigned char byte) const { return m_escapes[byte]; }

 private:
  std::array<std::string, 256> m_escapes;
};

// Writes JSON text in the layout of nlohmann's dump(2) into a buffer that it hands to
// the stream whenever it has grown past a chunk.
class TextWriter : public CFieldVisitor {
 public:
  TextWriter(std::string& out, std::ostream* stream) : m_out(out), m_stream(stream) {}

  void Record(CObject& record) {
    if (m_nesting > kMaxRecordNesting) RefuseNesting(record);
    ++m_nesting;
    ++m_depth;
    m_out += "{\n";
    Indent();
    m_out += "\"class\": \"";
    m_out += record.GetClassName();
    m_out += '"';
    record.VisitFields(*this);
    m_out += '\n';
    --m_depth;
    --m_nesting;
    Indent();
    m_out += '}';
    if (m_stream != nullptr && m_out.size() >= kChunk) Flush();
  }

  void Flush() {
    m_stream->write(m_out.data(), static_cast<std::streamsize>(m_out.size()));
    m_out.clear();
  }

  void Integer(std::string_view key, int32_t& value) override {
    Key(key);
    char digits[16];
    m_out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  }

  void Real(std::string_view key, double& value) override {
    Key(key);
    if (std::isnan(value)) {
      m_out += "\"NaN\"";
    } else if (std::isinf(value)) {
      m_out += value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    } else {
      // nlohmann's own shortest form, so that every real reads as before.
      char digits[64];
      m_out.append(digits, nlohmann::detail::to_chars(digits, digits + sizeof digits, value));
    }
  }

  void Text(std::string_view key, CString& value) override {
    Key(key);
    String(value);
  }

  void TextList(std::string_view key, CStringArray& value) override {
    Key(key);
    Array(value, [this](const CString& text) { String(text); });
  }

  void List(std::string_view key, CObArray& value) override {
    Key(key);
    Array(value, [this](const std::unique_ptr<CObject>& record) { Record(*record); });
  }

  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    Key(key);
    if (value) {
      Record(*value);
    } else {
      m_out += "null";
    }
  }

 private:
  static constexpr std::size_t kChunk = std::size_t{1} << 16;

  // Every key follows the record's "class", so each begins a new line after a comma.
  void Key(std::string_view key) {
    m_out += ",\n";
    Indent();
    m_out += '"';
    m_out += key;  // keys are lower-case letters, digits and "_"
    m_out += "\": ";
  }

  void Indent() { m_out.append(2 * static_cast<std::size_t>(m_depth), ' '); }

  template <class List, class WriteElement>
  void Array(const List& list, WriteElement writeElement) {
    if (list.GetSize() == 0) {
      m_out += "[]";
      return;
    }
    m_out += '[';
    ++m_depth;
    const char* separator = "\n";
    for (const auto& element : list) {
      m_out += separator;
      separator = ",\n";
      Indent();
      writeElement(element);
    }
    --m_depth;
    m_out += '\n';
    Indent();
    m_out += ']';
  }

  void String(const CString& text) {
    static const TextEscapes escapes;
    m_out += '"';
    std::size_t plain = 0;  // start of the run of bytes that stand for themselves
    for (std::size_t i = 0; i < text.size(); ++i) {
      const std::string& escape = escapes[static_cast<unsigned char>(text[i])];
      if (escape.empty()) continue;
      m_out.append(text, plain, i - plain);
      m_out += escape;
      plain = i + 1;
    }
    m_out.append(text, plain);
    m_out += '"';
  }

  std::string& m_out;
  std::ostream* m_stream;
  int m_depth = 0;    // of indentation
  int m_nesting = 0;  // of records below the first
};

}  // namespace

Json RecordToJson(CObject& record) { return TreeWriter::Record(record, 0); }

std::string RecordToJsonText(CObject& record) {
  std::string out;
  TextWriter(out, nullptr).Record(record);
  return out;
}

void WriteRecordJsonText(CObject& record, std::ostream& out) {
  std::string buffer;
  TextWriter writer(buffer, &out);
  writer.Record(record);
  writer.Flush();
}

}  // namespace zulparvo
