#include "model/skill_older.h"

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill, CZULBaseObject, 0)

namespace {

// How many of the three later fields a version holds: "1.5" the first text, "1.6" both
// texts, "1.7" the integer too. Any other version holds none of them.
int LaterFieldCount(const CString& version) {
  if (version == "1.5") return 1;
  if (version == "1.6") return 2;
  if (version == kOlderSkillVersion) return 3;
  return 0;
}

}  // namespace

void CChar_Skill::Serialize(CArchive& ar) {
  CZULBaseObject::Serialize(ar);
  CString version = kOlderSkillVersion;
  ar.Exchange(version);
  ar.Exchange(m_identifier);
  ar.Exchange(m_points);
  ar.Exchange(m_savedPoints);
  ar.Exchange(m_level);
  ar.Exchange(m_name);
  ar.Exchange(m_integer1);
  ar.Exchange(m_integer2);
  ar.Exchange(m_text1);
  ar.Exchange(m_text2);
  ar.Exchange(m_real1);
  ar.Exchange(m_integer3);
  ar.Exchange(m_integer4);
  ar.Exchange(m_text3);
  ar.Exchange(m_integer5);
  ar.Exchange(m_real2);
  ar.Exchange(m_text4);
  ar.Exchange(m_list1);
  ar.Exchange(m_list2);
  const int later = LaterFieldCount(version);
  if (later >= 1) ar.Exchange(m_text5);
  if (later >= 2) ar.Exchange(m_text6);
  if (later >= 3) ar.Exchange(m_integer6);
}

void CChar_Skill::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Integer("identifier", m_identifier);
  visitor.Real("points", m_points);
  visitor.Real("saved_points", m_savedPoints);
  visitor.Integer("level", m_level);
  visitor.Text("name", m_name);
  visitor.Integer("integer_1", m_integer1);
  visitor.Integer("integer_2", m_integer2);
  visitor.Text("text_1", m_text1);
  visitor.Text("text_2", m_text2);
  visitor.Real("real_1", m_real1);
  visitor.Integer("integer_3", m_integer3);
  visitor.Integer("integer_4", m_integer4);
  visitor.Text("text_3", m_text3);
  visitor.Integer("integer_5", m_integer5);
  visitor.Real("real_2", m_real2);
  visitor.Text("text_4", m_text4);
  visitor.List("list_1", m_list1);
  visitor.List("list_2", m_list2);
  visitor.Text("text_5", m_text5);
  visitor.Text("text_6", m_text6);
  visitor.Integer("integer_6", m_integer6);
}

CString CChar_Skill::GetType() const { return CString(1, '\x01'); }

}  // namespace zulparvo
