#include "platform/widgets/qt_document_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>

namespace lw::platform {

std::optional<QString> QtDocumentDialogs::saveFileName(
        QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    const QString chosen = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

bool QtDocumentDialogs::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace lw::platform
