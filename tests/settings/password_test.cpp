#include "settings/password_scrambler.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Worked by hand from the key "raWKP": the first character uses the key's second
// letter, the fifth its first.
TEST(Password, EncodeAndDecodeAgreeWithHandComputedForms)
{
    const std::pair<QByteArray, QByteArray> vectors[] = {{"", ""}, {"A", "xa"}, {"ABCDEF", "xayfziyewhxh"}, {"\xe9", "ri"}};
    for (const auto& [plain, stored] : vectors) {
        EXPECT_EQ(encode_password(plain), stored) << plain.constData();
        EXPECT_EQ(decode_password(stored), plain) << stored.constData();
    }
}

TEST(Password, EveryEightBitPasswordSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int c = 1; c < 256; ++c)
        all.append(static_cast<char>(c));
    const QByteArray stored = encode_password(all);
    ASSERT_EQ(stored.size(), 2 * all.size());
    for (qsizetype i = 0; i < stored.size(); i += 2) {
        EXPECT_GE(stored[i], 'k');
        EXPECT_LE(stored[i], 'z');
        EXPECT_GE(stored[i + 1], 'a');
        EXPECT_LE(stored[i + 1], 'p');
    }
    EXPECT_EQ(decode_password(stored), all);
}

TEST(Password, StoredFormsTheEncoderNeverWritesAreRejected)
{
    EXPECT_FALSE(decode_password("xay").has_value());    // odd length
    EXPECT_FALSE(decode_password("xq").has_value());     // second letter beyond "p"
    EXPECT_FALSE(decode_password("ja").has_value());     // first letter before "k"
    EXPECT_FALSE(decode_password("x\xff").has_value());
}

} // namespace
} // namespace qv
