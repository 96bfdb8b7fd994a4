#include "shell/VistaAltFixUnit.h"

#include <algorithm>

#include <QApplication>
#include <QHash>
#include <QWindow>

namespace lw::shell {

namespace {

// Menus, tool-tips and the hint window are top-level windows too, but no forms.
bool isForm(const QWidget &window)
{
    const Qt::WindowType type = window.windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// The forms whose windows the desktop knows, in the order of Qt's list of top-level windows;
// Qt's list of top-level widgets has no order of its own. A form gets its window when it is
// first shown, and only a form with a window receives the desktop's messages.
QList<QWidget *> applicationForms()
{
    QHash<const QWindow *, QWidget *> formOfWindow;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (isForm(*widget) && widget->windowHandle() != nullptr)
            formOfWindow.insert(widget->windowHandle(), widget);
    }
    QList<QWidget *> forms;
    for (const QWindow *window : QGuiApplication::topLevelWindows()) {
        if (QWidget *form = formOfWindow.value(window))
            forms << form;
    }
    return forms;
}

} // namespace

TFormObj::TFormObj(QWidget &form, bool repaintWhole, platform::WindowMessages &messages)
    : TargetForm(&form)
    , PrevWindowProc(messages.handler(form))
    , RepaintWhole(repaintWhole)
    , FMessages(messages)
{
    FMessages.setHandler(form, this);
}

TFormObj::~TFormObj()
{
    // A destroyed form took its chain along; a living one must not keep pointing here. Only
    // the record first in line can step out: nothing else in the program hooks a form.
    if (TargetForm != nullptr && FMessages.handler(*TargetForm) == this)
        FMessages.setHandler(*TargetForm, PrevWindowProc);
}

void TFormObj::handleMessage(std::uint32_t message)
{
    if (PrevWindowProc != nullptr)
        PrevWindowProc->handleMessage(message);
    if (message == platform::UiStateUpdateMessage)
        CuesChanged = true;
}

TVistaAltFix::TVistaAltFix(QObject *owner, const Services &services)
    : QObject(owner)
    , FMessages(services.messages)
    , FApplication(services.application)
    // Only desktops from version 6 on, and only with visual styles, hide the cues this way.
    , FActive(services.chrome.platformMajorVersion() > 5 && services.chrome.visualStylesEnabled())
{
    if (FActive) {
        FApplication.setIdleHandler([this] {
            ApplicationIdle();
        });
    }
}

TVistaAltFix::~TVistaAltFix()
{
    if (FActive)
        FApplication.setIdleHandler({});
}

TFormObj *TVistaAltFix::recordOf(const QWidget &form) const
{
    const auto found = std::find_if(FForms.begin(), FForms.end(), [&form](const auto &record) {
        return record->TargetForm == &form;
    });
    return found == FForms.end() ? nullptr : found->get();
}

void TVistaAltFix::ApplicationIdle()
{
    for (const auto &record : FForms)
        record->StillOpen = false;
    findForms();
    repaintOrRelease();
}

void TVistaAltFix::findForms()
{
    for (QWidget *form : applicationForms()) {
        if (TFormObj *record = recordOf(*form))
            record->StillOpen = true;
        else
            FForms.push_back(std::make_unique<TFormObj>(*form, FRepaintAll, FMessages));
    }
}

void TVistaAltFix::repaintOrRelease()
{
    for (auto record = FForms.end(); record != FForms.begin();) {
        --record;
        TFormObj &form = **record;
        if (!form.StillOpen) {
            record = FForms.erase(record);
            continue;
        }
        if (form.CuesChanged) {
            form.CuesChanged = false;
            // Qt draws a form's children with it: one repaint at once redraws the whole form.
            if (form.RepaintWhole)
                form.TargetForm->repaint();
        }
    }
}

} // namespace lw::shell
