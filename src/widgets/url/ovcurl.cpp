#include "widgets/url/ovcurl.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>

#include "platform/gui/accessible_factory.h"
#include "platform/gui/readable_colour.h"
#include "widgets/url/url_accessible.h"

namespace lw::url {

TOvcURL::TOvcURL(platform::DesktopShell &shell, platform::UserFeedback &feedback, QWidget *parent)
    : QLabel(parent)
    , FShell(shell)
    , FFeedback(feedback)
{
    platform::installAccessibleFactoryOnce<&UrlAccessible::factory>();
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TOvcURL::setCaption(const QString &caption)
{
    FCaption = caption;
    showText();
}

void TOvcURL::setURL(const QString &url)
{
    FURL = url;
    showText();
}

void TOvcURL::showText()
{
    setText(FCaption.isEmpty() ? FURL : FCaption);
}

QColor TOvcURL::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TOvcURL::setFontColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void TOvcURL::Click()
{
    if (!FURL.isEmpty())
        openURL();
    Q_EMIT OnClick();
}

void TOvcURL::openURL()
{
    // The opener may fail after the click has long returned; a label gone by then stays quiet.
    const QPointer<TOvcURL> self(this);
    const auto beep = [self] {
        if (self)
            self->FFeedback.beep();
    };
    if (!FShell.open(FURL.left(MaxURLLength), beep))
        FFeedback.beep();
}

void TOvcURL::mouseMoveEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()) && !FHoverTimer.isActive()) {
        if (!FRestingColor)
            FRestingColor = fontColor();
        setFontColor(FHighlightColor);
        FHoverTimer.start(HoverPeriod, this);
    }
    QLabel::mouseMoveEvent(event);
}

void TOvcURL::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != FHoverTimer.timerId()) {
        QLabel::timerEvent(event);
        return;
    }
    // The pointer may leave without another event reaching the label: look where it is.
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    FHoverTimer.stop();
    setFontColor(FRestingColor.value_or(fontColor()));
    update();
}

void TOvcURL::paintEvent(QPaintEvent *)
{
    // The label is transparent: its parent's background is the one the text stands on.
    const QWidget *under = parentWidget() ? parentWidget() : this;
    QPalette shown = palette();
    shown.setColor(QPalette::WindowText,
            platform::readableOn(fontColor(), under->palette().color(under->backgroundRole())));
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
            int(QStyle::visualAlignment(layoutDirection(), alignment())), shown, isEnabled(),
            text(), QPalette::WindowText);
}

void TOvcURL::mousePressEvent(QMouseEvent *event)
{
    FPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TOvcURL::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = FPressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    FPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (clicked)
        Click();
}

} // namespace lw::url
