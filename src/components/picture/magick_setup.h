#pragma once

namespace qv {

// Starts GraphicsMagick once per process (later calls return at once): without its
// signal handlers, one worker thread, the pixel limits of DecodeLimits, and a font map
// that points at fonts this system has, so text in metafiles renders. Call it on the
// user-interface thread before the first decode if possible: it sets an environment
// variable, which is only safe while no other thread reads the environment.
void prepareMagick();

} // namespace qv
