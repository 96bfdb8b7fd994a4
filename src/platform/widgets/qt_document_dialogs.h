#pragma once

#include "platform/document_dialogs.h"

namespace lw::platform {

/// The standard file and print dialogs of Qt.
class QtDocumentDialogs final : public DocumentDialogs
{
public:
    std::optional<QString> saveFileName(QWidget *parent, const QString &caption,
            const QString &suggested, const QString &filter) override;
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;
};

} // namespace lw::platform
