#pragma once

#include <QLabel>

namespace lw::shell {

/// A picture that works as a link: it tells of every pointer move over it and of a click (a
/// left button released over it).
class LinkPicture final : public QLabel
{
    Q_OBJECT

public:
    explicit LinkPicture(const QPixmap &picture, QWidget *parent);
    Q_DISABLE_COPY_MOVE(LinkPicture)

Q_SIGNALS:
    void OnClick();
    void OnMouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace lw::shell
