// THTMLabel: a windowless label that paints mini-HTML and opens its links.
#pragma once

#include <memory>

#include <QStringList>
#include <QWidget>

#include "platform/desktop_shell.h"
#include "platform/gui/painter_text_surface.h"
#include "widgets/html/draw_markup.h"
#include "widgets/html/measuring_surface.h"

namespace lw::html {

/// A label that paints its markup on its parent's background (or on its own fill), shows the
/// hand over links and opens a pressed link's web or mail address through the desktop shell.
class THTMLabel final : public QWidget
{
    Q_OBJECT

public:
    THTMLabel(platform::DesktopShell &shell, QWidget *parent);

    /// The markup as lines; they are joined with one space before rendering.
    const QStringList &HTMLText() const { return FHTMLText; }

    void setHTMLText(const QStringList &lines);

    /// The lines joined, as the renderer gets them.
    QString renderedText() const { return FHTMLText.join(u' '); }

    bool Transparent() const { return FTransparent; }

    void setTransparent(bool transparent);

    platform::Colour Color() const { return FColor; }

    void setColor(platform::Colour colour);

    platform::Colour URLColor() const { return FOptions.urlColor; }

    void setURLColor(platform::Colour colour);

    bool Ellipsis() const { return !FOptions.wordWrap; }

    void setEllipsis(bool ellipsis);

    int LineSpacing() const { return FOptions.lineSpacing; }

    void setLineSpacing(int spacing);

    int LineWidth() const { return FLineWidth; }

    void setLineWidth(int width);

    platform::Colour ShadowColor() const { return FOptions.shadowColor; }

    void setShadowColor(platform::Colour colour);

    int ShadowOffset() const { return FOptions.shadowOffset; }

    void setShadowOffset(int offset);

    // Hover settings are only stored: a change shows at the next repaint.
    bool Hover() const { return FOptions.hover; }

    void setHover(bool hover) { FOptions.hover = hover; }

    platform::Colour HoverColor() const { return FOptions.hoverColor; }

    void setHoverColor(platform::Colour colour) { FOptions.hoverColor = colour; }

    platform::Colour HoverFontColor() const { return FOptions.hoverFontColor; }

    void setHoverFontColor(platform::Colour colour) { FOptions.hoverFontColor = colour; }

    /// "1.8.0.2"; read-only.
    static QString Version();

    /// The link target under a point in the label's coordinates (empty when none); records the
    /// link's number as the one under the pointer.
    QString hitTest(QPoint point, platform::Rect *linkRect = nullptr);

    /// What a press on a link does: tells OnAnchorClick, then opens a web or mail address.
    void clickAnchor(const QString &anchor);

Q_SIGNALS:
    void OnAnchorClick(lw::html::THTMLabel *sender, const QString &anchor);
    void OnAnchorEnter(lw::html::THTMLabel *sender, const QString &anchor);
    void OnAnchorExit(lw::html::THTMLabel *sender, const QString &anchor);
    void OnMouseEnter(lw::html::THTMLabel *sender);
    void OnMouseLeave(lw::html::THTMLabel *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    platform::FontSpec fontSpec() const;
    void paintMarkup(QPainter &painter);
    QColor background() const;
    template <typename T>
    void setRepainting(T &field, T value);

    platform::DesktopShell &FShell;
    // Hit tests run on every pointer move: the measuring surface lives until the font changes.
    std::unique_ptr<platform::PainterTextSurface> FMetrics;
    std::unique_ptr<MeasuringSurface> FMeasure;
    QStringList FHTMLText;
    bool FTransparent = false;
    platform::Colour FColor;
    int FLineWidth = 2;
    MarkupOptions FOptions;
    bool FHandCursor = false; // the cursor shown is the hand, not the default
    QString FLastAnchor;
    int FHoverLink = -1; // the link under the pointer
    int FPreviousLink = -1;
    platform::Rect FHoverRect;
};

} // namespace lw::html
