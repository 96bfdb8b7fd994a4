#include "widgets/numeric/field/ovcnf.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "platform/gui/accessible_factory.h"
#include "platform/gui/palette_colour.h"
#include "platform/virtual_key.h"
#include "widgets/numeric/entry_context_menu.h"
#include "widgets/numeric/field/field_geometry.h"
#include "widgets/numeric/field/numeric_field_accessible.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"

#include <qdrawutil.h>

namespace lw::numeric {

namespace {

// How a focus change reached the field, in the terms of the entry logic. Only a field that
// lost the focus to another window comes back from there; a window's first activation gives
// the focus as a program call would.
FocusCause focusCause(Qt::FocusReason reason, bool leftTheForm)
{
    if (reason == Qt::ActiveWindowFocusReason)
        return leftTheForm ? FocusCause::OtherApplication : FocusCause::KeyboardOrProgram;
    // Only a left click leaves the selection empty; a right click selects like a program call.
    if (reason == Qt::MouseFocusReason && (QApplication::mouseButtons() & Qt::LeftButton))
        return FocusCause::LeftClick;
    return FocusCause::KeyboardOrProgram;
}

} // namespace

TOvcNumericField::TOvcNumericField(const EntryServices &services, QWidget *parent)
    : QWidget(parent)
    , FFeedback(services.feedback)
    , FClipboard(services.clipboard)
    , FField(services.intl, *this)
{
    lw::platform::installAccessibleFactoryOnce<&NumericFieldAccessible::factory>();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::IBeamCursor);
    FField.OnChange = [this](NumericEntryField &) {
        Q_EMIT OnChange();
    };
    connect(&FCaretTimer, &QTimer::timeout, this, &TOvcNumericField::toggleCaret);
    connect(qApp, &QApplication::focusChanged, this, &TOvcNumericField::focusChanged);
    applyAutoSize();
}

TOvcNumericField::~TOvcNumericField() = default;

void TOvcNumericField::setColor(lw::platform::Colour colour)
{
    if (colour == FColor)
        return;
    FColor = colour;
    update();
}

void TOvcNumericField::setEFColors(const TOvcEfColors &colours)
{
    FEFColors = colours;
    update();
}

void TOvcNumericField::setTextMargin(int margin)
{
    if (margin == FTextMargin)
        return;
    FTextMargin = margin;
    update();
}

void TOvcNumericField::setAutoSize(bool autoSize)
{
    if (autoSize == FAutoSize)
        return;
    FAutoSize = autoSize;
    applyAutoSize();
}

void TOvcNumericField::setCtl3D(bool ctl3D)
{
    if (ctl3D == FCtl3D)
        return;
    FCtl3D = ctl3D;
    applyAutoSize();
    update();
}

void TOvcNumericField::setCarets(const TOvcCaretPair &carets)
{
    FCarets = carets;
    update();
}

void TOvcNumericField::setTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

QSize TOvcNumericField::sizeHint() const
{
    return { 123, autoSizeHeight(fontMetrics().height(), FCtl3D) };
}

void TOvcNumericField::applyAutoSize()
{
    // A fixed height also overrides the height a form sets with the geometry.
    if (FAutoSize) {
        setFixedHeight(autoSizeHeight(fontMetrics().height(), FCtl3D));
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

bool TOvcNumericField::event(QEvent *event)
{
    // Keys the field edits with must reach it even when a window shortcut uses them.
    if (event->type() == QEvent::ShortcutOverride && isFieldKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool TOvcNumericField::isFieldKey(const QKeyEvent &event) const
{
    const auto stroke = lw::platform::toVirtualKey(event.key(), event.modifiers());
    const auto &tables = FField.Controller().EntryCommands();
    if (tables.isCommandKey(stroke.key, stroke.shift))
        return true;
    const bool plainText = !event.text().isEmpty() && event.text().at(0).isPrint();
    return plainText && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

void TOvcNumericField::keyPressEvent(QKeyEvent *event)
{
    const auto stroke = lw::platform::toVirtualKey(event->key(), event->modifiers());
    if (stroke.key == lw::platform::VirtualKey::Shift)
        return;
    const bool systemKey = event->modifiers().testFlag(Qt::AltModifier);
    if (FField.keyDown(stroke.key, stroke.shift, systemKey))
        return;
    for (const QChar c : event->text())
        FField.characterTyped(c);
}

void TOvcNumericField::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && hasFocus())
        FField.ProcessCommand(ccMouseDown);
}

void TOvcNumericField::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        FField.ProcessCommand(ccDoubleClick);
}

void TOvcNumericField::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        FField.ProcessCommand(ccMouseDrag);
}

void TOvcNumericField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton)
        return;
    if (!hasFocus() && canFocus())
        setFocus(Qt::OtherFocusReason);
    showContextMenu(event->globalPosition().toPoint());
}

