#include "settings/global_settings.h"

#include "components/platform/file_names.h"
#include "components/platform/paths.h"
#include "settings/password_scrambler.h"

#include "components/platform/file_errors.h"
#include "components/platform/message_box.h"
#include "settings/replaceable_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace qv {
namespace {

// The store: one INI file per user, $XDG_CONFIG_HOME/Quintavue/Quintavue.ini, in
// the group "data".
// QSettings reads its file as it opens it: a file that is no regular file (a pipe
// put in its place would block the program for ever) is not opened; a store in an
// empty private folder gives every key its default instead.
std::unique_ptr<QSettings> openStore()
{
    QString path = settingsFilePath();
    if (entryExists(path) && !isPlainFile(path)) {
        static const QTemporaryDir nowhere;  // made only for such a file
        path = nowhere.path() + QStringLiteral("/none.ini");
    }
    auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    store->beginGroup(QStringLiteral("data"));
    return store;
}

QString storedText(const QSettings& store, const char* key, const QString& fallback)
{
    const QVariant value = store.value(QLatin1String(key));
    if (!value.isValid())
        return fallback;
    // A list (a value with an unquoted comma written by hand) reads back as it stood.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    // A file name that is not UTF-8, stored by its bytes.
    if (value.typeId() == QMetaType::QByteArray)
        return decodeFileName(value.toByteArray());
    return value.toString();
}

// A 16-bit value: the stored number rounded (halves to even); text that is no number,
// or a number beyond 16 bits, leaves the default.
std::int16_t storedInt16(const QSettings& store, const char* key, std::int16_t fallback)
{
    bool ok = false;
    const double number = storedText(store, key, QString()).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return fallback;
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return fallback;
    return static_cast<std::int16_t>(rounded);
}

// A numeric-text value keeps the stored text; text that is no number leaves the default.
LooseValue storedLoose(const QSettings& store, const char* key, const LooseValue& fallback)
{
    const QString text = storedText(store, key, fallback.text());
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok ? LooseValue(text) : fallback;
}

// The plain password from its stored form. A stored text that the encoder cannot
// have written (odd length, foreign letters) must not quietly drop the protection:
// it is taken literally as the password, so its owner can still get in by typing
// what the settings file holds, and set a new one.
QString decodedPassword(const QString& stored)
{
    const QByteArray bytes = stored.toLatin1();
    if (QString::fromLatin1(bytes) != stored)
        return stored;
    const std::optional<QByteArray> plain = decode_password(bytes);
    return plain ? passwordText(*plain) : stored;
}

// QSettings reports no error when the disk fills up under its file and leaves it cut
// short: the bytes are read back through a second store, which must hold every value.
bool holdsEveryValue(const QByteArray& bytes, const QSettings& expected)
{
    QTemporaryFile check;
    if (!check.open() || check.write(bytes) != bytes.size() || !check.flush())
        return false;
    check.close();
    const QSettings readBack(check.fileName(), QSettings::IniFormat);
    const QStringList keys = expected.allKeys();
    return readBack.allKeys().size() == keys.size()
           && std::all_of(keys.begin(), keys.end(),
                          [&](const QString& key) { return readBack.value(key) == expected.value(key); });
}

} // namespace

GlobalSettings& globalSettings()
{
    static GlobalSettings settings;
    return settings;
}

QString defaultSlideshowPath() { return userDataFolder(); }

// Where QSettings keeps an INI store of the user's scope for "Quintavue".
QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quintavue/Quintavue.ini");
}

void load_settings()
{
    const GlobalSettings defaults;
    GlobalSettings& s = globalSettings();
    const std::unique_ptr<QSettings> opened = openStore();
    const QSettings& store = *opened;

    s.screenPercent = storedLoose(store, "screen_percent", defaults.screenPercent);
    s.randomSpeedAdjuster = storedInt16(store, "random_speed_adjuster", defaults.randomSpeedAdjuster);
    s.presentationMode = storedLoose(store, "presentation_mode", defaults.presentationMode);
    s.slideshowPath = withTrailingSeparator(storedText(store, "slideshow_path", defaultSlideshowPath()));
    s.cblend = storedInt16(store, "cblend", defaults.cblend);
    s.cDissolve = storedInt16(store, "c_dissolve", defaults.cDissolve);
    s.dissolveSpeed = storedInt16(store, "dissolve_speed", defaults.dissolveSpeed);
    s.cRandom = storedLoose(store, "c_Random", defaults.cRandom);
    s.showBorder = storedInt16(store, "show_border", defaults.showBorder);
    s.cmode = storedInt16(store, "cmode", defaults.cmode);
    s.infoBox = storedInt16(store, "info_box", defaults.infoBox);
    s.mgrainMode = storedInt16(store, "mgrain_mode", defaults.mgrainMode);
    s.scaleFlag = storedInt16(store, "scale_flag", defaults.scaleFlag);
    s.borderSize = storedLoose(store, "bordersize", defaults.borderSize);
    s.innerBevelColor1 = storedInt16(store, "InnerBevelColor1", defaults.innerBevelColor1);
    s.innerBevelColor2 = storedInt16(store, "InnerBevelColor2", defaults.innerBevelColor2);
    s.outerBevelColor1 = storedInt16(store, "OuterBevelColor1", defaults.outerBevelColor1);
    s.outerBevelColor2 = storedInt16(store, "OuterBevelColor2", defaults.outerBevelColor2);
    s.innerBevelSize = storedLoose(store, "InnerBevelSize", defaults.innerBevelSize);
    s.outerBevelSize = storedLoose(store, "OuterBevelSize", defaults.outerBevelSize);
    s.borderColor = storedLoose(store, "BorderColor", defaults.borderColor);
    s.innerBevelStyle = storedLoose(store, "InnerBevelStyle", defaults.innerBevelStyle);
    s.outerBevelStyle = storedLoose(store, "OuterBevelStyle", defaults.outerBevelStyle);
    s.randomFlag = storedInt16(store, "RandomFlag", defaults.randomFlag);
    s.picinfoFlag = storedInt16(store, "picinfoFlag", defaults.picinfoFlag);
    s.screens = storedInt16(store, "screens", defaults.screens);
    s.activeCss = storedText(store, "ActiveCSS", defaults.activeCss);
    s.passwordName = storedText(store, "PasswordName", defaults.passwordName);

    s.screenSaverPassword = decodedPassword(s.passwordName);
    s.passwordChangedThisRun = false;
}

