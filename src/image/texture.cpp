#include "image/texture.h"

#include <GL/gl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/game_paths.h"
#include "app/message_box.h"
#include "level/text_file.h"

namespace {

constexpr const char* kErrorCaption = "Error";

/// Directories and devices open like files here but never hold a picture.
bool isRegularFile(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
}

/// What reading a picture file gave.
enum class ReadOutcome { Read, CannotOpen, TooLarge };

/// Whole file as bytes. An empty file cannot be mapped either, so it counts
/// as one that cannot be opened. A file larger than any picture the decoder
/// accepts is not read at all, so a huge file costs neither time nor memory.
ReadOutcome readWholeFile(const std::string& name, std::vector<std::uint8_t>& bytes)
{
    if (!isRegularFile(name)) return ReadOutcome::CannotOpen;
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    if (!in) return ReadOutcome::CannotOpen;
    const std::streamoff size = in.tellg();
    if (size <= 0) return ReadOutcome::CannotOpen;
    if (static_cast<std::uint64_t>(size) > kMaxBmpFileBytes) return ReadOutcome::TooLarge;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    return in ? ReadOutcome::Read : ReadOutcome::CannotOpen;
}

std::string openFailureMessage(const std::string& name)
{
    return "Failed to open DIB file " + name + ".\n";
}

bool canOpen(const char* name)
{
    if (!isRegularFile(name)) return false;
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

} // namespace

std::optional<RGBImage> loadDIBImage(const std::string& name)
{
    std::vector<std::uint8_t> bytes;
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    // Picture names, like every name the game resolves, ignore letter case.
    const std::string onDisk = findFileIgnoringCase(name).value_or(name);
    try {
        outcome = readWholeFile(onDisk, bytes);
    } catch (const std::bad_alloc&) {
        showMessage(kBmpOutOfMemory, kErrorCaption);
        return std::nullopt;
    }
    if (outcome == ReadOutcome::CannotOpen) {
        showMessage(openFailureMessage(name), kErrorCaption);
        return std::nullopt;
    }
    if (outcome == ReadOutcome::TooLarge) {
        showMessage(kBmpConversionError, kErrorCaption);
        return std::nullopt;
    }
    BmpDecodeResult decoded = decodeBmp(bytes);
    if (!decoded.ok()) {
        showMessage(decoded.error, kErrorCaption);
        return std::nullopt;
    }
    return std::move(decoded.image);
}

std::uint32_t loadTexture(const char* name)
{
    if (!name) return 0;
    const std::string path = findGameFile(name);
    if (!canOpen(path.c_str())) return 0;
    std::optional<RGBImage> image = loadDIBImage(path);
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
