#pragma once

#include <cstdint>

namespace qv {

// Makes every configuration window reachable from every other (window_openers.h).
void registerConfigurationWindows();

// The first windows of configuration mode and of the change-password request.
void showSplashWindow();
void showTitleScreen();
void showPasswordDialogForHost(std::uint32_t hostWindow);

} // namespace qv
