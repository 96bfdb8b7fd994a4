#include "shell/statusbar/status_panel.h"

#include "shell/statusbar/status_panels.h"

namespace lw::shell {

EStatusPanelError::EStatusPanelError(const QString &message)
    : std::runtime_error(message.toStdString())
{ }

TabfStatusPanel::TabfStatusPanel(TabfStatusPanels &collection)
    : FCollection(collection)
    , FBrushColor(collection.parentColor())
    , FFont(collection.parentFont())
    , FFontColor(collection.parentFontColor())
{ }

TabfStatusPanel::~TabfStatusPanel() = default;

int TabfStatusPanel::Index() const
{
    return FCollection.indexOf(*this);
}

void TabfStatusPanel::setBevel(TabfBevel bevel)
{
    if (bevel == FBevel)
        return;
    FBevel = bevel;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setBrushColor(lw::platform::Colour colour)
{
    FParentColor = false;
    if (colour == FBrushColor)
        return;
    FBrushColor = colour;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setParentColor(bool parentColor)
{
    if (parentColor == FParentColor)
        return;
    FParentColor = parentColor;
    if (FParentColor)
        followParentColor();
}

void TabfStatusPanel::followParentColor()
{
    if (!FParentColor || FBrushColor == FCollection.parentColor())
        return;
    FBrushColor = FCollection.parentColor();
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setFont(const QFont &font)
{
    FParentFont = false;
    if (font == FFont)
        return;
    FFont = font;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setFontColor(lw::platform::Colour colour)
{
    FParentFont = false;
    if (colour == FFontColor)
        return;
    FFontColor = colour;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setParentFont(bool parentFont)
{
    if (parentFont == FParentFont)
        return;
    FParentFont = parentFont;
    if (FParentFont)
        followParentFont();
}

void TabfStatusPanel::followParentFont()
{
    const QFont &font = FCollection.parentFont();
    const lw::platform::Colour colour = FCollection.parentFontColor();
    if (!FParentFont || (font == FFont && colour == FFontColor))
        return;
    FFont = font;
    FFontColor = colour;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setHint(const QString &hint)
{
    FHint = hint;
}

void TabfStatusPanel::setName(const QString &name)
{
    if (name == FName)
        return;
    FCollection.checkName(*this, name);
    FName = name;
}

void TabfStatusPanel::setPanelStyle(TabfPanelStyle style)
{
    if (style == FPanelStyle)
        return;
    FPanelStyle = style;
    FCollection.changed(*this, PanelChange::Look);
}

void TabfStatusPanel::setText(const QString &text)
{
    if (text == FTextStyle.Text)
        return;
    FTextStyle.Text = text;
    FCollection.changed(*this, PanelChange::Text);
}

void TabfStatusPanel::setTextStyle(const TabfTextStyle &style)
{
    if (style == FTextStyle)
        return;
    const bool textChanged = style.Text != FTextStyle.Text;
    FTextStyle = style;
    FCollection.changed(*this, textChanged ? PanelChange::Text : PanelChange::Look);
}

void TabfStatusPanel::setVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    FCollection.changed(*this, PanelChange::Shown);
}

void TabfStatusPanel::setWidth(int width)
{
    if (width == FWidth)
        return;
    FWidth = width;
    FCollection.changed(*this, PanelChange::Layout);
}

} // namespace lw::shell
