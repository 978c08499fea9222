#include "components/platform/file_names.h"
#include "settings/global_settings.h"
#include "settings/password_scrambler.h"

#include "components/platform/message_box.h"
#include "support/test_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <functional>
#include <optional>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"),
                     QStringLiteral("Quintavue"));
}

void storeValue(const char* key, const QString& value)
{
    QSettings s = store();
    s.setValue(QStringLiteral("data/") + QLatin1String(key), value);
}

class GlobalSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().clear();
        globalSettings() = GlobalSettings();
    }
};

// Numbers are rounded, halves to even, and junk falls back to the default; a save
// writes exactly its keys and never the data folder, which is only read.
TEST_F(GlobalSettingsTest, NumbersAreRoundedAndASaveWritesExactlyItsKeys)
{
    storeValue("slideshow_path", QStringLiteral("/srv/shows"));
    storeValue("cmode", QStringLiteral("4.5"));
    storeValue("dissolve_speed", QStringLiteral("31.5"));
    storeValue("random_speed_adjuster", QStringLiteral("fast"));
    storeValue("show_border", QStringLiteral("70000"));    // beyond 16 bits
    storeValue("screen_percent", QStringLiteral("lots"));
    storeValue("bordersize", QStringLiteral(" 5 "));
    load_settings();
    const GlobalSettings& s = globalSettings();
    EXPECT_EQ(s.slideshowPath, QStringLiteral("/srv/shows/"));
    EXPECT_EQ(s.cmode, 4);
    EXPECT_EQ(s.dissolveSpeed, 32);
    EXPECT_EQ(s.randomSpeedAdjuster, 1);
    EXPECT_EQ(s.showBorder, 1);
    EXPECT_EQ(s.screenPercent.text(), QStringLiteral("100"));
    EXPECT_EQ(s.borderSize.toInt(), 5);
    store().remove(QStringLiteral("data/slideshow_path"));
    save_settings();
    QStringList expected = {
        "screen_percent", "random_speed_adjuster", "presentation_mode", "cblend", "c_dissolve",
        "dissolve_speed", "c_Random", "show_border", "cmode", "info_box", "mgrain_mode", "scale_flag",
        "bordersize", "InnerBevelColor1", "InnerBevelColor2", "OuterBevelColor1", "OuterBevelColor2",
        "InnerBevelSize", "OuterBevelSize", "BorderColor", "InnerBevelStyle", "OuterBevelStyle",
        "RandomFlag", "picinfoFlag", "ActiveCSS", "PasswordName", "screens"};
    QStringList stored = store().allKeys();
    stored.replaceInStrings(QStringLiteral("data/"), QString());
    stored.sort();
    expected.sort();
    EXPECT_EQ(stored, expected);
}

// The active show's name and the password survive a restart whole: a comma in the name,
// bytes of an 8-bit set, which must not turn into a replacement character, and the euro
// sign and the typographic letters, which live in 0x80..0x9F where Latin-1 has only controls.
TEST_F(GlobalSettingsTest, TheActiveShowsNameAndThePasswordSurviveARestart)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Holiday, 2026.css"), QStringLiteral("\u20acuro")},
        {decodeFileName("s\xE9rie.css"), QStringLiteral("\u0152UVRE \u0160\u017d\u2122")},
        {QStringLiteral("show.css"), QStringLiteral("M\u00dcLLER \u00e9t\u00e9")}};
    for (const auto& [name, password] : cases) {
        globalSettings().activeCss = name;
        ASSERT_TRUE(setScreenSaverPassword(password));
        save_settings();
        EXPECT_FALSE(test::readFile(store().fileName()).contains("\xEF\xBF\xBD"));
        globalSettings() = GlobalSettings();
        load_settings();
        EXPECT_EQ(encodeFileName(globalSettings().activeCss), encodeFileName(name));
        EXPECT_EQ(globalSettings().screenSaverPassword, password);
    }
}