void TOvcNumericField::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse's menu opens on the button's release; only the keyboard's comes this way.
    if (event->reason() == QContextMenuEvent::Keyboard)
        showContextMenu(mapToGlobal(caretRect().center()));
    event->accept();
}

void TOvcNumericField::showContextMenu(const QPoint &globalPos)
{
    ContextMenuState state;
    state.modified = FField.Modified();
    state.hasSelection = FField.hasSelection();
    state.readOnly = FField.readOnly();
    state.clipboardHasText = FClipboard.text().has_value();
    state.selectionShorterThanText = !FField.hasSelection() && !FField.DisplayText().isEmpty();
    auto *menu = new QMenu(this); // deletes itself on close
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const ContextMenuItem &item : contextMenuItems(state)) {
        if (item.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(item.caption);
        action->setEnabled(item.enabled);
        const ContextAction code = item.action;
        connect(action, &QAction::triggered, this, [this, code] {
            runContextAction(code);
        });
    }
    menu->popup(globalPos);
}

void TOvcNumericField::runContextAction(ContextAction action)
{
    switch (action) {
    case ContextAction::Restore:
        FField.ProcessCommand(ccRestore);
        break;
    case ContextAction::Cut:
        FField.ProcessCommand(ccCut);
        break;
    case ContextAction::Copy:
        FField.ProcessCommand(ccCopy);
        break;
    case ContextAction::Paste:
        FField.ProcessCommand(ccPaste);
        break;
    case ContextAction::Delete:
        FField.deleteSelection();
        break;
    case ContextAction::SelectAll:
        FField.selectAll();
        break;
    case ContextAction::None:
        break;
    }
}

void TOvcNumericField::focusInEvent(QFocusEvent *event)
{
    // Back from a menu that only borrowed the focus: the field resumes untouched.
    if (!(FLentFocus && FField.focused())) {
        FField.focusGained(focusCause(event->reason(), FLeftTheForm));
        FLeftTheForm = false;
    }
    FLentFocus = false;
    FCaretShown = true;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        FCaretTimer.start(flash / 2);
    update();
}

void TOvcNumericField::focusOutEvent(QFocusEvent *event)
{
    FCaretTimer.stop();
    FCaretShown = false;
    QWidget *receiver = QApplication::focusWidget();
    if (lendsFocus(event->reason(), receiver)) {
        FLentFocus = true;
    } else {
        const bool staysOnForm = event->reason() != Qt::ActiveWindowFocusReason && receiver
                && receiver->window() == window();
        FLeftTheForm = !staysOnForm;
        FField.focusLost(staysOnForm, receiver);
    }
    update();
}

// A popup menu, or the window's own menu bar opened from the keyboard, only borrows the focus:
// using a menu is no exit from the field.
bool TOvcNumericField::lendsFocus(Qt::FocusReason reason, const QWidget *receiver) const
{
    if (reason == Qt::PopupFocusReason)
        return true;
    return reason == Qt::MenuBarFocusReason && qobject_cast<const QMenuBar *>(receiver)
            && receiver->window() == window();
}

void TOvcNumericField::focusChanged(QWidget *old, QWidget *now)
{
    if (!now || now == this || now->window() != window() || qobject_cast<QMenuBar *>(now))
        return;
    // Delivered after the receiving control has the focus, as the form's exit event is.
    if (old == this && !FLentFocus) {
        Q_EMIT OnExit();
    } else if (FLentFocus) {
        // The focus went on from the menu to another control: the field is left only now.
        FLentFocus = false;
        FField.focusLost(true, now);
        Q_EMIT OnExit();
    }
}

