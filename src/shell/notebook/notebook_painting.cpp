#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "platform/gui/palette_colour.h"
#include "platform/gui/readable_colour.h"
#include "shell/notebook/ovcnbk.h"

// Painting the tab strip and the page frame; every position comes from notebook_geometry.

namespace lw::shell {

namespace {

void drawPlatformLine(QPainter &painter, const QPolygon &line)
{
    const QPolygon drawn = withoutEndPoint(line);
    if (drawn.size() == 1)
        painter.drawPoint(drawn.front());
    else if (drawn.size() > 1)
        painter.drawPolyline(drawn);
}

constexpr int CaptionFlags =
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

QColor TOvcNotebook::qtColor(lw::platform::Colour colour) const
{
    return lw::platform::paletteColour(colour, palette());
}

QColor TOvcNotebook::parentColor() const
{
    const QWidget *parent = parentWidget();
    return parent ? parent->palette().color(parent->backgroundRole())
                  : palette().color(QPalette::Window);
}

void TOvcNotebook::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int stripBottom = tabStripBottom(FRowCount, FTabHeight);
    // Covered by the shown page; painted for a notebook without one.
    painter.fillRect(QRect(0, stripBottom, width(), height() - stripBottom), qtColor(pageColor()));
    // A control repainting inside the page must not redraw every caption.
    const bool tabsDirty = event->region().intersects(QRect(0, 0, width(), stripBottom + 1));
    if (tabsDirty) {
        painter.fillRect(QRect(0, 0, width(), stripBottom), parentColor());
        for (int i = 0; i < PageCount(); ++i) {
            if (i != FPageIndex && FPages[std::size_t(i)].page->PageVisible())
                paintTab(painter, i, false);
        }
    }
    const bool active = hasActiveTab();
    if (active && tabsDirty)
        paintTab(painter, FPageIndex, true);
    paintPageFrame(painter);
    if (active && tabsDirty && hasFocus()) {
        // Dots that invert what they cover show on any tab colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        painter.drawPoints(QPolygon(focusRectDots(FPages[std::size_t(FPageIndex)].box)));
    }
}

void TOvcNotebook::paintTab(QPainter &painter, int index, bool active) const
{
    const PageEntry &entry = FPages[std::size_t(index)];
    const TabBox box = active ? grownTabBox(entry.box) : entry.box;
    const QColor tabColour = qtColor(entry.page->TabColor());
    painter.setPen(tabColour);
    painter.setBrush(tabColour);
    painter.drawPolygon(tabPolygon(box));
    painter.setBrush(Qt::NoBrush);
    const TabEdgeLines edges = tabEdgeLines(box);
    painter.setPen(qtColor(FHighlightColor));
    drawPlatformLine(painter, edges.highlight);
    painter.setPen(Qt::black);
    drawPlatformLine(painter, edges.black);
    painter.setPen(qtColor(FShadowColor));
    drawPlatformLine(painter, edges.shadow);
    paintCaption(painter, index, active);
}

void TOvcNotebook::paintCaption(QPainter &painter, int index, bool active) const
{
    const PageEntry &entry = FPages[std::size_t(index)];
    const bool activeFont = active && FUseActiveTabFont;
    const QFont captionFont = activeFont ? ActiveTabFont() : entry.page->font();
    const int lineHeight = QFontMetrics(captionFont, this).height();
    // A caption that would not fit the tab is left out rather than cut.
    if (lineHeight > FTabHeight - 4)
        return;
    const QRect rect = captionRect(entry.box, FTabHeight, lineHeight, active, width());
    painter.setFont(captionFont);
    if (!entry.page->isEnabled()) {
        painter.setPen(qtColor(FHighlightColor));
        painter.drawText(rect, CaptionFlags, entry.page->Caption());
        painter.setPen(qtColor(FShadowColor));
        painter.drawText(rect.translated(-2, -1), CaptionFlags, entry.page->Caption());
        return;
    }
    // The active caption's blue is the form's, the tab's face the desktop's.
    painter.setPen(lw::platform::readableOn(
            qtColor(activeFont ? FActiveTabFontColor : entry.page->TextColor()),
            qtColor(entry.page->TabColor())));
    painter.drawText(rect, CaptionFlags, entry.page->Caption());
}

void TOvcNotebook::paintPageFrame(QPainter &painter) const
{
    const bool active = hasActiveTab();
    const TabBox activeBox = active ? grownTabBox(FPages[std::size_t(FPageIndex)].box) : TabBox();
    const PageFrameLines frame = pageFrameLines(
            active ? &activeBox : nullptr, size(), tabStripBottom(FRowCount, FTabHeight));
    painter.setPen(qtColor(FHighlightColor));
    drawPlatformLine(painter, frame.highlightLeft);
    drawPlatformLine(painter, frame.highlightRight);
    // The active tab opens into the page.
    painter.setPen(qtColor(pageColor()));
    drawPlatformLine(painter, frame.opening);
    painter.setPen(Qt::black);
    drawPlatformLine(painter, frame.black);
    painter.setPen(qtColor(FShadowColor));
    drawPlatformLine(painter, frame.shadow);
}

} // namespace lw::shell
