#pragma once

#include <optional>

#include <QPrinter>
#include <QStringList>

#include "platform/document_dialogs.h"

namespace lw::test {

/// Answers the save and print dialogs as a test says, and records the save captions asked.
struct RecordingDocumentDialogs final : platform::DocumentDialogs
{
    std::optional<QString> saveAnswer; // nullopt: the user cancels
    QString printToPdf; // empty: the user cancels the print dialog
    QStringList saveCaptions;
    int printerDialogs = 0;

    std::optional<QString> saveFileName(
            QWidget *, const QString &caption, const QString &, const QString &) override
    {
        saveCaptions << caption;
        return saveAnswer;
    }

    bool setUpPrinter(QWidget *, QPrinter &printer) override
    {
        ++printerDialogs;
        if (printToPdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        return true;
    }
};

} // namespace lw::test
