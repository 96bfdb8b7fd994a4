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

QIcon glyphIcon(const QString &name)
{
    const QPixmap glyph = loadGlyph(name);
    const int side = glyph.height();
    if (glyph.width() != 2 * side)
        return QIcon(glyph);
    // A strip: the normal image on the left, the disabled one on the right.
    QIcon icon;
    icon.addPixmap(glyph.copy(0, 0, side, side), QIcon::Normal);
    icon.addPixmap(glyph.copy(side, 0, side, side), QIcon::Disabled);
    return icon;
}

QIcon applicationIcon()
{
    return QIcon(loadResource(QStringLiteral(":/icons/loanwright.xpm")));
}

} // namespace lw::shell
