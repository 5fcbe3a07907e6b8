#include "model/skill_older.h"

#include <array>

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill, CZULBaseObject, 0)

namespace {

// The versions that add the later fields: "1.5" the first text, "1.6" the second, "1.7"
// the integer.
constexpr std::array<const char*, 3> kLayouts = {"1.5", "1.6", kOlderSkillVersion};

}  // namespace

void CChar_Skill::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::Text(kLayouts));
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
  visitor.Since("1.5");
  visitor.Text("text_5", m_text5);
  visitor.Since("1.6");
  visitor.Text("text_6", m_text6);
  visitor.Since("1.7");
  visitor.Integer("integer_6", m_integer6);
}

CString CChar_Skill::GetType() const { return CString(1, '\x01'); }

}  // namespace zulparvo
