#include "model/enhancement_limitation.h"

#include <array>
#include <utility>

#include "model/type_tags.h"
#include "platform/field_visitor.h"
#include "refdb/search_processor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Enhancement_Limitation, CZULBaseObject, 0)

namespace {
// Version "1.1" adds the book and the sub-entry keys after a sub-version, whose step 2
// adds the kind.
constexpr std::array<const char*, 1> kLayouts = {kEnhancementVersion};
constexpr int32_t kSubVersion = 2;
}  // namespace

CChar_Enhancement_Limitation::CChar_Enhancement_Limitation(int32_t identifier, double value, CString description,
                                                           CString category, CString bookCode, int32_t kind)
    : m_identifier(identifier),
      m_value(value),
      m_description(std::move(description)),
      m_category(std::move(category)),
      m_bookCode(std::move(bookCode)),
      m_kind(kind) {}

void CChar_Enhancement_Limitation::SetSubEntry(int32_t subIdentifier, CString subCategory, CString subBookCode) {
  m_subIdentifier = subIdentifier;
  m_subCategory = std::move(subCategory);
  m_subBookCode = std::move(subBookCode);
}

void CChar_Enhancement_Limitation::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::Text(kLayouts));
  visitor.Integer("identifier", m_identifier);
  visitor.Real("value", m_value);
  visitor.Text("description", m_description);
  visitor.Text("category", m_category);
  visitor.Since(kEnhancementVersion);
  visitor.Version(CVersionMarker::ClassVersion(kSubVersion).Inner());
  visitor.Text("book_code", m_bookCode);
  visitor.Integer("sub_identifier", m_subIdentifier);
  visitor.Text("sub_category", m_subCategory);
  visitor.Text("sub_book_code", m_subBookCode);
  visitor.Since(2);
  visitor.Integer("kind", m_kind);
}

CString CChar_Enhancement_Limitation::GetType() const { return m_value >= 0.0 ? kTagEnhancement : kTagLimitation; }

CString CChar_Enhancement_Limitation::GetDisplayName() const {
  if (m_displayName.empty()) m_displayName = m_description;
  if (m_displayName.empty()) m_displayName = LookupName();
  return m_displayName;
}

// Keys: identifier, book code and category, or the three sub-keys when the
// sub-identifier is not 0.
CString CChar_Enhancement_Limitation::LookupName() const {
  return LookupReferenceName(ItemKind::EnhancementLimitation,
                             EntryKeys({m_identifier, m_bookCode, m_category},
                                       {m_subIdentifier, m_subBookCode, m_subCategory}));
}

}  // namespace zulparvo
