#include "widgets/numeric/numeric_entry_field.h"

#include <gtest/gtest.h>

#include "platform/virtual_key.h"
#include "support/calculator_field.h"
#include "widgets/numeric/entry_host_recorder.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;
namespace VK = lw::platform::VirtualKey;
namespace Shift = lw::platform::ShiftState;

namespace lw::numeric {
namespace {

quint8 keyOf(QChar c)
{
    if (c.isDigit())
        return VK::digit(c.digitValue());
    switch (c.unicode()) {
    case u'.':
        return VK::OemPeriod;
    case u'-':
        return VK::OemMinus;
    case u'\r':
        return VK::Return;
    case u'\x1b':
        return VK::Escape;
    case u' ':
        return VK::Space;
    default:
        return c.isLetter() ? VK::letter(char(c.toUpper().unicode())) : VK::None;
    }
}

class EntryFieldTest : public testing::Test
{
protected:
    EntryFieldTest()
    {
        test::ensureApplication();
        lw::test::configureCalculatorField(field, u"###,###,###.##"_s);
        field.setFloatValue(100000);
    }

    // What the widget does for each key press: the key, then its character when it is no
    // command.
    void type(QStringView keys)
    {
        for (const QChar c : keys) {
            if (!field.keyDown(keyOf(c), Shift::None))
                field.characterTyped(c);
        }
    }

