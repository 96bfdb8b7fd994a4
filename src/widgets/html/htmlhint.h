// THTMLHint and THTMLHintWindow: every tool-tip of the program drawn as mini-HTML.
#pragma once

#include <stdexcept>

#include <QPointer>
#include <QWidget>

#include "platform/application_hooks.h"
#include "widgets/html/draw_markup.h"

namespace lw::html {

/// A hint component that cannot serve the form it was put on.
class EHTMLHintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class THintStyle { hsRectangle, hsRounded };

/// The component on a form that makes every tool-tip of the application a THTMLHintWindow in
/// its font and colours. One a form; it must be put on a form.
class THTMLHint final : public QObject
{
    Q_OBJECT

public:
    /// Throws EHTMLHintError when `owner` is no form or already has a THTMLHint.
    THTMLHint(QWidget *owner, platform::ApplicationHooks &application);
    ~THTMLHint() override;
    Q_DISABLE_COPY_MOVE(THTMLHint)

    platform::FontSpec HintFont;
    platform::Colour HintColor = platform::systemColour(platform::SystemColour::InfoBackground);
    platform::Colour HintColorTo = platform::colourNone;
    THintStyle HintStyle = THintStyle::hsRectangle;
    int MaxWidth = 0;
    int XMargin = 0;
    int YMargin = 0;
    bool Ellipsis = false;
    platform::Colour URLColor = 0x00FF0000;
    platform::Colour ShadowColor = 0x00808080;
    int ShadowOffset = 1;
    /// Runs for every tool-tip with the application's arguments, before it shows.
    platform::ShowHintHandler OnShowHint;

    /// "1.3.5.0"; read-only.
    static QString Version();

    /// The record of the last tool-tip and the colour it is painted in.
    const platform::HintInfo &hintInfo() const { return FHintInfo; }

    platform::Colour hintInfoColor() const { return FHintInfoColor; }

    /// The application's show-hint event.
    void ShowHint(QString &text, bool &canShow, platform::HintInfo &info);

private:
    platform::ApplicationHooks &FApplication;
    platform::HintInfo FHintInfo;
    platform::Colour FHintInfoColor = HintColor;
};

/// The application's tool-tip window while a THTMLHint is on the main window: measured and
/// painted by the markup renderer, placed inside the nearest monitor, never activated.
class THTMLHintWindow final : public QWidget, public platform::HintWindow
{
    Q_OBJECT

public:
    /// `mainWindow` is where each activation looks for its THTMLHint.
    explicit THTMLHintWindow(QWidget *mainWindow);

    void activateHint(
            const QRect &rect, const QString &text, const platform::HintInfo &info) override;
    void releaseHint() override;

    QString text() const { return FText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    THTMLHint *findHint() const;
    MarkupOptions markupOptions(const THTMLHint &hint) const;
    platform::TextSize measure(const THTMLHint &hint, const QRect &from) const;
    void paintEdge(QPainter &painter, const THTMLHint &hint);

    QPointer<QWidget> FMainWindow;
    QPointer<THTMLHint> FHint;
    QString FText;
    platform::TextSize FTextSize; // measured at activation, margins included
};

} // namespace lw::html
