#pragma once

#include <QLabel>
#include <QRadioButton>

#include "core/number_field.h"

namespace lw::shell {

/// A term button as the calculation pass reads and checks it.
class TermRadioButton final : public QRadioButton, public core::TermButton
{
public:
    TermRadioButton(const QString &caption, QWidget *parent)
        : QRadioButton(caption, parent)
    { }
    Q_DISABLE_COPY_MOVE(TermRadioButton)

    bool isChecked() const override { return QRadioButton::isChecked(); }

    void setChecked(bool checked) override { QRadioButton::setChecked(checked); }
};

/// A left-aligned label that sizes itself to each new text, as the summary lines do.
class SummaryLabel final : public QLabel, public core::TextLabel
{
public:
    SummaryLabel(const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        adjustSize();
    }
    Q_DISABLE_COPY_MOVE(SummaryLabel)

    void setText(const QString &text) override
    {
        QLabel::setText(text);
        adjustSize();
    }
};

/// A bevel that shows only its bottom line, sunken: a shadow line over a light one.
class BottomLineBevel final : public QWidget
{
public:
    using QWidget::QWidget;
    Q_DISABLE_COPY_MOVE(BottomLineBevel)

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lw::shell
