// quintavue-effects: look at and time the transition effects outside the show.
//   render --effect N --progress P --size WxH [--grain G] [--seed S] [--from A --to B] -o out.png
//   sheet -o sheet.png [--size WxH] [--effects FIRST-LAST] [--from A --to B]
//   time [--effect N] --size WxH --frames F [--grain G]
#include "contact_sheet.h"
#include "frame_timing.h"
#include "gallery_pictures.h"

#include "components/transitions/effect_registry.h"
#include "components/transitions/transition_renderer.h"
#include "showdata/effect_catalogue.h"

#include <QGuiApplication>
#include <QMap>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

using namespace qv;

struct Options {
    QString command;
    QMap<QString, QString> values;

    bool has(const QString& key) const { return values.contains(key); }
    QString text(const QString& key, const QString& fallback = {}) const { return values.value(key, fallback); }
    std::optional<int> number(const QString& key) const
    {
        bool ok = false;
        const int value = values.value(key).toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }
};

std::optional<Options> parse(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    Options options{arguments[1], {}};
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString key = arguments[i];
        if (!key.startsWith('-') || i + 1 >= arguments.size())
            return std::nullopt;
        options.values[key == "-o" ? "--out" : key] = arguments[++i];
    }
    return options;
}

std::optional<QSize> parseSize(const QString& text)
{
    const QStringList parts = text.toLower().split('x');
    if (parts.size() != 2)
        return std::nullopt;
    bool okWidth = false;
    bool okHeight = false;
    const QSize size(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    if (!okWidth || !okHeight || size.width() < 1 || size.height() < 1 || size.width() > 16384
        || size.height() > 16384)
        return std::nullopt;
    return size;
}

int fail(const char* message)
{
    std::fprintf(stderr, "quintavue-effects: %s\n", message);
    return 2;
}

// The grain the show hands over for an effect in normal grain mode.
int catalogueGrain(int effect)
{
    static const EffectCatalogue catalogue = standardEffectCatalogue();
    return std::max<int>(1, catalogue.effectGrain[0][static_cast<std::size_t>(effect)]);
}

QString catalogueName(int effect)
{
    static const EffectCatalogue catalogue = standardEffectCatalogue();
    if (effect < 0 || effect >= effectTableSize)
        return {};
    return catalogue.effectName[static_cast<std::size_t>(effect)];
}

// The two pictures of a run: the files given, or the generated pair.
std::optional<std::pair<QImage, QImage>> pictures(const Options& options, QSize size)
{
    if (options.has("--from") != options.has("--to"))
        return std::nullopt;
    if (!options.has("--from"))
        return std::pair{gallery::generatedOldPicture(size), gallery::generatedNewPicture(size)};
    QImage older = gallery::loadFitted(options.text("--from"), size);
    QImage newer = gallery::loadFitted(options.text("--to"), size);
    if (older.isNull() || newer.isNull())
        return std::nullopt;
    return std::pair{std::move(older), std::move(newer)};
}

int renderOne(const Options& options)
{
    const auto effect = options.number("--effect");
    const auto size = parseSize(options.text("--size", "640x360"));
    bool progressOk = false;
    const double progress = options.text("--progress").toDouble(&progressOk);
    if (!effect || !isTransitionImplemented(*effect) || !size || !progressOk || !options.has("--out"))
        return fail("render needs --effect 1..113, --progress, --size WxH and -o");
    const auto pair = pictures(options, *size);
    if (!pair)
        return fail("cannot read the pictures given with --from and --to");
    const int grain = options.number("--grain").value_or(catalogueGrain(*effect));
    const auto seed = static_cast<std::uint32_t>(options.number("--seed").value_or(1));
    const TransitionRenderer renderer({*effect, grain, seed, *size});
    QImage out(*size, QImage::Format_RGB32);
    renderer.render(pair->first, pair->second, progress, out);
    return out.save(options.text("--out")) ? 0 : fail("cannot write the output picture");
}

int renderSheet(const Options& options)
{
    const auto size = parseSize(options.text("--size", "240x135"));
    if (!size || !options.has("--out"))
        return fail("sheet needs -o and a valid --size WxH");
    const QStringList range = options.text("--effects", "1-113").split('-');
    const int first = range.value(0).toInt();
    const int last = range.size() > 1 ? range.value(1).toInt() : first;
    gallery::SheetLayout layout{*size, {}, catalogueName};
    for (int effect = first; effect <= last; ++effect)
        if (isTransitionImplemented(effect))
            layout.effects.push_back(effect);
    if (layout.effects.empty())
        return fail("--effects names no effect");
    const auto pair = pictures(options, *size);
    if (!pair)
        return fail("cannot read the pictures given with --from and --to");
    const QImage sheet = gallery::contactSheet(layout, pair->first, pair->second);
    return sheet.save(options.text("--out")) ? 0 : fail("cannot write the sheet");
}

int timeEffects(const Options& options)
{
    const auto size = parseSize(options.text("--size", "1920x1080"));
    const int frames = options.number("--frames").value_or(0);
    if (!size || frames < 1)
        return fail("time needs --size WxH and --frames F (at least 1)");
    std::vector<int> effects;
    if (const auto effect = options.number("--effect")) {
        if (!isTransitionImplemented(*effect))
            return fail("--effect must be 1..113");
        effects.push_back(*effect);
    } else {
        for (const EffectInfo& info : transitionEffects())
            effects.push_back(info.number);
    }
    const QImage older = gallery::generatedOldPicture(*size);
    const QImage newer = gallery::generatedNewPicture(*size);
    std::printf("size %dx%d, %d frames per effect\n", size->width(), size->height(), frames);
    std::printf("memcpy floor  %8.3f ms/frame\n", gallery::memcpyMillisecondsPerFrame(*size, frames));
    for (const int effect : effects) {
        const int grain = options.number("--grain").value_or(catalogueGrain(effect));
        const gallery::FrameCost cost = gallery::effectMillisecondsPerFrame(effect, grain, older, newer, frames);
        std::printf("effect %3d  %8.3f ms/frame  wall %8.3f ms  grain %3d  %s\n", effect, cost.processor,
                    cost.wall, grain,
                    qPrintable(catalogueName(effect)));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts for the sheet's labels need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto options = parse(app.arguments());
    if (!options)
        return fail("usage: quintavue-effects render|sheet|time [--option value]...");
    if (options->command == "render")
        return renderOne(*options);
    if (options->command == "sheet")
        return renderSheet(*options);
    if (options->command == "time")
        return timeEffects(*options);
    return fail("unknown command; use render, sheet or time");
}
