#include "widgets/numeric/ovcbase.h"

#include <QMetaObject>
#include <QPointer>

#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovccmd.h"

namespace lw::numeric {

TOvcController::TOvcController(QObject *parent)
    : QObject(parent)
    , FEntryCommands(std::make_unique<TOvcCommandProcessor>())
{ }

TOvcController::~TOvcController() = default;

void TOvcController::postPreEdit(NumericEntryField &field)
{
    post(field, [this](NumericEntryField &target) {
        if (OnPreEdit)
            OnPreEdit(target);
    });
}

void TOvcController::postPostEdit(NumericEntryField &field)
{
    post(field, [this](NumericEntryField &target) {
        if (OnPostEdit)
            OnPostEdit(target);
    });
}

void TOvcController::postFocusBack(NumericEntryField &field)
{
    QPointer<NumericEntryField> target(&field);
    // The flag is cleared after the focus has moved, so that the control losing it meanwhile
    // sees the pending error and does not validate; and cleared even when the field is gone,
    // or no later failure could ever be reported.
    QMetaObject::invokeMethod(
            this,
            [this, target] {
                if (target)
                    target->FocusBack();
                FErrorPending = false;
            },
            Qt::QueuedConnection);
}

void TOvcController::postErrorReport(NumericEntryField &field, quint16 code)
{
    post(field, [code](NumericEntryField &target) {
        target.reportError(code);
    });
}

void TOvcController::postDelayNotify(NumericEntryField &field, quint16 code)
{
    post(field, [this, code](NumericEntryField &target) {
        if (OnDelayNotify)
            OnDelayNotify(target, code);
    });
}

// One queue for every notification keeps them in posting order; the guard drops those whose
// field was destroyed before delivery.
void TOvcController::post(NumericEntryField &field, std::function<void(NumericEntryField &)> action)
{
    QPointer<NumericEntryField> target(&field);
    QMetaObject::invokeMethod(
            this,
            [target, action = std::move(action)] {
                if (target)
                    action(*target);
            },
            Qt::QueuedConnection);
}

TOvcController &DefaultController()
{
    static TOvcController controller;
    return controller;
}

} // namespace lw::numeric
