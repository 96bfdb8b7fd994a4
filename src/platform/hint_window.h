#pragma once

#include <functional>
#include <memory>

#include <QPoint>
#include <QRect>
#include <QString>

class QObject;

namespace lw::platform {

/// What the application knows of a tool-tip about to show; the show-hint handler may change it.
struct HintInfo
{
    /// The control whose tooltip it is.
    QObject *control = nullptr;
    /// Screen position of the tool-tip's top-left corner.
    QPoint position;
    /// The widest the tool-tip may be: the screen's width unless the handler narrows it.
    int maxWidth = 0;
};

/// The window that shows the application's tool-tips.
class HintWindow
{
public:
    virtual ~HintWindow() = default;

    /// Shows `text` for the tool-tip described by `info`, starting from `rect`.
    virtual void activateHint(const QRect &rect, const QString &text, const HintInfo &info) = 0;

    /// Hides the tool-tip.
    virtual void releaseHint() = 0;
};

/// Makes the application's tool-tip window.
using HintWindowClass = std::function<std::unique_ptr<HintWindow>()>;

/// Runs before every tool-tip; it may change the text, refuse the tip or change its record.
using ShowHintHandler = std::function<void(QString &text, bool &canShow, HintInfo &info)>;

} // namespace lw::platform
