#pragma once
// What a PNG may ask of the loaders, whatever its header and chunks declare.
// A PNG beyond these is refused (the loader answers null) before anything of
// that size is allocated. The editor's own images lie far below: at most
// 12800 pixels on a side, 819200 pixels, and no chunk but the image data
// longer than 13 bytes.
//
// Besides the decoded image, a load then allocates at most about
// kMaxPngChunkBytes x (kMaxPngCachedChunks + a few) for kept chunks, plus
// row buffers bounded by kMaxPngSide and the row-address table.

#include <cstdint>

namespace lice_png_limits
{
// Width and height, in pixels.
constexpr uint32_t kMaxPngSide = 65536;
// Width x height: 64 Mi pixels, a 256 MiB decoded image.
constexpr uint64_t kMaxPngPixels = uint64_t(1) << 26;
// The longest chunk read into memory whole (a text, a colour profile, a
// decompressed text), and so the longest allocation for one chunk. Image
// data is streamed and not bound by it.
constexpr uint32_t kMaxPngChunkBytes = uint32_t(1) << 20;
// How many text, suggested-palette and unknown chunks are kept in all.
constexpr uint32_t kMaxPngCachedChunks = 64;
}  // namespace lice_png_limits
