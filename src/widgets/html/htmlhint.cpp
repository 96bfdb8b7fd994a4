#include "widgets/html/htmlhint.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "platform/gui/accessible_factory.h"
#include "platform/gui/form_fonts.h"
#include "platform/gui/painter_text_surface.h"
#include "platform/gui/palette_colour.h"
#include "widgets/html/component_version.h"
#include "widgets/html/hint_geometry.h"
#include "widgets/html/html_label_accessible.h"
#include "widgets/html/markup_plain.h"

namespace lw::html {

namespace {

constexpr std::uint32_t HintVersion = 0x01030500;
constexpr platform::Colour Grey = 0x00808080;
constexpr int CornerRadius = 8; // corners of 16 by 16

QRect toQRect(const platform::Rect &r)
{
    return { r.left, r.top, r.width(), r.height() };
}

platform::Rect toRect(const QRect &r)
{
    return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() };
}

int distanceTo(const QRect &area, QPoint point)
{
    const int dx = std::max({ area.left() - point.x(), 0, point.x() - area.right() });
    const int dy = std::max({ area.top() - point.y(), 0, point.y() - area.bottom() });
    return dx + dy;
}

// The monitor holding the point, else the one nearest to it, else the first.
QRect nearestMonitor(QPoint point)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {};
    const QScreen *nearest = screens.first();
    for (const QScreen *screen : screens)
        if (distanceTo(screen->geometry(), point) < distanceTo(nearest->geometry(), point))
            nearest = screen;
    return nearest->geometry();
}

} // namespace

THTMLHint::THTMLHint(QWidget *owner, platform::ApplicationHooks &application)
    : QObject(owner)
    , FApplication(application)
{
    if (owner == nullptr || !owner->isWindow())
        throw EHTMLHintError("Control parent must be a form!");
    if (owner->findChildren<THTMLHint *>(QString(), Qt::FindDirectChildrenOnly).size() >= 2)
        throw EHTMLHintError("Only one instance of THTMLHint allowed on form");
    platform::substituteFormFonts();
    HintFont.name = QStringLiteral("Tahoma");
    HintFont.colour = platform::systemColour(platform::SystemColour::InfoText);
    const QPointer<QWidget> form(owner);
    application.setHintWindowClass([form] {
        return std::make_unique<THTMLHintWindow>(form.data());
    });
    application.setShowHintHandler([this](QString &text, bool &canShow, platform::HintInfo &info) {
        ShowHint(text, canShow, info);
    });
}

// The window class stays for the rest of the run; only the show-hint handler goes.
THTMLHint::~THTMLHint()
{
    FApplication.setShowHintHandler({});
}

QString THTMLHint::Version()
{
    return componentVersion(HintVersion);
}

void THTMLHint::ShowHint(QString &text, bool &canShow, platform::HintInfo &info)
{
    FHintInfoColor = HintColor;
    if (MaxWidth != 0)
        info.maxWidth = MaxWidth;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
    FHintInfo = info;
}

// Transparent for input, so that a pointer moving onto the tip stays over its control.
THTMLHintWindow::THTMLHintWindow(QWidget *mainWindow)
    : QWidget(nullptr,
            Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                    | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
    , FMainWindow(mainWindow)
{
    platform::installAccessibleFactoryOnce<&HtmlHintAccessible::factory>();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

THTMLHint *THTMLHintWindow::findHint() const
{
    return FMainWindow ? FMainWindow->findChild<THTMLHint *>(QString(), Qt::FindDirectChildrenOnly)
                       : nullptr;
}

MarkupOptions THTMLHintWindow::markupOptions(const THTMLHint &hint) const
{
    MarkupOptions options;
    options.x = 0;
    options.y = 0;
    options.wordWrap = !hint.Ellipsis;
    options.urlColor = hint.URLColor;
    options.shadowColor = hint.ShadowColor;
    options.shadowOffset = hint.ShadowOffset;
    return options;
}

platform::TextSize THTMLHintWindow::measure(const THTMLHint &hint, const QRect &from) const
{
    platform::PainterTextSurface surface(nullptr, hint.HintFont, palette());
    MarkupOptions options = markupOptions(hint);
    options.measureOnly = true;
    options.shadowColor = Grey;
    options.shadowOffset = 1;
    const platform::Rect area{ from.left(), from.top(), from.left() + hint.hintInfo().maxWidth - 16,
        from.top() + from.height() };
    MarkupResult result;
    DrawMarkup(surface, FText, area, options, result);
    return { 2 * hint.XMargin + result.width, 2 * hint.YMargin + result.height };
}

void THTMLHintWindow::activateHint(
        const QRect &rect, const QString &text, const platform::HintInfo &info)
{
    FText = text;
    setAccessibleName(plainMarkup(text).text);
    FHint = findHint();
    if (!FHint) {
        hide();
        return;
    }
    FTextSize = measure(*FHint, rect);
    const platform::Point at{ info.position.x(), info.position.y() };
    const platform::Rect placed =
            hintWindowRect(at, toRect(rect), FTextSize, toRect(nearestMonitor(info.position)));
    setGeometry(toQRect(placed));
    if (FHint->HintStyle == THintStyle::hsRounded) {
        QPainterPath path;
        path.addRoundedRect(QRectF(0, 0, width(), height()), CornerRadius, CornerRadius);
        setMask(QRegion(path.toFillPolygon().toPolygon()));
    } else {
        clearMask();
    }
    show();
    raise();
    update();
}

void THTMLHintWindow::releaseHint()
{
    hide();
}

void THTMLHintWindow::paintEvent(QPaintEvent *)
{
    if (!FHint)
        return;
    const THTMLHint &hint = *FHint;
    QPainter painter(this);
    const QColor back = platform::paletteColour(hint.hintInfoColor(), palette());
    if (hint.HintColorTo == platform::colourNone) {
        painter.fillRect(rect(), back);
    } else {
        QLinearGradient gradient(0, 0, width(), 0);
        gradient.setColorAt(0, back);
        gradient.setColorAt(1, platform::paletteColour(hint.HintColorTo, palette()));
        painter.fillRect(rect(), gradient);
    }
    paintEdge(painter, hint);
    const platform::Rect client{ 0, 0, width(), height() };
    platform::PainterTextSurface surface(&painter, hint.HintFont, palette());
    surface.setFillColour(hint.hintInfoColor());
    MarkupOptions options = markupOptions(hint);
    options.blinkPhase = true;
    MarkupResult result;
    DrawMarkup(surface, FText, hintTextRect(client, FTextSize.height, hint.XMargin, hint.YMargin),
            options, result);
}

void THTMLHintWindow::paintEdge(QPainter &painter, const THTMLHint &hint)
{
    const int w = width();
    const int h = height();
    if (hint.HintStyle == THintStyle::hsRounded) {
        painter.setPen(platform::paletteColour(Grey, palette()));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRect(0, 0, w - 1, h - 1), CornerRadius, CornerRadius);
        return;
    }
    // Lines drawn as the platform draws them, each without its last point: light along the
    // left and top, dark shadow along the bottom and the right.
    const QColor light = platform::paletteColour(
            platform::systemColour(platform::SystemColour::Light3D), palette());
    const QColor dark = platform::paletteColour(
            platform::systemColour(platform::SystemColour::DarkShadow3D), palette());
    painter.fillRect(QRect(0, 0, 1, h - 1), light);
    painter.fillRect(QRect(0, 0, w - 1, 1), light);
    painter.fillRect(QRect(0, h - 1, w - 1, 1), dark);
    painter.fillRect(QRect(w - 1, 0, 1, h), dark);
}

} // namespace lw::html
