#pragma once

#include <QString>

namespace qv {

// The ';'-separated General MIDI soundfonts that tunes are synthesized with, or
// empty when there is none. The first of:
//   - the file, or ';'-separated files, named by the environment variable
//     QUINTAVUE_SOUNDFONT, when the first of them exists;
//   - /usr/share/sounds/sf2/default-GM.sf2 (the system's chosen General MIDI font);
//   - /usr/share/sounds/sf2/TimGM6mb.sf2, /usr/share/sounds/sf2/FluidR3_GM.sf2.
// The program and the tool that synthesizes the sample tunes ahead both ask here:
// a tune's cached wave is named after its soundfonts, so a different choice would
// leave the prepared waves unused.
QString chooseSoundFonts();

} // namespace qv
