#include "core/app_texts.h"

#include <gtest/gtest.h>

#include "core/startup_values.h"
#include "core/window_frame_rules.h"

using namespace lw::core;

TEST(AppTexts, MessagesKeepTheirLineBreaksByteForByte)
{
    EXPECT_EQ(mathErrorMessage().toStdString(),
            "Valid results cannot be calculated using\n\r"
            "the variables you have entered.\n\r\n\r"
            "Please try again with reasonable values.");
    EXPECT_EQ(unidentifiedErrorMessage().toStdString(),
            "An unidentified error has occurred.\r\n\r\n"
            "If you wish contact Brannock Software    \r\n\r\n"
            "at:  support@brannock.example");
}

TEST(AppTexts, LongPartOfAHintStartsAfterTheFirstBar)
{
    EXPECT_EQ(hintLongPart(QStringLiteral("Reset| Reset Default Values ...")).toStdString(),
            " Reset Default Values ...");
    EXPECT_EQ(hintLongPart(QStringLiteral(" Exit")).toStdString(), " Exit");
    EXPECT_EQ(hintLongPart(QStringLiteral("a|b|c")).toStdString(), "b|c");
    EXPECT_EQ(hintLongPart(QStringLiteral("short|")).toStdString(), "");
    EXPECT_EQ(hintLongPart({}).toStdString(), "");
}

TEST(AppTexts, AnErrorsOwnTextBecomesASentenceOnce)
{
    EXPECT_EQ(asSentence(QStringLiteral("Disk full")).toStdString(), "Disk full.");
    EXPECT_EQ(asSentence(QStringLiteral("Disk full.")).toStdString(), "Disk full.");
    EXPECT_EQ(asSentence({}).toStdString(), ".");
}

TEST(StartupValues, FoldersTagAndHelpFileFollowTheProgramFolder)
{
    ValueRecord record;
    setFoldersAndTags(record, QStringLiteral("/home/u/.config"), QStringLiteral("/opt/lw/"));
    EXPECT_EQ(record.FRefTag.toStdString(), "?ref=LWC451");
    EXPECT_EQ(record.FProgramFolder.toStdString(), "/opt/lw/");
    EXPECT_EQ(helpFilePath(record).toStdString(), "/opt/lw/help/index.html");
}

TEST(WindowFrameRules, StylesMoveTheTaskbarButtonAndKeepOtherFlags)
{
    EXPECT_EQ(ownerWithoutButton(0x40000u | 0x8u), 0x80u | 0x8u);
    EXPECT_EQ(mainWindowWithButton(0x80u | 0x100u), 0x40000u | 0x100u);
    EXPECT_EQ(mainWindowWithButton(0), 0x40000u);
}

TEST(WindowFrameRules, OnlyMinimiseAndRestoreAreTheWindowsOwn)
{
    EXPECT_EQ(ownShowCommand(0xF020), 6);
    EXPECT_EQ(ownShowCommand(0xF02F), 6);
    EXPECT_EQ(ownShowCommand(0xF120), 9);
    EXPECT_EQ(ownShowCommand(0xF030), std::nullopt); // maximise
    EXPECT_EQ(ownShowCommand(0xF060), std::nullopt); // close
    EXPECT_EQ(ownShowCommand(0xF010 | 0xF000), std::nullopt);
}
