#include "show_data_fixture.h"

#include "components/platform/file_errors.h"
#include "showdata/custom_show_file.h"
#include "showdata/effect_selection_file.h"
#include "showdata/file_replacement.h"
#include "showdata/random_show_config_file.h"
#include "showdata/scratch_files.h"
#include "showdata/show_file_listing.h"

#include <functional>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv::test {
namespace {

using Saving = ShowDataTest;

// The number of a process that has ended.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// Each data file a window reads and saves: another window's save in between is never
// replaced without the user's Yes, and a save with nothing changed in between asks
// nothing.
TEST_F(Saving, AFileChangedByAnotherWindowIsReplacedOnlyWhenTheUserSaysSo)
{
    const struct {
        QString file;
        std::function<void()> load;
        std::function<int()> save;
    } files[] = {
        {"show.css", [] { LoadCustomShow(); }, [] { return SaveCustomShow(); }},
        {"quintavu.rss", [] { LoadRandomShowConfig(); }, [] { return SaveRandomShowConfig(); }},
        {"qvtour52.eff", [] { readEffectSelectionFile(effectSelectionPath()); },
         [] { return SaveEffectSelection(EffectSelection{}); }},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file.toStdString());
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            QFile::remove(dataPath(f.file));
            f.load();  // read when missing: a file made since counts as a change too
            const QByteArray other = "written by another window\r\n";
            writeDataFile(f.file, other);
            messages_.clear();
            answer_ = answer;
            const int result = f.save();
            ASSERT_EQ(messageTexts(), QStringList{f.file + " was changed by another window since you opened it. Replace it?"});
            EXPECT_EQ(messages_.front().defaultAnswer, MessageAnswer::No);
            EXPECT_EQ(result, answer == MessageAnswer::Yes ? 0 : saveDeclined);
            EXPECT_EQ(readFile(dataPath(f.file)) == other, answer == MessageAnswer::No);
        }
        messages_.clear();
        EXPECT_EQ(f.save(), 0);  // what this window wrote last is still there: no question
        EXPECT_TRUE(messages_.empty());
    }
}

// On a small file system that is full, every data file's save fails with "Disk full",
// naming the file, and leaves the file and the folder as they were.
TEST_F(Saving, AFullDiskLeavesEveryFileAsItWas)
{
    const QString small = folder_.path() + QStringLiteral("/small");
    QDir().mkpath(small);
    if (::geteuid() != 0 || ::mount("tmpfs", encodeFileName(small).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount(path.constData()); }
    } const unmount{encodeFileName(small)};
    globalSettings().slideshowPath = small + QLatin1Char('/');
    const QStringList files{"show.css", "quintavu.rss", "qvtour52.eff"};
    for (const QString& file : files)
        writeDataFile(file, "as it was\r\n");
    {
        QFile filler(dataPath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    customShow() = CustomShow{};
    for (int n = 0; n < 50; ++n)
        AppendSlide(customShow());
    EXPECT_EQ(SaveCustomShow(), FileError::DiskFull);
    EXPECT_EQ(SaveRandomShowConfig(), FileError::DiskFull);
    EXPECT_EQ(SaveEffectSelection(EffectSelection{}), FileError::DiskFull);
    const QStringList expected{"Error Saving data Disk full\n" + dataPath("show.css"),
                               "Disk full\n" + dataPath("quintavu.rss"),
                               "Error Saving data Disk full\n" + dataPath("qvtour52.eff")};
    EXPECT_EQ(messageTexts(), expected);
    for (const QString& file : files)
        EXPECT_EQ(readFile(dataPath(file)), QByteArray("as it was\r\n")) << file.toStdString();
    QStringList left = QDir(small).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{"filler", "quintavu.rss", "qvtour52.eff", "show.css"}));
}

// A save killed half-way leaves its temporary file, a test run killed leaves its copy:
// the next start removes those of ended processes, and only those. Scratch names are
// never offered as shows.
TEST_F(Saving, LeftoversOfEndedProcessesGoAtTheNextStart)
{
    const QString ended = QString::number(endedProcess());
    const QString running = QString::number(::getppid());
    const QStringList gone{".show.css.tmp-" + ended + "-0", ".tdz-" + ended + ".css", ".zxz-" + ended + ".rss"};
    const QStringList kept{".show.css.tmp-" + running + "-3", ".tdz-" + running + ".css", "show.css", ".tdz-x.css"};
    for (const QString& name : gone + kept + QStringList{"tdz.css", "ZXZ2.CSS"})
        writeDataFile(name, "x");
    removeLeftoversOfEndedProcesses();
    QStringList left = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = kept + QStringList{"tdz.css", "ZXZ2.CSS"};
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(listShowFilesIn(globalSettings().slideshowPath, "show.css").names, QStringList{"show.css"});
}

} // namespace
} // namespace qv::test