// The settings are written the way every data file is: into a private copy first,
// then put in place by the checked atomic replace, so a full disk, a read-only file
// or a link to something that is no file leaves the stored settings as they were and
// the caller learns why.
int save_settings()
{
    GlobalSettings& s = globalSettings();
    const QString storePath = settingsFilePath();
    const QString failureWords = QStringLiteral("The settings were not saved: ");
    const auto fail = [&](int error) {
        showMessage(failureWords + fileErrorText(error) + QLatin1Char('\n') + displayFileName(storePath));
        return error;
    };
    if (const int error = checkReplaceableTarget(storePath).error; error != FileError::None)
        return fail(error);
    // A copy of what is stored now, so keys this record does not know stay as they were.
    QTemporaryFile copy;
    if (!copy.open())
        return fail(FileError::PathFileAccessError);
    QFile current;
    if (openForReading(current, storePath))
        copy.write(current.readAll());
    if (!copy.flush())
        return fail(FileError::DiskFull);
    copy.close();
    const auto opened = std::make_unique<QSettings>(copy.fileName(), QSettings::IniFormat);
    opened->beginGroup(QStringLiteral("data"));
    QSettings& store = *opened;
    const auto put = [&store](const char* key, const QString& text) { store.setValue(QLatin1String(key), text); };
    const auto putInt = [&put](const char* key, std::int16_t value) { put(key, QString::number(value)); };

    put("screen_percent", s.screenPercent.text());
    putInt("random_speed_adjuster", s.randomSpeedAdjuster);
    put("presentation_mode", s.presentationMode.text());
    putInt("cblend", s.cblend);
    putInt("c_dissolve", s.cDissolve);
    putInt("dissolve_speed", s.dissolveSpeed);
    put("c_Random", s.cRandom.text());
    putInt("show_border", s.showBorder);
    putInt("cmode", s.cmode);
    putInt("info_box", s.infoBox);
    putInt("mgrain_mode", s.mgrainMode);
    putInt("scale_flag", s.scaleFlag);
    put("bordersize", s.borderSize.text());
    putInt("InnerBevelColor1", s.innerBevelColor1);
    putInt("InnerBevelColor2", s.innerBevelColor2);
    putInt("OuterBevelColor1", s.outerBevelColor1);
    putInt("OuterBevelColor2", s.outerBevelColor2);
    put("InnerBevelSize", s.innerBevelSize.text());
    put("OuterBevelSize", s.outerBevelSize.text());
    put("BorderColor", s.borderColor.text());
    put("InnerBevelStyle", s.innerBevelStyle.text());
    put("OuterBevelStyle", s.outerBevelStyle.text());
    putInt("RandomFlag", s.randomFlag);
    putInt("picinfoFlag", s.picinfoFlag);
    putInt("screens", s.screens);
    // The INI file holds text as UTF-8, which a show file named in an 8-bit set cannot be.
    if (hasEscapedBytes(s.activeCss))
        store.setValue(QStringLiteral("ActiveCSS"), encodeFileName(s.activeCss));
    else
        put("ActiveCSS", s.activeCss);

    // Only a password set in this run is encoded; otherwise the stored form stays as
    // it was loaded, whatever start-up or a test run cleared in memory.
    // A password the character set cannot hold keeps the stored one rather than
    // storing a different password than the one set.
    if (s.passwordChangedThisRun) {
        if (const std::optional<QByteArray> bytes = passwordBytes(s.screenSaverPassword))
            s.passwordName = QString::fromLatin1(encode_password(*bytes));
    }
    put("PasswordName", s.passwordName);
    store.sync();
    if (store.status() != QSettings::NoError)
        return fail(FileError::PathFileAccessError);
    QFile written(copy.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return fail(FileError::PathFileAccessError);
    const QByteArray bytes = written.readAll();
    store.endGroup();
    if (!holdsEveryValue(bytes, store))
        return fail(FileError::DiskFull);
    // The first save of a new user makes the settings folder, as QSettings would.
    QDir().mkpath(QFileInfo(storePath).absolutePath());
    if (const int error = replaceFileContents(storePath, bytes); error != FileError::None)
        return fail(error);
    return FileError::None;
}

bool passwordCharactersStorable(const QString& plain) { return passwordBytes(plain).has_value(); }

bool setScreenSaverPassword(const QString& plain)
{
    if (!passwordCharactersStorable(plain))
        return false;
    GlobalSettings& s = globalSettings();
    s.screenSaverPassword = plain;
    s.passwordChangedThisRun = true;
    return true;
}

} // namespace qv
