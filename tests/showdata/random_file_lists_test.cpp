#include "show_data_fixture.h"

#include "showdata/random_file_lists.h"
#include "startup/shared_routines.h"

namespace qv::test {
namespace {

struct ProgramEnded {};

class NoPictures : public ShowDataTest {
protected:
    void SetUp() override
    {
        ShowDataTest::SetUp();
        setProgramEnd([] { throw ProgramEnded{}; });
    }
    void TearDown() override
    {
        setProgramEnd(nullptr);
        ShowDataTest::TearDown();
    }
};

TEST_F(NoPictures, SaysWhereItLookedAndEndsTheProgram)
{
    writeFile(folder_.path() + "/sounds/a.wav", "x");
    randomShowConfig() = RandomShowConfig{};
    randomShowConfig().pictureDirs = {"", folder_.path() + "/empty", folder_.path() + "/also-empty"};
    randomShowConfig().audioDirs = {"", folder_.path() + "/sounds"};
    EXPECT_THROW(BuildRandomFileLists(), ProgramEnded);
    ASSERT_EQ(recorder_.messages.size(), 1U);
    EXPECT_EQ(recorder_.messages[0].text, "No picture files were found in " + folder_.path()
                                              + "/empty   Please go to the screen saver setup screen and specify a correct directory.");
    EXPECT_EQ(recorder_.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(customShow().audioCount, 1);
}

TEST_F(NoPictures, OnePictureIsEnough)
{
    writeFile(folder_.path() + "/pics/a.tif", "x");
    randomShowConfig() = RandomShowConfig{};
    randomShowConfig().pictureDirs = {"", folder_.path() + "/pics"};
    EXPECT_NO_THROW(BuildRandomFileLists());
    EXPECT_EQ(customShow().pictureCount, 1);
    EXPECT_EQ(customShow().picture[1], folder_.path() + "/pics/a.tif");
    EXPECT_TRUE(recorder_.messages.empty());
}

} // namespace
} // namespace qv::test
