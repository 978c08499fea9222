#include "components/platform/keyboard_layout.h"

#include <QByteArray>
#include <QChar>
#include <QList>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <tuple>
#include <unordered_map>

namespace qv {
namespace {

struct ContextDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ConnectionDeleter {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Context = std::unique_ptr<xkb_context, ContextDeleter>;
using Keymap = std::unique_ptr<xkb_keymap, KeymapDeleter>;
using Connection = std::unique_ptr<xcb_connection_t, ConnectionDeleter>;

// X11's core protocol ends here; keys beyond exist only on special keyboards.
constexpr xkb_keycode_t kLastCoreKeycode = 255;

Context newContext() { return Context(xkb_context_new(XKB_CONTEXT_NO_FLAGS)); }

// The character a key types at one level, 0 when none (dead keys, keypad movement).
char32_t characterAt(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t layout, xkb_level_index_t level)
{
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, key, layout, level, &symbols);
    return count > 0 ? xkb_keysym_to_utf32(symbols[0]) : 0;
}

} // namespace

// For every character the layout types, what its key types at the first level.
struct KeyboardLayout::Table {
    struct Entry {
        // Smaller wins: the active group, then the keys of an ordinary keyboard
        // before the extra keys of the extended range (a "Euro" media key must not
        // beat AltGr+E), then fewer modifiers, then the lower key code.
        std::tuple<xkb_layout_index_t, bool, xkb_level_index_t, xkb_keycode_t> rank;
        char32_t unshifted = 0;
    };
    std::unordered_map<char32_t, Entry> entries;
    bool fromXkb = false;

    Table() = default;

    // `active`: the layout (group) in use, searched before the keymap's others so a
    // character both type comes out as the active one's key.
    Table(xkb_keymap* keymap, xkb_layout_index_t active) : fromXkb(true)
    {
        const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
        for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= last && key != 0; ++key) {
            const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap, key);
            for (xkb_layout_index_t layout = 0; layout < layouts; ++layout) {
                const xkb_layout_index_t order = layout == active ? 0 : layout + 1;
                const char32_t unshifted = characterAt(keymap, key, layout, 0);
                const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, key, layout);
                for (xkb_level_index_t level = 0; level < levels; ++level) {
                    const char32_t typed = characterAt(keymap, key, layout, level);
                    if (typed == 0)
                        continue;
                    const Entry candidate{{order, key > kLastCoreKeycode, level, key}, unshifted};
                    const auto [found, inserted] = entries.try_emplace(typed, candidate);
                    if (!inserted && candidate.rank < found->second.rank)
                        found->second = candidate;
                }
            }
        }
    }
};

namespace {

std::unique_ptr<KeyboardLayout::Table> tableFromNames(const QByteArray& layout, const QByteArray& variant)
{
    const Context context = newContext();
    if (!context)
        return nullptr;
    const xkb_rule_names names{"evdev", "pc105", layout.constData(), variant.constData(), ""};
    const Keymap keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return nullptr;
    return std::make_unique<KeyboardLayout::Table>(keymap.get(), 0);
}

std::unique_ptr<KeyboardLayout::Table> tableFromDisplay()
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return nullptr;
    const Connection connection(xcb_connect(nullptr, nullptr));
    if (!connection || xcb_connection_has_error(connection.get()) != 0)
        return nullptr;
    if (xkb_x11_setup_xkb_extension(connection.get(), XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 0)
        return nullptr;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection.get());
    if (device < 0)
        return nullptr;
    const Context context = newContext();
    if (!context)
        return nullptr;
    const Keymap keymap(xkb_x11_keymap_new_from_device(context.get(), connection.get(), device,
                                                       XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return nullptr;
    xkb_layout_index_t active = 0;
    if (xkb_state* state = xkb_x11_state_new_from_device(keymap.get(), connection.get(), device)) {
        active = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
        xkb_state_unref(state);
    }
    return std::make_unique<KeyboardLayout::Table>(keymap.get(), active);
}

} // namespace

KeyboardLayout::KeyboardLayout(std::unique_ptr<Table> table) : table_(std::move(table)) {}
KeyboardLayout::KeyboardLayout(KeyboardLayout&&) noexcept = default;
KeyboardLayout& KeyboardLayout::operator=(KeyboardLayout&&) noexcept = default;
KeyboardLayout::~KeyboardLayout() = default;

KeyboardLayout KeyboardLayout::current()
{
    if (std::unique_ptr<Table> table = tableFromDisplay())
        return KeyboardLayout(std::move(table));
    if (std::unique_ptr<Table> table = tableFromNames("us", ""))
        return KeyboardLayout(std::move(table));
    // No XKB data at all: every character stands for itself, which still makes
    // letters case-insensitive.
    return KeyboardLayout(std::make_unique<Table>());
}

std::optional<KeyboardLayout> KeyboardLayout::fromNames(const QString& layout, const QString& variant)
{
    std::unique_ptr<Table> table = tableFromNames(layout.toUtf8(), variant.toUtf8());
    if (!table)
        return std::nullopt;
    return KeyboardLayout(std::move(table));
}

std::optional<char32_t> KeyboardLayout::unshiftedCharacterFor(char32_t c) const
{
    if (!table_->fromXkb)
        return c;
    const auto found = table_->entries.find(c);
    if (found == table_->entries.end())
        return std::nullopt;
    return found->second.unshifted;
}

QString normalise_password(const QString& text, const KeyboardLayout& layout)
{
    QString normalised;
    for (const char32_t c : text.toUcs4()) {
        const char32_t unshifted = layout.unshiftedCharacterFor(c).value_or(0);
        const char32_t upper = QChar::toUpper(unshifted);
        normalised += QString::fromUcs4(&upper, 1);
    }
    return normalised;
}

} // namespace qv
