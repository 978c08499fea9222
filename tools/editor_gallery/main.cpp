// Opens the custom show editor on a show made of the stock pictures and sounds, with
// the fourth slide's description chosen, and saves the screen as a PNG once the window is up.
#include "components/platform/paths.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/editor/create_sequence.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace qv;
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: editor_gallery OUT.png [SLIDES]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int slides = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 25;

    QTemporaryDir folder;
    globalSettings().slideshowPath = folder.path() + QLatin1Char('/');
    const QDir media(sampleMediaFolder());
    const QStringList pictures = media.entryList({"*.jpg", "*.gif", "*.bmp", "*.tga", "*.pcx", "*.tif", "*.dib"});
    const QStringList sounds = media.entryList({"*.wav", "*.mid"});
    CustomShow show;
    for (int n = 1; n <= slides && !pictures.isEmpty(); ++n) {
        AppendSlide(show);
        const QString picture = media.filePath(pictures[(n - 1) % pictures.size()]);
        const QString sound = n % 4 == 0 && !sounds.isEmpty() ? media.filePath(sounds[n % sounds.size()])
                              : n % 7 == 0                     ? QStringLiteral("Sound Off")
                                                               : QString();
        show.setSlide(n, SlideRecord{picture, n % 3 == 0 ? QString() : QStringLiteral("Holiday picture number %1").arg(n),
                                     static_cast<std::int16_t>(10 + n % 5), static_cast<std::int16_t>((n * 7) % 115),
                                     static_cast<std::int16_t>(20 + n), sound, static_cast<std::int16_t>(n % 4 == 0)});
    }
    customShow() = show;
    globalSettings().activeCss = QStringLiteral("holiday.css");
    configUiState().savedShowName = globalSettings().activeCss;
    if (SaveCustomShow() != 0)
        return 1;

    create_sequence::open();
    create_sequence* editor = create_sequence::current();
    editor->Label1_Click(3 * 7 + 1);
    editor->activateWindow();
    QTimer::singleShot(1500, [&] {
        QScreen* screen = editor->screen();
        const bool saved = screen->grabWindow(0).save(out);
        std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
