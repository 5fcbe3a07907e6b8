// Mounts and vehicles: load texts, an animal's damage, file layouts of both class
// versions, and where pictures may be loaded from.
#include "model/transportation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/json/json_codec.h"
#include "model/character.h"
#include "model/transportation_animal.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo::testing {
namespace {

std::unique_ptr<CObject> Reload(const std::vector<uint8_t>& bytes) {
  CArchive in(bytes);
  auto loaded = in.ReadObject(nullptr);
  EXPECT_TRUE(in.AtEnd());
  return loaded;
}

TEST(TransportationLoads, TextsOfBothClasses) {
  const CChar_Transportation vehicle;
  const CChar_Transportation_Animal animal;
  EXPECT_EQ(vehicle.GetLevelText(kTransportLoads[0]), "None (0) = 0 X ST");
  EXPECT_EQ(vehicle.GetLevelText(kTransportLoads[4]), "X-hvy (0) = 0 X ST");
  const char* const expected[] = {"None (0) = 2 X ST", "Light (2) = 6 X ST", "Medium (4) = 10 X ST",
                                  "Heavy (6) = 15 X ST", "X-hvy (8) = 20 X ST"};
  for (std::size_t i = 0; i < kTransportLoads.size(); ++i) EXPECT_EQ(animal.GetLevelText(kTransportLoads[i]), expected[i]);
  EXPECT_EQ(vehicle.GetType(), "TB");
}

TEST(TransportationAnimal, DamageFollowsStrength) {
  using Damage = CChar_Transportation_Animal::Damage;
  struct Case { int st; const char *thrust, *swing, *adjusted, *stepFive; };
  for (const Case& c : {Case{10, "1d-2", "1d", "1d-4", "1d-2"}, Case{19, "2d-1", "3d+1", "2d-3", "1d"},
                        Case{30, "3d", "6d", "3d-2", "1d+2"}}) {
    SCOPED_TRACE(c.st);
    CChar_Transportation_Animal animal;
    animal.SetStrength(c.st);
    EXPECT_EQ(animal.GetDamageText(Damage::Thrust), c.thrust);
    EXPECT_EQ(animal.GetDamageText(Damage::Swing), c.swing);
    EXPECT_EQ(animal.GetDamageText(Damage::AdjustedThrust), c.adjusted);
    EXPECT_EQ(animal.GetDamageText(Damage::StepFive), c.stepFive);
    EXPECT_EQ(animal.GetAnimalText(4), "");
  }
}

CChar_Transportation_Animal FilledAnimal() {
  CChar_Transportation_Animal animal;
  for (std::size_t i = 0; i < CChar_Transportation::kTextCount; ++i) animal.SetText(i, "text " + std::to_string(i));
  for (std::size_t i = 0; i < CChar_Transportation::kRealCount; ++i) animal.SetReal(i, 1.5 + static_cast<double>(i));
  for (std::size_t i = 0; i < CChar_Transportation::kIntegerCount; ++i) {
    animal.SetInteger(i, static_cast<int32_t>(i) - 3);
  }
  for (std::size_t i = 0; i < CChar_Transportation::kListCount; ++i) {
    auto entry = std::make_unique<CChar_Transportation>();
    entry->SetText(0, "in list " + std::to_string(i));
    animal.GetList(i).Add(std::move(entry));
  }
  for (std::size_t i = 0; i < CChar_Transportation_Animal::kIntegerCount; ++i) {
    animal.SetAnimalInteger(i, 40 + static_cast<int32_t>(i));
  }
  animal.SetStrength(24);
  animal.SetAnimalText(4, "fifth");
  return animal;
}

TEST(TransportationArchive, RoundTripKeepsEveryField) {
  CChar_Transportation_Animal animal = FilledAnimal();
  auto loaded = Reload(Store({&animal}));
  ASSERT_NE(DynamicDownCast<CChar_Transportation_Animal>(loaded.get()), nullptr);
  EXPECT_EQ(RecordToJson(*loaded), RecordToJson(animal));
}

// An animal written with the class version of each level given. Version 1 leaves out
// list 5 and integers 5 and 6 of the conveyance, and the texts of the animal; when a
// level's later fields are written, they hold -1 and "a" when `later` is set for the
// level, else their defaults. Every other text is "a", integer -1, real 0.5, list empty.
std::vector<uint8_t> AnimalImage(int32_t baseVersion, int32_t animalVersion, bool baseLater = true,
                                 bool animalLater = true) {
  const uint32_t later = baseLater ? 0xFFFFFFFF : 0;
  Bytes bytes;
  bytes.NewClass("CChar_Transportation_Animal").DWord(static_cast<uint32_t>(baseVersion));
  bytes.ShortText("a").ShortText("a").ShortText("").Real(0.5).ShortText("a").ShortText("a").Real(0.5);
  for (int i = 0; i < 4; ++i) bytes.DWord(0xFFFFFFFF);
  bytes.Real(0.5);
  // Class 1 is the animal, object 2 the record, class 3 CObArray, objects 4 on the lists.
  bytes.NewClass("CObArray").Word(0);
  for (int i = 0; i < 3; ++i) bytes.Word(0x8003).Word(0);
  bytes.ShortText("a");
  if (baseVersion > 1) bytes.Word(0x8003).Word(0).DWord(later).DWord(later);
  bytes.DWord(static_cast<uint32_t>(animalVersion));
  for (int i = 0; i < 5; ++i) bytes.DWord(0xFFFFFFFF);
  if (animalVersion > 1) {
    for (int i = 0; i < 5; ++i) bytes.ShortText(animalLater ? "a" : "");
  }
  return bytes;
}

TEST(TransportationArchive, EachLevelReadsItsOwnClassVersion) {
  for (const auto& [baseVersion, animalVersion] :
       {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 1}, std::pair{2, 2}}) {
    SCOPED_TRACE(std::to_string(baseVersion) + "/" + std::to_string(animalVersion));
    auto loaded = Reload(AnimalImage(baseVersion, animalVersion));
    auto& animal = dynamic_cast<CChar_Transportation_Animal&>(*loaded);
    EXPECT_EQ(animal.GetText(4), "a");
    EXPECT_EQ(animal.GetInteger(5), baseVersion > 1 ? -1 : 0);
    EXPECT_EQ(animal.GetStrength(), -1);
    EXPECT_EQ(animal.GetAnimalText(4), animalVersion > 1 ? "a" : "");
    // Written back whole, at class version 2 on both levels.
    EXPECT_EQ(Store({loaded.get()}), AnimalImage(2, 2, baseVersion > 1, animalVersion > 1));
  }
}

