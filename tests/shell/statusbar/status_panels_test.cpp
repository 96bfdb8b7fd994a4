#include "shell/statusbar/status_panels.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/qt_printers.h"

using namespace lw::shell;
using lw::platform::rgbColour;

namespace {

class PanelsTest : public ::testing::Test
{
protected:
    std::vector<std::pair<int, PanelChange>> changes;
    TabfStatusPanels panels{ [this](TabfStatusPanel &panel, PanelChange change) {
        changes.emplace_back(panel.Index(), change);
    } };
};

TEST_F(PanelsTest, NewPanelHasTheDefaults)
{
    const TabfStatusPanel &panel = panels.Add();
    EXPECT_EQ(panel.Bevel(), TabfBevel::apbLowered);
    EXPECT_EQ(panel.Width(), 50);
    EXPECT_TRUE(panel.Visible());
    EXPECT_TRUE(panel.ParentColor());
    EXPECT_TRUE(panel.ParentFont());
    EXPECT_EQ(panel.BrushColor(), panels.parentColor());
    EXPECT_EQ(panel.TextStyle(), TabfTextStyle{});
    EXPECT_EQ(panel.TextStyle().Spacing, 2);
    EXPECT_EQ(panel.PanelStyle(), TabfPanelStyle::apsText);
    EXPECT_TRUE(panel.Name().isEmpty());
}

TEST_F(PanelsTest, InvisiblePanelReadsZeroWideAndKeepsItsWidth)
{
    TabfStatusPanel &panel = panels.Add();
    panel.setWidth(120);
    panel.setVisible(false);
    EXPECT_EQ(panel.Width(), 0);
    panel.setVisible(true);
    EXPECT_EQ(panel.Width(), 120);
}

TEST_F(PanelsTest, ChangesAreReportedOnceAndOnlyWhenSomethingChanged)
{
    panels.Add();
    TabfStatusPanel &panel = panels.Add();
    changes.clear();
    panel.setText(QStringLiteral("Visit"));
    panel.setText(QStringLiteral("Visit"));
    panel.setWidth(120);
    panel.setBevel(TabfBevel::apbRaised);
    panel.setVisible(false);
    const std::vector<std::pair<int, PanelChange>> expected{ { 1, PanelChange::Text },
        { 1, PanelChange::Layout }, { 1, PanelChange::Look }, { 1, PanelChange::Shown } };
    EXPECT_EQ(changes, expected);
}

TEST_F(PanelsTest, BadNamesThrowTheExactMessagesAndKeepTheOldName)
{
    TabfStatusPanel &web = panels.Add();
    TabfStatusPanel &hint = panels.Add();
    web.setName(QStringLiteral("WebPanel"));
    hint.setName(QStringLiteral("HintPanel"));
    try {
        hint.setName(QStringLiteral("2nd"));
        FAIL() << "no error";
    } catch (const EStatusPanelError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("''2nd'' is not a valid status panel name"));
    }
    try {
        hint.setName(QStringLiteral("WebPanel"));
        FAIL() << "no error";
    } catch (const EStatusPanelError &error) {
        EXPECT_EQ(error.message(),
                QStringLiteral("A status panel named ''WebPanel'' already exists"));
    }
    EXPECT_EQ(hint.Name(), QStringLiteral("HintPanel"));
    EXPECT_NO_THROW(web.setName(QStringLiteral("WebPanel")));
    EXPECT_EQ(panels.find(QStringLiteral("HintPanel")), &hint);
    EXPECT_EQ(panels.find(QStringLiteral("hintpanel")), nullptr);
}

TEST_F(PanelsTest, OwnFontStaysWhileParentFontPanelsFollowTheBar)
{
    TabfStatusPanel &own = panels.Add();
    TabfStatusPanel &follower = panels.Add();
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPixelSize(11);
    arial.setUnderline(true);
    own.setFont(arial);
    own.setFontColor(rgbColour(0, 0, 255));
    EXPECT_FALSE(own.ParentFont());

    QFont status(QStringLiteral("DejaVu Sans"));
    status.setPixelSize(15);
    panels.setParentFont(status, rgbColour(1, 2, 3));
    EXPECT_EQ(own.Font(), arial);
    EXPECT_EQ(own.FontColor(), rgbColour(0, 0, 255));
    EXPECT_EQ(follower.Font(), status);
    EXPECT_EQ(follower.FontColor(), rgbColour(1, 2, 3));

    own.setParentFont(true);
    EXPECT_EQ(own.Font(), status);
}

TEST_F(PanelsTest, OwnBrushStaysWhileParentColorPanelsFollowTheBar)
{
    TabfStatusPanel &own = panels.Add();
    TabfStatusPanel &follower = panels.Add();
    own.setBrushColor(rgbColour(255, 255, 0));
    panels.setParentColor(rgbColour(9, 9, 9));
    EXPECT_FALSE(own.ParentColor());
    EXPECT_EQ(own.BrushColor(), rgbColour(255, 255, 0));
    EXPECT_EQ(follower.BrushColor(), rgbColour(9, 9, 9));
}

} // namespace
