#include "misc/dib_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "platform/archive_test_support.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo {
namespace {

constexpr CRgba kNone{};
constexpr CRgba kRed{255, 0, 0, 255};
constexpr CRgba kGreen{0, 255, 0, 255};
constexpr CRgba kBlue{0, 0, 255, 255};
constexpr CRgba kWhite{255, 255, 255, 255};
constexpr CRgba kBlack{0, 0, 0, 255};
constexpr CRgba kGrey{128, 128, 128, 255};

// A bitmap file written out field by field.
struct BitmapFile {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  bool core = false;             // the 12-byte header and 3-byte colour entries
  std::vector<CRgba> colours = {};  // the colour table
  std::vector<uint8_t> rows = {};   // the pixel rows as stored, padded

  std::vector<uint8_t> File() const {
    const uint32_t entrySize = core ? 3 : 4;
    const auto offset = static_cast<uint32_t>(14 + (core ? 12 : 40) + entrySize * colours.size());
    testing::Bytes b;
    b.Chars("BM").DWord(static_cast<uint32_t>(offset + rows.size())).Word(0).Word(0).DWord(offset);
    if (core) {
      b.DWord(12).Word(static_cast<uint16_t>(width)).Word(static_cast<uint16_t>(height)).Word(1).Word(bits);
    } else {
      b.DWord(40).DWord(static_cast<uint32_t>(width)).DWord(static_cast<uint32_t>(height)).Word(1).Word(bits);
      b.DWord(compression).DWord(static_cast<uint32_t>(rows.size())).DWord(2835).DWord(2835).DWord(colorsUsed).DWord(0);
    }
    for (const CRgba& c : colours) {
      b.Byte(c.blue).Byte(c.green).Byte(c.red);
      if (!core) b.Byte(0);
    }
    return b.Append(rows).Get();
  }
};

// Every pixel of a surface of that size after drawing the whole picture at its corner,
// rows from the top.
std::vector<CRgba> Pixels(const CSurface& surface, int width, int height) {
  std::vector<CRgba> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(surface.GetPixel(x, y));
  }
  return pixels;
}

std::vector<CRgba> Painted(const DibPicture& picture, int width, int height, int expectedResult = 1) {
  CSurface surface(width, height);
  EXPECT_EQ(picture.Draw(surface, 0, 0), expectedResult);
  return Pixels(surface, width, height);
}

DibPicture Loaded(const std::vector<uint8_t>& file) {
  CMessageCollector messages;
  DibPicture picture;
  EXPECT_EQ(picture.LoadFromMemory(file), 1);
  EXPECT_TRUE(messages.Messages().empty());
  return picture;
}

std::vector<CRgba> Sixteen() {  // 1 red, 2 green, 3 blue, 15 white, the rest black
  std::vector<CRgba> colours = {kBlack, kRed, kGreen, kBlue};
  colours.resize(15, kBlack);
  colours.push_back(kWhite);
  return colours;
}

