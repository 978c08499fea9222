#include "settings/password_scrambler.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Worked by hand from the key "raWKP": the first character uses the key's second
// letter, the fifth its first. Every 8-bit password comes back whole, stored as a letter
// from k to z and one from a to p for each byte; other stored forms are refused.
TEST(Password, EncodesAsWorkedByHandAndEveryEightBitPasswordComesBack)
{
    const std::pair<QByteArray, QByteArray> vectors[] = {{"", ""}, {"A", "xa"}, {"ABCDEF", "xayfziyewhxh"}, {"\xe9", "ri"}};
    for (const auto& [plain, stored] : vectors) {
        EXPECT_EQ(encode_password(plain), stored) << plain.constData();
        EXPECT_EQ(decode_password(stored), plain) << stored.constData();
    }
    QByteArray all;
    for (int c = 1; c < 256; ++c)
        all.append(static_cast<char>(c));
    const QByteArray stored = encode_password(all);
    ASSERT_EQ(stored.size(), 2 * all.size());
    for (qsizetype i = 0; i < stored.size(); i += 2)
        EXPECT_TRUE(stored[i] >= 'k' && stored[i] <= 'z' && stored[i + 1] >= 'a' && stored[i + 1] <= 'p') << i;
    EXPECT_EQ(decode_password(stored), all);
    // Odd length, a second letter beyond "p", a first before "k", a byte no letter.
    for (const char* never : {"xay", "xq", "ja", "x\xff"})
        EXPECT_FALSE(decode_password(never).has_value()) << never;
}

} // namespace
} // namespace qv
