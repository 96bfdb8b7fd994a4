#pragma once

#include "platform/document_dialogs.h"
#include "platform/file_store.h"
#include "platform/locale_source.h"
#include "platform/user_feedback.h"

namespace lw::shell {

/// Everything outside the process the schedule window reaches; all must outlive it.
struct ScheduleServices
{
    platform::FileStore &files;
    platform::DocumentDialogs &dialogs;
    platform::UserFeedback &feedback;
    const platform::LocaleSource &locale;
};

} // namespace lw::shell
