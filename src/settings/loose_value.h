#pragma once

#include <QString>

namespace qv {

// A setting kept as the text it was stored as and compared numerically where it
// is used. A screen that puts a number into it stores that number's decimal text.
class LooseValue {
public:
    LooseValue() = default;
    LooseValue(const char* text) : text_(QString::fromUtf8(text)) {}  // NOLINT: defaults read naturally
    explicit LooseValue(QString text) : text_(std::move(text)) {}
    LooseValue(int number) : text_(QString::number(number)) {}  // NOLINT: screens assign numbers

    const QString& text() const { return text_; }
    // The numeric value of the text; text that is not a number counts as 0.
    double number() const;
    // The number rounded to the nearest whole number (halves to even).
    int toInt() const;
    bool isTrue() const { return number() != 0.0; }

    friend bool operator==(const LooseValue&, const LooseValue&) = default;

private:
    QString text_;
};

} // namespace qv
