// The drive, folder and file lists over a folder tree made for each test.
#include "components/platform/file_names.h"
#include "config_ui/browsers/browser_models.h"
#include "config_ui/browsers/file_browser.h"
#include "config_ui/support/message_recorder.h"

#include <QListView>
#include <QSignalSpy>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

namespace qv {
namespace {

class FileBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree_.isValid());
        for (const char* folder : {"Beta", "alpha", ".hidden", "gamma", "alpha/deeper"})
            QDir().mkpath(root_ + QLatin1String(folder));
        for (const char* file : {"b.JPG", "A.gif", "c.jpe", "notes.txt", ".secret.jpg", "Zeta.Tif", "alpha/x.bmp"})
            touch(root_ + QLatin1String(file));
        // Names in an 8-bit set, as old photo archives hold them: a picture, and a folder with one.
        ::close(::open(latin1_.constData(), O_CREAT | O_WRONLY, 0644));
        ::mkdir(latin1Folder_.constData(), 0755);
        ::close(::open((latin1Folder_ + "/b\xE4r.jpg").constData(), O_CREAT | O_WRONLY, 0644));
    }

    // QTemporaryDir cannot remove names it cannot decode.
    void TearDown() override
    {
        ::unlink(latin1_.constData());
        ::unlink((latin1Folder_ + "/b\xE4r.jpg").constData());
        ::rmdir(latin1Folder_.constData());
    }

    static void touch(const QString& path) { ASSERT_TRUE(test::writeFile(path)); }

    QStringList folderRows() const { return test::rowTexts(browser.folderList()->model()); }

    void highlight(const QString& label)
    {
        const int row = static_cast<int>(folderRows().indexOf(label));
        ASSERT_GE(row, 0) << label.toStdString();
        browser.folderList()->setCurrentIndex(browser.folderList()->model()->index(row, 0));
    }

    QTemporaryDir tree_;
    QString root_ = QDir(tree_.path()).canonicalPath() + u'/';
    QByteArray latin1_ = QFile::encodeName(root_) + "caf\xe9.jpg";
    QByteArray latin1Folder_ = QFile::encodeName(root_) + "f\xf6to";
    QWidget window;
    FileBrowser browser{&window, picturePattern(), "Drive1", "Dir1", "File1"};
};

TEST_F(FileBrowserTest, ListsThePathThenVisibleSubfoldersAndMatchingFilesWithoutRegardToCase)
{
    browser.setFolder(root_);
    EXPECT_EQ(browser.folder(), root_);
    QStringList expected{"/"};
    expected << root_.split(u'/', Qt::SkipEmptyParts) << "alpha" << "Beta" << QString::fromUtf8("föto") << "gamma";
    EXPECT_EQ(folderRows(), expected);
    EXPECT_EQ(browser.highlightedFolder(), root_);

    const QStringList files = browser.allFileNames();
    ASSERT_EQ(files.size(), 4) << files.join(u'|').toStdString();
    EXPECT_EQ(files[0], "A.gif");
    EXPECT_EQ(files[1], "b.JPG");
    EXPECT_EQ(files[3], "Zeta.Tif");
    EXPECT_EQ(browser.pathOf("A.gif"), root_ + "A.gif");
    // Names that are not UTF-8 read as Windows-1252; the paths handed out open the real files.
    EXPECT_EQ(browser.fileList()->model()->index(2, 0).data().toString(), QString::fromUtf8("café.jpg"));
    EXPECT_EQ(encodeFileName(browser.pathOf(files[2])), latin1_);
    highlight(QString::fromUtf8("föto"));
    ASSERT_EQ(browser.allFileNames().size(), 1);
    EXPECT_EQ(browser.fileList()->model()->index(0, 0).data().toString(), QString::fromUtf8("bär.jpg"));
    EXPECT_TRUE(isPlainFile(browser.pathOf(browser.allFileNames().first())));
    EXPECT_EQ(encodeFileName(browser.pathOf(browser.allFileNames().first())), latin1Folder_ + "/b\xE4r.jpg");
}

TEST_F(FileBrowserTest, HighlightListsFilesWithoutOpeningReturnOpensBackspaceGoesUp)
{
    browser.setFolder(root_);
    QSignalSpy changes(&browser, &FileBrowser::folderChanged);
    highlight("alpha");
    EXPECT_EQ(browser.folder(), root_ + "alpha/");
    EXPECT_EQ(browser.openFolder(), root_);
    EXPECT_EQ(browser.allFileNames(), QStringList{"x.bmp"});
    EXPECT_EQ(changes.count(), 1);

    QTest::keyClick(browser.folderList(), Qt::Key_Return);
    EXPECT_EQ(browser.openFolder(), root_ + "alpha/");
    EXPECT_EQ(folderRows().last(), "deeper");

    QTest::keyClick(browser.folderList(), Qt::Key_Backspace);
    EXPECT_EQ(browser.openFolder(), root_);
    EXPECT_EQ(browser.folder(), root_);
}

