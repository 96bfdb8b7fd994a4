#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "widgets/numeric/entry_field_host.h"

namespace lw::numeric::test {

/// Records what an entry field asks of its window; a focus request is answered through
/// onTakeFocus, which a test points at the field's focus gain.
class EntryHostRecorder final : public EntryFieldHost
{
public:
    bool isVisibleAndEnabled() const override { return visibleAndEnabled; }

    bool parentVisibleAndEnabled() const override { return parentShown; }

    bool canFocus() const override { return focusable; }

    void takeFocus() override
    {
        events.push_back(QStringLiteral("takeFocus"));
        if (onTakeFocus)
            onTakeFocus();
    }

    void showField() override { events.push_back(QStringLiteral("showField")); }

    void refresh() override { ++repaints; }

    void beep() override { ++beeps; }

    void showErrorBox(const QString &message) override
    {
        events.push_back(QStringLiteral("box:") + message);
    }

    void advanceFocus(bool forward) override
    {
        events.push_back(forward ? QStringLiteral("next") : QStringLiteral("previous"));
    }

    std::optional<QString> clipboardText() override { return clipboard; }

    void setClipboardText(const QString &text) override { clipboard = text; }

    bool visibleAndEnabled = true;
    bool parentShown = true;
    bool focusable = true;
    int repaints = 0;
    int beeps = 0;
    std::optional<QString> clipboard;
    std::vector<QString> events;
    std::function<void()> onTakeFocus;
};

/// The controller's notifications need an event loop; one application object serves every
/// test of the binary.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "lw_numeric_tests";
    static char *argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        static QCoreApplication application(argc, argv);
    }
}

/// Delivers every posted notification.
inline void deliverPosted()
{
    QCoreApplication::processEvents();
}

} // namespace lw::numeric::test
