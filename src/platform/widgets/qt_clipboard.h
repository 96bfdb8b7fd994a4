#pragma once

#include "platform/clipboard.h"

namespace lw::platform {

/// The application's QClipboard, plain text only.
class QtClipboard final : public Clipboard
{
public:
    std::optional<QString> text() const override;
    bool setText(const QString &text) override;
};

} // namespace lw::platform
