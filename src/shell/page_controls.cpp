#include "shell/page_controls.h"

#include <QPainter>

namespace lw::shell {

void BottomLineBevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int bottom = height() - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, bottom - 1, width() - 1, bottom - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, bottom, width() - 1, bottom);
}

} // namespace lw::shell
