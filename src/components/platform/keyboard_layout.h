#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace qv {

// A keyboard layout as the password dialog needs it: which key types a character,
// and what that key types without shift.
class KeyboardLayout {
public:
    // The layout the X display has in use now (its active group first), or a US
    // layout when there is no X display or it cannot be asked.
    static KeyboardLayout current();
    // A layout by its XKB names ("us", "de", "fr" with a variant such as "oss").
    // Nothing when XKB knows no such layout.
    static std::optional<KeyboardLayout> fromNames(const QString& layout, const QString& variant = QString());

    KeyboardLayout(KeyboardLayout&&) noexcept;
    KeyboardLayout& operator=(KeyboardLayout&&) noexcept;
    ~KeyboardLayout();

    // What the key that types `c` (at any shift level) types at its first level, 0
    // when that level types no character (a dead key). Nothing when no key types
    // `c`. Several keys may type `c`: the one that needs the fewest modifiers wins,
    // so "1" is the main row's key, not the keypad's.
    std::optional<char32_t> unshiftedCharacterFor(char32_t c) const;

    // What the layout types, looked up once (opaque outside its source file).
    struct Table;

private:
    explicit KeyboardLayout(std::unique_ptr<Table> table);
    std::unique_ptr<Table> table_;
};

// Each character becomes the character its key types without shift, upper-cased,
// so a password does not depend on Shift or Caps Lock: on a US layout "a" and "A"
// both give "A" and "!" gives "1". A character no key types becomes the character 0.
QString normalise_password(const QString& text, const KeyboardLayout& layout);

} // namespace qv
