#include "shell/notebook/ovc_tab_page.h"

#include <QEvent>
#include <QPainter>

#include "platform/gui/palette_colour.h"
#include "shell/notebook/ovcnbk.h"

namespace lw::shell {

TOvcTabPage::TOvcTabPage(TOvcNotebook *notebook)
    : QWidget(notebook)
{
    // The page paints its whole area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TOvcTabPage::~TOvcTabPage()
{
    // The notebook lets go of the page while the page is still whole.
    if (TOvcNotebook *owner = notebook())
        owner->pageDestroyed(this);
}

TOvcNotebook *TOvcTabPage::notebook() const
{
    return qobject_cast<TOvcNotebook *>(parentWidget());
}

void TOvcTabPage::setCaption(const QString &caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    Q_EMIT TabChanged();
}

void TOvcTabPage::setPageVisible(bool visible)
{
    if (visible == FPageVisible)
        return;
    FPageVisible = visible;
    Q_EMIT TabChanged();
}

void TOvcTabPage::setTabColor(lw::platform::Colour colour)
{
    if (colour == FTabColor)
        return;
    FTabColor = colour;
    update();
    Q_EMIT TabChanged();
}

void TOvcTabPage::setTextColor(lw::platform::Colour colour)
{
    if (colour == FTextColor)
        return;
    FTextColor = colour;
    Q_EMIT TabChanged();
}

void TOvcTabPage::setHint(const QString &hint)
{
    if (hint == statusTip())
        return;
    setStatusTip(hint);
    Q_EMIT TabChanged();
}

void TOvcTabPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        Q_EMIT TabChanged();
    QWidget::changeEvent(event);
}

void TOvcTabPage::paintEvent(QPaintEvent *)
{
    const TOvcNotebook *owner = notebook();
    const lw::platform::Colour fill = owner ? owner->pageColor() : FTabColor;
    QPainter painter(this);
    painter.fillRect(rect(), lw::platform::paletteColour(fill, palette()));
}

} // namespace lw::shell
