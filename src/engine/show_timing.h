#pragma once

namespace qv {

// The show's fixed intervals. Tests shorten them; the program never changes them.
struct ShowTiming {
    int tickMs = 500;               // `Tick`
    int passwordTimeoutMs = 60000;  // `Timer1` of the password prompt
    double badPictureSeconds = 5;   // how long an unusable picture is reported
    int captionPauseSeconds = 1;    // between the end of a transition and its caption
    int closingPauseSeconds = 1;    // between stopping the sounds and closing
};

ShowTiming& showTiming();

} // namespace qv
