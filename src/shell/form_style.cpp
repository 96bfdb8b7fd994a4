#include "shell/form_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace lw::shell {

void useFormStyle()
{
    QPalette desktop = QApplication::palette();
    QApplication::setStyle(QStringLiteral("Fusion"));
    // A dark desktop style brings its palette with it; without it the windows would turn light.
    // Every role counts as set, or the palette would be filled in from the new style's again.
    if (QApplication::palette() != desktop) {
        desktop.setResolveMask(~QPalette::ResolveMask(0));
        QApplication::setPalette(desktop);
    }
}

} // namespace lw::shell
