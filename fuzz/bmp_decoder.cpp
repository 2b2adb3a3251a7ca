// Feeds arbitrary bytes to the BMP decoder: it must refuse or decode, never
// read outside the input, overflow a size or hang.
#include <cstdint>
#include <cstdlib>

#include "image/bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const BmpDecodeResult result = decodeBmp({data, size});
    if (result.ok()) {
        const RGBImage& image = result.image;
        const bool sane = image.width >= 1 && image.width <= kMaxBmpSide && image.height >= 1 &&
                          image.height <= kMaxBmpSide &&
                          image.data.size() == static_cast<std::size_t>(image.width) * image.height * 3;
        if (!sane) std::abort();
    } else if (result.error.empty()) {
        std::abort();
    }
    return 0;
}
