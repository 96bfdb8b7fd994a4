#include "shell/statusbar/abfStatusBars.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolTip>

#include "platform/gui/accessible_factory.h"
#include "platform/gui/palette_colour.h"
#include "platform/gui/readable_colour.h"
#include "shell/statusbar/status_bar_accessible.h"
#include "shell/statusbar/status_bar_geometry.h"

namespace lw::shell {

namespace {

using lw::platform::Colour;
using lw::platform::systemColour;

constexpr Colour buttonShadow = systemColour(lw::platform::SystemColour::ButtonShadow);
constexpr Colour buttonHighlight = systemColour(lw::platform::SystemColour::ButtonHighlight);
constexpr Colour barTextColour = systemColour(lw::platform::SystemColour::WindowText);

} // namespace

TabfStatusBar::TabfStatusBar(QWidget *parent)
    : QWidget(parent)
    , FPanels([this](TabfStatusPanel &panel, PanelChange change) {
        panelChanged(panel, change);
    })
{
    platform::installAccessibleFactoryOnce<&StatusBarAccessible::factory>();
    setFixedHeight(DefaultHeight);
    setMouseTracking(true); // every move over the bar is reported, not only drags
    // Qt tells only widgets of its own status-bar class when the status-bar font changes, so
    // a hidden one listens for the bar.
    auto *probe = new QStatusBar(this); // owned by the bar
    probe->setSizeGripEnabled(false);
    probe->hide();
    probe->installEventFilter(this);
    FFontProbe = probe;
    FPanels.setParentColor(FColor);
    followStatusBarFont();
}

TabfStatusBar::~TabfStatusBar() = default;

void TabfStatusBar::setColor(Colour colour)
{
    if (colour == FColor)
        return;
    FColor = colour;
    FPanels.setParentColor(colour);
    update();
}

QRect TabfStatusBar::panelRect(int index) const
{
    const std::vector<QRect> rects = FPanels.layout(size());
    if (index < 0 || index >= static_cast<int>(rects.size()))
        return {};
    return rects[static_cast<std::size_t>(index)];
}

TabfStatusPanel *TabfStatusBar::panelAt(const QPoint &point) const
{
    // Panels whose widths add up past the right edge reach beyond the bar; those parts
    // are never seen, so they are never hit.
    if (!rect().contains(point))
        return nullptr;
    return FPanels.itemAt(point, size());
}

QSize TabfStatusBar::sizeHint() const
{
    return { 0, DefaultHeight };
}

// The platform's status-bar font, not the window's; resolved in full so that a parent's
// font never shows through.
void TabfStatusBar::followStatusBarFont()
{
    QFont statusFont = QApplication::font("QStatusBar");
    statusFont.setResolveMask(QFont::AllPropertiesResolved);
    setFont(statusFont);
    FPanels.setParentFont(font(), barTextColour);
}

bool TabfStatusBar::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        showToolTip(help->pos(), help->globalPos());
        return true;
    }
    case QEvent::ApplicationFontChange:
    case QEvent::ThemeChange:
        followStatusBarFont();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool TabfStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FFontProbe && event->type() == QEvent::ApplicationFontChange)
        followStatusBarFont();
    return QWidget::eventFilter(watched, event);
}

void TabfStatusBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        FPanels.setParentFont(font(), barTextColour);
    QWidget::changeEvent(event);
}

// The tip stays only while the pointer stays over the panel it was shown for, so moving to
// another panel cancels it.
void TabfStatusBar::showToolTip(const QPoint &pos, const QPoint &globalPos)
{
    const TabfStatusPanel *panel = panelAt(pos);
    const QString text = panel != nullptr && !panel->Hint().isEmpty() ? panel->Hint() : toolTip();
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(
            globalPos, text, this, panel != nullptr ? panelRect(panel->Index()) : rect());
}

void TabfStatusBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT OnMouseMove(event->modifiers(), pos.x(), pos.y());
}

// Accepted so that the bar keeps the pointer until the release, which decides the click.
void TabfStatusBar::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TabfStatusBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (TabfStatusPanel *panel = panelAt(pos))
        Q_EMIT OnPanelDblClick(panel, event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

// Only the release point counts: a press on one panel released over another clicks the other.
void TabfStatusBar::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (TabfStatusPanel *panel = panelAt(pos))
        Q_EMIT OnPanelClick(panel, event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void TabfStatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Q_EMIT OnResize();
}

void TabfStatusBar::panelChanged(TabfStatusPanel &panel, PanelChange change)
{
    switch (change) {
    case PanelChange::Look:
        update(panelRect(panel.Index()));
        break;
    case PanelChange::Text:
        update(panelRect(panel.Index()));
        announceText(panel);
        break;
    case PanelChange::Layout:
        update();
        break;
    case PanelChange::Shown: {
        update();
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        break;
    }
    }
}

void TabfStatusBar::announceText(const TabfStatusPanel &panel)
{
    const int child = StatusBarAccessible::childIndexOf(*this, panel);
    if (child < 0)
        return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    named.setChild(child);
    QAccessible::updateAccessibility(&named);
}

QColor TabfStatusBar::colour(Colour colour) const
{
    return lw::platform::paletteColour(colour, palette());
}

void TabfStatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour(FColor));
    const std::vector<QRect> rects = FPanels.layout(size());
    for (int i = 0; i < FPanels.Count(); ++i) {
        const QRect &laidOut = rects[static_cast<std::size_t>(i)];
        if (laidOut.isEmpty())
            continue; // invisible or beyond the panels laid out
        paintBevel(painter, FPanels[i].Bevel(), laidOut);
        paintPanel(painter, FPanels[i], laidOut);
    }
}

void TabfStatusBar::paintPanel(
        QPainter &painter, const TabfStatusPanel &panel, const QRect &laidOut) const
{
    const QRect area = panelArea(laidOut);
    if (!area.isValid())
        return;
    const QColor back = colour(panel.BrushColor());
    painter.fillRect(area, back);
    const QFontMetrics metrics(panel.Font(), this);
    const QSize textSize(metrics.horizontalAdvance(panel.Text()), metrics.height());
    const QPoint offset = panelTextOffset(panel.TextStyle().Alignment, area.size(), textSize);
    painter.save();
    painter.setClipRect(area);
    painter.setFont(panel.Font());
    // A colour the form fixed (the blue web address) must still read on the desktop's face.
    painter.setPen(lw::platform::readableOn(colour(panel.FontColor()), back));
    painter.drawText(area.topLeft() + offset + QPoint(0, metrics.ascent()), panel.Text());
    painter.restore();
}

// Sunken: shadow on the top and left edges, highlight on the bottom and right; raised the
// other way round.
void TabfStatusBar::paintBevel(QPainter &painter, TabfBevel bevel, const QRect &laidOut) const
{
    if (bevel == TabfBevel::apbNone)
        return;
    const bool sunken = bevel == TabfBevel::apbLowered;
    const QColor topLeft = colour(sunken ? buttonShadow : buttonHighlight);
    const QColor bottomRight = colour(sunken ? buttonHighlight : buttonShadow);
    const QRect &r = laidOut;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace lw::shell
