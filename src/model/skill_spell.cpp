#include "model/skill_spell.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Spell, CChar_Skill_Base, 0)

void CChar_Skill_Spell::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("colleges", m_colleges);
  // Not in files, but a script must be able to give it without a reference database.
  visitor.Since(CSince::Never());
  visitor.Text("college_text", m_collegeText);
}

CString CChar_Skill_Spell::GetType() const { return kTagSpell; }

CChar_Skill_Base::ReferenceTable CChar_Skill_Spell::GetReferenceTable() const { return {ItemKind::Spell, "SPELLS"}; }

void CChar_Skill_Spell::TakeReferenceRow(const CReferenceRow& row) { m_collegeText = row.GetText("College"); }

}  // namespace zulparvo
