#include "make_sample_media/wmf_writer.h"

#include <algorithm>
#include <stdexcept>

namespace qv::samples {
namespace {

constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kCreatePen = 0x02FA;
constexpr std::uint16_t kCreateFont = 0x02FB;
constexpr std::uint16_t kCreateBrush = 0x02FC;
constexpr std::uint16_t kPolygon = 0x0324;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;

constexpr int kTwipsPerInch = 1440;

std::int16_t coordinate(int value)
{
    if (value < -32768 || value > 32767)
        throw std::out_of_range("metafile coordinate outside 16 bits");
    return static_cast<std::int16_t>(value);
}

std::uint32_t colourRef(Rgb c)
{
    return static_cast<std::uint32_t>(c.r) | (static_cast<std::uint32_t>(c.g) << 8)
           | (static_cast<std::uint32_t>(c.b) << 16);
}

// Rectangle parameters go bottom, right, top, left: the reverse of the call order.
Bytes rectangleParameters(int left, int top, int right, int bottom)
{
    ByteSink p;
    p.i16le(coordinate(bottom));
    p.i16le(coordinate(right));
    p.i16le(coordinate(top));
    p.i16le(coordinate(left));
    return p.take();
}

} // namespace

WmfWriter::WmfWriter(int width, int height) : width_(width), height_(height)
{
    ByteSink origin;
    origin.i16le(0);
    origin.i16le(0);
    record(kSetWindowOrg, origin.bytes());
    ByteSink extent; // y before x
    extent.i16le(coordinate(height));
    extent.i16le(coordinate(width));
    record(kSetWindowExt, extent.bytes());
}

int WmfWriter::allocateObject()
{
    // Playback puts each new object in the lowest free slot of its table; we must agree.
    const auto free = std::find(slotsInUse_.begin(), slotsInUse_.end(), false);
    if (free != slotsInUse_.end()) {
        *free = true;
        return static_cast<int>(free - slotsInUse_.begin());
    }
    slotsInUse_.push_back(true);
    return static_cast<int>(slotsInUse_.size() - 1);
}

int WmfWriter::createSolidBrush(Rgb colour)
{
    ByteSink p;
    p.u16le(0); // BS_SOLID
    p.u32le(colourRef(colour));
    p.u16le(0);
    record(kCreateBrush, p.bytes());
    return allocateObject();
}

int WmfWriter::createNullBrush()
{
    ByteSink p;
    p.u16le(1); // BS_NULL
    p.u32le(0);
    p.u16le(0);
    record(kCreateBrush, p.bytes());
    return allocateObject();
}

int WmfWriter::createPen(Rgb colour, int width)
{
    ByteSink p;
    p.u16le(0); // PS_SOLID
    p.i16le(coordinate(width));
    p.i16le(0);
    p.u32le(colourRef(colour));
    record(kCreatePen, p.bytes());
    return allocateObject();
}

int WmfWriter::createNullPen()
{
    ByteSink p;
    p.u16le(5); // PS_NULL
    p.i16le(0);
    p.i16le(0);
    p.u32le(0);
    record(kCreatePen, p.bytes());
    return allocateObject();
}

int WmfWriter::createFont(int height, int weight, std::string_view face)
{
    ByteSink p;
    p.i16le(coordinate(-height)); // negative: character height, not cell height
    p.i16le(0);
    p.i16le(0);
    p.i16le(0);
    p.i16le(coordinate(weight));
    p.u8(0);  // italic
    p.u8(0);  // underline
    p.u8(0);  // strike-out
    p.u8(0);  // ANSI character set
    p.u8(0);  // output precision
    p.u8(0);  // clip precision
    p.u8(4);  // antialiased quality
    p.u8(0x22); // variable pitch, swiss family
    const std::string_view name = face.substr(0, 31);
    p.text(name);
    p.u8(0);
    if (p.size() % 2 != 0)
        p.u8(0);
    record(kCreateFont, p.bytes());
    return allocateObject();
}

void WmfWriter::select(int object)
{
    ByteSink p;
    p.u16le(static_cast<std::uint16_t>(object));
    record(kSelectObject, p.bytes());
}

void WmfWriter::remove(int object)
{
    ByteSink p;
    p.u16le(static_cast<std::uint16_t>(object));
    record(kDeleteObject, p.bytes());
    slotsInUse_.at(static_cast<std::size_t>(object)) = false;
}

void WmfWriter::setTextColour(Rgb colour)
{
    ByteSink p;
    p.u32le(colourRef(colour));
    record(kSetTextColor, p.bytes());
}

void WmfWriter::setTransparentText()
{
    ByteSink p;
    p.u16le(1); // TRANSPARENT
    p.u16le(0);
    record(kSetBkMode, p.bytes());
}

void WmfWriter::setTextAlignCentreBaseline()
{
    ByteSink p;
    p.u16le(6 | 24); // TA_CENTER | TA_BASELINE
    p.u16le(0);
    record(kSetTextAlign, p.bytes());
}

void WmfWriter::rectangle(int left, int top, int right, int bottom)
{
    record(kRectangle, rectangleParameters(left, top, right, bottom));
}

void WmfWriter::ellipse(int left, int top, int right, int bottom)
{
    record(kEllipse, rectangleParameters(left, top, right, bottom));
}

void WmfWriter::polygon(std::span<const WmfPoint> points)
{
    ByteSink p;
    p.i16le(coordinate(static_cast<int>(points.size())));
    for (const WmfPoint& point : points) {
        p.i16le(coordinate(point.x));
        p.i16le(coordinate(point.y));
    }
    record(kPolygon, p.bytes());
}

void WmfWriter::textOut(int x, int y, std::string_view text)
{
    ByteSink p;
    p.i16le(coordinate(static_cast<int>(text.size())));
    p.text(text);
    if (text.size() % 2 != 0)
        p.u8(0);
    p.i16le(coordinate(y));
    p.i16le(coordinate(x));
    record(kTextOut, p.bytes());
}

void WmfWriter::record(std::uint16_t function, const Bytes& parameters)
{
    ByteSink r;
    const auto words = static_cast<std::uint32_t>(3 + parameters.size() / 2);
    r.u32le(words);
    r.u16le(function);
    r.append(parameters);
    largestRecordWords_ = std::max(largestRecordWords_, words);
    records_.push_back(r.take());
}

Bytes WmfWriter::finish() const
{
    ByteSink placeable;
    placeable.u32le(0x9AC6CDD7u);
    placeable.u16le(0);
    placeable.i16le(0);
    placeable.i16le(0);
    placeable.i16le(coordinate(width_));
    placeable.i16le(coordinate(height_));
    placeable.u16le(kTwipsPerInch);
    placeable.u32le(0);
    std::uint16_t checksum = 0;
    const Bytes& head = placeable.bytes();
    for (std::size_t i = 0; i + 1 < head.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(head[i] | (head[i + 1] << 8));
    placeable.u16le(checksum);

    std::uint32_t totalWords = 9 + 3; // metafile header and the end record
    for (const Bytes& r : records_)
        totalWords += static_cast<std::uint32_t>(r.size() / 2);

    ByteSink out;
    out.append(placeable.bytes());
    out.u16le(1);      // on disk
    out.u16le(9);      // header words
    out.u16le(0x0300); // Windows 3.0 metafile
    out.u32le(totalWords);
    out.u16le(static_cast<std::uint16_t>(slotsInUse_.size()));
    out.u32le(largestRecordWords_);
    out.u16le(0);
    for (const Bytes& r : records_)
        out.append(r);
    out.u32le(3);
    out.u16le(0); // end of file
    return out.take();
}

} // namespace qv::samples
