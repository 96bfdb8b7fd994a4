#include "platform/widgets/x11_window_chrome.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace lw::platform {

namespace {

// The parts of the Motif window-manager hints that window managers still read.
constexpr std::uint32_t HintsFunctions = 1U << 0U;
constexpr std::uint32_t HintsDecorations = 1U << 1U;
constexpr std::uint32_t FunctionMove = 1U << 2U;
constexpr std::uint32_t DecorationBorder = 1U << 1U;
constexpr std::uint32_t DecorationTitle = 1U << 3U;

xcb_atom_t internedAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace

void X11WindowChrome::removeTitleBarButtons(std::uintptr_t window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_atom_t hints = internedAtom(connection, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE)
        return;
    // Flags, functions, decorations, input mode, status: moved only, a title and a border.
    const std::array<std::uint32_t, 5> value{ HintsFunctions | HintsDecorations, FunctionMove,
        DecorationBorder | DecorationTitle, 0, 0 };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window), hints,
            hints, 32, static_cast<std::uint32_t>(value.size()), value.data());
    xcb_flush(connection);
}

} // namespace lw::platform
