#include <chrono>
#include <random>

#include <gtest/gtest.h>

#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/entry_host_recorder.h"
#include "widgets/numeric/entry_invariants.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"
#include "widgets/numeric/plain_number.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {
namespace {

const quint16 commands[] = { ccBack, ccDel, ccDelLine, ccCut, ccCopy, ccPaste, ccRestore, ccUndo,
    ccExtendLeft, ccDoubleClick, ccMouseDown, ccMouseDrag, ccIns, ccUp, ccDown, ccLeft, ccInc,
    ccDec, ccHome, ccDelWord };
const QString keys = u"0123456789.-, ()aE\r"_s;
const QString masks[] = { u"###,###,###.##"_s, u"###.####"_s, u"##"_s, u"#"_s, u"$###,###.##p"_s,
    u"g###.##"_s, u"iiiii"_s };

// Drives one field with random keys, pastes, commands, focus changes and program writes.
class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed)
        : random(seed)
    {
        field.setDataType(TNumericDataType::nftDouble);
        field.setPictureMask(masks[pick(std::size(masks))]);
        if (pick(2) == 0) {
            field.setRangeLow(-50);
            field.setRangeHigh(500);
        }
        field.setOptions(pick(2) ? TOvcEntryFieldOption::efoArrowIncDec
                                 : TOvcEntryFieldOption::efoSoftValidation);
        host.onTakeFocus = [this] {
            field.focusGained(FocusCause::KeyboardOrProgram);
        };
    }

    void step()
    {
        switch (pick(10)) {
        case 0:
            host.clipboard = randomText();
            field.ProcessCommand(ccPaste);
            break;
        case 1:
            field.ProcessCommand(commands[pick(std::size(commands))]);
            break;
        case 2:
            if (field.focused())
                field.focusLost(pick(4) != 0, nullptr);
            else
                field.focusGained(FocusCause(pick(3)));
            break;
        case 3:
            field.setFloatValue(std::uniform_real_distribution<double>(-2e9, 2e9)(random)
                    / std::pow(10.0, pick(12)));
            break;
        case 4:
            test::deliverPosted();
            break;
        default:
            if (!field.keyDown(0, 0))
                field.characterTyped(keys.at(pick(keys.size())));
            break;
        }
    }

    QString broken() { return test::brokenInvariant(field); }

private:
    qsizetype pick(qsizetype n)
    {
        return std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
    }

    QString randomText()
    {
        QString text;
        for (qsizetype n = pick(20); n > 0; --n)
            text.append(keys.at(pick(keys.size())));
        return text;
    }

    std::mt19937 random;
    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    TOvcController controller;
    NumericEntryField field{ intl, host, &controller };
};

TEST(EntryFuzz, RandomSessionsKeepTheBufferAndTextConsistent)
{
    test::ensureApplication();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    unsigned seed = 20261208;
    int sessions = 0;
    while (std::chrono::steady_clock::now() < end) {
        Fuzzer fuzzer(++seed);
        for (int i = 0; i < 200; ++i) {
            fuzzer.step();
            const QString fault = fuzzer.broken();
            ASSERT_TRUE(fault.isEmpty())
                    << "seed " << seed << " step " << i << ": " << fault.toStdString();
        }
        ++sessions;
    }
    EXPECT_GT(sessions, 0);
}

} // namespace
} // namespace lw::numeric
