#pragma once

#include <QAccessibleWidget>

namespace lw::url {

class TOvcURL;

/// What screen readers learn of a URL label: a link named by its shown text, whose value is
/// its address and whose press action clicks it.
class UrlAccessible final : public QAccessibleWidget
{
public:
    explicit UrlAccessible(TOvcURL *label);

    /// The factory to install once per process.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TOvcURL *label() const;
};

} // namespace lw::url
