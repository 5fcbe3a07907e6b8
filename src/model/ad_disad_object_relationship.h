// CChar_Ad_Disad_Object_Relationship: an advantage or disadvantage that refers to
// another object (a record of any class, or none) and a text.
#pragma once

#include <memory>

#include "model/ad_disad.h"

namespace zulparvo {

class CChar_Ad_Disad_Object_Relationship : public CChar_Ad_Disad {
  ZP_DECLARE_SERIAL(CChar_Ad_Disad_Object_Relationship)

 public:
  CChar_Ad_Disad_Object_Relationship() = default;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;

  CObject* GetRelatedObject() const { return m_relatedObject.get(); }
  void SetRelatedObject(std::unique_ptr<CObject> object) { m_relatedObject = std::move(object); }
  const CString& GetRelatedText() const { return m_relatedText; }
  void SetRelatedText(CString text) { m_relatedText = std::move(text); }

 private:
  COwnedRecord m_relatedObject;  // copies clone it
  CString m_relatedText;
};

}  // namespace zulparvo
