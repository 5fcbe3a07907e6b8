// Mounts and vehicles: load texts, an animal's damage, and where pictures may be
// loaded from.
#include "model/transportation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/character.h"
#include "model/transportation_animal.h"
#include "platform/archive.h"
#include "platform/archive_test_support.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

namespace zulparvo::testing {
namespace {

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
    auto loaded = Load(Store({&record}));
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

TEST(TransportationOnCharacter, FiledCopyKeepsItsClassAndChargesNothing) {
  CChar_Character character;
  character.AddTransportation(CChar_Transportation_Animal());
  character.AddTransportation(CChar_Transportation());
  ASSERT_EQ(character.GetTransportation().GetSize(), 2u);
  EXPECT_EQ(character.GetTransportation().GetAt(0)->GetType(), "T4L");
  EXPECT_EQ(character.GetTransportation().GetAt(1)->GetType(), "TB");
  EXPECT_TRUE(character.RemoveRecord(CharacterList::Transportation, 0));
  EXPECT_DOUBLE_EQ(character.GetPointsAvailable(), 200.0);
  EXPECT_DOUBLE_EQ(character.GetPointsSpent(), 0.0);
}

}  // namespace
}  // namespace zulparvo::testing
