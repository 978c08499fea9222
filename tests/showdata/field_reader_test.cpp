#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "showdata/field_reader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qv {
namespace {

// Quoted and bare text fields in order, then the end of the input; a field longer than
// any real one fails instead of growing.
TEST(TextFields, ReadInOrder)
{
    const QString euro(QChar(0x20AC));
    const struct {
        const char* name;
        QByteArray bytes;
        std::vector<QString> fields;  // read in order; one more read meets the end of the input
        int end = FileError::InputPastEndOfFile;
    } cases[] = {
        {"CommaInsideQuotes", "\"a,b\",\"c\"\r\n", {"a,b", "c"}},
        {"JunkAfterClosingQuoteSkipped", "  \"x\"  junk,\"y\"", {"x", "y"}},
        {"BareFieldsTrimmed", "abc  ,\t def\n", {"abc", "def"}},
        {"LineFeedOnly", "\"a\"\n\"b\"\n", {"a", "b"}},
        {"LoneCarriageReturn", "\"a\"\r\"b\"", {"a", "b"}},
        {"EmptyFields", ",,\"z\"", {"", "", "z"}},
        {"EmptyQuotedText", "\"\",\"\"\r\n", {"", ""}},
        {"QuotedTextSpansLineEnd", "\"a\r\nb\",c", {"a\r\nb", "c"}},
        {"ByteOrderMarkSkipped", "\xEF\xBB\xBF\"Q\",1", {"Q", "1"}},
        {"Utf8Text", "\"\xE2\x82\xAC caf\xC3\xA9\"", {euro + QString::fromUtf8(" café")}},
        {"Windows1252Text", "\"\x80 caf\xE9\"", {euro + QString::fromUtf8(" café")}},
        {"EncodingChosenPerField", "\"caf\xE9\",\"caf\xC3\xA9\"", {QString::fromUtf8("café"), QString::fromUtf8("café")}},
        {"UnterminatedQuote", "\"a\",\"never closed", {"a"}},
        {"EmptyInput", "", {}},
        {"QuotedFieldTooLong", QByteArray("\"") + QByteArray(FieldReader::maxFieldBytes + 1, 'x'), {}, FileError::Overflow},
        {"BareFieldTooLong", QByteArray(FieldReader::maxFieldBytes + 1, 'x'), {}, FileError::Overflow}};
    for (const auto& c : cases) {
        MemoryByteSource source(c.bytes);
        FieldReader reader(source);
        for (const QString& expected : c.fields) {
            QString text;
            EXPECT_EQ(reader.readText(text), 0) << c.name;
            EXPECT_EQ(text, expected) << c.name;
        }
        QString rest;
        EXPECT_EQ(reader.readText(rest), c.end) << c.name;
    }
}

// Names as the file system holds them: every byte string comes back whole from its path form,
// and shows as Windows-1252 where it is not UTF-8.
TEST(FileNames, EveryNameTurnsBackIntoItsBytesAndShowsReadably)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"photo.jpg", "photo.jpg"},
        {"Zo\xC3\xAB \xF0\x9F\x98\x80.jpg", "Zoë 😀.jpg"},
        {"f\xF6to/caf\xE9.jpg", "föto/café.jpg"},
        {"\x80\x93x\x94", "€“x”"},
        {"\xC0\xAF", "À¯"},                                   // overlong "/"
        {"\xED\xB3\xA9", "í³©"},                              // an escape itself, encoded
        {"a\xE2\x82", "aâ‚"},                                  // cut short
        {"\xF0\x9F\x98\x80\xE9\xF4\x90\x80\x80", "😀éô\xC2\x90€€"},  // beyond U+10FFFF
    };
    for (const auto& [bytes, shown] : cases) {
        const QString path = decodeFileName(bytes);
        EXPECT_EQ(encodeFileName(path), bytes) << shown;
        EXPECT_EQ(displayFileName(path), QString::fromUtf8(shown)) << shown;
        EXPECT_EQ(hasEscapedBytes(path), path != QString::fromUtf8(shown)) << shown;
    }
}

// 16-bit fields and 32-bit counts, which may not be negative: a number or a clear failure.
TEST(NumberFields, ParseOrFail)
{
    const struct {
        const char* field;
        bool count;  // read as a count rather than a 16-bit field
        int error;
        std::int32_t value;
    } cases[] = {{"12", false, 0, 12}, {" 7 ", false, 0, 7}, {"-32768", false, 0, -32768}, {"32767", false, 0, 32767},
                 {"+3", false, 0, 3}, {"\"5\"", false, 0, 5}, {"", false, 0, 0},
                 {"32768", false, FileError::Overflow, 0}, {"-32769", false, FileError::Overflow, 0},
                 {"99999999999999999999999", false, FileError::Overflow, 0}, {"abc", false, FileError::TypeMismatch, 0},
                 {"1.5", false, FileError::TypeMismatch, 0}, {"-", false, FileError::TypeMismatch, 0},
                 {"12x", false, FileError::TypeMismatch, 0}, {"99999999999x", false, FileError::TypeMismatch, 0},
                 {"2147483647", true, 0, 2147483647}, {"0", true, 0, 0}, {"-1", true, FileError::Overflow, 0},
                 {"2147483648", true, FileError::Overflow, 0}, {"three", true, FileError::TypeMismatch, 0}};
    for (const auto& c : cases) {
        const QByteArray bytes = QByteArray(c.field) + ",\"next\"";
        MemoryByteSource source(bytes);
        FieldReader reader(source);
        std::int16_t number = 99;
        std::int32_t count = 99;
        EXPECT_EQ(c.count ? reader.readCount(count) : reader.readInt16(number), c.error) << c.field;
        if (c.error == 0) {
            EXPECT_EQ(c.count ? count : number, c.value) << c.field;
        }
    }
}

} // namespace
} // namespace qv
