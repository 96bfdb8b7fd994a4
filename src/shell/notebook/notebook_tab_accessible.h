#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "shell/notebook/ovc_tab_page.h"
#include "shell/notebook/ovcnbk.h"

namespace lw::shell {

/// One tab of a notebook as screen readers see it: a page tab named by its caption, selected
/// while its page is shown; pressing it selects the page.
class NotebookTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    NotebookTabAccessible(TOvcNotebook *notebook, TOvcTabPage *page);

    /// The page the tab stands for; nullptr once the page is gone.
    TOvcTabPage *page() const { return m_page; }

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    int pageIndex() const;

    QPointer<TOvcNotebook> m_notebook;
    QPointer<TOvcTabPage> m_page;
};

} // namespace lw::shell
