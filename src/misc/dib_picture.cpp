#include "misc/dib_picture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo {

const CRuntimeClass DibPicture::classDibPicture{"DibPicture", 0,
                                                [] { return std::unique_ptr<CObject>(std::make_unique<DibPicture>()); },
                                                &CObject::classCObject};

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::size_t kHeaderSize = DibPicture::kInfoHeaderSize;
// Palette indices are 16 bits wide, so a palette names at most this many colours.
constexpr std::size_t kMaxPaletteEntries = 65536;
constexpr CRgba kBlack{0, 0, 0, 255};

uint16_t ReadWord(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
uint32_t ReadDWord(std::span<const uint8_t> bytes, std::size_t at) {
  return uint32_t{ReadWord(bytes, at)} | uint32_t{ReadWord(bytes, at + 2)} << 16;
}
void WriteWord(std::span<uint8_t> bytes, std::size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
void WriteDWord(std::span<uint8_t> bytes, std::size_t at, uint32_t value) {
  WriteWord(bytes, at, static_cast<uint16_t>(value & 0xFFFF));
  WriteWord(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

CBitmapInfoHeader DecodeInfoHeader(std::span<const uint8_t> bytes) {
  return {ReadDWord(bytes, 0),
          static_cast<int32_t>(ReadDWord(bytes, 4)),
          static_cast<int32_t>(ReadDWord(bytes, 8)),
          ReadWord(bytes, 12),
          ReadWord(bytes, 14),
          ReadDWord(bytes, 16),
          ReadDWord(bytes, 20),
          static_cast<int32_t>(ReadDWord(bytes, 24)),
          static_cast<int32_t>(ReadDWord(bytes, 28)),
          ReadDWord(bytes, 32),
          ReadDWord(bytes, 36)};
}

void EncodeInfoHeader(const CBitmapInfoHeader& header, std::span<uint8_t> bytes) {
  WriteDWord(bytes, 0, header.size);
  WriteDWord(bytes, 4, static_cast<uint32_t>(header.width));
  WriteDWord(bytes, 8, static_cast<uint32_t>(header.height));
  WriteWord(bytes, 12, header.planes);
  WriteWord(bytes, 14, header.bitCount);
  WriteDWord(bytes, 16, header.compression);
  WriteDWord(bytes, 20, header.sizeImage);
  WriteDWord(bytes, 24, static_cast<uint32_t>(header.xPelsPerMeter));
  WriteDWord(bytes, 28, static_cast<uint32_t>(header.yPelsPerMeter));
  WriteDWord(bytes, 32, header.clrUsed);
  WriteDWord(bytes, 36, header.clrImportant);
}

// The 12-byte core header widened to an info header: size 40, width and height (16
// bits without sign there), planes and bits per pixel; every other field 0.
CBitmapInfoHeader WidenCoreHeader(std::span<const uint8_t> bytes) {
  CBitmapInfoHeader header;
  header.size = static_cast<uint32_t>(kHeaderSize);
  header.width = ReadWord(bytes, 4);
  header.height = ReadWord(bytes, 6);
  header.planes = ReadWord(bytes, 8);
  header.bitCount = ReadWord(bytes, 10);
  return header;
}

// Colours in the colour table: the colours-used field when set, else by bits per pixel.
uint64_t ColorCount(const CBitmapInfoHeader& header) {
  if (header.clrUsed != 0) return header.clrUsed;
  switch (header.bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

// Bytes in one pixel row, padded to whole 32-bit words. Width and bits per pixel are
// at most 2^31 and 2^16, so the product cannot overflow 64 bits.
uint64_t RowSize(uint64_t width, uint64_t bitCount) { return ((width * bitCount + 31) & ~uint64_t{31}) / 8; }

uint64_t Height(const CBitmapInfoHeader& header) { return static_cast<uint64_t>(std::abs(int64_t{header.height})); }

void Warn(const CString& text) { AfxMessageBox(text, MessageIcon::Exclamation); }

uint8_t Expand5(unsigned value) { return static_cast<uint8_t>(value << 3 | value >> 2); }

}  // namespace

DibPicture::~DibPicture() { Free(); }

const CRuntimeClass* DibPicture::GetRuntimeClass() const { return &classDibPicture; }

std::unique_ptr<CObject> DibPicture::Clone() const { return std::make_unique<DibPicture>(*this); }

int DibPicture::Load(const CString& path, bool showErrors) {
  Free();
  std::vector<uint8_t> file;
  try {
    file = ReadFileBytes(path);
  } catch (const CFileException&) {
    if (showErrors) Warn("Cannot open bitmap: " + path);
    return 0;
  } catch (const std::bad_alloc&) {
    Warn("Error: no memory!");
    return 0;
  }
  return LoadFromMemory(file);
}

int DibPicture::LoadFromMemory(std::span<const uint8_t> file) {
  Free();
  const auto fail = [this](const char* message) {
    Warn(message);
    Free();
    return 0;
  };

  if (file.size() < kFileHeaderSize) return fail("Error reading BFH!");
  if (ReadWord(file, 0) != kBitmapType) return fail("Error: not a BMF!");
  const uint32_t pixelOffset = ReadDWord(file, 10);

  // The header tells its own length; a short core-header file is not made to hold the
  // 40 bytes of the longer header.
  const std::span<const uint8_t> rest = file.subspan(kFileHeaderSize);
  if (rest.size() < 4) return fail("Error reading BIH!");
  const uint32_t headerSize = ReadDWord(rest, 0);
  const bool core = headerSize == DibPicture::kCoreHeaderSize;
  if (!core && headerSize != kHeaderSize) return fail("Error: not a BMF!");
  if (rest.size() < headerSize) return fail(core ? "Error reading BCH!" : "Error reading BIH!");
  CBitmapInfoHeader header = core ? WidenCoreHeader(rest) : DecodeInfoHeader(rest);

  if (header.compression != 0) return fail("Error: not CLR!");
  if (header.width <= 0 || header.height == 0 || header.height == std::numeric_limits<int32_t>::min()) {
    return fail("Error: not a BMF!");
  }
  // Every size must fit the 32-bit fields and sums of the format.
  constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
  const uint64_t rowSize = RowSize(static_cast<uint64_t>(header.width), header.bitCount);
  const uint64_t colorCount = ColorCount(header);
  if (rowSize > kLimit || rowSize * Height(header) > kLimit - kHeaderSize || colorCount > kLimit / 4) {
    return fail("Error: no memory!");
  }
  const uint64_t imageSize = rowSize * Height(header);
  const uint64_t tableSize = colorCount * 4;
  if (kHeaderSize + tableSize + imageSize > kLimit) return fail("Error: no memory!");

  // The colour table and the pixel rows must be in the file before room is made for them.
  const uint64_t entrySize = core ? 3 : 4;
  const std::span<const uint8_t> table = rest.subspan(headerSize);
  if (table.size() < colorCount * entrySize) return fail("Error reading CT!");
  if (pixelOffset > file.size() || file.size() - pixelOffset < imageSize) return fail("Error reading BITS!");

  try {
    m_block.assign(kHeaderSize + tableSize + imageSize, 0);
  } catch (const std::bad_alloc&) {
    return fail("Error: no memory!");
  }
  header.sizeImage = static_cast<uint32_t>(imageSize);
  header.clrUsed = static_cast<uint32_t>(colorCount);
  EncodeInfoHeader(header, m_block);
  m_colorCount = static_cast<int>(colorCount);
  m_colorTableSize = static_cast<int>(tableSize);
  for (std::size_t i = 0; i < colorCount; ++i) {
    std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(i * entrySize), 3,
                m_block.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + i * 4));
  }
  CreatePalette();
  m_bitsOffset = kHeaderSize + tableSize;
  std::copy_n(file.begin() + pixelOffset, imageSize, m_block.begin() + static_cast<std::ptrdiff_t>(m_bitsOffset));
  return 1;
}

void DibPicture::Free() {
  m_block.clear();
  m_block.shrink_to_fit();
  m_paletteIndices.clear();
  m_palette.DeleteObject();
  m_bitsOffset = 0;
  m_colorCount = 0;
  m_colorTableSize = 0;
}

void DibPicture::CreatePalette() {
  if (m_colorCount <= 0) return;
  const std::size_t count = std::min(static_cast<std::size_t>(m_colorCount), kMaxPaletteEntries);
  std::vector<CPaletteEntry> entries(count);
  m_paletteIndices.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t* entry = &m_block[kHeaderSize + i * 4];  // blue, green, red, 0
    entries[i] = {entry[2], entry[1], entry[0], 0};
    m_paletteIndices[i] = static_cast<uint16_t>(i);
  }
  m_palette.DeleteObject();
  m_palette.CreatePalette(std::move(entries));
}

CBitmapInfoHeader DibPicture::GetInfoHeader() const {
  return IsLoaded() ? DecodeInfoHeader(m_block) : CBitmapInfoHeader{};
}

int DibPicture::GetWidth() const { return GetInfoHeader().width; }

int DibPicture::GetHeight() const { return static_cast<int>(Height(GetInfoHeader())); }

bool DibPicture::IsTopDown() const { return GetInfoHeader().height < 0; }

std::span<const uint8_t> DibPicture::GetBits() const { return std::span<const uint8_t>(m_block).subspan(m_bitsOffset); }

int DibPicture::Draw(CSurface& surface, int x, int y, int width, int height, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight) const {
  if (!IsLoaded()) return 0;
  const CBitmapInfoHeader header = GetInfoHeader();
  const int pictureWidth = GetWidth();
  const int pictureHeight = GetHeight();
  if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return 0;
  if (sourceX < 0 || sourceY < 0 || sourceX >= pictureWidth || sourceY >= pictureHeight) return 0;

  const int bitCount = header.bitCount;
  const bool indexed = bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8;
  const bool direct = bitCount == 16 || bitCount == 24 || bitCount == 32;
  if (!(indexed && m_palette.IsCreated()) && !direct) return 0;

  const int64_t sw = std::min(sourceWidth == 0 ? pictureWidth : sourceWidth, pictureWidth - sourceX);
  const int64_t sh = std::min(sourceHeight == 0 ? pictureHeight : sourceHeight, pictureHeight - sourceY);
  const int64_t dw = width == 0 ? sw : width;
  const int64_t dh = height == 0 ? sh : height;

  const std::span<const uint8_t> bits = GetBits();
  const std::size_t rowSize = static_cast<std::size_t>(RowSize(static_cast<uint64_t>(pictureWidth), header.bitCount));
  const auto colourAt = [&](std::span<const uint8_t> row, std::size_t column) -> CRgba {
    if (indexed) {
      const std::size_t bit = column * static_cast<std::size_t>(bitCount);
      const auto shift = static_cast<unsigned>(8 - static_cast<std::size_t>(bitCount) - bit % 8);
      const unsigned byte = row[bit / 8];
      const std::size_t index = (byte >> shift) & ((1u << bitCount) - 1);
      if (index >= m_paletteIndices.size()) return kBlack;
      const CPaletteEntry& entry = m_palette.GetEntries()[m_paletteIndices[index]];
      return {entry.red, entry.green, entry.blue, 255};
    }
    if (bitCount == 16) {
      const unsigned value = ReadWord(row, column * 2);
      return {Expand5(value >> 10 & 31), Expand5(value >> 5 & 31), Expand5(value & 31), 255};
    }
    const std::size_t at = column * static_cast<std::size_t>(bitCount / 8);  // blue, green, red
    return {row[at + 2], row[at + 1], row[at], 255};
  };

  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t bottom = std::min<int64_t>(int64_t{y} + dh, surface.GetHeight());
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t right = std::min<int64_t>(int64_t{x} + dw, surface.GetWidth());
  for (int64_t dy = top; dy < bottom; ++dy) {
    const int64_t sourceRow = sourceY + (dy - y) * sh / dh;
    const int64_t storedRow = header.height < 0 ? sourceRow : pictureHeight - 1 - sourceRow;
    const std::span<const uint8_t> row = bits.subspan(static_cast<std::size_t>(storedRow) * rowSize, rowSize);
    for (int64_t dx = left; dx < right; ++dx) {
      const int64_t sourceColumn = sourceX + (dx - x) * sw / dw;
      surface.SetPixel(static_cast<int>(dx), static_cast<int>(dy), colourAt(row, static_cast<std::size_t>(sourceColumn)));
    }
  }
  return 1;
}

}  // namespace zulparvo
