#pragma once

#include "make_sample_media/byte_sink.h"

#include <QImage>
#include <QSize>

namespace qv::samples {

// Painted pictures; every one is the same for the same size, whatever the machine.
QImage paintMountainSunset(QSize size);
QImage paintFlowerMeadow(QSize size);
QImage paintMoonlitLake(QSize size);
QImage paintMosaic(QSize size);
QImage paintSoftLights(QSize size);
QImage paintDesertDunes(QSize size);
QImage paintRoseWindow(QSize size);
QImage paintAutumnHills(QSize size);
QImage paintTropicalIsland(QSize size);
QImage paintAurora(QSize size);
QImage paintTulipFields(QSize size);

// The program's own artwork: the title screen's backdrop and the splash window's.
QImage paintTitleBackdrop(QSize size);
QImage paintSplashPrints(QSize size);

// The program's own icon, square, with a transparent surround.
QImage paintAppIcon(int side);

// Drawn as metafile records, to be scaled by whoever plays them.
Bytes drawSailboatMetafile();
Bytes drawBouquetMetafile();

} // namespace qv::samples
