#include "misc/surface.h"

#include <algorithm>
#include <cstddef>

namespace zulparvo {

namespace {

std::size_t Offset(int x, int y, int width) {
  return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
}

}  // namespace

CSurface::CSurface(int width, int height, CRgba fill) : m_width(std::max(width, 0)), m_height(std::max(height, 0)) {
  m_bytes.resize(Offset(0, m_height, m_width));
  for (std::size_t i = 0; i < m_bytes.size(); i += 4) {
    m_bytes[i] = fill.red;
    m_bytes[i + 1] = fill.green;
    m_bytes[i + 2] = fill.blue;
    m_bytes[i + 3] = fill.alpha;
  }
}

CRgba CSurface::GetPixel(int x, int y) const {
  if (!Contains(x, y)) return {};
  const std::size_t at = Offset(x, y, m_width);
  return {m_bytes[at], m_bytes[at + 1], m_bytes[at + 2], m_bytes[at + 3]};
}

void CSurface::SetPixel(int x, int y, CRgba colour) {
  if (!Contains(x, y)) return;
  const std::size_t at = Offset(x, y, m_width);
  m_bytes[at] = colour.red;
  m_bytes[at + 1] = colour.green;
  m_bytes[at + 2] = colour.blue;
  m_bytes[at + 3] = colour.alpha;
}

}  // namespace zulparvo
