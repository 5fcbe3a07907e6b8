// libFuzzer target: arbitrary bytes through the bitmap loader, then drawn.
#include <cstddef>
#include <cstdint>

#include "misc/dib_picture.h"
#include "platform/message_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    zulparvo::SetMessageSink([](zulparvo::MessageIcon, const zulparvo::CString&) {});
    return true;
  }();
  (void)quiet;
  zulparvo::DibPicture picture;
  if (picture.LoadFromMemory({data, size}) == 1) {
    zulparvo::CSurface surface(16, 16);
    picture.Draw(surface, -2, -2, 20, 20);
    picture.Draw(surface, 3, 1, 0, 0, 1, 1, 0, 0);
  }
  return 0;
}
