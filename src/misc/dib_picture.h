// DibPicture: a device-independent bitmap loaded from a Windows bitmap file, with the
// palette built from its colour table, drawn by stretching onto a surface.
//
// The loaded picture is one block of memory: the 40-byte info header, the colour table
// (four bytes an entry: blue, green, red, 0) and the pixel rows, each row padded to a
// whole number of 32-bit words. A file with the older 12-byte core header is turned into
// the same layout on loading. Only uncompressed bitmaps are taken. Rows stored from the
// top (negative height) are kept as stored and drawn the right way up.
//
// Every size read from the file is checked before memory is set aside for it, so a
// damaged or hostile file costs no more memory than about its own length.
//
// A picture is not stored in character files; it is reloaded from its file.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "misc/surface.h"
#include "platform/object.h"

namespace zulparvo {

// The 40-byte info header of a bitmap, field by field.
struct CBitmapInfoHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative for rows stored from the top
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

// One entry of a logical palette.
struct CPaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;

  bool operator==(const CPaletteEntry&) const = default;
};

// A logical palette: empty until created, emptied again by DeleteObject.
class CPalette {
 public:
  static constexpr uint16_t kVersion = 0x300;

  void CreatePalette(std::vector<CPaletteEntry> entries) { m_entries = std::move(entries); }
  void DeleteObject() { m_entries.clear(); }
  bool IsCreated() const { return !m_entries.empty(); }
  const std::vector<CPaletteEntry>& GetEntries() const { return m_entries; }

 private:
  std::vector<CPaletteEntry> m_entries;
};

class DibPicture : public CObject {
 public:
  static constexpr int kInfoHeaderSize = 40;
  static constexpr int kCoreHeaderSize = 12;

  DibPicture() = default;
  DibPicture(const DibPicture&) = default;  // copies the loaded picture
  DibPicture& operator=(const DibPicture&) = default;
  ~DibPicture() override;

  // A plain run-time class: the picture is never created from a class name in a file.
  static const CRuntimeClass classDibPicture;
  static const CRuntimeClass* ThisClass() { return &classDibPicture; }
  const CRuntimeClass* GetRuntimeClass() const override;
  std::unique_ptr<CObject> Clone() const override;

  // Releases what the picture holds, then loads the bitmap file. 1 on success, 0 on
  // failure (the picture is then empty). A file that cannot be opened is reported with
  // "Cannot open bitmap: " and the path only when showErrors is true; every other fault
  // is always reported. Messages go out with the exclamation icon.
  int Load(const CString& path, bool showErrors);
  // The same for the bytes of a bitmap file already in memory.
  int LoadFromMemory(std::span<const uint8_t> file);

  // Releases the block, the palette indices and the palette.
  void Free();
  // Rebuilds the palette and the palette indices from the colour table; does nothing
  // when there is no colour table.
  void CreatePalette();

  // Stretches the source rectangle (from the picture's top-left corner) onto the
  // destination rectangle of the surface, through the palette when there is one.
  // A source width or height of 0 means the picture's own, and the source is cut down
  // to the picture; a destination width or height of 0 means the (cut) source size.
  // Pixels outside the surface are clipped away. 1 when the picture was drawn; 0 when
  // nothing is loaded, a size is negative, the source origin lies outside the picture
  // or the pixel format cannot be drawn.
  int Draw(CSurface& surface, int x, int y, int width = 0, int height = 0, int sourceX = 0, int sourceY = 0,
           int sourceWidth = 0, int sourceHeight = 0) const;

  bool IsLoaded() const { return !m_block.empty(); }
  // The info header as held in the block (image size and colours used filled in).
  CBitmapInfoHeader GetInfoHeader() const;
  int GetWidth() const;
  int GetHeight() const;  // always 0 or more, also for rows stored from the top
  bool IsTopDown() const;
  int GetColorCount() const { return m_colorCount; }
  int GetColorTableSize() const { return m_colorTableSize; }
  const CPalette& GetPalette() const { return m_palette; }
  // The palette index for each colour-table entry (0, 1, 2, ...), used when drawing
  // through the palette; empty without a colour table.
  const std::vector<uint16_t>& GetPaletteIndices() const { return m_paletteIndices; }
  // The whole block: header, colour table, pixel rows.
  std::span<const uint8_t> GetBlock() const { return m_block; }
  // The pixel rows inside the block.
  std::span<const uint8_t> GetBits() const;

 private:
  std::vector<uint8_t> m_block;
  std::size_t m_bitsOffset = 0;
  int m_colorCount = 0;
  int m_colorTableSize = 0;
  CPalette m_palette;
  std::vector<uint16_t> m_paletteIndices;
};

}  // namespace zulparvo