    void press(quint8 key, quint8 shift = Shift::None) { field.keyDown(key, shift); }

    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    TOvcController controller;
    NumericEntryField field{ intl, host, &controller };
};

TEST_F(EntryFieldTest, TabInTypeAndLeaveRelaysOverTheMask)
{
    field.focusGained(FocusCause::KeyboardOrProgram);
    EXPECT_TRUE(field.hasSelection());
    type(u"250000");
    EXPECT_EQ(field.paintedText(), u"250,000");
    EXPECT_TRUE(field.focusLost(true, nullptr));
    EXPECT_EQ(field.paintedText(), u"250,000.00");
    EXPECT_DOUBLE_EQ(field.FloatValue(), 250000);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(field.entry().EntryDigits().isEmpty());
}

TEST_F(EntryFieldTest, ClickInBackspaceAndRetypeDecimals)
{
    field.setFloatValue(20000);
    field.focusGained(FocusCause::LeftClick);
    EXPECT_FALSE(field.hasSelection());
    for (int i = 0; i < 3; ++i)
        press(VK::Back);
    type(u".5");
    EXPECT_EQ(field.paintedText(), u"20,000.5");
    field.focusLost(true, nullptr);
    EXPECT_EQ(field.paintedText(), u"20,000.50");
}

TEST_F(EntryFieldTest, CommandKeysDropTheirCharacters)
{
    field.focusGained(FocusCause::LeftClick);
    type(u"1");
    // Backspace produces a character too; it must not arrive as typed text.
    if (!field.keyDown(VK::Back, Shift::None))
        field.characterTyped(u'\b');
    field.characterTyped(u'7'); // no key-down let it through
    EXPECT_EQ(field.entry().EntryDigits(), u"100000.00");
}

TEST_F(EntryFieldTest, RefusedKeysBeepOnlyWithBeepOnError)
{
    field.focusGained(FocusCause::LeftClick);
    type(u"x\r\x1b");
    EXPECT_EQ(host.beeps, 3);
    controller.setEntryOptions(TOvcBaseEFOption::efoAutoSelect);
    type(u"x");
    EXPECT_EQ(host.beeps, 3);
}

TEST_F(EntryFieldTest, ExtendKeySelectsAllAndCtrlZRestores)
{
    field.focusGained(FocusCause::LeftClick);
    press(VK::Left, Shift::Shift);
    EXPECT_TRUE(field.hasSelection());
    type(u"42");
    EXPECT_EQ(field.paintedText(), u"42");
    press(VK::letter('Z'), Shift::Ctrl);
    EXPECT_EQ(field.paintedText(), u"100,000.00");
    EXPECT_FALSE(field.Modified());
    EXPECT_TRUE(field.hasSelection());
}

TEST_F(EntryFieldTest, ClipboardCopyCutAndPaste)
{
    field.focusGained(FocusCause::KeyboardOrProgram);
    press(VK::letter('C'), Shift::Ctrl);
    EXPECT_EQ(host.clipboard, u"100,000.00");
    press(VK::letter('X'), Shift::Ctrl);
    EXPECT_EQ(field.paintedText(), u"0");
    host.clipboard = u"$1,234.56"_s;
    press(VK::letter('V'), Shift::Ctrl);
    EXPECT_EQ(field.paintedText(), u"1,234.56");
    host.clipboard.reset(); // an unreadable clipboard changes nothing
    press(VK::Insert, Shift::Shift);
    EXPECT_EQ(field.paintedText(), u"1,234.56");
}

TEST_F(EntryFieldTest, ReadOnlyRefusesEditsButCopies)
{
    field.setOptions(TOvcEntryFieldOption::efoReadOnly);
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"5");
    press(VK::Back);
    press(VK::letter('X'), Shift::Ctrl);
    EXPECT_EQ(host.beeps, 3);
    EXPECT_EQ(field.DisplayText().trimmed(), u"100,000.00");
    press(VK::letter('C'), Shift::Ctrl);
    EXPECT_EQ(host.clipboard, u"100,000.00");
}

TEST_F(EntryFieldTest, InsertModeTogglesAndTravelsThroughTheController)
{
    NumericEntryField other(intl, host, &controller);
    field.focusGained(FocusCause::LeftClick);
    EXPECT_TRUE(field.InsertMode());
    press(VK::Insert);
    EXPECT_FALSE(field.InsertMode());
    field.focusLost(true, nullptr);
    other.focusGained(FocusCause::KeyboardOrProgram);
    EXPECT_FALSE(other.InsertMode());
    other.focusLost(true, nullptr);
    other.setOptions(TOvcEntryFieldOption::efoForceInsert);
    other.focusGained(FocusCause::KeyboardOrProgram);
    EXPECT_TRUE(other.InsertMode());
}

TEST_F(EntryFieldTest, UserCommandsGoToTheHandler)
{
    std::vector<quint16> seen;
    field.OnUserCommand = [&](NumericEntryField &, quint16 command) {
        seen.push_back(command);
    };
    controller.EntryCommands().AddCommandByName(
            u"Default"_s, TOvcKeyRecord{ quint8(VK::F1 + 1), Shift::None, 0, 0, quint16(300) });
    press(quint8(VK::F1 + 1));
    EXPECT_EQ(seen, std::vector<quint16>{ 300 });
}

TEST_F(EntryFieldTest, ChangeIsRaisedPerAcceptedEditAndAutoAdvanceMovesFocus)
{
    int changes = 0;
    field.OnChange = [&](NumericEntryField &) {
        ++changes;
    };
    controller.setEntryOptions(controller.EntryOptions() | TOvcBaseEFOption::efoAutoAdvanceChar);
    field.setPictureMask(u"##"_s);
    field.setFloatValue(5);
    field.focusGained(FocusCause::LeftClick);
    press(VK::Back);
    press(VK::Back); // nothing left to remove: no change
    type(u"12");
    EXPECT_EQ(changes, 3);
    ASSERT_FALSE(host.events.empty());
    EXPECT_EQ(host.events.back(), u"next");
}

TEST_F(EntryFieldTest, ProgramWriteWhileFocusedReloadsTheBuffer)
{
    field.focusGained(FocusCause::LeftClick);
    type(u"9");
    field.setFloatValue(12);
    EXPECT_TRUE(field.hasSelection());
    EXPECT_FALSE(field.Modified());
    field.ProcessCommand(ccMouseDown);
    type(u"3");
    EXPECT_EQ(field.paintedText(), u"12.003");
}

TEST_F(EntryFieldTest, ResumesAsLeftWhenComingBackFromAnotherApplication)
{
    field.focusGained(FocusCause::LeftClick);
    type(u"77");
    field.focusLost(false, nullptr); // no validation when the focus leaves the form
    EXPECT_EQ(field.entry().EntryDigits(), u"100000.0077");
    field.focusGained(FocusCause::OtherApplication);
    EXPECT_TRUE(field.Modified());
    press(VK::Back, Shift::Alt);
    EXPECT_EQ(field.paintedText(), u"100,000.00");
}

} // namespace
} // namespace lw::numeric