void TOvcNumericField::toggleCaret()
{
    FCaretShown = !FCaretShown;
    update(caretRect());
}

void TOvcNumericField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

QColor TOvcNumericField::colour(lw::platform::Colour colour) const
{
    return lw::platform::paletteColour(colour, palette());
}

QColor TOvcNumericField::normalTextColour(lw::platform::Colour back) const
{
    // A background the form fixes (white, yellow) was drawn with black text; the desktop's
    // text colour goes with the desktop's backgrounds and may be white.
    if (!lw::platform::isSystemColour(back))
        return Qt::black;
    return palette().color(QPalette::Active, QPalette::Text);
}

QRect TOvcNumericField::clientRect() const
{
    return FCtl3D ? rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth) : rect();
}

TOvcNumericField::ShownText TOvcNumericField::shownText() const
{
    ShownText shown{ paintedText(), {} };
    const QFontMetrics metrics = fontMetrics();
    shown.rect = fieldTextRect(
            clientRect(), metrics.horizontalAdvance(shown.text), metrics.height(), FTextMargin);
    return shown;
}

QRect TOvcNumericField::textRect() const
{
    return shownText().rect;
}

QRect TOvcNumericField::caretRect() const
{
    return hasFocus() ? caretRectFor(shownText()) : QRect();
}

QRect TOvcNumericField::caretRectFor(const ShownText &shown) const
{
    const QFontMetrics metrics = fontMetrics();
    const int charWidth = shown.text.isEmpty() ? metrics.averageCharWidth()
                                               : metrics.horizontalAdvance(shown.text.back());
    return lw::numeric::caretRect(FCarets.forMode(FField.InsertMode()),
            { shown.rect.right() + 1, shown.rect.top(), shown.rect.height(), charWidth });
}

void TOvcNumericField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (FCtl3D)
        qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect client = clientRect();
    TOvcColors look{ FColor, lw::platform::colourNone };
    if (!isEnabled())
        look = FEFColors.Disabled;
    else if (FField.ErrorState())
        look = FEFColors.Error;
    painter.fillRect(client, colour(look.BackColor));
    QColor textColour = look.TextColor == lw::platform::colourNone
            ? normalTextColour(look.BackColor)
            : colour(look.TextColor);

    const ShownText shown = shownText();
    if (isEnabled() && hasFocus() && FField.hasSelection() && !shown.text.isEmpty()) {
        painter.fillRect(shown.rect, colour(FEFColors.Highlight.BackColor));
        textColour = colour(FEFColors.Highlight.TextColor);
    }
    painter.setClipRect(client);
    painter.setPen(textColour);
    painter.drawText(shown.rect.left(), shown.rect.top() + fontMetrics().ascent(), shown.text);
    if (FCaretShown && hasFocus()) {
        // The caret inverts what it covers, so it shows on any background.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(caretRectFor(shown), Qt::white);
    }
}

bool TOvcNumericField::isVisibleAndEnabled() const
{
    return isVisible() && isEnabled();
}

bool TOvcNumericField::parentVisibleAndEnabled() const
{
    const QWidget *parent = parentWidget();
    return parent && parent->isVisible() && parent->isEnabled();
}

bool TOvcNumericField::canFocus() const
{
    return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus;
}

void TOvcNumericField::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void TOvcNumericField::showField()
{
    if (showFieldHook)
        showFieldHook(*this);
}

void TOvcNumericField::refresh()
{
    update();
    announceText();
}

void TOvcNumericField::announceText()
{
    const QString text = paintedText();
    if (text == FAnnouncedText)
        return;
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, 0, FAnnouncedText, text);
        QAccessible::updateAccessibility(&update);
    }
    FAnnouncedText = text;
}

void TOvcNumericField::beep()
{
    FFeedback.beep();
}

void TOvcNumericField::showErrorBox(const QString &message)
{
    FFeedback.showError(message);
}

void TOvcNumericField::advanceFocus(bool forward)
{
    focusNextPrevChild(forward);
}

std::optional<QString> TOvcNumericField::clipboardText()
{
    return FClipboard.text();
}

void TOvcNumericField::setClipboardText(const QString &text)
{
    FClipboard.setText(text);
}

} // namespace lw::numeric
