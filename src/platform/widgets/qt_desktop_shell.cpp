#include "platform/widgets/qt_desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace lw::platform {

bool QtDesktopShell::open(const QString &target)
{
    const QUrl url(target);
    // A Windows-style or relative path parses as a URL without scheme: open it as a file.
    const bool isAddress = url.isValid() && url.scheme().size() > 1;
    return QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(target));
}

} // namespace lw::platform
