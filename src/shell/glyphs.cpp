#include "shell/glyphs.h"

#include <QPixmap>

#include "core/maker_addresses.h"

namespace lw::shell {

namespace {

QPixmap loadGlyph(const QString &name)
{
    return QPixmap(u":/glyphs/" + name + u".xpm");
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
    // The installed theme icon first, so the window shows what the menu entry shows; the
    // same renderings are compiled in for a program started from its build folder.
    QIcon bundled;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        bundled.addPixmap(QPixmap(u":/icons/loanwright-" + QString::number(size) + u".png"));
    return QIcon::fromTheme(core::maker::ApplicationId.toString(), bundled);
}

} // namespace lw::shell
