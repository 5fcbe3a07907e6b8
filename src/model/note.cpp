#include "model/note.h"

#include <array>

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Note, CObject, 0)

namespace {

// Notes of version "1.1" add the flag and the second integer.
constexpr std::array<const char*, 1> kLayouts = {kNoteVersion};

}  // namespace

void CChar_Note::VisitFields(CFieldVisitor& visitor) {
  CObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::Text(kLayouts));
  visitor.Integer("integer_1", m_integer1);
  visitor.Text("text", m_text);
  visitor.Since(kNoteVersion);
  visitor.Integer("flag", m_flag);
  visitor.Integer("integer_2", m_integer2);
}

}  // namespace zulparvo
