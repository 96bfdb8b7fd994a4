// Keys, commands, pastes, focus changes and program writes into one entry field, chosen by
// the fuzzer's bytes; after every step the buffer and the display must agree.
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "fuzz_input.h"
#include "widgets/numeric/entry_host_recorder.h"
#include "widgets/numeric/entry_invariants.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"

namespace {

using namespace lw::numeric;

const quint16 Commands[] = { ccBack, ccDel, ccDelLine, ccCut, ccCopy, ccPaste, ccRestore, ccUndo,
    ccExtendLeft, ccDoubleClick, ccMouseDown, ccMouseDrag, ccIns, ccUp, ccDown, ccLeft, ccInc,
    ccDec, ccHome, ccDelWord };
const QString Masks[] = { QStringLiteral("###,###,###.##"), QStringLiteral("###.####"),
    QStringLiteral("##"), QStringLiteral("#"), QStringLiteral("$###,###.##p"),
    QStringLiteral("g###.##"), QStringLiteral("iiiii") };

void setUp(NumericEntryField &field, lw::fuzz::FuzzInput &input)
{
    field.setDataType(
            TNumericDataType::nftDouble); // the calculator's fields; a float write to others throws
    field.setPictureMask(Masks[input.pick(std::size(Masks))]);
    if (input.pick(2) == 1) {
        field.setRangeLow(-50);
        field.setRangeHigh(500);
    }
    field.setOptions(input.pick(2) ? TOvcEntryFieldOption::efoArrowIncDec
                                   : TOvcEntryFieldOption::efoSoftValidation);
}

void step(NumericEntryField &field, test::EntryHostRecorder &host, lw::fuzz::FuzzInput &input)
{
    switch (input.pick(8)) {
    case 0:
        host.clipboard = QString::fromUtf8(input.bytes(input.pick(24)));
        field.ProcessCommand(ccPaste);
        break;
    case 1:
        field.ProcessCommand(Commands[input.pick(std::size(Commands))]);
        break;
    case 2:
        if (field.focused())
            field.focusLost(input.pick(4) != 0, nullptr);
        else
            field.focusGained(FocusCause(input.pick(3)));
        break;
    case 3:
        field.setFloatValue(input.raw<double>());
        break;
    case 4:
        test::deliverPosted();
        break;
    default:
        if (!field.keyDown(input.byte(), 0))
            field.characterTyped(QChar(char16_t(input.byte())));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    test::ensureApplication();
    lw::fuzz::FuzzInput input(data, size);
    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    TOvcController controller;
    NumericEntryField field(intl, host, &controller);
    host.onTakeFocus = [&field] {
        field.focusGained(FocusCause::KeyboardOrProgram);
    };
    setUp(field, input);
    while (!input.empty()) {
        step(field, host, input);
        const QString fault = test::brokenInvariant(field);
        if (!fault.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(fault));
            std::abort();
        }
    }
    test::deliverPosted(); // nothing posted outlives the field
    return 0;
}
