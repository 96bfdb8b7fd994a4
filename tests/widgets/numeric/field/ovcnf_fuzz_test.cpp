#include <array>
#include <chrono>
#include <random>
#include <string>

#include <QApplication>
#include <QMenu>

#include "field_fixture.h"

using lw::test::FieldForm;

namespace {

using FuzzTest = FieldForm;

struct Stroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Keys a user might press in a field, editing or not.
const std::array<Stroke, 30> strokes = { {
        { Qt::Key_0, {} },
        { Qt::Key_1, {} },
        { Qt::Key_5, {} },
        { Qt::Key_9, {} },
        { Qt::Key_Period, {} },
        { Qt::Key_Comma, {} },
        { Qt::Key_Minus, {} },
        { Qt::Key_E, {} },
        { Qt::Key_Space, {} },
        { Qt::Key_Backspace, {} },
        { Qt::Key_Delete, {} },
        { Qt::Key_Left, Qt::ShiftModifier },
        { Qt::Key_Z, Qt::ControlModifier },
        { Qt::Key_C, Qt::ControlModifier },
        { Qt::Key_V, Qt::ControlModifier },
        { Qt::Key_X, Qt::ControlModifier },
        { Qt::Key_Insert, {} },
        { Qt::Key_Backspace, Qt::AltModifier },
        { Qt::Key_Tab, {} },
        { Qt::Key_Tab, Qt::ShiftModifier },
        { Qt::Key_Escape, {} },
        { Qt::Key_Return, {} },
        { Qt::Key_Home, {} },
        { Qt::Key_End, {} },
        { Qt::Key_Up, {} },
        { Qt::Key_Down, {} },
        { Qt::Key_K, Qt::ControlModifier },
        { Qt::Key_Q, Qt::ControlModifier },
        { Qt::Key_Y, Qt::ControlModifier },
        { Qt::Key_PageUp, Qt::ControlModifier },
} };

const std::array<QString, 8> pastes = { QStringLiteral("1,234.56"), QStringLiteral("-99"),
    QStringLiteral("abc"), QStringLiteral("1e5"), QStringLiteral("(12)"),
    QStringLiteral("123456789012345"), QStringLiteral(".5.5--"), QString() };

void expectSound(const lw::numeric::TOvcNumericField &widget)
{
    const auto &field = widget.field();
    const int sign = field.entry().EntryNegative() ? 1 : 0;
    EXPECT_LE(field.entry().EntryDigits().size() + sign, field.EntryCapacity());
    EXPECT_EQ(field.DisplayText().size(), field.maskLayout().displayLength());
    const quint16 code = field.checkValue().code;
    EXPECT_TRUE(code == 0 || code == 256 || code == 257) << code;
}

} // namespace

TEST_F(FuzzTest, RandomKeysPastesClicksAndFocusChangesKeepEveryFieldSound)
{
    // The range is not the calculator's: it lets validation fail and take the focus back.
    rate->field().setRangeLo(QStringLiteral("0"));
    rate->field().setRangeHi(QStringLiteral("100"));
    std::mt19937 random(20261208);
    const auto stop = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    const std::array<lw::numeric::TOvcNumericField *, 2> fields = { price, rate };
    long steps = 0;
    while (std::chrono::steady_clock::now() < stop) {
        ++steps;
        const unsigned pick = random() % 100;
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        if (pick < 85) {
            const Stroke &stroke = strokes[random() % strokes.size()];
            QTest::keyClick(target, stroke.key, stroke.modifiers);
        } else if (pick < 90) {
            clipboard.content = pastes[random() % pastes.size()];
            clipboard.failing = random() % 8 == 0;
        } else if (pick < 96) {
            QTest::mouseClick(fields[random() % 2], Qt::LeftButton, {}, QPoint(40, 10));
        } else {
            fields[random() % 2]->setFloatValue(
                    std::uniform_real_distribution<double>(-2e9, 2e9)(random));
        }
        QApplication::processEvents();
        for (const auto *field : fields)
            expectSound(*field);
        if (::testing::Test::HasFailure())
            FAIL() << "after " << steps << " steps";
    }
    RecordProperty("steps", std::to_string(steps));
    RecordProperty("errorBoxes", std::to_string(feedback.errors.size()));
    EXPECT_GT(steps, 100);
}
