#include "app/texture.h"

#include <GL/gl.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/message_box.h"

namespace {

constexpr const char* kErrorCaption = "Error";

/// Whole file as bytes; nothing when it cannot be opened or is empty (an empty
/// file cannot be mapped either, so it counts as unopenable).
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad() || bytes.empty()) return std::nullopt;
    return bytes;
}

std::string openFailureMessage(const std::string& name)
{
    return "Failed to open DIB file " + name + ".\n";
}

bool canOpen(const char* name)
{
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

} // namespace

std::optional<RGBImage> loadDIBImage(const std::string& name)
{
    std::optional<std::vector<std::uint8_t>> bytes;
    try {
        bytes = readWholeFile(name);
    } catch (const std::bad_alloc&) {
        showMessage(kBmpOutOfMemory, kErrorCaption);
        return std::nullopt;
    }
    if (!bytes) {
        showMessage(openFailureMessage(name), kErrorCaption);
        return std::nullopt;
    }
    BmpDecodeResult decoded = decodeBmp(*bytes);
    if (!decoded.ok()) {
        showMessage(decoded.error, kErrorCaption);
        return std::nullopt;
    }
    return std::move(decoded.image);
}

std::uint32_t loadTexture(const char* name)
{
    if (!name || !canOpen(name)) return 0;
    std::optional<RGBImage> image = loadDIBImage(name);
    if (!image || image->data.empty()) return 0;

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Decoded rows are packed with no padding; the default alignment of 4
    // would skew every picture whose row is not a multiple of 4 bytes long.
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->data.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

std::uint32_t loadTexture(const std::string& name)
{
    return loadTexture(name.c_str());
}
