#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace qv {

// One slide of a custom show, fields in the order the show file holds them.
struct SlideRecord {
    QString picture;        // full path of the picture
    QString description;    // caption; may be empty
    std::int16_t delay = 0;        // seconds on screen
    std::int16_t effect = 0;       // 0 to 114; 114 draws an effect each time
    std::int16_t effectSpeed = 0;  // handed unchanged to the image component
    QString audio;          // sound path, "Sound Off", or empty for no change
    std::int16_t audioLoop = 0;    // 1 = repeat while the slide is up

    friend bool operator==(const SlideRecord&, const SlideRecord&) = default;
};

// The one show table of the process: seven parallel columns, slides at positions
// 1 to `slideCount`, position 0 present and never used.
//
// Every column always has at least `slideCount` + 1 entries. A random show reuses
// the `picture` column for the pictures it found (positions 1 to `pictureCount`)
// and the `audio` column for its sounds (1 to `audioCount`); those two columns then
// have at least `pictureCount` + 1 and `audioCount` + 1 entries.
struct CustomShow {
    int slideCount = 0;
    std::vector<QString> picture = std::vector<QString>(1);
    std::vector<QString> description = std::vector<QString>(1);
    std::vector<std::int16_t> delay = std::vector<std::int16_t>(1);
    std::vector<std::int16_t> effect = std::vector<std::int16_t>(1);
    std::vector<std::int16_t> effectSpeed = std::vector<std::int16_t>(1);
    std::vector<QString> audio = std::vector<QString>(1);
    std::vector<std::int16_t> audioLoop = std::vector<std::int16_t>(1);

    // The lengths of the lists the running show cycles through.
    int pictureCount = 0;
    int audioCount = 0;

    // Sets `slideCount` and resizes all seven columns together, keeping the values
    // at the positions that remain (new positions hold empty texts and zeros).
    // `pictureCount` and `audioCount` shrink with their columns if need be.
    void resizeSlides(int count);
    // Slide `position` (1 to `slideCount`) as one record, and back.
    SlideRecord slide(int position) const;
    void setSlide(int position, const SlideRecord& record);
};

// The process-wide show table.
CustomShow& customShow();

// Adds one empty slide position at the end of `show` (of the process-wide table
// when called without one), keeping every slide.
void AppendSlide(CustomShow& show);
void AppendSlide();

} // namespace qv
