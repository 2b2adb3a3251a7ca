#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/message_box.h"
#include "image/texture.h"
#include "unit/bmp_test_writer.h"

namespace {

std::vector<MessageRequest> gShown;

MessageAnswer recordMessage(const MessageRequest& request)
{
    gShown.push_back(request);
    return MessageAnswer::Ok;
}

class DibLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        gShown.clear();
        setMessageHook(recordMessage);
        dir_ = std::filesystem::temp_directory_path() /
               ("tangloop_dib_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        setMessageHook(nullptr);
        std::filesystem::remove_all(dir_);
    }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = (dir_ / name).string();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path dir_;
};

} // namespace

TEST_F(DibLoading, ReadsAFileAndShowsNothing)
{
    const bmptest::Picture picture = bmptest::fourColourPicture();
    const std::string path = write("ok.bmp", bmptest::writeBmp(picture, {}));
    const std::optional<RGBImage> image = loadDIBImage(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 5);
    EXPECT_EQ(image->data, bmptest::expectedRgb(picture));
    EXPECT_TRUE(gShown.empty());
}

TEST_F(DibLoading, FailuresAreShownCaptionedError)
{
    const std::string missing = (dir_ / "missing.bmp").string();
    EXPECT_FALSE(loadDIBImage(missing));
    ASSERT_EQ(gShown.size(), 1u);
    EXPECT_EQ(gShown[0].text, "Failed to open DIB file " + missing + ".\n");
    EXPECT_EQ(gShown[0].caption, "Error");
    EXPECT_EQ(gShown[0].buttons, MessageButtons::Ok);

    // An empty file cannot be mapped either: the same message as a missing one.
    const std::string empty = write("empty.bmp", {});
    EXPECT_FALSE(loadDIBImage(empty));
    ASSERT_EQ(gShown.size(), 2u);
    EXPECT_EQ(gShown[1].text, "Failed to open DIB file " + empty + ".\n");

    std::vector<std::uint8_t> v4 = bmptest::writeBmp(bmptest::fourColourPicture(), {});
    bmptest::setU32(v4, 14, 108);
    EXPECT_FALSE(loadDIBImage(write("v4.bmp", v4)));
    ASSERT_EQ(gShown.size(), 3u);
    EXPECT_EQ(gShown[2].text, "Unknown DIB file format.");
    EXPECT_EQ(gShown[2].caption, "Error");

    EXPECT_FALSE(loadDIBImage(write("garbage.bmp", {'B', 'M', 'x'})));
    ASSERT_EQ(gShown.size(), 4u);
    EXPECT_EQ(gShown[3].text, "Image file conversion error.");
}

TEST_F(DibLoading, DirectoriesAndHugeFilesAreNotRead)
{
    // A folder named like a picture cannot be opened as one.
    std::filesystem::create_directories(dir_ / "folder.bmp");
    EXPECT_FALSE(loadDIBImage((dir_ / "folder.bmp").string()));
    ASSERT_EQ(gShown.size(), 1u);
    EXPECT_EQ(gShown[0].text, "Failed to open DIB file " + (dir_ / "folder.bmp").string() + ".\n");

    // A file larger than any accepted picture is refused without reading it
    // (sparse, so the test costs no disk space).
    const std::string huge = write("huge.bmp", {'B', 'M'});
    std::filesystem::resize_file(huge, kMaxBmpFileBytes + 1);
    EXPECT_FALSE(loadDIBImage(huge));
    ASSERT_EQ(gShown.size(), 2u);
    EXPECT_EQ(gShown[1].text, "Image file conversion error.");
}

TEST_F(DibLoading, TextureOfNoNameOrAMissingFileIsZeroAndSilent)
{
    // These return before any GL call, so no context is needed here.
    EXPECT_EQ(loadTexture(nullptr), 0u);
    EXPECT_EQ(loadTexture((dir_ / "label.bmp").string()), 0u);
    EXPECT_EQ(loadTexture(std::string()), 0u);
    std::filesystem::create_directories(dir_ / "Themes");
    EXPECT_EQ(loadTexture((dir_ / "Themes").string()), 0u);
    EXPECT_TRUE(gShown.empty());
}
