#include "model/note.h"

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Note, CObject, 0)

void CChar_Note::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  // Every note is written as "1.1"; one read with another version is "1.1" from then on.
  CString version = kNoteVersion;
  ar.Exchange(version);
  ar.Exchange(m_integer1);
  ar.Exchange(m_text);
  if (ar.IsStoring() || version == kNoteVersion) {
    ar.Exchange(m_flag);
    ar.Exchange(m_integer2);
  }
}

void CChar_Note::VisitFields(CFieldVisitor& visitor) {
  CObject::VisitFields(visitor);
  visitor.Integer("integer_1", m_integer1);
  visitor.Text("text", m_text);
  visitor.Integer("flag", m_flag);
  visitor.Integer("integer_2", m_integer2);
}

}  // namespace zulparvo
