// Every record class walked through its field list: filled, written, read, written
// again, copied and compared through JSON; then each older layout that a class reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "model/character.h"
#include "model/json/json_codec.h"
#include "model/type_tags.h"
#include "model/skill_heading.h"
#include "platform/archive_test_support.h"
#include "platform/profile.h"

namespace zulparvo::testing {
namespace {

bool IsModelClass(const CRuntimeClass* c) {
  const std::string_view name = c->m_lpszClassName;
  return c->m_pfnCreateObject != nullptr && (name.starts_with("CChar_") || name == "CZULBaseObject");
}

// Gives every field that files keep a value of its own, going into the records that the
// record already holds; a list gains one record of its class and an empty slot one
// record, down to three levels. With `onlyUnstored`, it fills only the fields of the
// record itself that files do not keep or do not read back.
class Filler : public CFieldVisitor {
 public:
  explicit Filler(int first, bool onlyUnstored = false) : m_next(first), m_onlyUnstored(onlyUnstored) {}
  void Integer(std::string_view, int32_t& value) override { if (Fills(&value)) value = -3 * m_next++; }
  void Real(std::string_view, double& value) override { if (Fills(&value)) value = m_next++ + 0.25; }
  void Text(std::string_view key, CString& value) override {
    if (Fills(&value)) value = std::string(key) + "#" + std::to_string(m_next++);
  }
  void TextList(std::string_view, CStringArray& value) override {
    if (Fills(&value)) value.Add(std::to_string(m_next++));
  }
  void List(std::string_view, CObArray& value) override {
    if (!Fills(&value)) return;
    for (const auto& record : value) Into(*record);
    if (m_depth < 3) value.Add(Filled(value.GetElementClass()));
  }
  void Object(std::string_view, std::unique_ptr<CObject>& value, const CRuntimeClass* required) override {
    if (!Fills(&value)) return;
    if (value) Into(*value);
    if (!value && m_depth < 3) value = Filled(required);
  }
  void Version(const CVersionMarker&) override { m_unstored = false; }
  void Since(const CSince& since) override {
    m_unstored = since.GetKind() == CSince::Kind::Never || since.GetKind() == CSince::Kind::WrittenOnly;
  }

  // A record of the class; of a plain class where any will do.
  std::unique_ptr<CObject> Filled(const CRuntimeClass* runtimeClass) {
    std::unique_ptr<CObject> record = (runtimeClass ? runtimeClass : ZP_RUNTIME_CLASS(CChar_Skill_Heading))->CreateObject();
    Into(*record);
    return record;
  }
  void Into(CObject& record) {
    ++m_depth;
    m_unstored = false;
    record.VisitFields(*this);
    --m_depth;
  }
  std::size_t Fields() const { return m_fields; }
  std::size_t SharedFields() const { return m_shared; }

