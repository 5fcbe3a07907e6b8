// CChar_Skill: the older skill record, kept in a list of its own on the character and
// read and written in its own layout.
#pragma once

#include <cstdint>
#include <utility>

#include "model/base_object.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Skill : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Skill)

 public:
  void VisitFields(CFieldVisitor& visitor) override;

  // A text of one character, code 1: the record has no tag of the vocabulary.
  CString GetType() const override;

  int32_t GetIdentifier() const { return m_identifier; }
  void SetIdentifier(int32_t identifier) { m_identifier = identifier; }
  double GetPoints() const { return m_points; }
  void SetPoints(double points) { m_points = points; }
  double GetSavedPoints() const { return m_savedPoints; }
  void SetSavedPoints(double points) { m_savedPoints = points; }
  int32_t GetLevel() const { return m_level; }
  void SetLevel(int32_t level) { m_level = level; }
  const CString& GetName() const { return m_name; }
  void SetName(CString name) { m_name = std::move(name); }
  // Two lists of records of any class.
  CObArray& GetList1() { return m_list1; }
  CObArray& GetList2() { return m_list2; }

 private:
  int32_t m_identifier = 0;
  double m_points = 0.0;
  double m_savedPoints = 0.0;
  int32_t m_level = 0;
  CString m_name;
  int32_t m_integer1 = 0;
  int32_t m_integer2 = 0;
  CString m_text1;
  CString m_text2;
  double m_real1 = 0.0;
  int32_t m_integer3 = 0;
  int32_t m_integer4 = 0;
  CString m_text3;
  int32_t m_integer5 = 0;
  double m_real2 = 0.0;
  CString m_text4;
  CObArray m_list1;
  CObArray m_list2;
  CString m_text5;      // from version "1.5" on
  CString m_text6;      // from version "1.6" on
  int32_t m_integer6 = 0;  // from version "1.7" on
};

}  // namespace zulparvo
