#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

namespace lw::numeric {

class TOvcNumericField;

/// What screen readers learn of a numeric field: an editable text whose value is the text
/// as painted, with the caret at its end and the selection empty or the whole text.
class NumericFieldAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NumericFieldAccessible(TOvcNumericField *field);

    /// The factory to install once per process, before the first field is shown.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    TOvcNumericField *field() const;
    QString shownText() const;
};

} // namespace lw::numeric
