#include "widgets/numeric/field/numeric_field_accessible.h"

#include "widgets/numeric/field/ovcnf.h"
#include "widgets/numeric/ovccmd.h"

namespace lw::numeric {

NumericFieldAccessible::NumericFieldAccessible(TOvcNumericField *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{ }

QAccessibleInterface *NumericFieldAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TOvcNumericField::staticMetaObject.className()))
        return new NumericFieldAccessible(
                static_cast<TOvcNumericField *>(object)); // the cache owns it
    return nullptr;
}

TOvcNumericField *NumericFieldAccessible::field() const
{
    return static_cast<TOvcNumericField *>(widget());
}

QString NumericFieldAccessible::shownText() const
{
    return field()->paintedText();
}

void *NumericFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString NumericFieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return shownText();
    return QAccessibleWidget::text(kind);
}

QAccessible::State NumericFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.readOnly = field()->field().readOnly();
    return state;
}

void NumericFieldAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool selected = selectionIndex == 0 && field()->field().hasSelection();
    *startOffset = 0;
    *endOffset = selected ? characterCount() : 0;
}

int NumericFieldAccessible::selectionCount() const
{
    return field()->field().hasSelection() ? 1 : 0;
}

// The selection is all or nothing, so any requested range selects the whole text.
void NumericFieldAccessible::addSelection(int, int)
{
    field()->field().selectAll();
}

void NumericFieldAccessible::removeSelection(int)
{
    field()->field().ProcessCommand(ccMouseDown);
}

void NumericFieldAccessible::setSelection(int, int startOffset, int endOffset)
{
    if (startOffset != endOffset)
        field()->field().selectAll();
}

int NumericFieldAccessible::cursorPosition() const
{
    return characterCount();
}

// The caret always stands after the last character.
void NumericFieldAccessible::setCursorPosition(int) { }

QString NumericFieldAccessible::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int NumericFieldAccessible::characterCount() const
{
    return static_cast<int>(shownText().size());
}

QRect NumericFieldAccessible::characterRect(int offset) const
{
    const QString text = shownText();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics = field()->fontMetrics();
    const QRect line = field()->textRect();
    const QPoint topLeft(line.left() + metrics.horizontalAdvance(text.left(offset)), line.top());
    return { field()->mapToGlobal(topLeft),
        QSize(metrics.horizontalAdvance(text.at(offset)), line.height()) };
}

int NumericFieldAccessible::offsetAtPoint(const QPoint &) const
{
    return characterCount();
}

void NumericFieldAccessible::scrollToSubstring(int, int) { }

QString NumericFieldAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace lw::numeric
