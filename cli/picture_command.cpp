// picture: a bitmap file drawn onto a surface of the chosen size and written as PNG.
#include <png.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/streams.h"
#include "misc/dib_picture.h"
#include "misc/surface.h"
#include "platform/file_io.h"
#include "platform/message_sink.h"

namespace zulparvo::cli {

namespace {

// The largest drawing on either side; it keeps the surface within 256 MB.
constexpr int kMaxSide = 8192;

struct PictureOptions {
  std::string input;
  std::string output;
  std::optional<int> width;
  std::optional<int> height;
};

// The surface as a PNG image, or nothing when the encoder refuses it.
std::optional<std::vector<uint8_t>> EncodePng(const CSurface& surface) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.GetWidth());
  image.height = static_cast<png_uint_32>(surface.GetHeight());
  image.format = PNG_FORMAT_RGBA;
  const png_int_32 stride = surface.GetWidth() * 4;
  png_alloc_size_t size = 0;
  if (png_image_write_to_memory(&image, nullptr, &size, 0, surface.GetBytes().data(), stride, nullptr) == 0) {
    png_image_free(&image);
    return std::nullopt;
  }
  std::vector<uint8_t> png(size);
  if (png_image_write_to_memory(&image, png.data(), &size, 0, surface.GetBytes().data(), stride, nullptr) == 0) {
    png_image_free(&image);
    return std::nullopt;
  }
  png.resize(size);
  return png;
}

int DrawPicture(const PictureOptions& options) {
  std::vector<uint8_t> file;
  try {
    file = ReadInput(options.input);
  } catch (const CFileException& error) {
    return Fail(error.what());
  }
  DibPicture picture;
  {
    CMessageCollector messages;
    if (picture.LoadFromMemory(file) == 0) {
      const std::string why = messages.Messages().empty() ? "cannot load" : messages.Messages().front().text;
      return Fail(options.input + ": not a bitmap that can be shown (" + why + ")");
    }
  }
  const int width = options.width.value_or(picture.GetWidth());
  const int height = options.height.value_or(picture.GetHeight());
  if (width > kMaxSide || height > kMaxSide) {
    return Fail(options.input + ": the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; give --width and --height of at most " + std::to_string(kMaxSide));
  }
  CSurface surface(width, height);
  if (picture.Draw(surface, 0, 0, width, height) == 0) {
    return Fail(options.input + ": pixels of " + std::to_string(picture.GetInfoHeader().bitCount) +
                " bits without a colour table cannot be drawn");
  }
  const auto png = EncodePng(surface);
  if (!png) return Fail(options.output + ": the PNG encoder refused the picture");
  try {
    WriteOutput(options.output, *png);
  } catch (const CFileException& error) {
    return Fail(error.what());
  }
  return kExitOk;
}

}  // namespace

CommandRunner SetUpPicture(CLI::App& app, const GlobalOptions&) {
  auto options = std::make_shared<PictureOptions>();
  app.add_option("FILE.bmp", options->input, "The bitmap file (- for standard input)")->required();
  app.add_option("-o,--output", options->output, "The PNG file to write (- for standard output)")->required();
  app.add_option("--width", options->width, "Width of the drawing (default: the picture's)")
      ->check(CLI::Range(1, kMaxSide));
  app.add_option("--height", options->height, "Height of the drawing (default: the picture's)")
      ->check(CLI::Range(1, kMaxSide));
  app.footer(
      HelpFooter({"zulparvo picture mount.bmp -o mount.png", "zulparvo picture mount.bmp -o - --width 64 | display"},
                 "docs/commands.md"));
  return [options] { return DrawPicture(*options); };
}

}  // namespace zulparvo::cli
