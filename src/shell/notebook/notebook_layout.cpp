#include <QEvent>
#include <QFontMetrics>

#include "shell/notebook/ovcnbk.h"

// The notebook's properties and the tab layout they drive.

namespace lw::shell {

void TOvcNotebook::setActiveTabFont(const QFont &font)
{
    if (FActiveTabFont == font)
        return;
    FActiveTabFont = font;
    relayout();
}

void TOvcNotebook::setActiveTabFontColor(lw::platform::Colour colour)
{
    if (colour == FActiveTabFontColor)
        return;
    FActiveTabFontColor = colour;
    update();
}

void TOvcNotebook::setUseActiveTabFont(bool use)
{
    if (use == FUseActiveTabFont)
        return;
    FUseActiveTabFont = use;
    update();
}

void TOvcNotebook::setColor(lw::platform::Colour colour)
{
    if (colour == FColor)
        return;
    FColor = colour;
    update();
    if (TOvcTabPage *page = Pages(FPageIndex))
        page->update();
}

void TOvcNotebook::setPageUsesTabColor(bool use)
{
    if (use == FPageUsesTabColor)
        return;
    FPageUsesTabColor = use;
    update();
    if (TOvcTabPage *page = Pages(FPageIndex))
        page->update();
}

void TOvcNotebook::setHighlightColor(lw::platform::Colour colour)
{
    if (colour == FHighlightColor)
        return;
    FHighlightColor = colour;
    update();
}

void TOvcNotebook::setShadowColor(lw::platform::Colour colour)
{
    if (colour == FShadowColor)
        return;
    FShadowColor = colour;
    update();
}

void TOvcNotebook::setTabAutoHeight(bool autoHeight)
{
    if (autoHeight == FTabAutoHeight)
        return;
    FTabAutoHeight = autoHeight;
    relayout();
}

void TOvcNotebook::setTabHeight(int height)
{
    FTabAutoHeight = false;
    if (height == FTabHeight)
        return;
    FTabHeight = height;
    relayout();
}

lw::platform::Colour TOvcNotebook::pageColor() const
{
    const TOvcTabPage *active = Pages(FPageIndex);
    return FPageUsesTabColor && active ? active->TabColor() : FColor;
}

QRect TOvcNotebook::tabRect(int index) const
{
    const TOvcTabPage *page = Pages(index);
    if (!page || !page->PageVisible())
        return {};
    return FPages[std::size_t(index)].box.toRect();
}

bool TOvcNotebook::hasActiveTab() const
{
    const TOvcTabPage *page = Pages(FPageIndex);
    return page && page->PageVisible();
}

int TOvcNotebook::tabAt(QPoint pos) const
{
    for (int i = 0; i < PageCount(); ++i) {
        if (tabRect(i).contains(pos))
            return i;
    }
    return -1;
}

QRect TOvcNotebook::pageArea() const
{
    return lw::shell::pageArea(size(), FRowCount, FTabHeight);
}

void TOvcNotebook::relayout()
{
    // Fonts are measured for a shown notebook only; showing it lays the tabs out.
    if (!isVisible())
        return;
    measureTabs();
    placePages();
    update();
}

void TOvcNotebook::measureTabs()
{
    const QFont activeFont = ActiveTabFont();
    const QFontMetrics activeMetrics(activeFont, this);
    QList<int> pageLineHeights;
    QList<int> widths;
    for (const PageEntry &entry : FPages) {
        const QFontMetrics pageMetrics(entry.page->font(), this);
        pageLineHeights << pageMetrics.height();
        const QString caption = shownCaption(entry.page->Caption());
        widths << (entry.page->PageVisible() ? tabWidth(activeMetrics.horizontalAdvance(caption),
                           pageMetrics.horizontalAdvance(caption))
                                             : 0);
    }
    if (FTabAutoHeight) {
        FTabHeight = autoTabHeight(
                activeMetrics.height(), QFontMetrics(font(), this).height(), pageLineHeights);
    }
    const QList<int> rows = tabRows(widths, width());
    const QList<TabBox> boxes = tabBoxes(widths, rows, FTabHeight);
    FRowCount = tabRowCount(rows);
    for (std::size_t i = 0; i < FPages.size(); ++i)
        FPages[i].box = boxes.at(qsizetype(i));
}

void TOvcNotebook::placePages()
{
    const QRect area = pageArea();
    for (const PageEntry &entry : FPages)
        entry.page->setGeometry(area);
}

void TOvcNotebook::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void TOvcNotebook::resizeEvent(QResizeEvent *event)
{
    relayout();
    QWidget::resizeEvent(event);
}

void TOvcNotebook::showEvent(QShowEvent *event)
{
    // A notebook shown before anyone ended its loading would stack all its pages.
    if (FLoading)
        loaded(); // lays the tabs out too
    else
        relayout();
    QWidget::showEvent(event);
}

} // namespace lw::shell
