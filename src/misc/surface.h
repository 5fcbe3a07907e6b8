// CSurface: an in-memory picture that pictures are drawn onto, standing in for the
// device context of a window.
//
// Pixels are 8-bit red, green, blue and alpha, four bytes each, rows from the top, with
// no padding between rows, so that the bytes can go to an image writer as they are. A
// new surface is filled with one colour (transparent black unless told otherwise);
// painted pixels are opaque.
#pragma once

#include <cstdint>
#include <vector>

namespace zulparvo {

struct CRgba {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 0;

  bool operator==(const CRgba&) const = default;
};

class CSurface {
 public:
  // Negative sizes are taken as 0. The caller bounds the size; the surface holds
  // width x height x 4 bytes.
  CSurface(int width, int height, CRgba fill = {});

  int GetWidth() const { return m_width; }
  int GetHeight() const { return m_height; }

  // The pixel at column x, row y (from the top); transparent black outside the surface.
  CRgba GetPixel(int x, int y) const;
  // Paints one pixel; a pixel outside the surface is clipped away.
  void SetPixel(int x, int y, CRgba colour);

  // All pixels, rows from the top, four bytes (red, green, blue, alpha) a pixel.
  const std::vector<uint8_t>& GetBytes() const { return m_bytes; }

 private:
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

  int m_width;
  int m_height;
  std::vector<uint8_t> m_bytes;
};

}  // namespace zulparvo
