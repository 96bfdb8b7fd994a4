#include "shell/link_picture.h"

#include <QMouseEvent>

namespace lw::shell {

LinkPicture::LinkPicture(const QPixmap &picture, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(picture);
    resize(picture.size()); // sized to its picture
    setMouseTracking(true); // moves without a button count too
}

void LinkPicture::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    Q_EMIT OnMouseMove();
}

void LinkPicture::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT OnClick();
}

} // namespace lw::shell