TEST_F(FileBrowserTest, AnUnreadableFolderLeavesTheBrowserWhereItWasOrAtItsFallback)
{
    // A browser with nowhere to go back to goes home.
    browser.setFolder(root_ + "missing");
    EXPECT_EQ(browser.openFolder(), QDir::homePath() + u'/');

    browser.setFolder(root_);
    highlight("Beta");
    ASSERT_TRUE(QDir(root_ + "Beta").removeRecursively());
    QTest::keyClick(browser.folderList(), Qt::Key_Return);
    EXPECT_EQ(browser.openFolder(), root_);
    EXPECT_EQ(browser.folder(), root_);
    EXPECT_EQ(browser.allFileNames().size(), 4);
    browser.setFolder(root_ + "A.gif");  // a file is no folder either
    EXPECT_EQ(browser.openFolder(), root_);
    // The open folder itself gone: the nearest folder above it that is left.
    browser.setFolder(root_ + "alpha/deeper");
    ASSERT_TRUE(QDir(root_ + "alpha").removeRecursively());
    browser.refresh();
    EXPECT_EQ(browser.openFolder(), root_);

    // A dialog's browser goes back to its browse folder instead.
    browser.setFallbackFolder(root_ + "Beta2");
    QDir(root_).mkdir("Beta2");
    browser.setFolder(root_ + "alpha");
    EXPECT_EQ(browser.openFolder(), root_ + "Beta2/");
}

TEST_F(FileBrowserTest, FilesArrivingOnDiskAppearKeepingTheSelection)
{
    browser.setFolder(root_);
    highlight("gamma");
    touch(root_ + "gamma/one.gif");
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.allFileNames() == QStringList{"one.gif"}; }, 5000));
    browser.fileList()->setCurrentIndex(browser.fileList()->model()->index(0, 0));
    touch(root_ + "gamma/Another.jpg");
    QDir().mkpath(root_ + "delta");
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.allFileNames().size() == 2; }, 5000));
    EXPECT_EQ(browser.currentFileName(), "one.gif");
    EXPECT_EQ(browser.selectedFileNames(), QStringList{"one.gif"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return folderRows().contains("delta"); }, 5000));
    EXPECT_EQ(browser.highlightedFolder(), root_ + "gamma/");
}

TEST_F(FileBrowserTest, FileClicksReportTheNameAndDropsReportThePaths)
{
    browser.setFolder(root_);
    QSignalSpy clicks(&browser, &FileBrowser::fileClicked);
    QSignalSpy opens(&browser, &FileBrowser::fileDoubleClicked);
    browser.fileList()->setFocus();
    browser.fileList()->setCurrentIndex(browser.fileList()->model()->index(1, 0));
    EXPECT_EQ(browser.currentFileName(), "b.JPG");
    QTest::keyClick(browser.fileList(), Qt::Key_Down);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(encodeFileName(clicks.last().first().toString()), "caf\xE9.jpg");
    QTest::keyClick(browser.fileList(), Qt::Key_Return);
    ASSERT_EQ(opens.count(), 1);

    QSignalSpy drops(&browser, &FileBrowser::filesDropped);
    window.show();
    EXPECT_TRUE(test::dropUrls(browser.folderList()->viewport(),
                               {QUrl::fromLocalFile(root_ + "alpha"),
                                QUrl::fromEncoded("file://" + latin1Folder_.toPercentEncoding("/"))}));
    ASSERT_EQ(drops.count(), 1);
    EXPECT_EQ(drops.first().first().toStringList(), (QStringList{root_ + "alpha", decodeFileName(latin1Folder_)}));
}

TEST(FileBrowserPieces, DriveListKeepsUserVolumesAndLeavesSystemOnesOut)
{
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {"/media/ann/USB STICK", "vfat", "/dev/sdb1", true},  {"/run/media/ann/CARD", "exfat", "/dev/mmcblk0p1", true},
        {"/mnt/photos", "ext4", "/dev/sdc1", true},           {"/data", "ext4", "/dev/nvme0n1p3", true},
        {"/srv/share", "nfs4", "server:/share", true},        {"/proc", "proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", "cgroup2", false},      {"/run/user/1000", "tmpfs", "tmpfs", false},
        {"/boot/efi", "vfat", "/dev/sda1", false},            {"/snap/core/1", "squashfs", "/dev/loop0", false},
        {"/var/lib/docker/overlay2/x/merged", "overlay", "overlay", false},
    };
    for (const auto& [root, type, device, expected] : cases)
        EXPECT_EQ(isBrowsableVolume(root, type, device), expected) << root;
    const std::vector<DriveEntry> drives = browsableDrives();
    ASSERT_GE(drives.size(), 1u);
    EXPECT_EQ(drives.front().rootPath, "/");
}

} // namespace
} // namespace qv