// A 1 x 1 bitmap of 24 bits a pixel.
std::vector<uint8_t> TinyBitmap() {
  Bytes bytes;
  bytes.Chars("BM").DWord(58).Word(0).Word(0).DWord(54);
  bytes.DWord(40).DWord(1).DWord(1).Word(1).Word(24).DWord(0).DWord(4).DWord(0).DWord(0).DWord(0).DWord(0);
  bytes.Byte(0x10).Byte(0x20).Byte(0x30).Byte(0);
  return bytes;
}

class TransportationPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("zulparvo-transport-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir / "pictures" / "sub");
    Write(m_dir / "pictures" / "horse.bmp");
    Write(m_dir / "pictures" / "sub" / "pony.bmp");
    Write(m_dir / "outside.bmp");
    std::ofstream(m_dir / "zulparvo.ini") << "[DIRECTORIES]\nPICTURES=pictures\n";
    SetAppProfile(CProfile::Load(m_dir / "zulparvo.ini"));
  }
  void TearDown() override {
    SetAppProfile(CProfile());
    std::filesystem::remove_all(m_dir);
  }
  static void Write(const std::filesystem::path& path) {
    const std::vector<uint8_t> bitmap = TinyBitmap();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bitmap.data()),
                                                static_cast<std::streamsize>(bitmap.size()));
  }
  // The record after it went through a file with that picture name.
  static std::unique_ptr<CChar_Transportation> ThroughFile(const CString& pictureName) {
    CChar_Transportation record;
    record.SetPictureName(pictureName);
    auto loaded = Reload(Store({&record}));
    return std::unique_ptr<CChar_Transportation>(static_cast<CChar_Transportation*>(loaded.release()));
  }

  std::filesystem::path m_dir;
};

TEST_F(TransportationPicture, ReadingLoadsThePictureFromThePictureFolder) {
  CMessageCollector messages;
  auto record = ThroughFile("horse.bmp");
  EXPECT_TRUE(record->IsPictureLoaded());
  EXPECT_EQ(record->GetPicture().GetWidth(), 1);
  EXPECT_TRUE(messages.Messages().empty());
  // A copy keeps the picture; reloading after the name has gone clears it.
  CChar_Transportation copy(*record);
  EXPECT_TRUE(copy.IsPictureLoaded());
  copy.SetPictureName("");
  EXPECT_FALSE(copy.ReloadPicture());
  EXPECT_FALSE(copy.IsPictureLoaded());
}

TEST_F(TransportationPicture, NamesThatLeaveThePictureFolderAreNotLoaded) {
  const std::string absolute = (m_dir / "outside.bmp").string();
  for (const CString& name : {CString(""), CString("."), CString(".."), CString("../outside.bmp"), absolute,
                              CString("sub/pony.bmp"), CString("..\\outside.bmp"), CString("horse.bmp/"),
                              CString("horse.bmp\0x", 11)}) {
    SCOPED_TRACE(name);
    CMessageCollector messages;
    EXPECT_FALSE(ThroughFile(name)->IsPictureLoaded());
    EXPECT_TRUE(messages.Messages().empty());
  }
}

TEST_F(TransportationPicture, MissingPictureIsReported) {
  CMessageCollector messages;
  EXPECT_FALSE(ThroughFile("absent.bmp")->IsPictureLoaded());
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(messages.Messages()[0].text, "Cannot open bitmap: " + (m_dir / "pictures" / "absent.bmp").string());
}

TEST_F(TransportationPicture, NoPictureFolderLoadsNothing) {
  SetAppProfile(CProfile());
  CMessageCollector messages;
  EXPECT_FALSE(ThroughFile("horse.bmp")->IsPictureLoaded());
  EXPECT_TRUE(messages.Messages().empty());
}

TEST(TransportationOnCharacter, FiledCopyKeepsItsClass) {
  SetAppProfile(CProfile());
  CChar_Character character;
  character.AddTransportation(FilledAnimal());
  character.AddTransportation(CChar_Transportation());
  ASSERT_EQ(character.GetTransportation().GetSize(), 2u);
  EXPECT_EQ(character.GetTransportation().GetAt(0)->GetType(), "T4L");
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);

  CArchive out;
  character.Serialize(out);
  const std::vector<uint8_t> bytes = out.TakeBuffer();
  CArchive in(bytes);
  CChar_Character loaded;
  loaded.Serialize(in);
  EXPECT_EQ(RecordToJson(loaded), RecordToJson(character));
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Transportation, 0));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200.0);
}

}  // namespace
}  // namespace zulparvo::testing
