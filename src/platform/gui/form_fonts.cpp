#include "platform/gui/form_fonts.h"

#include <mutex>

#include <QFont>

namespace lw::platform {

void substituteFormFonts()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char *face : { "Tahoma", "MS Sans Serif" })
            QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
    });
}

} // namespace lw::platform
