#include "platform/gui/form_fonts.h"

#include <mutex>

#include <QFont>

namespace lw::platform {

void substituteFormFonts()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    });
}

} // namespace lw::platform
