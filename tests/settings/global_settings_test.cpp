#include "components/platform/file_names.h"
#include "settings/global_settings.h"
#include "settings/password_scrambler.h"

#include <QFile>
#include <QRegularExpression>
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

QStringList keysInFileOrder()
{
    QFile file(store().fileName());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList keys;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            keys << line.left(eq);
    }
    return keys;
}

class GlobalSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().clear();
        globalSettings() = GlobalSettings();
    }
};

TEST_F(GlobalSettingsTest, AnEmptyStoreGivesEveryDefault)
{
    globalSettings().screenPercent = 50;  // must be overwritten by the load
    load_settings();
    const GlobalSettings& s = globalSettings();
    const GlobalSettings defaults;
    EXPECT_EQ(s.screenPercent, defaults.screenPercent);
    EXPECT_EQ(s.screenPercent.text(), QStringLiteral("100"));
    EXPECT_EQ(s.randomSpeedAdjuster, 1);
    EXPECT_EQ(s.dissolveSpeed, 30);
    EXPECT_EQ(s.cmode, 9);
    EXPECT_EQ(s.innerBevelSize.toInt(), 12);
    EXPECT_EQ(s.outerBevelStyle.toInt(), 2);
    EXPECT_EQ(s.randomFlag, 1);
    EXPECT_EQ(s.activeCss, QStringLiteral("EMPTY"));
    EXPECT_TRUE(s.screenSaverPassword.isEmpty());
    EXPECT_TRUE(s.slideshowPath.endsWith(QLatin1String("/Quintavue/")));
}

TEST_F(GlobalSettingsTest, ASaveWritesExactlyTheSaveOrderAndNeverTheDataFolder)
{
    storeValue("slideshow_path", QStringLiteral("/srv/shows"));  // read, but never written
    load_settings();
    EXPECT_EQ(globalSettings().slideshowPath, QStringLiteral("/srv/shows/"));
    store().remove(QStringLiteral("data/slideshow_path"));
    save_settings();
    const QStringList expected = {
        "screen_percent", "random_speed_adjuster", "presentation_mode", "cblend", "c_dissolve",
        "dissolve_speed", "c_Random", "show_border", "cmode", "info_box", "mgrain_mode", "scale_flag",
        "bordersize", "InnerBevelColor1", "InnerBevelColor2", "OuterBevelColor1", "OuterBevelColor2",
        "InnerBevelSize", "OuterBevelSize", "BorderColor", "InnerBevelStyle", "OuterBevelStyle",
        "RandomFlag", "picinfoFlag", "ActiveCSS", "PasswordName"};
    QStringList stored = keysInFileOrder();
    stored.sort();
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    EXPECT_EQ(stored, sortedExpected);
}

TEST_F(GlobalSettingsTest, ValuesSurviveASaveAndALoad)
{
    load_settings();
    GlobalSettings& s = globalSettings();
    s.screenPercent = 70;
    s.cmode = 4;
    s.borderSize = LooseValue(QStringLiteral("7"));
    s.activeCss = QStringLiteral("Holiday, 2026.css");
    save_settings();

    globalSettings() = GlobalSettings();
    load_settings();
    EXPECT_EQ(s.screenPercent.text(), QStringLiteral("70"));
    EXPECT_EQ(s.cmode, 4);
    EXPECT_EQ(s.borderSize.toInt(), 7);
    EXPECT_EQ(s.activeCss, QStringLiteral("Holiday, 2026.css"));

    // A show file named in an 8-bit set keeps its bytes, not a replacement character.
    s.activeCss = decodeFileName("s\xE9rie.css");
    save_settings();
    QFile file(store().fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("\xEF\xBF\xBD"));
    globalSettings() = GlobalSettings();
    load_settings();
    EXPECT_EQ(encodeFileName(s.activeCss), "s\xE9rie.css");
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

TEST_F(GlobalSettingsTest, ADamagedStoredPasswordKeepsTheProtection)
{
    for (const QString& damaged : {QStringLiteral("xay"), QStringLiteral("HELLO!"), QStringLiteral("\u00e9\u20ac")}) {
        storeValue("PasswordName", damaged);
        load_settings();
        EXPECT_EQ(globalSettings().screenSaverPassword, damaged);
        save_settings();
        EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), damaged);
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

TEST_F(GlobalSettingsTest, PasswordsStoredByEarlierVersionsStillDecode)
{
    // "M\xfcller" scrambled byte by byte from its Latin-1 codes.
    storeValue("PasswordName", QString::fromLatin1(encode_password(QByteArray("M\xfcller"))));
    load_settings();
    EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("M\u00fcller"));
}

} // namespace
} // namespace qv