 private:
  // Counts the record's own fields, and those that a second key presents again.
  bool Fills(const void* field) {
    if (m_depth == 1) {
      ++m_fields;
      if (!m_seen.insert(field).second) ++m_shared;
    }
    return m_onlyUnstored ? m_unstored && m_depth == 1 : !m_unstored;
  }
  int m_next;
  bool m_onlyUnstored;
  bool m_unstored = false;
  int m_depth = 0;
  std::size_t m_fields = 0;
  std::set<const void*> m_seen;
  std::size_t m_shared = 0;
};

class RecordWalk : public ::testing::Test {
 protected:
  void SetUp() override { SetAppProfile(CProfile()); }  // no picture folder
};

TEST_F(RecordWalk, EveryClassRoundTripsAndCopiesDeeply) {
  std::size_t walked = 0;
  for (const CRuntimeClass* runtimeClass : RegisteredClasses()) {
    if (!IsModelClass(runtimeClass)) continue;
    SCOPED_TRACE(runtimeClass->m_lpszClassName);
    ++walked;
    Filler filler(1);
    const std::unique_ptr<CObject> original = filler.Filled(runtimeClass);
    const Json json = RecordToJson(*original);
    EXPECT_EQ(json.size(), filler.Fields() + 1) << "two fields share a key";
    EXPECT_EQ(filler.SharedFields(), 0u) << "two keys share a field";

    const std::vector<uint8_t> bytes = Store({original.get()});
    CArchive in(bytes);
    const std::unique_ptr<CObject> loaded = in.ReadObject(nullptr);
    // Only the character's four trailing integers are written and not read.
    EXPECT_EQ(in.GetRemaining(), runtimeClass == ZP_RUNTIME_CLASS(CChar_Character) ? 16u : 0u);
    ASSERT_EQ(loaded->GetRuntimeClass(), runtimeClass);
    EXPECT_EQ(RecordToJson(*loaded), json);
    EXPECT_EQ(Store({loaded.get()}), bytes);
    EXPECT_EQ(Store({RecordFromJson(json, runtimeClass).get()}), bytes);

    // A copy holds the same, and changing it (records it holds included) leaves the
    // original as it was.
    const std::unique_ptr<CObject> copy = original->Clone();
    EXPECT_EQ(RecordToJson(*copy), json);
    Filler(1000).Into(*copy);
    EXPECT_EQ(RecordToJson(*original), json);

    // What files do not keep does not come back from them.
    const std::unique_ptr<CObject> plain = runtimeClass->CreateObject();
    const Json defaults = RecordToJson(*plain);
    Filler(1, true).Into(*plain);
    const std::vector<uint8_t> unstored = Store({plain.get()});
    CArchive again(unstored);
    EXPECT_EQ(RecordToJson(*again.ReadObject(nullptr)), defaults);
  }
  EXPECT_EQ(walked, 32u);
}

// A record in an older layout: `marker` counts the class levels' version markers from
// the base (an inner marker counts too), `version` is what that marker holds, and
// `lastKey` the last field of its level that the layout has (empty: none after the
// marker). Without a last key the version is newer than any known and refused.
struct Layout {
  const char* className;
  int marker;
  const char* version;
  const char* lastKey;
};

// Writes a filled record as the layout describes it: the fields in order, the marker
// as given, and that level's fields after the last key left out (their keys in Cut()).
class LayoutWriter : public CFieldVisitor {
 public:
  LayoutWriter(CArchive& ar, const Layout& layout) : m_ar(ar), m_layout(layout) {}
  void Integer(std::string_view key, int32_t& value) override { if (Writes(key)) m_ar.WriteInt(value); }
  void Real(std::string_view key, double& value) override { if (Writes(key)) m_ar.WriteReal(value); }
  void Text(std::string_view key, CString& value) override { if (Writes(key)) m_ar.WriteString(value); }
  void TextList(std::string_view key, CStringArray& value) override { if (Writes(key)) m_ar.WriteObject(&value); }
  void List(std::string_view key, CObArray& value) override { if (Writes(key)) m_ar.WriteObject(&value); }
  void Object(std::string_view key, std::unique_ptr<CObject>& value, const CRuntimeClass*) override {
    if (Writes(key)) m_ar.WriteObject(value.get());
  }
  void Version(const CVersionMarker& marker) override {
    m_inLevel = m_marker++ == m_layout.marker;
    if (marker.IsInner() && m_cutting) return;
    m_unread = false;
    const std::string current = marker.IsText() ? marker.Layouts().back() : std::to_string(marker.GetClassVersion());
    const std::string version = m_inLevel ? m_layout.version : current;
    if (marker.IsText()) {
      m_ar.WriteString(version);
    } else {
      m_ar.WriteInt(std::stoi(version));
    }
    m_cutting = m_inLevel && m_layout.lastKey != nullptr && *m_layout.lastKey == '\0';
  }
  void Since(const CSince& since) override {
    m_unread = since.GetKind() == CSince::Kind::Never || since.GetKind() == CSince::Kind::WrittenOnly;
  }
  const std::vector<std::string>& Cut() const { return m_cut; }

 private:
  bool Writes(std::string_view key) {
    if (m_unread) return false;
    if (m_cutting) {
      m_cut.emplace_back(key);
      return false;
    }
    if (m_inLevel && m_layout.lastKey != nullptr && key == m_layout.lastKey) m_cutting = true;
    return true;
  }
  CArchive& m_ar;
  const Layout& m_layout;
  int m_marker = 0;
  bool m_inLevel = false;
  bool m_cutting = false;
  bool m_unread = false;
  std::vector<std::string> m_cut;
};

// Stands for the record in the archive, which writes its data through the writer.
class InLayout : public CObject {
 public:
  InLayout(CObject& record, LayoutWriter& writer) : m_record(record), m_writer(writer) {}
  const CRuntimeClass* GetRuntimeClass() const override { return m_record.GetRuntimeClass(); }
  void Serialize(CArchive& ar) override {
    if (m_record.IsKindOf(ZP_RUNTIME_CLASS(CChar_Character))) ar.WriteString(kCharacterIdentification);
    m_record.VisitFields(m_writer);
  }
  std::unique_ptr<CObject> Clone() const override { return nullptr; }

