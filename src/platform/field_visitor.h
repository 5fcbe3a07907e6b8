// CFieldVisitor: the persistent fields of a record, presented by name.
//
// A persistent class lists its fields once, in VisitFields, with the key under which
// they appear outside the binary files (JSON, documentation). A base class lists its
// fields before the subclass adds its own. Visitors may read or write the fields.
//
// The same list gives the binary form (the archive): the fields in the order listed,
// each class level led by its version marker, and marks from which version of that
// marker on the fields that follow are stored. Only visitors of the binary form need
// the marks; the others ignore them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/object.h"

namespace zulparvo {

class CObArray;
class CStringArray;

// How deeply records and lists may nest: the outermost record (a character) is at
// level 1, and each list or single record inside a level is one level deeper, so that
// a record in a list of the character is at level 3. In JSON each object and array is
// a level. Every reader refuses deeper nesting and every writer refuses to write it,
// so that whatever one writes the others can read.
inline constexpr int kMaxNestingDepth = 64;

// The version marker with which a class level begins in the binary form.
class CVersionMarker {
 public:
  // A version text. `layouts` are the versions that changed the level's fields, oldest
  // first; the last is written. A text read that is none of them holds only the fields
  // before the first mark, unless it names a newer version, which is refused.
  static constexpr CVersionMarker Text(std::span<const char* const> layouts) { return CVersionMarker(layouts, 0); }
  // A class version, written as `current`. Where the fields depend on it (current above
  // 1) a newer class version is refused; otherwise any value is taken.
  static constexpr CVersionMarker ClassVersion(int32_t current) { return CVersionMarker({}, current); }
  // The same marker standing after fields of its own level: it is in the binary form
  // only where the fields before it are.
  constexpr CVersionMarker Inner() const {
    CVersionMarker inner = *this;
    inner.m_inner = true;
    return inner;
  }

  bool IsText() const { return !m_layouts.empty(); }
  std::span<const char* const> Layouts() const { return m_layouts; }
  int32_t GetClassVersion() const { return m_classVersion; }
  bool IsInner() const { return m_inner; }

 private:
  constexpr CVersionMarker(std::span<const char* const> layouts, int32_t classVersion)
      : m_layouts(layouts), m_classVersion(classVersion) {}

  std::span<const char* const> m_layouts;
  int32_t m_classVersion;
  bool m_inner = false;
};

// From where on the fields that follow a mark are in the binary form.
class CSince {
 public:
  enum class Kind { VersionText, ClassVersion, WrittenOnly, Never };
  // From that version text of the level's marker on.
  constexpr CSince(const char* versionText) : m_kind(Kind::VersionText), m_text(versionText) {}  // NOLINT: Since("2.1")
  // From that class version on.
  constexpr CSince(int32_t classVersion) : m_kind(Kind::ClassVersion), m_classVersion(classVersion) {}  // NOLINT: Since(2)
  // Written, but never read back.
  static constexpr CSince WrittenOnly() { return CSince(Kind::WrittenOnly); }
  // Not in the binary form at all.
  static constexpr CSince Never() { return CSince(Kind::Never); }

  Kind GetKind() const { return m_kind; }
  const char* GetText() const { return m_text; }
  int32_t GetClassVersion() const { return m_classVersion; }

 private:
  explicit constexpr CSince(Kind kind) : m_kind(kind) {}
  Kind m_kind;
  const char* m_text = nullptr;
  int32_t m_classVersion = 0;
};

class CFieldVisitor {
 public:
  virtual ~CFieldVisitor() = default;
  virtual void Integer(std::string_view key, int32_t& value) = 0;
  virtual void Real(std::string_view key, double& value) = 0;
  virtual void Text(std::string_view key, CString& value) = 0;
  virtual void TextList(std::string_view key, CStringArray& value) = 0;
  // An owned list of records; the list knows which class its elements must have.
  virtual void List(std::string_view key, CObArray& value) = 0;
  // A single owned record of any class (or of `required` and its subclasses), or none.
  virtual void Object(std::string_view key, std::unique_ptr<CObject>& value,
                      const CRuntimeClass* required) = 0;

  // A class level begins, led in the binary form by its version marker; its fields up
  // to the first Since mark are in every version.
  virtual void Version(const CVersionMarker& /*marker*/) {}
  // The fields after this mark, up to the next mark or the next level, are in the
  // binary form from the given version of the level's marker on.
  virtual void Since(const CSince& /*since*/) {}
};

}  // namespace zulparvo
