#pragma once

#include <stdexcept>

#include <QFont>
#include <QString>
#include <QtGlobal>

#include "platform/gui/colour.h"

namespace lw::shell {

class TabfStatusPanels;

/// The frame drawn around a panel's rectangle.
enum class TabfBevel { apbNone, apbLowered, apbRaised };

/// What a panel shows; only text panels exist.
enum class TabfPanelStyle { apsText };

/// Where a panel's text stands inside its area.
enum class TabfAlignment { Left, Right, Centre };

/// How a panel's text is placed, and the text itself.
struct TabfTextStyle
{
    TabfAlignment Alignment = TabfAlignment::Left;
    int Spacing = 2; // gap between text and glyph; without glyphs it changes nothing
    QString Text;

    bool operator==(const TabfTextStyle &) const = default;
};

/// A rejected panel name; what() holds the message as UTF-8.
class EStatusPanelError final : public std::runtime_error
{
public:
    explicit EStatusPanelError(const QString &message);

    QString message() const { return QString::fromUtf8(what()); }
};

/// What a panel change asks of the bar that shows it.
enum class PanelChange {
    Look, // repaint the panel
    Text, // repaint the panel and announce its new text
    Layout, // lay out the whole bar again
    Shown, // the panel appeared or disappeared: lay out again and tell assistive tools
};

/// One panel of a status bar. Panels are made and owned by their collection; every setter
/// returns early when nothing changes and otherwise tells the collection.
class TabfStatusPanel final
{
public:
    ~TabfStatusPanel();
    Q_DISABLE_COPY_MOVE(TabfStatusPanel)

    /// Position in the collection, from 0.
    int Index() const;

    TabfBevel Bevel() const { return FBevel; }

    void setBevel(TabfBevel bevel);

    /// Background of the panel's area; assigning it clears ParentColor.
    lw::platform::Colour BrushColor() const { return FBrushColor; }

    void setBrushColor(lw::platform::Colour colour);

    /// While true the background follows the bar's colour.
    bool ParentColor() const { return FParentColor; }

    void setParentColor(bool parentColor);

    /// Text font; assigning it (or its colour) clears ParentFont.
    const QFont &Font() const { return FFont; }

    void setFont(const QFont &font);

    lw::platform::Colour FontColor() const { return FFontColor; }

    void setFontColor(lw::platform::Colour colour);

    /// While true font and font colour follow the bar's.
    bool ParentFont() const { return FParentFont; }

    void setParentFont(bool parentFont);

    /// Tooltip text for this panel; empty means the bar's own.
    const QString &Hint() const { return FHint; }

    void setHint(const QString &hint);

    /// An identifier, unique within the bar; throws EStatusPanelError otherwise and keeps
    /// the old name.
    const QString &Name() const { return FName; }

    void setName(const QString &name);

    TabfPanelStyle PanelStyle() const { return FPanelStyle; }

    void setPanelStyle(TabfPanelStyle style);

    const QString &Text() const { return FTextStyle.Text; }

    void setText(const QString &text);

    const TabfTextStyle &TextStyle() const { return FTextStyle; }

    void setTextStyle(const TabfTextStyle &style);

    bool Visible() const { return FVisible; }

    void setVisible(bool visible);

    /// Width in pixels; 0 while the panel is invisible.
    int Width() const { return FVisible ? FWidth : 0; }

    void setWidth(int width);

private:
    friend class TabfStatusPanels;

    explicit TabfStatusPanel(TabfStatusPanels &collection);

    // Called by the collection when the bar's font or colour changes.
    void followParentFont();
    void followParentColor();

    TabfStatusPanels &FCollection;
    TabfBevel FBevel = TabfBevel::apbLowered;
    lw::platform::Colour FBrushColor;
    QFont FFont;
    lw::platform::Colour FFontColor;
    QString FHint;
    QString FName;
    TabfPanelStyle FPanelStyle = TabfPanelStyle::apsText;
    bool FParentColor = true;
    bool FParentFont = true;
    TabfTextStyle FTextStyle;
    bool FVisible = true;
    int FWidth = 50;
};

} // namespace lw::shell
