#include "shell/notebook/ovcnbk.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QShortcut>

#include "platform/gui/accessible_factory.h"
#include "platform/virtual_key.h"
#include "shell/notebook/notebook_accessible.h"

namespace lw::shell {

TOvcNotebook::TOvcNotebook(QWidget *parent)
    : QWidget(parent)
{
    platform::installAccessibleFactoryOnce<&NotebookAccessible::factory>();
    // Focus comes from a click on a tab only, and that press sets it itself: a click on a
    // page's empty area or beside the tabs must not take the focus from a control.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TOvcNotebook::~TOvcNotebook()
{
    // Pages go first, while the notebook is whole; their destruction then finds no entry.
    const std::vector<PageEntry> entries = std::exchange(FPages, {});
    for (const PageEntry &entry : entries)
        delete entry.page;
}

TOvcTabPage *TOvcNotebook::addPage(const QString &caption)
{
    auto *page = new TOvcTabPage(this); // owned by the notebook
    page->setCaption(caption);
    page->hide();
    connect(page, &TOvcTabPage::TabChanged, this, [this, page] {
        tabChanged(page);
    });
    // A page moved elsewhere still leaves the list when it goes.
    connect(page, &QObject::destroyed, this, &TOvcNotebook::pageDestroyed);
    PageEntry entry;
    entry.page = page;
    FPages.push_back(entry);
    updateAccelerator(FPages.back());
    relayout();
    // A notebook that shows nothing yet shows its first selectable page.
    if (!FLoading && FPageIndex < 0 && isSelectable(PageCount() - 1))
        switchTo(PageCount() - 1);
    return page;
}

TOvcTabPage *TOvcNotebook::Pages(int index) const
{
    return index >= 0 && index < PageCount() ? FPages[std::size_t(index)].page : nullptr;
}

bool TOvcNotebook::isSelectable(int index) const
{
    const TOvcTabPage *page = Pages(index);
    return page && page->isEnabled() && page->PageVisible();
}

int TOvcNotebook::indexOfPage(const QObject *page) const
{
    for (int i = 0; i < PageCount(); ++i) {
        if (FPages[std::size_t(i)].page == page)
            return i;
    }
    return -1;
}

void TOvcNotebook::setDefaultPageIndex(int index)
{
    FDefaultPageIndex = index;
}

void TOvcNotebook::loaded()
{
    if (!FLoading)
        return;
    FLoading = false;
    int shown = FDefaultPageIndex;
    if (!isSelectable(shown)) {
        shown = -1;
        for (int i = 0; i < PageCount() && shown < 0; ++i)
            shown = isSelectable(i) ? i : -1;
    }
    for (int i = 0; i < PageCount(); ++i) {
        if (i != shown)
            FPages[std::size_t(i)].page->hide();
    }
    FPageIndex = -1;
    relayout();
    if (shown >= 0)
        switchTo(shown);
}

void TOvcNotebook::setPageIndex(int index)
{
    if (FLoading) {
        FPageIndex = index;
        return;
    }
    if (index == FPageIndex)
        return;
    if (!isSelectable(index))
        throw EInvalidPageIndex(index);
    if (FSelecting)
        return;
    FSelecting = true;
    const auto done = qScopeGuard([this] {
        FSelecting = false;
    });
    moveFocusOutOfPages();
    // The exit handling that just ran may have changed the pages.
    if (isSelectable(index) && index != FPageIndex)
        switchTo(index);
}

void TOvcNotebook::moveFocusOutOfPages()
{
    // The focus goes to the notebook rather than nowhere: a field runs its exit handling only
    // when another control of its window takes the focus.
    const QWidget *focused = window()->focusWidget();
    if (focused && focused != this && isAncestorOf(focused))
        setFocus(Qt::OtherFocusReason);
}

void TOvcNotebook::switchTo(int index)
{
    TOvcTabPage *old = Pages(FPageIndex);
    TOvcTabPage *now = Pages(index);
    now->setGeometry(pageArea());
    now->raise();
    now->show();
    if (old && old != now)
        old->hide();
    FPageIndex = index;
    setStatusTip(now->Hint());
    update();
    announceSelection();
}

void TOvcNotebook::showControl(QWidget *control)
{
    for (int i = 0; i < PageCount(); ++i) {
        TOvcTabPage *page = FPages[std::size_t(i)].page;
        if (control && (page == control || page->isAncestorOf(control))) {
            if (isSelectable(i))
                setPageIndex(i);
            return;
        }
    }
}

// The user's selections never throw: the exit handling run on the way may have changed
// the pages.
void TOvcNotebook::selectFromUser(int index)
{
    if (!FLoading && index != FPageIndex && isSelectable(index))
        setPageIndex(index);
}

void TOvcNotebook::selectStep(int step)
{
    const int count = PageCount();
    if (count == 0)
        return;
    int index = FPageIndex < 0 ? (step > 0 ? count - 1 : 0) : FPageIndex;
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (isSelectable(index)) {
            selectFromUser(index);
            return;
        }
    }
}

void TOvcNotebook::selectEnd(bool last)
{
    const int count = PageCount();
    for (int i = 0; i < count; ++i) {
        const int index = last ? count - 1 - i : i;
        if (isSelectable(index)) {
            selectFromUser(index);
            return;
        }
    }
}

void TOvcNotebook::focusFirstControl(TOvcTabPage *page)
{
    // The window's tab order decides which control comes first.
    QWidget *firstFocusable = nullptr;
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isVisible() || !w->isEnabled())
            continue;
        if (w->focusPolicy() & Qt::TabFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!firstFocusable && w->focusPolicy() != Qt::NoFocus)
            firstFocusable = w;
    }
    if (firstFocusable)
        firstFocusable->setFocus(Qt::OtherFocusReason);
}

