// CChar_Note: a note that the player keeps on a character.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/object.h"

namespace zulparvo {

class CChar_Note : public CObject {
  ZP_DECLARE_SERIAL(CChar_Note)

 public:
  void VisitFields(CFieldVisitor& visitor) override;

  int32_t GetInteger1() const { return m_integer1; }
  void SetInteger1(int32_t value) { m_integer1 = value; }
  const CString& GetText() const { return m_text; }
  void SetText(CString text) { m_text = std::move(text); }
  int32_t GetFlag() const { return m_flag; }
  void SetFlag(int32_t flag) { m_flag = flag; }
  int32_t GetInteger2() const { return m_integer2; }
  void SetInteger2(int32_t value) { m_integer2 = value; }

 private:
  int32_t m_integer1 = 0;
  CString m_text;
  // Held from version "1.1" on.
  int32_t m_flag = 0;
  int32_t m_integer2 = 0;
};

}  // namespace zulparvo
