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

// The picture a record read from a file shows: only one named plainly in the picture
// folder; a missing one is reported, names that leave the folder are not tried.
TEST(TransportationPicture, ReadingLoadsOnlyFromThePictureFolder) {
  const auto dir = std::filesystem::temp_directory_path() / "zulparvo-transport-pictures";
  std::filesystem::create_directories(dir / "pictures" / "sub");
  for (const char* name : {"pictures/horse.bmp", "pictures/sub/pony.bmp", "outside.bmp"}) {
    const std::vector<uint8_t> bitmap = TinyBitmap();
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bitmap.data()),
                                                     static_cast<std::streamsize>(bitmap.size()));
  }
  std::ofstream(dir / "zulparvo.ini") << "[DIRECTORIES]\nPICTURES=pictures\n";
  const std::string missing = "Cannot open bitmap: " + (dir / "pictures" / "absent.bmp").string();
  struct Case {
    CString name;
    bool withFolder, loaded;
    std::string message;
  };
  const Case cases[] = {
      {"horse.bmp", true, true, ""}, {"horse.bmp", false, false, ""}, {"absent.bmp", true, false, missing},
      {"", true, false, ""}, {".", true, false, ""}, {"..", true, false, ""}, {"../outside.bmp", true, false, ""},
      {(dir / "outside.bmp").string(), true, false, ""}, {"sub/pony.bmp", true, false, ""},
      {"..\\outside.bmp", true, false, ""}, {"horse.bmp/", true, false, ""}, {CString("horse.bmp\0x", 11), true, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetAppProfile(c.withFolder ? CProfile::Load(dir / "zulparvo.ini") : CProfile());
    CMessageCollector messages;
    CChar_Transportation record;
    record.SetPictureName(c.name);
    const auto read = Load(Store({&record}));
    const auto& loaded = static_cast<const CChar_Transportation&>(*read);
    EXPECT_EQ(loaded.IsPictureLoaded(), c.loaded);
    ASSERT_EQ(messages.Messages().size(), c.message.empty() ? 0u : 1u);
    if (!c.message.empty()) {
      EXPECT_EQ(messages.Messages()[0].text, c.message);
    }
    if (c.loaded) {
      // A copy keeps the picture; reloading after the name has gone clears it.
      CChar_Transportation copy(loaded);
      EXPECT_TRUE(copy.IsPictureLoaded());
      copy.SetPictureName("");
      EXPECT_FALSE(copy.ReloadPicture());
      EXPECT_FALSE(copy.IsPictureLoaded());
    }
  }
  SetAppProfile(CProfile());
  std::filesystem::remove_all(dir);
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
