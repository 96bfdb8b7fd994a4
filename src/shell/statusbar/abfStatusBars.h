#pragma once

#include <QWidget>

#include "platform/gui/colour.h"
#include "shell/statusbar/status_panels.h"

namespace lw::shell {

/// A status bar that draws its panels itself and reports pointer moves, clicks per panel and
/// size changes. Its font is the platform's status-bar font and follows changes of it; its
/// height is fixed. Docking it is the parent's business.
class TabfStatusBar final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultHeight = 19;

    explicit TabfStatusBar(QWidget *parent = nullptr);
    ~TabfStatusBar() override;
    Q_DISABLE_COPY_MOVE(TabfStatusBar)

    TabfStatusPanels &Panels() { return FPanels; }

    const TabfStatusPanels &Panels() const { return FPanels; }

    /// The background, and the brush of every panel whose ParentColor is true.
    lw::platform::Colour Color() const { return FColor; }

    void setColor(lw::platform::Colour colour);

    /// The laid-out rectangle of a panel, in widget pixels; empty for an unknown index.
    QRect panelRect(int index) const;

    /// The first panel whose drawn area holds the point, or nullptr.
    TabfStatusPanel *panelAt(const QPoint &point) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    /// Every pointer move over the bar, in widget pixels.
    void OnMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);

    /// A button released over a panel, whichever panel the press was on.
    void OnPanelClick(lw::shell::TabfStatusPanel *Panel, Qt::MouseButton Button,
            Qt::KeyboardModifiers Shift, int X, int Y);

    /// The second press of a double click over a panel; its release is a click again.
    void OnPanelDblClick(lw::shell::TabfStatusPanel *Panel, Qt::MouseButton Button,
            Qt::KeyboardModifiers Shift, int X, int Y);

    /// Every change of the bar's size.
    void OnResize();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void panelChanged(TabfStatusPanel &panel, PanelChange change);
    void announceText(const TabfStatusPanel &panel);
    void followStatusBarFont();
    void showToolTip(const QPoint &pos, const QPoint &globalPos);
    QColor colour(lw::platform::Colour colour) const;
    void paintPanel(QPainter &painter, const TabfStatusPanel &panel, const QRect &laidOut) const;
    void paintBevel(QPainter &painter, TabfBevel bevel, const QRect &laidOut) const;

    TabfStatusPanels FPanels;
    lw::platform::Colour FColor =
            lw::platform::systemColour(lw::platform::SystemColour::ButtonFace);
    QWidget *FFontProbe = nullptr; // hidden; hears of status-bar font changes for the bar
};

} // namespace lw::shell
