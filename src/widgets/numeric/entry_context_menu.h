#pragma once

#include <vector>

#include <QString>

namespace lw::numeric {

/// What an item of the field's own context menu does.
enum class ContextAction { None, Restore, Cut, Copy, Paste, Delete, SelectAll };

/// One item of the context menu; a separator has an empty caption and no action.
struct ContextMenuItem
{
    QString caption;
    ContextAction action = ContextAction::None;
    bool enabled = false;

    bool isSeparator() const { return action == ContextAction::None; }
};

/// The field's state as far as the context menu cares.
struct ContextMenuState
{
    bool modified = false;
    bool hasSelection = false;
    bool readOnly = false;
    bool clipboardHasText = false;
    bool selectionShorterThanText = false;
};

/// The items of the menu built for one right click, in display order.
std::vector<ContextMenuItem> contextMenuItems(const ContextMenuState &state);

} // namespace lw::numeric