TEST(DibPicture, IndexedColoursThroughTheTable) {
  // 1 bit, top row 1 0 1 and bottom row 0 1 1, each row padded to four bytes.
  const DibPicture one = Loaded(
      BitmapFile{.width = 3, .height = 2, .bits = 1, .colours = {kRed, kBlue}, .rows = {0x60, 0, 0, 0, 0xA0, 0, 0, 0}}
          .File());
  EXPECT_EQ(one.GetPalette().GetEntries(), (std::vector<CPaletteEntry>{{255, 0, 0, 0}, {0, 0, 255, 0}}));
  EXPECT_EQ(Painted(one, 3, 2), (std::vector<CRgba>{kBlue, kRed, kBlue, kRed, kBlue, kBlue}));

  const DibPicture four =
      Loaded(BitmapFile{.width = 3, .bits = 4, .colours = Sixteen(), .rows = {0x12, 0x3F, 0, 0}}.File());
  EXPECT_EQ(four.GetColorCount(), 16);
  EXPECT_EQ(Painted(four, 4, 1), (std::vector<CRgba>{kRed, kGreen, kBlue, kNone}));

  std::vector<CRgba> full(256, kGrey);
  full[255] = kWhite;
  const DibPicture all = Loaded(BitmapFile{.width = 2, .bits = 8, .colours = full, .rows = {255, 7, 0, 0}}.File());
  EXPECT_EQ(all.GetColorCount(), 256);
  EXPECT_EQ(Painted(all, 2, 1), (std::vector<CRgba>{kWhite, kGrey}));

  // With 16 colours used, the table is 16 long and an index beyond it paints black.
  const DibPicture some =
      Loaded(BitmapFile{.width = 3, .bits = 8, .colorsUsed = 16, .colours = Sixteen(), .rows = {15, 200, 1, 0}}
                 .File());
  EXPECT_EQ(some.GetColorCount(), 16);
  EXPECT_EQ(some.GetBits().data(), some.GetBlock().data() + 40 + 64);
  EXPECT_EQ(Painted(some, 3, 1), (std::vector<CRgba>{kWhite, kBlack, kRed}));
}

TEST(DibPicture, DirectColoursHaveNoPalette) {
  const std::pair<uint16_t, std::vector<uint8_t>> cases[] = {  // bits, one row of red and green
      {16, {0x00, 0x7C, 0xE0, 0x03}},                          // 5-5-5
      {24, {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0}},        // blue, green, red; padded
      {32, {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00}},  // blue, green, red, unused
  };
  for (const auto& [bits, row] : cases) {
    SCOPED_TRACE(bits);
    const DibPicture picture = Loaded(BitmapFile{.width = 2, .bits = bits, .rows = row}.File());
    EXPECT_EQ(picture.GetColorCount(), 0);
    EXPECT_FALSE(picture.GetPalette().IsCreated());
    EXPECT_EQ(picture.GetBits().data(), picture.GetBlock().data() + 40);
    EXPECT_EQ(Painted(picture, 2, 1), (std::vector<CRgba>{kRed, kGreen}));
  }
}

TEST(DibPicture, CoreHeaderWithThreeByteColours) {
  const DibPicture picture = Loaded(
      BitmapFile{.width = 2, .height = 2, .bits = 4, .core = true, .colours = Sixteen(), .rows = {0x12, 0, 0, 0, 0x3F, 0, 0, 0}}
          .File());
  const CBitmapInfoHeader header = picture.GetInfoHeader();
  EXPECT_EQ(header.size, 40u);
  EXPECT_EQ(header.clrUsed, 16u);
  EXPECT_EQ(header.sizeImage, 8u);
  // Widened to four-byte entries in the block: blue, green, red, 0.
  const auto block = picture.GetBlock();
  EXPECT_EQ(std::vector<uint8_t>(block.begin() + 44, block.begin() + 52), (std::vector<uint8_t>{0, 0, 255, 0, 0, 255, 0, 0}));
  EXPECT_EQ(Painted(picture, 2, 2), (std::vector<CRgba>{kBlue, kWhite, kRed, kGreen}));

  // 36 bytes in all: a file that holds less than 14 + 40 bytes can still be whole.
  const auto small = BitmapFile{.bits = 1, .core = true, .colours = {kBlack, kGreen}, .rows = {0x80, 0, 0, 0}}.File();
  ASSERT_EQ(small.size(), 36u);
  EXPECT_EQ(Painted(Loaded(small), 1, 1), (std::vector<CRgba>{kGreen}));
}

