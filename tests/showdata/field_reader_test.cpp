#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "showdata/field_reader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qv {
namespace {

struct TextCase {
    const char* name;
    QByteArray bytes;
    std::vector<QString> fields;  // read in order
    int errorAtEnd;               // of one more read past the fields
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class TextFields : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextFields, ReadInOrder)
{
    const TextCase& c = GetParam();
    MemoryByteSource source(c.bytes);
    FieldReader reader(source);
    for (const QString& expected : c.fields) {
        QString text;
        ASSERT_EQ(reader.readText(text), 0);
        EXPECT_EQ(text, expected);
    }
    QString rest;
    EXPECT_EQ(reader.readText(rest), c.errorAtEnd);
}

const QString euro(QChar(0x20AC));

INSTANTIATE_TEST_SUITE_P(
    ShowFileSyntax, TextFields,
    ::testing::Values(
        TextCase{"CommaInsideQuotes", "\"a,b\",\"c\"\r\n", {"a,b", "c"}, FileError::InputPastEndOfFile},
        TextCase{"JunkAfterClosingQuoteSkipped", "  \"x\"  junk,\"y\"", {"x", "y"}, FileError::InputPastEndOfFile},
        TextCase{"BareFieldsTrimmed", "abc  ,\t def\n", {"abc", "def"}, FileError::InputPastEndOfFile},
        TextCase{"LineFeedOnly", "\"a\"\n\"b\"\n", {"a", "b"}, FileError::InputPastEndOfFile},
        TextCase{"LoneCarriageReturn", "\"a\"\r\"b\"", {"a", "b"}, FileError::InputPastEndOfFile},
        TextCase{"EmptyFields", ",,\"z\"", {"", "", "z"}, FileError::InputPastEndOfFile},
        TextCase{"EmptyQuotedText", "\"\",\"\"\r\n", {"", ""}, FileError::InputPastEndOfFile},
        TextCase{"QuotedTextSpansLineEnd", "\"a\r\nb\",c", {"a\r\nb", "c"}, FileError::InputPastEndOfFile},
        TextCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBF\"Q\",1", {"Q", "1"}, FileError::InputPastEndOfFile},
        TextCase{"Utf8Text", "\"\xE2\x82\xAC caf\xC3\xA9\"", {euro + QString::fromUtf8(" café")},
                 FileError::InputPastEndOfFile},
        TextCase{"Windows1252Text", "\"\x80 caf\xE9\"", {euro + QString::fromUtf8(" café")},
                 FileError::InputPastEndOfFile},
        TextCase{"EncodingChosenPerField", "\"caf\xE9\",\"caf\xC3\xA9\"",
                 {QString::fromUtf8("café"), QString::fromUtf8("café")}, FileError::InputPastEndOfFile},
        TextCase{"UnterminatedQuote", "\"a\",\"never closed", {"a"}, FileError::InputPastEndOfFile},
        TextCase{"EmptyInput", "", {}, FileError::InputPastEndOfFile}));

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

struct NumberCase {
    const char* field;
    int error;
    int value;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << '"' << c.field << '"'; }

class Int16Fields : public ::testing::TestWithParam<NumberCase> {};

TEST_P(Int16Fields, ParseOrFail)
{
    const QByteArray bytes = QByteArray(GetParam().field) + ",\"next\"";
    MemoryByteSource source(bytes);
    FieldReader reader(source);
    std::int16_t number = 99;
    EXPECT_EQ(reader.readInt16(number), GetParam().error);
    if (GetParam().error == 0) {
        EXPECT_EQ(number, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, Int16Fields,
    ::testing::Values(NumberCase{"12", 0, 12}, NumberCase{" 7 ", 0, 7}, NumberCase{"-32768", 0, -32768},
                      NumberCase{"32767", 0, 32767}, NumberCase{"+3", 0, 3}, NumberCase{"\"5\"", 0, 5},
                      NumberCase{"", 0, 0}, NumberCase{"32768", FileError::Overflow, 0},
                      NumberCase{"-32769", FileError::Overflow, 0},
                      NumberCase{"99999999999999999999999", FileError::Overflow, 0},
                      NumberCase{"abc", FileError::TypeMismatch, 0}, NumberCase{"1.5", FileError::TypeMismatch, 0},
                      NumberCase{"-", FileError::TypeMismatch, 0}, NumberCase{"12x", FileError::TypeMismatch, 0},
                      NumberCase{"99999999999x", FileError::TypeMismatch, 0}));

TEST(CountField, AcceptsOnlyNonNegativeThirtyTwoBitNumbers)
{
    const std::vector<std::pair<QByteArray, int>> cases = {
        {"2147483647", 0}, {"0", 0}, {"-1", FileError::Overflow}, {"2147483648", FileError::Overflow},
        {"three", FileError::TypeMismatch}};
    for (const auto& [field, error] : cases) {
        MemoryByteSource source(field);
        FieldReader reader(source);
        std::int32_t count = 0;
        EXPECT_EQ(reader.readCount(count), error) << field.constData();
    }
}

TEST(FieldLength, AFieldLongerThanAnyRealOneFailsInsteadOfGrowing)
{
    for (const QByteArray& opening : {QByteArray("\""), QByteArray()}) {
        const QByteArray bytes = opening + QByteArray(FieldReader::maxFieldBytes + 1, 'x');
        MemoryByteSource source(bytes);
        FieldReader reader(source);
        QString text;
        EXPECT_EQ(reader.readText(text), FileError::Overflow);
    }
}

} // namespace
} // namespace qv
