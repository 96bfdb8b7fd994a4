#include "widgets/numeric/entry_context_menu.h"

namespace lw::numeric {

std::vector<ContextMenuItem> contextMenuItems(const ContextMenuState &state)
{
    const bool editableSelection = state.hasSelection && !state.readOnly;
    return {
        { QStringLiteral("&Restore"), ContextAction::Restore, state.modified },
        {},
        { QStringLiteral("Cu&t"), ContextAction::Cut, editableSelection },
        { QStringLiteral("&Copy"), ContextAction::Copy, state.hasSelection },
        { QStringLiteral("&Paste"), ContextAction::Paste,
                !state.readOnly && state.clipboardHasText },
        { QStringLiteral("&Delete"), ContextAction::Delete, editableSelection },
        {},
        { QStringLiteral("Select &All"), ContextAction::SelectAll, state.selectionShorterThanText },
    };
}

} // namespace lw::numeric