void TOvcNotebook::mousePressEvent(QMouseEvent *event)
{
    const int hit = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
    if (hit < 0 || (hit != FPageIndex && !isSelectable(hit))) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    // A control that kept the focus cancels the click.
    if (!hasFocus() || hit == FPageIndex)
        return;
    selectFromUser(hit);
    if (FPageIndex == hit && hasFocus())
        focusFirstControl(FPages[std::size_t(hit)].page);
}

void TOvcNotebook::keyPressEvent(QKeyEvent *event)
{
    // Keys a page's control left unhandled pass through here on their way to the window.
    if (!hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto stroke = lw::platform::toVirtualKey(event->key(), event->modifiers());
    switch (FCommands.Translate(stroke.key, stroke.shift)) {
    case lw::numeric::ccLeft:
        selectStep(-1);
        break;
    case lw::numeric::ccRight:
        selectStep(1);
        break;
    case lw::numeric::ccHome:
        selectEnd(false);
        break;
    case lw::numeric::ccEnd:
        selectEnd(true);
        break;
    case lw::numeric::ccUp:
    case lw::numeric::ccDown:
        // One row of tabs: nothing above or below.
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void TOvcNotebook::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TOvcNotebook::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TOvcNotebook::announceSelection()
{
    if (!QAccessible::isActive())
        return;
    const int child = NotebookAccessible::tabChildIndex(*this, FPageIndex);
    if (child < 0)
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }
}

void TOvcNotebook::tabChanged(TOvcTabPage *page)
{
    const int index = indexOfPage(page);
    if (index < 0)
        return;
    updateAccelerator(FPages[std::size_t(index)]);
    if (index == FPageIndex)
        setStatusTip(page->Hint());
    relayout();
    // A shown page whose tab was hidden gives way to the next one that can be shown.
    if (!FLoading && index == FPageIndex && !page->PageVisible())
        selectStep(1);
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

void TOvcNotebook::pageDestroyed(QObject *page)
{
    const int index = indexOfPage(page);
    if (index < 0)
        return;
    delete FPages[std::size_t(index)].accelerator;
    FPages.erase(FPages.begin() + index);
    if (index < FPageIndex) {
        --FPageIndex;
    } else if (index == FPageIndex) {
        FPageIndex = -1;
        if (!FLoading)
            selectEnd(false);
    }
    relayout();
}

void TOvcNotebook::updateAccelerator(PageEntry &entry)
{
    const QChar letter = acceleratorOf(entry.page->Caption());
    if (letter.isNull()) {
        delete entry.accelerator;
        entry.accelerator = nullptr;
        return;
    }
    if (!entry.accelerator) {
        entry.accelerator = new QShortcut(this); // owned by the notebook
        TOvcTabPage *page = entry.page;
        connect(entry.accelerator, &QShortcut::activated, this, [this, page] {
            selectFromUser(indexOfPage(page));
        });
    }
    entry.accelerator->setKey(QKeySequence::mnemonic(entry.page->Caption()));
}

} // namespace lw::shell