TEST(DibPicture, RowsStoredFromTheTopDrawTheRightWayUp) {
  const DibPicture direct = Loaded(BitmapFile{.width = 1, .height = -2, .rows = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}.File());
  EXPECT_EQ(direct.GetHeight(), 2);
  EXPECT_EQ(Painted(direct, 1, 2), (std::vector<CRgba>{kRed, kBlue}));
  const DibPicture indexed = Loaded(
      BitmapFile{.width = 3, .height = -2, .bits = 1, .colours = {kRed, kBlue}, .rows = {0x60, 0, 0, 0, 0xA0, 0, 0, 0}}
          .File());
  EXPECT_EQ(Painted(indexed, 3, 2), (std::vector<CRgba>{kRed, kBlue, kBlue, kBlue, kRed, kBlue}));
}

// Two by two, from the top: red green / blue white.
DibPicture Quad() {
  return Loaded(BitmapFile{.width = 2, .height = 2, .rows = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}
                    .File());
}

TEST(DibPicture, DrawStretchesTheSourceRectangle) {
  const DibPicture quad = Quad();
  CSurface surface(4, 4);
  ASSERT_EQ(quad.Draw(surface, 0, 0, 4, 4), 1);
  const CRgba r = kRed, g = kGreen, b = kBlue, w = kWhite;
  EXPECT_EQ(Pixels(surface, 4, 4), (std::vector<CRgba>{r, r, g, g, r, r, g, g, b, b, w, w, b, b, w, w}));

  // The right column only, cut down from a source width that reaches past the picture,
  // drawn at its own size and partly off the surface.
  CSurface part(3, 2);
  ASSERT_EQ(quad.Draw(part, 2, -1, 0, 0, 1, 0, 10, 0), 1);
  EXPECT_EQ(Pixels(part, 3, 2), (std::vector<CRgba>{kNone, kNone, kWhite, kNone, kNone, kNone}));

  // Shrunk to one pixel: the source's top-left pixel.
  CSurface one(1, 1);
  ASSERT_EQ(quad.Draw(one, 0, 0, 1, 1), 1);
  EXPECT_EQ(one.GetPixel(0, 0), kRed);
}

TEST(DibPicture, DrawRefusesWhatItCannotPaint) {
  const DibPicture quad = Quad();
  const int refused[][8] = {
      {0, 0, -1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, -1, 0, 0, 0}, {0, 0, 0, 0, 2, 0, 0, 0},
      {0, 0, 0, 0, 0, 2, 0, 0},  {0, 0, 0, 0, 0, 0, -1, 0},
  };
  for (const auto& a : refused) {
    CSurface surface(2, 2);
    EXPECT_EQ(quad.Draw(surface, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]), 0);
    EXPECT_EQ(surface.GetPixel(0, 0), kNone);
  }
  // Two bits per pixel with no colour table is a format without colours.
  EXPECT_EQ(Painted(Loaded(BitmapFile{.bits = 2, .rows = {0, 0, 0, 0}}.File()), 1, 1, 0), (std::vector<CRgba>{kNone}));
  EXPECT_EQ(Painted(DibPicture(), 1, 1, 0), (std::vector<CRgba>{kNone}));
}

