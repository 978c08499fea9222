#pragma once

#include "components/platform/foreign_windows.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <functional>

namespace qv {

// Tells when a screen-saver daemon takes away the window the show draws into. The
// server destroys the show's own window with it and says so, so the show learns it
// the moment it happens without looking again and again.
class DaemonWindowWatch : public QObject, public QAbstractNativeEventFilter {
public:
    // `ours`: the show's native window inside `daemon`. `gone` runs once, from the
    // event loop.
    DaemonWindowWatch(ForeignWindowId daemon, ForeignWindowId ours, std::function<void()> gone);
    ~DaemonWindowWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void report();

    ForeignWindowId daemon_;
    ForeignWindowId ours_;
    std::function<void()> gone_;
    bool reported_ = false;
};

} // namespace qv
