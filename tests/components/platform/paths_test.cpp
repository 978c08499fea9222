#include "components/platform/file_errors.h"
#include "components/platform/paths.h"
#include "components/platform/pointer.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace qv {
namespace {

// Folders end in one separator, so names are simply appended to them.
TEST(Paths, UserDataFolderFollowsXdgAndIsCreated)
{
    const QString folder = userDataFolder();
    EXPECT_EQ(folder, qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
}

// The build tree's copy serves only programs run from inside it; an installed program
// looks beside its bin folder and in the configured prefix, never where it was built.
TEST(Paths, BuildTreeResourcesServeOnlyProgramsInsideIt)
{
    const QString tree = QStringLiteral("/src/build");
    const QString built = QStringLiteral("/src/build/share/quintavue");
    const QString installed = QStringLiteral("/usr/share/quintavue");
    struct Case {
        const char* program;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"/src/build", {"/src/share/quintavue/", "/src/build/share/quintavue/", "/usr/share/quintavue/"}},
        {"/src/build/tests/engine", {"/src/build/tests/share/quintavue/", "/src/build/share/quintavue/",
                                     "/usr/share/quintavue/"}},
        {"/usr/bin", {"/usr/share/quintavue/", "/usr/share/quintavue/"}},
        {"/src/build-release", {"/src/share/quintavue/", "/usr/share/quintavue/"}},
        {"", {"/usr/share/quintavue/"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resourceFolderCandidates(QString::fromUtf8(c.program), tree, built, installed), c.expected)
            << c.program;
}

TEST(FileErrors, OperatingSystemFailuresMapToStableCodesWithTexts)
{
    EXPECT_EQ(fileErrorFromErrno(ENOSPC), FileError::DiskFull);
    EXPECT_EQ(fileErrorFromErrno(ENOTDIR), FileError::PathNotFound);
    EXPECT_EQ(fileErrorFrom(std::make_error_code(std::errc::no_such_file_or_directory)), FileError::FileNotFound);
    EXPECT_EQ(fileErrorFrom(std::error_code()), FileError::None);
    EXPECT_FALSE(fileErrorText(FileError::InputPastEndOfFile).isEmpty());
    EXPECT_EQ(fileErrorText(9999), QStringLiteral("Error 9999"));
}

TEST(PointerCounter, ReportsOnlyRealVisibilityChanges)
{
    std::vector<bool> changes;
    PointerCounter pointer([&changes](bool visible) { changes.push_back(visible); });
    EXPECT_EQ(pointer.showCursor(false), -1);
    EXPECT_EQ(pointer.showCursor(false), -2);
    EXPECT_EQ(pointer.showCursor(true), -1);
    EXPECT_FALSE(pointer.visible());
    EXPECT_EQ(pointer.showCursor(true), 0);
    EXPECT_EQ(pointer.showCursor(true), 1);
    EXPECT_EQ(pointer.showCursor(false), 0);
    EXPECT_TRUE(pointer.visible());
    EXPECT_EQ(changes, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace qv