TEST(DibPicture, CopiesAreIndependent) {
  DibPicture original = Quad();
  const std::unique_ptr<CObject> clone = original.Clone();
  original.Free();
  EXPECT_FALSE(original.IsLoaded());
  const auto* copy = DynamicDownCast<DibPicture>(clone.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Painted(*copy, 1, 1), (std::vector<CRgba>{kRed}));
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

std::vector<uint8_t> WithDWord(std::vector<uint8_t> bytes, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
  return bytes;
}

struct Refusal {
  const char* what;
  std::vector<uint8_t> file;
  const char* message;
};

TEST(DibPicture, FaultyFilesAreRefusedWithOneMessage) {
  const auto good8 = BitmapFile{.width = 2, .bits = 8, .colorsUsed = 2, .colours = {kRed, kBlue}, .rows = {0, 1, 0, 0}}.File();
  const auto core4 = BitmapFile{.bits = 4, .core = true, .colours = Sixteen(), .rows = {0x10, 0, 0, 0}}.File();
  const auto header = [](int32_t width, int32_t height, uint16_t bits, uint32_t colorsUsed = 0) {
    return BitmapFile{.width = width, .height = height, .bits = bits, .colorsUsed = colorsUsed}.File();
  };
  const uint32_t kMax = std::numeric_limits<uint32_t>::max();
  const std::vector<Refusal> cases = {
      {"empty", {}, "Error reading BFH!"},
      {"file header cut", Cut(good8, 13), "Error reading BFH!"},
      {"not BM", WithDWord(good8, 0, 0x00004142), "Error: not a BMF!"},
      {"header size 108", WithDWord(good8, 14, 108), "Error: not a BMF!"},
      {"header size cut", Cut(good8, 16), "Error reading BIH!"},
      {"info header cut", Cut(good8, 50), "Error reading BIH!"},
      {"core header cut", Cut(core4, 22), "Error reading BCH!"},
      {"run-length compressed",
       BitmapFile{.width = 2, .bits = 8, .compression = 1, .colours = {kRed}, .rows = {2, 0, 0, 1}}.File(),
       "Error: not CLR!"},
      {"colour table cut", Cut(good8, 54 + 7), "Error reading CT!"},
      {"core colour table cut", Cut(core4, 26 + 47), "Error reading CT!"},
      {"pixel rows cut", Cut(good8, good8.size() - 1), "Error reading BITS!"},
      {"pixel offset at the limit", WithDWord(good8, 10, kMax), "Error reading BITS!"},
      {"width 0", header(0, 1, 24), "Error: not a BMF!"},
      {"height 0", header(4, 0, 24), "Error: not a BMF!"},
      {"smallest height", header(4, std::numeric_limits<int32_t>::min(), 24), "Error: not a BMF!"},
      {"row size beyond 32 bits", header(std::numeric_limits<int32_t>::max(), 1, 32), "Error: no memory!"},
      {"row size with 65535 bits a pixel", header(1 << 20, 1, 65535), "Error: no memory!"},
      {"image size beyond 32 bits", header(100000, 100000, 24), "Error: no memory!"},
      {"row size at the limit, image far beyond", header(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), 16),
       "Error: no memory!"},
      {"absurd colours used", header(1, 1, 8, kMax), "Error: no memory!"},
      {"large colours used missing from the file", header(1, 1, 8, 1 << 28), "Error reading CT!"},
      {"large image missing from the file", header(30000, 30000, 24), "Error reading BITS!"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    CMessageCollector messages;
    DibPicture picture = Quad();
    EXPECT_EQ(picture.LoadFromMemory(c.file), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, c.message);
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    // The earlier picture is gone and nothing is left half loaded.
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_EQ(picture.GetColorCount(), 0);
    EXPECT_FALSE(picture.GetPalette().IsCreated());
    EXPECT_EQ(Painted(picture, 1, 1, 0), (std::vector<CRgba>{kNone}));
  }
}

TEST(DibPicture, LoadsFromAFileAndReportsAMissingOneOnlyWhenAsked) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zulparvo_dib_file";
  std::filesystem::create_directories(folder);
  WriteFileAtomically(folder / "two.bmp", BitmapFile{.width = 2, .rows = {0, 0, 0xFF, 0xFF, 0, 0, 0, 0}}.File());
  const std::string missing = (folder / "missing.bmp").string();
  CMessageCollector messages;
  DibPicture picture;
  EXPECT_EQ(picture.Load((folder / "two.bmp").string(), true), 1);
  EXPECT_EQ(Painted(picture, 2, 1), (std::vector<CRgba>{kRed, kBlue}));
  EXPECT_EQ(picture.Load(missing, false), 0);
  EXPECT_FALSE(picture.IsLoaded());
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(picture.Load(missing, true), 0);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, "Cannot open bitmap: " + missing);
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zulparvo
