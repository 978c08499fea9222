#pragma once

#include "make_sample_media/byte_sink.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qv::samples {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct WmfPoint {
    int x = 0, y = 0;
};

// Builds a placeable Windows metafile record by record. Logical units are twips
// (1440 per inch), so a picture `width` x `height` units large shows at
// width/20 x height/20 pixels at 72 dots per inch. Coordinates must fit in 16 bits.
class WmfWriter {
public:
    WmfWriter(int width, int height);

    int createSolidBrush(Rgb colour);
    int createNullBrush();
    int createPen(Rgb colour, int width);
    int createNullPen();
    int createFont(int height, int weight, std::string_view face);
    void select(int object);
    void remove(int object);

    void setTextColour(Rgb colour);
    void setTransparentText();
    void setTextAlignCentreBaseline();

    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    void polygon(std::span<const WmfPoint> points);
    void textOut(int x, int y, std::string_view text);

    // The whole file: placeable header, metafile header, records and the end record.
    Bytes finish() const;

private:
    void record(std::uint16_t function, const Bytes& parameters);
    int allocateObject();

    int width_;
    int height_;
    std::vector<Bytes> records_;
    std::vector<bool> slotsInUse_;
    std::uint32_t largestRecordWords_ = 3;
};

} // namespace qv::samples
