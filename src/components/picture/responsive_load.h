#pragma once

#include "components/picture/picture_decoder.h"

#include <QSize>
#include <QString>

#include <functional>

namespace qv {

// Loads a picture for a screen of `target` device pixels: from the shared cache when
// the same unchanged file was decoded for the same screen before, otherwise decoded on
// a worker thread while this thread keeps running its events (any handler may run
// inside). Returns once the picture is decoded, with its code.
DecodeOutcome loadPictureResponsively(const QString& path, QSize target);

// Runs `job` on a worker thread while this thread keeps running its events (any
// handler may run inside), and returns when it is done. Without an application
// object the job simply runs here.
void runWhileEventsRun(const std::function<void()>& job);

} // namespace qv
