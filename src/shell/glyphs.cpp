#include "shell/glyphs.h"

#include <QPixmap>

// Resources compiled into a static library must be registered by name, at global scope.
static void registerGlyphs()
{
    Q_INIT_RESOURCE(resources);
}

namespace lw::shell {

namespace {

QPixmap loadResource(const QString &path)
{
    static const bool registered = (registerGlyphs(), true);
    Q_UNUSED(registered);
    return QPixmap(path);
}

QPixmap loadGlyph(const QString &name)
{
    return loadResource(u":/glyphs/" + name + u".xpm");
}

} // namespace

QIcon stripIcon(const QString &name)
{
    const QPixmap strip = loadGlyph(name);
    const int side = strip.height();
    QIcon icon;
    icon.addPixmap(strip.copy(0, 0, side, side), QIcon::Normal);
    icon.addPixmap(strip.copy(side, 0, side, side), QIcon::Disabled);
    return icon;
}

QIcon glyphIcon(const QString &name)
{
    return QIcon(loadGlyph(name));
}

QIcon applicationIcon()
{
    return QIcon(loadResource(QStringLiteral(":/icons/loanwright.xpm")));
}

} // namespace lw::shell
