#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace lw::shell {

/// The application's current hint: the hint of the control under the pointer, or of its
/// nearest parent that has one; empty where no control has one. It is read again once the
/// event queue has handled a pointer move, so the control's own move handling comes first.
class ApplicationHint final : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationHint(QObject *parent = nullptr);
    ~ApplicationHint() override;
    Q_DISABLE_COPY_MOVE(ApplicationHint)

    const QString &hint() const { return m_hint; }

Q_SIGNALS:
    /// The hint under the pointer differs from the last one.
    void hintChanged(const QString &hint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readHint();

    QTimer m_idle;
    QPointer<QWindow> m_window; // the window the pointer last moved over; none once it left
    QPoint m_position; // in that window's coordinates
    QString m_hint;
};

} // namespace lw::shell
