#include "shell/statusbar/status_panels.h"

#include <algorithm>

#include "shell/statusbar/status_bar_geometry.h"

namespace lw::shell {

TabfStatusPanels::TabfStatusPanels(ChangeHandler changed)
    : FChanged(std::move(changed))
{ }

TabfStatusPanels::~TabfStatusPanels() = default;

TabfStatusPanel &TabfStatusPanels::Add()
{
    // The constructor is private to keep panels inside a collection.
    FItems.push_back(std::unique_ptr<TabfStatusPanel>(new TabfStatusPanel(*this)));
    TabfStatusPanel &panel = *FItems.back();
    changed(panel, PanelChange::Shown);
    return panel;
}

int TabfStatusPanels::indexOf(const TabfStatusPanel &panel) const
{
    const auto found = std::find_if(
            FItems.begin(), FItems.end(), [&panel](const std::unique_ptr<TabfStatusPanel> &item) {
                return item.get() == &panel;
            });
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

TabfStatusPanel *TabfStatusPanels::find(const QString &name) const
{
    for (const auto &item : FItems) {
        if (!name.isEmpty() && item->Name() == name)
            return item.get();
    }
    return nullptr;
}

void TabfStatusPanels::setParentFont(const QFont &font, lw::platform::Colour colour)
{
    FParentFont = font;
    FParentFontColor = colour;
    for (const auto &item : FItems)
        item->followParentFont();
}

void TabfStatusPanels::setParentColor(lw::platform::Colour colour)
{
    FParentColor = colour;
    for (const auto &item : FItems)
        item->followParentColor();
}

std::vector<QRect> TabfStatusPanels::layout(const QSize &bar) const
{
    std::vector<PanelExtent> extents;
    extents.reserve(FItems.size());
    for (const auto &item : FItems)
        extents.push_back({ item->Width(), item->Visible() });
    return layoutPanels(extents, bar, MaxLaidOut);
}

TabfStatusPanel *TabfStatusPanels::itemAt(const QPoint &point, const QSize &bar) const
{
    const int index = panelIndexAt(layout(bar), point);
    return index < 0 ? nullptr : FItems[static_cast<std::size_t>(index)].get();
}

void TabfStatusPanels::checkName(const TabfStatusPanel &panel, const QString &name) const
{
    // The doubled apostrophes belong to the messages.
    if (!isValidPanelName(name))
        throw EStatusPanelError(
                QStringLiteral("''%1'' is not a valid status panel name").arg(name));
    const TabfStatusPanel *other = find(name);
    if (other != nullptr && other != &panel)
        throw EStatusPanelError(
                QStringLiteral("A status panel named ''%1'' already exists").arg(name));
}

void TabfStatusPanels::changed(TabfStatusPanel &panel, PanelChange change)
{
    if (FChanged)
        FChanged(panel, change);
}

} // namespace lw::shell
