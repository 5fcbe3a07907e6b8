#include "model/transportation.h"

#include <filesystem>
#include <string>

#include "base/utilities.h"
#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"
#include "platform/profile.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Transportation, CZULBaseObject, 0)

namespace {

constexpr std::array<const char*, kTransportLoads.size()> kLevelOpenings{"None (", "Light (", "Medium (", "Heavy (",
                                                                        "X-hvy ("};

// A name that stays inside the folder it is looked up in.
bool IsPlainFileName(const CString& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string("/\\\0", 3)) == CString::npos;
}

std::string Numbered(const char* stem, std::size_t number) { return stem + std::to_string(number); }

}  // namespace

void CChar_Transportation::Serialize(CArchive& ar) {
  CZULBaseObject::Serialize(ar);
  if (ar.IsLoading()) ReloadPicture();
}

void CChar_Transportation::VisitFields(CFieldVisitor& v) {
  CZULBaseObject::VisitFields(v);
  v.Version(CVersionMarker::ClassVersion(kClassVersion));
  v.Text("text_1", m_texts[0]);
  v.Text("text_2", m_texts[1]);
  v.Text("picture_name", m_pictureName);
  v.Real("real_1", m_reals[0]);
  v.Text("text_3", m_texts[2]);
  v.Text("text_4", m_texts[3]);
  v.Real("real_2", m_reals[1]);
  for (std::size_t i = 0; i < 4; ++i) v.Integer(Numbered("integer_", i + 1), m_integers[i]);
  v.Real("real_3", m_reals[2]);
  for (std::size_t i = 0; i < 4; ++i) v.List(Numbered("list_", i + 1), m_lists[i]);
  v.Text("text_5", m_texts[4]);
  v.Since(2);
  v.List("list_5", m_lists[4]);
  v.Integer("integer_5", m_integers[4]);
  v.Integer("integer_6", m_integers[5]);
}

CString CChar_Transportation::GetType() const { return kTagTransportation; }

int CChar_Transportation::GetWeightMultiple(TransportLoad) const { return 0; }

int CChar_Transportation::GetLevelValue(TransportLoad) const { return 0; }

CString CChar_Transportation::GetLevelText(TransportLoad load) const {
  return kLevelOpenings[static_cast<std::size_t>(load)] + LongtoString(GetLevelValue(load), 0) + ") = " +
         LongtoString(GetWeightMultiple(load), 0) + " X ST";
}

void CChar_Transportation::SetStrength(int32_t) {}

void CChar_Transportation::RecomputeDamageTexts() {}

bool CChar_Transportation::ReloadPicture() {
  m_picture.Free();
  // The name comes from a file that may come from anywhere: it must not lead the
  // loader outside the picture folder.
  if (!IsPlainFileName(m_pictureName)) return false;
  const CString folder = GetPictureDir(GetAppProfile().GetProfileString("DIRECTORIES", "PICTURES", ""));
  if (folder.empty()) return false;
  return m_picture.Load((std::filesystem::path(folder) / m_pictureName).string(), true) == 1;
}

}  // namespace zulparvo
