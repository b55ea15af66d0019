#include "app/ResourcePictures.h"

#include "platform/Application.h"
#include "platform/RGBSurface.h"
#include "platform/ResourceFork.h"
#include "toolkit/geometry/VR2PictureExtras.h"

#include <gtest/gtest.h>

namespace {

int Grey(const platform::Picture::Ref& picture, int x, int y)
{
    return platform::Picture::GreyLevel(picture->RGBSurface()->Pixel(x, y));
}

}  // namespace

class ResourcePicturesTest : public ::testing::Test {
protected:
    struct TestApplication : platform::Application {};
    void SetUp() override { platform::Application::Register(std::make_shared<TestApplication>()); }
    void TearDown() override { platform::Application::Register(previous); }
    platform::Application::Ref previous = platform::Application::Current();
};

TEST_F(ResourcePicturesTest, TheNinePicturesComeFromTheProgramAtTheirSizes)
{
    const struct {
        platform::Picture::Ref (*accessor)();
        int size;
    } masked[] = {{goalEmptyIconPic, 25}, {goalMissedIconPic, 25}, {goalHitIconPic, 25}, {addBtnPic, 22},
                  {backBtnPic, 22},       {todayBtnPic, 22},       {nextBtnPic, 22},     {iconPic, 64}};
    for (const auto& [accessor, size] : masked) {
        SCOPED_TRACE("a picture " + std::to_string(size) + " wide");
        ASSERT_TRUE(accessor());
        EXPECT_EQ(accessor(), accessor());
        const auto picture = VR2PictureExtras::PictureAndMask(accessor());
        const int height = size == 25 ? 22 : size;
        EXPECT_EQ(picture->Width(), size);
        EXPECT_EQ(picture->Height(), height);
        EXPECT_EQ(Grey(picture->Mask(), 0, 0), 255);  // every face is round or rounded
        EXPECT_EQ(Grey(picture->Mask(), size / 2, height / 2), 0);
    }
    EXPECT_NE(addBtnPic(), backBtnPic());

    const auto header = headerBackgroundPic();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Width(), 799);
    EXPECT_EQ(header->Height(), 89);
    for (int y : {2, 44, 86})
        EXPECT_LT(Grey(header, 400, y), 128) << "white text must stand out at row " << y;
}

TEST_F(ResourcePicturesTest, AMissingPictureIsNotKept)
{
    // No picture 167: nothing is stored, so the next call reads again and keeps what it finds.
    platform::Picture::Ref variable;
    EXPECT_FALSE(ResourcePictures::ReadOnce(variable, 167));
    const auto header = ResourcePictures::ReadOnce(variable, ResourcePictures::kHeaderBackgroundId);
    EXPECT_TRUE(header);
    EXPECT_EQ(ResourcePictures::ReadOnce(variable, 167), header);
}

TEST_F(ResourcePicturesTest, PicturesDecodedAheadAreTheOnesReadOnDemand)
{
    const auto fork = platform::ResourceFork::Program();
    const auto read = fork->GetPicture(ResourcePictures::kHeaderBackgroundId);
    ResourcePictures::Preload();
    // Handed out once, then read again.
    for (const auto& picture : {fork->GetPicture(ResourcePictures::kHeaderBackgroundId),
                                fork->GetPicture(ResourcePictures::kHeaderBackgroundId)}) {
        ASSERT_TRUE(picture);
        ASSERT_EQ(picture->Width(), read->Width());
        ASSERT_EQ(picture->Height(), read->Height());
        for (int y = 0; y < read->Height(); ++y)
            for (int x = 0; x < read->Width(); x += 7)
                ASSERT_EQ(picture->RGBSurface()->Pixel(x, y).value, read->RGBSurface()->Pixel(x, y).value)
                    << x << "," << y;
    }
}
