#pragma once

#include <functional>

#include <QTimer>
#include <QWidget>

#include "core/number_field.h"
#include "platform/clipboard.h"
#include "platform/gui/colour.h"
#include "platform/user_feedback.h"
#include "widgets/numeric/entry_context_menu.h"
#include "widgets/numeric/entry_field_host.h"
#include "widgets/numeric/field/ef_colors.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovccaret.h"

namespace lw::numeric {

class TOvcIntlSup;

/// The desktop services and locale an entry field works with; all must outlive the field.
struct EntryServices
{
    lw::platform::UserFeedback &feedback;
    lw::platform::Clipboard &clipboard;
    const TOvcIntlSup &intl;
};

/// The masked numeric entry control: routes keys, mouse and focus to its window-free field,
/// paints the field's text right-aligned in a sunken box with a caret, and shows the field's
/// own context menu. Values are read and written through FloatValue.
class TOvcNumericField final : public QWidget, public lw::core::NumberField, private EntryFieldHost
{
    Q_OBJECT

public:
    explicit TOvcNumericField(const EntryServices &services, QWidget *parent = nullptr);
    ~TOvcNumericField() override;
    Q_DISABLE_COPY_MOVE(TOvcNumericField)

    double FloatValue() override { return FField.FloatValue(); }

    void setFloatValue(double value) override { FField.setFloatValue(value); }

    /// The value, mask, range, options and editing state behind the control.
    NumericEntryField &field() { return FField; }

    const NumericEntryField &field() const { return FField; }

    /// The background while enabled (the font's colour is the text colour).
    lw::platform::Colour Color() const { return FColor; }

    void setColor(lw::platform::Colour colour);

    const TOvcEfColors &EFColors() const { return FEFColors; }

    void setEFColors(const TOvcEfColors &colours);

    /// Pixels between the text and the client area's right edge.
    int TextMargin() const { return FTextMargin; }

    void setTextMargin(int margin);

    /// Keeps the height at the font's character height plus the edge.
    bool AutoSize() const { return FAutoSize; }

    void setAutoSize(bool autoSize);

    /// A sunken 3-D edge; without it a flat field draws no edge.
    bool Ctl3D() const { return FCtl3D; }

    void setCtl3D(bool ctl3D);

    const TOvcCaretPair &Carets() const { return FCarets; }

    void setCarets(const TOvcCaretPair &carets);

    /// Tab and Shift+Tab reach the field only when true; a click always can.
    void setTabStop(bool tabStop);

    /// Makes the field visible before it takes the focus back after a failed validation
    /// (a notebook selects the field's page).
    std::function<void(TOvcNumericField &field)> showFieldHook;

    /// The rectangle the caret covers now, in widget pixels; empty without the focus.
    QRect caretRect() const;

    /// Where the painted text stands, in widget pixels.
    QRect textRect() const;

    /// The text as painted now.
    QString paintedText() const { return FField.paintedText(); }

    QSize sizeHint() const override;

Q_SIGNALS:
    /// The focus moved from this field to another control of the same window.
    void OnExit();

    /// The user changed the text.
    void OnChange();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // EntryFieldHost
    bool isVisibleAndEnabled() const override;
    bool parentVisibleAndEnabled() const override;
    bool canFocus() const override;
    void takeFocus() override;
    void showField() override;
    void refresh() override;
    void beep() override;
    void showErrorBox(const QString &message) override;
    void advanceFocus(bool forward) override;
    std::optional<QString> clipboardText() override;
    void setClipboardText(const QString &text) override;

    bool isFieldKey(const QKeyEvent &event) const;
    void applyAutoSize();
    void showContextMenu(const QPoint &globalPos);
    void runContextAction(ContextAction action);
    bool lendsFocus(Qt::FocusReason reason, const QWidget *receiver) const;
    void focusChanged(QWidget *old, QWidget *now);
    void toggleCaret();
    void announceText();
    QColor colour(lw::platform::Colour colour) const;
    QColor normalTextColour(lw::platform::Colour back) const;
    QRect clientRect() const;

    // The painted text and where it stands, composed once for each paint.
    struct ShownText
    {
        QString text;
        QRect rect;
    };

    ShownText shownText() const;
    QRect caretRectFor(const ShownText &shown) const;

    lw::platform::UserFeedback &FFeedback;
    lw::platform::Clipboard &FClipboard;
    NumericEntryField FField;
    lw::platform::Colour FColor = lw::platform::systemColour(lw::platform::SystemColour::Window);
    TOvcEfColors FEFColors;
    int FTextMargin = 2;
    bool FAutoSize = true;
    bool FCtl3D = true;
    TOvcCaretPair FCarets;
    QTimer FCaretTimer;
    bool FCaretShown = false;
    bool FLeftTheForm = false; // the focus went to another window; its return resumes editing
    bool FLentFocus = false; // a menu holds the focus; the field has not been left
    QString FAnnouncedText;
};

} // namespace lw::numeric
