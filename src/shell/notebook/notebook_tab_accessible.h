#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "platform/gui/pressable_leaf_accessible.h"
#include "shell/notebook/ovc_tab_page.h"
#include "shell/notebook/ovcnbk.h"

namespace lw::shell {

/// One tab of a notebook as screen readers see it: a page tab named by its caption, selected
/// while its page is shown; pressing it selects the page.
class NotebookTabAccessible final : public lw::platform::PressableLeafAccessible
{
public:
    NotebookTabAccessible(TOvcNotebook *notebook, TOvcTabPage *page);

    /// The page the tab stands for; nullptr once the page is gone.
    TOvcTabPage *page() const { return m_page; }

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    void press() override;

private:
    int pageIndex() const;

    QPointer<TOvcNotebook> m_notebook;
    QPointer<TOvcTabPage> m_page;
};

} // namespace lw::shell
