#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include "platform/gui/colour.h"
#include "shell/statusbar/status_panel.h"

namespace lw::shell {

/// The ordered panels of a status bar, with what the ParentFont and ParentColor panels
/// follow. Needs no widget: layout and hit-testing take the bar's size.
class TabfStatusPanels final
{
public:
    /// Panels beyond this many are neither laid out, drawn nor hit.
    static constexpr int MaxLaidOut = 128;

    /// Told of every change of a panel, after it happened.
    using ChangeHandler = std::function<void(TabfStatusPanel &panel, PanelChange change)>;

    explicit TabfStatusPanels(ChangeHandler changed = {});
    ~TabfStatusPanels();
    Q_DISABLE_COPY_MOVE(TabfStatusPanels)

    /// Appends a panel with the default properties; the collection owns it for its lifetime.
    TabfStatusPanel &Add();

    int Count() const { return static_cast<int>(FItems.size()); }

    TabfStatusPanel &Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }

    const TabfStatusPanel &Items(int index) const
    {
        return *FItems.at(static_cast<std::size_t>(index));
    }

    TabfStatusPanel &operator[](int index) { return Items(index); }

    const TabfStatusPanel &operator[](int index) const { return Items(index); }

    /// Position of a panel of this collection, or -1.
    int indexOf(const TabfStatusPanel &panel) const;

    /// The panel with exactly this name, or nullptr.
    TabfStatusPanel *find(const QString &name) const;

    /// The font, font colour and background that the ParentFont / ParentColor panels take.
    const QFont &parentFont() const { return FParentFont; }

    lw::platform::Colour parentFontColor() const { return FParentFontColor; }

    lw::platform::Colour parentColor() const { return FParentColor; }

    void setParentFont(const QFont &font, lw::platform::Colour colour);
    void setParentColor(lw::platform::Colour colour);

    /// The laid-out rectangle of every panel in a bar of the given size, in index order.
    std::vector<QRect> layout(const QSize &bar) const;

    /// The first panel whose drawn area holds the point, or nullptr.
    TabfStatusPanel *itemAt(const QPoint &point, const QSize &bar) const;

private:
    friend class TabfStatusPanel;

    // Throws when the name is no identifier or another panel has it.
    void checkName(const TabfStatusPanel &panel, const QString &name) const;
    void changed(TabfStatusPanel &panel, PanelChange change);

    ChangeHandler FChanged;
    std::vector<std::unique_ptr<TabfStatusPanel>> FItems;
    QFont FParentFont;
    lw::platform::Colour FParentFontColor =
            lw::platform::systemColour(lw::platform::SystemColour::WindowText);
    lw::platform::Colour FParentColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonFace);
};

} // namespace lw::shell
