#include "widgets/html/HTMLabel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "platform/gui/accessible_factory.h"
#include "platform/gui/painter_text_surface.h"
#include "platform/gui/palette_colour.h"
#include "platform/gui/readable_colour.h"
#include "widgets/html/component_version.h"
#include "widgets/html/html_label_accessible.h"

namespace lw::html {

namespace {

constexpr std::uint32_t LabelVersion = 0x01080002;
constexpr int DefaultWidth = 120;
constexpr int DefaultHeight = 17;

// Only web and mail addresses leave the program; anything else in a link is the page's own.
bool opensOutside(const QString &target)
{
    return target.contains(u"://") || target.contains(u"mailto:");
}

} // namespace

THTMLabel::THTMLabel(platform::DesktopShell &shell, QWidget *parent)
    : QWidget(parent)
    , FShell(shell)
    , FColor(platform::colourNone)
{
    platform::installAccessibleFactoryOnce<&HtmlLabelAccessible::factory>();
    FOptions.shadowOffset = 2;
    FOptions.urlColor = 0x00FF0000;
    FOptions.shadowColor = 0x00808080;
    resize(DefaultWidth, DefaultHeight);
    setMouseTracking(true);
}

QString THTMLabel::Version()
{
    return componentVersion(LabelVersion);
}

template <typename T>
void THTMLabel::setRepainting(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void THTMLabel::setHTMLText(const QStringList &lines)
{
    // A new text repaints even when equal, as any assignment of the list does.
    FHTMLText = lines;
    update();
    HtmlLabelAccessible::textChanged(this);
}

void THTMLabel::setTransparent(bool transparent)
{
    setRepainting(FTransparent, transparent);
}

void THTMLabel::setColor(platform::Colour colour)
{
    setRepainting(FColor, colour);
}

void THTMLabel::setURLColor(platform::Colour colour)
{
    setRepainting(FOptions.urlColor, colour);
}

void THTMLabel::setEllipsis(bool ellipsis)
{
    setRepainting(FOptions.wordWrap, !ellipsis);
}

void THTMLabel::setLineSpacing(int spacing)
{
    setRepainting(FOptions.lineSpacing, spacing);
}

void THTMLabel::setLineWidth(int width)
{
    setRepainting(FLineWidth, width);
}

void THTMLabel::setShadowColor(platform::Colour colour)
{
    setRepainting(FOptions.shadowColor, colour);
}

void THTMLabel::setShadowOffset(int offset)
{
    setRepainting(FOptions.shadowOffset, offset);
}

platform::FontSpec THTMLabel::fontSpec() const
{
    const QFont &f = font();
    platform::FontSpec shown;
    shown.name = f.family();
    // The surface turns whole points back into the same pixel size at 96 dpi.
    const int pixels = f.pixelSize() > 0 ? f.pixelSize() : qRound(f.pointSizeF() * 96 / 72);
    shown.pointSize = (pixels * 72 + 48) / 96;
    shown.bold = f.bold();
    shown.italic = f.italic();
    shown.underline = f.underline();
    shown.strikeOut = f.strikeOut();
    shown.colour = platform::systemColour(platform::SystemColour::WindowText);
    return shown;
}

QString THTMLabel::hitTest(QPoint point, platform::Rect *linkRect)
{
    if (!FMeasure) {
        FMetrics = std::make_unique<platform::PainterTextSurface>(nullptr, fontSpec(), palette());
        FMeasure = std::make_unique<MeasuringSurface>(*FMetrics);
    }
    MarkupOptions options = FOptions;
    options.hitTestOnly = true;
    options.hoverLink = -1;
    options.x = point.x();
    options.y = point.y();
    MarkupResult result;
    const platform::Rect r{ 0, 0, width(), height() };
    if (!DrawMarkup(*FMeasure, renderedText(), r, options, result)) {
        FHoverLink = -1;
        return {};
    }
    FHoverLink = result.linkUnderPoint;
    if (linkRect != nullptr)
        *linkRect = result.linkRect;
    return result.anchor;
}

void THTMLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The widget paints into the window's back buffer, so the fill never flickers.
    if (!FTransparent)
        painter.fillRect(rect(), background());
    paintMarkup(painter);
}

QColor THTMLabel::background() const
{
    if (FTransparent || FColor == platform::colourNone) {
        const QWidget *under = parentWidget() ? parentWidget() : this;
        return under->palette().color(under->backgroundRole());
    }
    return platform::paletteColour(FColor, palette());
}

void THTMLabel::paintMarkup(QPainter &painter)
{
    platform::PainterTextSurface surface(&painter, fontSpec(), palette());
    surface.setFillColour(platform::colourNone);
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    MarkupOptions options = FOptions;
    options.x = pointer.x();
    options.y = pointer.y();
    options.hoverLink = FHoverLink;
    // The links' blue is the form's, the background behind them may be the desktop's.
    const QColor links = platform::readableOn(
            platform::paletteColour(FOptions.urlColor, palette()), background());
    options.urlColor = platform::rgbColour(links.red(), links.green(), links.blue());
    MarkupResult result;
    DrawMarkup(surface, renderedText(), { 0, 0, width(), height() }, options, result);
}

void THTMLabel::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    platform::Rect linkRect;
    const QString anchor = hitTest(event->position().toPoint(), &linkRect);
    if (!anchor.isEmpty()) {
        if (!FHandCursor || anchor != FLastAnchor || FHoverLink != FPreviousLink) {
            setCursor(Qt::PointingHandCursor);
            FHandCursor = true;
            Q_EMIT OnAnchorEnter(this, anchor);
            if (FOptions.hover)
                update();
        }
        FLastAnchor = anchor;
        FPreviousLink = FHoverLink;
        FHoverRect = linkRect;
    } else if (FHandCursor) {
        unsetCursor();
        FHandCursor = false;
        Q_EMIT OnAnchorExit(this, QString());
        if (FOptions.hover)
            update();
    }
}

void THTMLabel::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    const QString anchor = hitTest(event->position().toPoint());
    if (!anchor.isEmpty())
        clickAnchor(anchor);
}

void THTMLabel::clickAnchor(const QString &anchor)
{
    Q_EMIT OnAnchorClick(this, anchor);
    // A target the desktop cannot open is ignored: the label has nobody to tell.
    if (opensOutside(anchor))
        static_cast<void>(FShell.open(anchor, {}));
}

void THTMLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        FMeasure.reset();
        FMetrics.reset();
    }
    QWidget::changeEvent(event);
}

void THTMLabel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    Q_EMIT OnMouseEnter(this);
}

void THTMLabel::leaveEvent(QEvent *event)
{
    if (FOptions.hover && FHoverLink != -1)
        update();
    FHoverLink = -1;
    QWidget::leaveEvent(event);
    Q_EMIT OnMouseLeave(this);
}

} // namespace lw::html
