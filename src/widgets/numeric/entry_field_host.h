#pragma once

#include <optional>

#include <QString>

namespace lw::numeric {

/// The window-side services an entry field needs: the widget implements them, tests record
/// them. Every call comes from the user-interface thread.
class EntryFieldHost
{
public:
    virtual ~EntryFieldHost() = default;

    /// An invisible or disabled field passes validation.
    virtual bool isVisibleAndEnabled() const = 0;

    /// Setting a range limit takes the focus for an invalid value only when this is true.
    virtual bool parentVisibleAndEnabled() const = 0;

    virtual bool canFocus() const = 0;

    virtual void takeFocus() = 0;

    /// Makes the field visible before it takes the focus back (e.g. selects its notebook page).
    virtual void showField() = 0;

    /// The painted text, selection, caret or colours changed.
    virtual void refresh() = 0;

    virtual void beep() = 0;

    /// A modal error box with one OK button.
    virtual void showErrorBox(const QString &message) = 0;

    /// Moves the focus to the next (or previous) control in tab order.
    virtual void advanceFocus(bool forward) = 0;

    /// Plain text on the clipboard; nullopt when it holds none or cannot be read.
    virtual std::optional<QString> clipboardText() = 0;

    virtual void setClipboardText(const QString &text) = 0;
};

} // namespace lw::numeric