 private:
  CObject& m_record;
  LayoutWriter& m_writer;
};

// The layouts of the files of earlier versions. A version text that is not a known one
// and not newer holds only the fields that every version holds.
constexpr Layout kLayouts[] = {
    {"CChar_Character", 0, "2.0", "dodge_bonus"},
    {"CChar_Character", 0, "beta", "dodge_bonus"},
    {"CChar_Character", 0, "2.1", "encumbrance_table_switch"},
    {"CChar_Character", 0, "2.2", "further_list"},
    {"CChar_Character", 0, "2.3", "strength_kind"},
    {"CChar_Character", 0, "2.4", "dr_sources"},
    {"CChar_Character", 0, "2.5", "spell_fatigue_bonus"},
    {"CChar_Character", 0, "2.6", "descriptive_text_14"},
    {"CChar_Character", 0, "2.7", "damage_text_3"},
    {"CChar_Character", 0, "2.8", "reaction"},
    {"CChar_Character", 0, "2.9", "crippling_injury_check"},
    {"CChar_Character", 0, "2.10", "damage_text_4"},
    {"CChar_Character", 0, "2.11", "move_cap"},
    {"CChar_Character", 0, "2.12", "integer_12"},
    {"CChar_Ad_Disad", 0, "1.5", "cost_per_level"},
    {"CChar_Ad_Disad", 0, "1.4", "sub_book_code"},
    {"CChar_Ad_Disad", 0, "1.3", "level"},
    {"CChar_Ad_Disad", 0, "1.2", "limitations"},
    {"CChar_Ad_Disad_Magery_Colleges", 0, "1.4", "sub_book_code"},
    {"CChar_Ad_Disad_Object_Relationship", 0, "", "limitations"},
    {"CChar_Enhancement_Limitation", 0, "1.0", "category"},
    {"CChar_Enhancement_Limitation", 1, "1", "sub_book_code"},
    {"CChar_Enhancement_Limitation", 1, "0", "sub_book_code"},
    {"CChar_Skill", 0, "1.6", "text_6"},
    {"CChar_Skill", 0, "1.5", "text_5"},
    {"CChar_Skill", 0, "1.4", "list_2"},
    {"CChar_Skill_Default", 1, "1", "default_text_2"},
    {"CChar_Skill_Maneuver", 1, "1", "default_text_2"},
    {"CChar_Skill_SuperPower", 1, "1", "limitations"},
    {"CChar_Skill_Base", 0, "7", "text_2"},  // a class version the layout does not depend on
    {"CChar_Note", 0, "1.0", "text"},
    {"CChar_Martial_Arts_Style", 0, "1.0", "cinematic_maneuvers"},
    {"CChar_Equipment", 0, "1.2", "quality"},
    {"CChar_Equipment", 0, "1.1", "text_3"},
    {"CChar_Equipment", 0, "1.0", "integer_3"},
    {"CChar_Equipment_Armor", 1, "1", "weight_reduction"},
    {"CChar_Equipment_Barding", 1, "1", "weight_reduction"},
    {"CChar_Transportation", 0, "1", "text_5"},
    {"CChar_Transportation_Animal", 0, "1", "text_5"},
    {"CChar_Transportation_Animal", 1, "1", "animal_integer_5"},
    // Newer than any version this program reads: refused, nothing guessed.
    {"CChar_Character", 0, "9.99", nullptr},
    {"CChar_Character", 0, "2.13", nullptr},
    {"CChar_Ad_Disad", 0, "1.10", nullptr},
    {"CChar_Note", 0, "2", nullptr},
    {"CChar_Enhancement_Limitation", 1, "3", nullptr},
    {"CChar_Skill_Default", 1, "3", nullptr},
    {"CChar_Transportation_Animal", 1, "3", nullptr},
};

// Each older layout reads the fields it has; the others keep their defaults, and the
// record is written back at the current version.
TEST_F(RecordWalk, OlderLayoutsReadTheirFieldsAndNewerOnesAreRefused) {
  for (const Layout& layout : kLayouts) {
    SCOPED_TRACE(std::string(layout.className) + " " + layout.version);
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(layout.className);
    const std::unique_ptr<CObject> full = Filler(1).Filled(runtimeClass);
    CArchive ar;
    LayoutWriter writer(ar, layout);
    const InLayout image(*full, writer);
    ar.WriteObject(&image);
    if (layout.lastKey == nullptr) {
      try {
        Load(ar.GetBuffer());
        ADD_FAILURE() << "a newer layout was read";
      } catch (const CArchiveVersionException& error) {
        EXPECT_NE(error.GetMessage().find(std::string(layout.version) + ", newer than "), std::string::npos)
            << error.what();
      }
      continue;
    }
    Json expected = RecordToJson(*full);
    const Json defaults = RecordToJson(*runtimeClass->CreateObject());
    for (const std::string& key : writer.Cut()) expected[key] = defaults[key];
    EXPECT_EQ(RecordToJson(*Load(ar.GetBuffer())), expected);
  }
}

}  // namespace
}  // namespace zulparvo::testing
