// VistaAltFixUnit: the keyboard-cue repaint fix (TVistaAltFix) and its per-form record (TFormObj).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/application_hooks.h"
#include "platform/window_chrome.h"
#include "platform/window_messages.h"

namespace lw::shell {

/// One watched form: hooks the form's message handler chain to notice cue changes.
class TFormObj final : public platform::MessageHandler
{
public:
    /// Saves the form's current handler and puts the record first in line.
    TFormObj(QWidget &form, bool repaintWhole, platform::WindowMessages &messages);
    /// Puts the saved handler back while the form may still receive messages.
    ~TFormObj();
    Q_DISABLE_COPY_MOVE(TFormObj)

    /// Passes the message on, then notes a cue change.
    void handleMessage(std::uint32_t message) override;

    const QPointer<QWidget> TargetForm; // null once the form is destroyed
    platform::MessageHandler *const PrevWindowProc;
    bool StillOpen = true; // found in the latest idle scan
    bool CuesChanged = false; // since the last repaint
    const bool RepaintWhole;

private:
    platform::WindowMessages &FMessages;
};

/// Repaints a form whose keyboard cues changed, on desktops that hide the cues until Alt is
/// pressed and announce the change only by a message, which leaves part of the form undrawn. At
/// each idle it watches every form of the application and repaints, once, each whose cues changed
/// since. Inactive (no records, no hooks, no idle handler) anywhere else.
class TVistaAltFix final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const platform::WindowChrome &chrome;
        platform::WindowMessages &messages;
        platform::ApplicationHooks &application;
    };

    /// Owned by owner, which destroys it with itself.
    TVistaAltFix(QObject *owner, const Services &services);
    ~TVistaAltFix() override;
    Q_DISABLE_COPY_MOVE(TVistaAltFix)

    bool isActive() const { return FActive; }

    /// Whether new records repaint their whole form on a cue change.
    bool RepaintAll() const { return FRepaintAll; }

    /// The records, in the order the forms were first seen.
    const std::vector<std::unique_ptr<TFormObj>> &forms() const { return FForms; }

    /// The record watching form; nullptr when there is none.
    TFormObj *recordOf(const QWidget &form) const;

private:
    void ApplicationIdle();
    void findForms();
    void repaintOrRelease();

    platform::WindowMessages &FMessages;
    platform::ApplicationHooks &FApplication;
    const bool FActive;
    const bool FRepaintAll = true; // the program never changes it
    std::vector<std::unique_ptr<TFormObj>> FForms;
};

} // namespace lw::shell
