#pragma once

// TOvcURL: a label that stands for a web or mail address and opens it when clicked.

#include <optional>

#include <QBasicTimer>
#include <QColor>
#include <QLabel>

#include "platform/desktop_shell.h"
#include "platform/user_feedback.h"

namespace lw::url {

/// Shows its caption, or its address while the caption is empty; turns HighlightColor while
/// the pointer is over it; asks the desktop to open the address when clicked, or when Click
/// is called from code, visible or not. A refused open only beeps.
class TOvcURL final : public QLabel
{
    Q_OBJECT

public:
    /// Longer addresses are cut to this many characters before they are opened.
    static constexpr int MaxURLLength = 1023;
    /// How often, in ms, a hovered label looks whether the pointer has left it.
    static constexpr int HoverPeriod = 100;

    TOvcURL(platform::DesktopShell &shell, platform::UserFeedback &feedback,
            QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TOvcURL)

    const QString &Caption() const { return FCaption; }

    void setCaption(const QString &caption);

    const QString &URL() const { return FURL; }

    void setURL(const QString &url);

    QColor HighlightColor() const { return FHighlightColor; }

    void setHighlightColor(const QColor &color) { FHighlightColor = color; }

    /// The text's colour now. It is painted so where it reads on the background behind the
    /// label; elsewhere it is moved toward black or white until it does.
    QColor fontColor() const;
    void setFontColor(const QColor &color);

    /// Opens the address, if there is one, then fires OnClick.
    void Click();

Q_SIGNALS:
    void OnClick();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showText();
    void openURL();

    platform::DesktopShell &FShell;
    platform::UserFeedback &FFeedback;
    QString FCaption;
    QString FURL;
    QColor FHighlightColor{ Qt::red };
    std::optional<QColor> FRestingColor; // remembered at the first hover
    QBasicTimer FHoverTimer; // runs only while the pointer is over the label
    bool FPressed = false; // a left press began on the label
};

} // namespace lw::url