// A stored password loads as its scrambled form decodes, also one no version could have
// written, and a save writes it back unchanged unless a new one was set: not when
// presentation mode or a test run cleared it in memory, nor when one the character set
// cannot hold was set behind the dialog's back. Removing it on purpose removes it.
TEST_F(GlobalSettingsTest, AStoredPasswordIsWrittenBackUnchangedUnlessANewOneWasSet)
{
    const QString czech = QStringLiteral("\u010cAPEK\U0001F600\u010c");
    EXPECT_EQ(unstorablePasswordCharacters(czech), QStringLiteral("\u010c\U0001F600"));
    const auto unchanged = [] {};
    const struct {
        QString stored, loaded;
        std::function<void()> change;  // before the save
    } cases[] = {
        {QStringLiteral("xay"), QStringLiteral("xay"), unchanged},
        {QStringLiteral("HELLO!"), QStringLiteral("HELLO!"), unchanged},
        {QStringLiteral("\u00e9\u20ac"), QStringLiteral("\u00e9\u20ac"), unchanged},
        // Scrambled byte by byte from its Latin-1 codes, as earlier versions did.
        {QString::fromLatin1(encode_password(QByteArray("M\xfcller"))), QStringLiteral("M\u00fcller"), unchanged},
        {QStringLiteral("xayfziyewhxh"), QStringLiteral("ABCDEF"), [] { globalSettings().screenSaverPassword.clear(); }},
        {QStringLiteral("xayfziyewhxh"), QStringLiteral("ABCDEF"), [&czech] {
             EXPECT_FALSE(setScreenSaverPassword(czech));
             EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("ABCDEF"));
             ASSERT_TRUE(setScreenSaverPassword(QStringLiteral("OLD")));
             globalSettings().screenSaverPassword = czech;
         }}};
    for (const auto& c : cases) {
        storeValue("PasswordName", c.stored);
        load_settings();
        EXPECT_EQ(globalSettings().screenSaverPassword, c.loaded);
        c.change();
        save_settings();
        EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), c.stored);
    }
    setScreenSaverPassword(QString());
    save_settings();
    EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), QString());
}

class RecordedMessages : public MessagePresenter {
public:
    RecordedMessages() { setMessagePresenter(this); }
    ~RecordedMessages() override { setMessagePresenter(nullptr); }
    MessageAnswer present(const Message& message) override
    {
        texts.append(message.text);
        return MessageAnswer::Ok;
    }
    QStringList texts;
};

// A settings file that cannot be replaced (made read-only by its owner, even for the
// superuser; a link to a pipe) or a disk that fills up: the save reports it, naming
// the file, the file stays as it was and the new password stays in memory.
TEST_F(GlobalSettingsTest, AFailedSaveIsReportedAndLosesNothing)
{
    const QString path = store().fileName();
    const QString pipe = path + QStringLiteral(".pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    enum Kind { ReadOnly, LinkToPipe, DiskFull };
    for (const Kind kind : {ReadOnly, LinkToPipe, DiskFull}) {
        QFile::remove(path);
        setScreenSaverPassword(QStringLiteral("OLD"));
        ASSERT_EQ(save_settings(), 0);
        const QByteArray before = test::readFile(path);
        if (kind == ReadOnly)
            QFile::setPermissions(path, QFile::ReadOwner);
        if (kind == LinkToPipe) {
            ASSERT_TRUE(QFile::remove(path) && QFile::link(pipe, path));
        }
        RecordedMessages messages;
        ASSERT_TRUE(setScreenSaverPassword(QStringLiteral("NEW")));
        globalSettings().activeCss = QString(64 * 1024, QLatin1Char('x'));  // more than the disk takes
        std::optional<test::FileSizeLimit> full;
        if (kind == DiskFull)
            full.emplace(4096);
        const int error = save_settings();
        full.reset();

        EXPECT_NE(error, 0) << kind;
        ASSERT_EQ(messages.texts.size(), 1) << kind;
        EXPECT_TRUE(messages.texts.front().startsWith(QStringLiteral("The settings were not saved: ")));
        EXPECT_TRUE(messages.texts.front().endsWith(path)) << messages.texts.front().left(80).toStdString();
        EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("NEW"));
        if (kind != LinkToPipe) {
            EXPECT_EQ(test::readFile(path), before) << kind;
        }
        EXPECT_EQ(QFileInfo(path).isSymLink(), kind == LinkToPipe);
        if (kind == ReadOnly) {  // as the user left it, even when the superuser runs the program
            EXPECT_FALSE(QFileInfo(path).permissions() & QFile::WriteOwner);
        }
        if (kind == LinkToPipe) {  // never read either, so nothing waits on the pipe
            load_settings();
            EXPECT_EQ(globalSettings().cmode, GlobalSettings().cmode);
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::remove(path);
}

} // namespace
} // namespace qv
