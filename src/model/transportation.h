// CChar_Transportation: a mount or vehicle of the character, with the picture that its
// file names and the encumbrance levels of what it can carry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "misc/dib_picture.h"
#include "model/base_object.h"
#include "platform/collections.h"

namespace zulparvo {

// The encumbrance levels of a conveyance's load, lightest first.
enum class TransportLoad { None, Light, Medium, Heavy, ExtraHeavy };
inline constexpr std::array<TransportLoad, 5> kTransportLoads{TransportLoad::None, TransportLoad::Light,
                                                              TransportLoad::Medium, TransportLoad::Heavy,
                                                              TransportLoad::ExtraHeavy};

class CChar_Transportation : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Transportation)

 public:
  static constexpr int32_t kClassVersion = 2;
  static constexpr std::size_t kTextCount = 5;
  static constexpr std::size_t kRealCount = 3;
  static constexpr std::size_t kIntegerCount = 6;
  static constexpr std::size_t kListCount = 5;

  CChar_Transportation() = default;
  // Copies the fields and the loaded picture.
  CChar_Transportation(const CChar_Transportation&) = default;
  CChar_Transportation& operator=(const CChar_Transportation&) = default;
  ~CChar_Transportation() override = default;

  // Reading reloads the picture from the picture folder.
  void Serialize(CArchive& ar) override;
  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  // What the conveyance carries at a load level, as a multiple of ST; 0 here.
  virtual int GetWeightMultiple(TransportLoad load) const;
  // The value shown with a load level; 0 here.
  virtual int GetLevelValue(TransportLoad load) const;
  // "Light (2) = 6 X ST": the level's name, its value and its weight multiple.
  CString GetLevelText(TransportLoad load) const;
  // Gives the conveyance a strength; only animals have one, so nothing happens here.
  virtual void SetStrength(int32_t st);
  // Works out the values that follow from the conveyance's strength; none here.
  virtual void RecomputeDamageTexts();

  // Loads the named picture from the picture folder of the profile (DIRECTORIES/
  // PICTURES). Nothing is loaded for an empty name, a name that is not a plain file
  // name inside that folder (it holds "/", "\" or is "." or ".."), or when the profile
  // names no picture folder. True when a picture was loaded.
  bool ReloadPicture();
  bool IsPictureLoaded() const { return m_picture.IsLoaded(); }
  const DibPicture& GetPicture() const { return m_picture; }

  const CString& GetPictureName() const { return m_pictureName; }
  void SetPictureName(CString name) { m_pictureName = std::move(name); }
  // Texts 1 to 5, reals 1 to 3, integers 1 to 6 and lists 1 to 5 by their index from 0.
  const CString& GetText(std::size_t index) const { return m_texts.at(index); }
  void SetText(std::size_t index, CString text) { m_texts.at(index) = std::move(text); }
  double GetReal(std::size_t index) const { return m_reals.at(index); }
  void SetReal(std::size_t index, double value) { m_reals.at(index) = value; }
  int32_t GetInteger(std::size_t index) const { return m_integers.at(index); }
  void SetInteger(std::size_t index, int32_t value) { m_integers.at(index) = value; }
  CObArray& GetList(std::size_t index) { return m_lists.at(index); }

 private:
  std::array<CString, kTextCount> m_texts;
  CString m_pictureName;
  std::array<double, kRealCount> m_reals{};
  std::array<int32_t, kIntegerCount> m_integers{};
  std::array<CObArray, kListCount> m_lists;

  DibPicture m_picture;  // transient
};

}  // namespace zulparvo
