#pragma once

#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace lw::platform {

/// The dialogs that ask where a document goes; tests hand in a recorder that answers.
class DocumentDialogs
{
public:
    virtual ~DocumentDialogs() = default;

    /// Asks for a file to save to, proposing `suggested`; nullopt when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &caption,
            const QString &suggested, const QString &filter) = 0;

    /// Lets the user choose and set up a printer; false when the user cancels.
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
};

} // namespace lw::platform
