#include "widgets/numeric/entry_context_menu.h"

#include <QStringList>

#include <gtest/gtest.h>

using lw::numeric::ContextAction;
using lw::numeric::contextMenuItems;
using lw::numeric::ContextMenuState;

namespace {

QStringList enabledCaptions(const ContextMenuState &state)
{
    QStringList captions;
    for (const auto &item : contextMenuItems(state)) {
        if (item.enabled)
            captions << item.caption;
    }
    return captions;
}

} // namespace

TEST(EntryContextMenu, ListsTheItemsInOrderWithTwoSeparators)
{
    const auto items = contextMenuItems({});
    ASSERT_EQ(items.size(), 8u);
    const QStringList expected = { QStringLiteral("&Restore"), QString(), QStringLiteral("Cu&t"),
        QStringLiteral("&Copy"), QStringLiteral("&Paste"), QStringLiteral("&Delete"), QString(),
        QStringLiteral("Select &All") };
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].caption, expected[static_cast<qsizetype>(i)]) << i;
    EXPECT_TRUE(items[1].isSeparator());
    EXPECT_TRUE(items[6].isSeparator());
    EXPECT_EQ(items[7].action, ContextAction::SelectAll);
}

TEST(EntryContextMenu, EnablesItemsByTheFieldsState)
{
    EXPECT_TRUE(enabledCaptions({}).isEmpty());

    ContextMenuState selected;
    selected.hasSelection = true;
    EXPECT_EQ(enabledCaptions(selected),
            QStringList({ QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                    QStringLiteral("&Delete") }));

    selected.readOnly = true;
    selected.clipboardHasText = true;
    EXPECT_EQ(enabledCaptions(selected), QStringList({ QStringLiteral("&Copy") }));

    ContextMenuState fresh;
    fresh.modified = true;
    fresh.clipboardHasText = true;
    fresh.selectionShorterThanText = true;
    EXPECT_EQ(enabledCaptions(fresh),
            QStringList({ QStringLiteral("&Restore"), QStringLiteral("&Paste"),
                    QStringLiteral("Select &All") }));
}
