#pragma once

#include "support/recording_services.h"
#include "widgets/numeric/field/ovcnf.h"
#include "widgets/numeric/ovcintl.h"

namespace lw::test {

/// What an entry field works with, recorded: boxes and beeps, the clipboard, the test locale.
struct RecordedEntryServices
{
    RecordingFeedback feedback;
    FakeClipboard clipboard;
    lw::numeric::TOvcIntlSup intl;
    lw::numeric::EntryServices services{ feedback, clipboard, intl };
};

} // namespace lw::test
