#include "components/platform/file_names.h"
#include "settings/global_settings.h"
#include "settings/password_scrambler.h"

#include <QFile>
#include <QSettings>

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

TEST_F(GlobalSettingsTest, ASaveWritesExactlyItsKeysAndNeverTheDataFolder)
{
    storeValue("slideshow_path", QStringLiteral("/srv/shows"));  // read, but never written
    load_settings();
    EXPECT_EQ(globalSettings().slideshowPath, QStringLiteral("/srv/shows/"));
    store().remove(QStringLiteral("data/slideshow_path"));
    save_settings();
    QStringList expected = {
        "screen_percent", "random_speed_adjuster", "presentation_mode", "cblend", "c_dissolve",
        "dissolve_speed", "c_Random", "show_border", "cmode", "info_box", "mgrain_mode", "scale_flag",
        "bordersize", "InnerBevelColor1", "InnerBevelColor2", "OuterBevelColor1", "OuterBevelColor2",
        "InnerBevelSize", "OuterBevelSize", "BorderColor", "InnerBevelStyle", "OuterBevelStyle",
        "RandomFlag", "picinfoFlag", "ActiveCSS", "PasswordName"};
    QStringList stored = store().allKeys();
    stored.replaceInStrings(QStringLiteral("data/"), QString());
    stored.sort();
    expected.sort();
    EXPECT_EQ(stored, expected);
}

// The active show's name survives a restart whole: a comma in it, or bytes of an 8-bit
// set, which must not turn into a replacement character.
TEST_F(GlobalSettingsTest, TheActiveShowsNameSurvivesARestart)
{
    for (const QString& name : {QStringLiteral("Holiday, 2026.css"), decodeFileName("s\xE9rie.css")}) {
        globalSettings().activeCss = name;
        save_settings();
        QFile file(store().fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_FALSE(file.readAll().contains("\xEF\xBF\xBD"));
        globalSettings() = GlobalSettings();
        load_settings();
        EXPECT_EQ(encodeFileName(globalSettings().activeCss), encodeFileName(name));
    }
}

TEST_F(GlobalSettingsTest, NumbersAreRoundedAndJunkFallsBackToTheDefault)
{
    storeValue("cmode", QStringLiteral("4.5"));           // halves to even
    storeValue("dissolve_speed", QStringLiteral("31.5"));
    storeValue("random_speed_adjuster", QStringLiteral("fast"));
    storeValue("show_border", QStringLiteral("70000"));    // beyond 16 bits
    storeValue("screen_percent", QStringLiteral("lots"));
    storeValue("bordersize", QStringLiteral(" 5 "));
    load_settings();
    const GlobalSettings& s = globalSettings();
    EXPECT_EQ(s.cmode, 4);
    EXPECT_EQ(s.dissolveSpeed, 32);
    EXPECT_EQ(s.randomSpeedAdjuster, 1);
    EXPECT_EQ(s.showBorder, 1);
    EXPECT_EQ(s.screenPercent.text(), QStringLiteral("100"));
    EXPECT_EQ(s.borderSize.toInt(), 5);
}

TEST_F(GlobalSettingsTest, ASaveAfterThePasswordWasClearedInMemoryKeepsTheStoredOne)
{
    storeValue("PasswordName", QStringLiteral("xayfziyewhxh"));
    load_settings();
    ASSERT_EQ(globalSettings().screenSaverPassword, QStringLiteral("ABCDEF"));
    globalSettings().screenSaverPassword.clear();  // presentation mode or a test run
    save_settings();
    EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), QStringLiteral("xayfziyewhxh"));

    setScreenSaverPassword(QString());  // the password dialog removes it on purpose
    save_settings();
    EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), QString());
}

// A stored password loads as its scrambled form decodes; one no version could have
// written keeps the protection as it stands, and a save writes it back unchanged.
TEST_F(GlobalSettingsTest, StoredPasswordsLoadAndSurviveASave)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("xay"), QStringLiteral("xay")},
        {QStringLiteral("HELLO!"), QStringLiteral("HELLO!")},
        {QStringLiteral("\u00e9\u20ac"), QStringLiteral("\u00e9\u20ac")},
        // Scrambled byte by byte from its Latin-1 codes, as earlier versions did.
        {QString::fromLatin1(encode_password(QByteArray("M\xfcller"))), QStringLiteral("M\u00fcller")}};
    for (const auto& [stored, password] : cases) {
        storeValue("PasswordName", stored);
        load_settings();
        EXPECT_EQ(globalSettings().screenSaverPassword, password);
        save_settings();
        EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), stored);
    }
}

TEST_F(GlobalSettingsTest, PasswordsOfTheEightBitSetSurviveARestart)
{
    // The euro sign and the typographic letters live in 0x80..0x9F, where Latin-1 has
    // only controls.
    for (const QString& password : {QStringLiteral("\u20acuro"), QStringLiteral("\u0152UVRE \u0160\u017d\u2122"),
                                    QStringLiteral("M\u00dcLLER \u00e9t\u00e9")}) {
        ASSERT_TRUE(setScreenSaverPassword(password));
        save_settings();
        globalSettings() = GlobalSettings();
        load_settings();
        EXPECT_EQ(globalSettings().screenSaverPassword, password);
    }
}

TEST_F(GlobalSettingsTest, APasswordTheSetCannotHoldIsRefusedAndTheStoredOneKept)
{
    ASSERT_TRUE(setScreenSaverPassword(QStringLiteral("OLD")));
    save_settings();
    const QString before = store().value(QStringLiteral("data/PasswordName")).toString();

    const QString czech = QStringLiteral("\u010cAPEK\U0001F600\u010c");
    EXPECT_FALSE(passwordCharactersStorable(czech));
    EXPECT_EQ(unstorablePasswordCharacters(czech), QStringLiteral("\u010c\U0001F600"));
    EXPECT_FALSE(setScreenSaverPassword(czech));
    EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("OLD"));

    globalSettings().screenSaverPassword = czech;  // set behind the dialog's back
    save_settings();
    EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), before);
}

} // namespace
} // namespace qv
