#include <map>

#include <QAccessible>
#include <QImage>

#include "core/maker_addresses.h"
#include "platform/gui/readable_colour.h"
#include "shell/dialog_fixture.h"
#include "support/row_printers.h"

using lw::platform::contrastRatio;
using lw::shell::TfrmMain;

namespace {

struct RatioRow
{
    const char *name;
    QColor a;
    QColor b;
    double ratio; // as the guidelines' own examples give it, to two places
};

TEST(ContrastRatioTest, AgreesWithTheGuidelinesExamples)
{
    const RatioRow rows[] = {
        { "black on white", Qt::black, Qt::white, 21.0 },
        { "grey 767676 on white", QColor(0x76, 0x76, 0x76), Qt::white, 4.54 },
        { "white on yellow", Qt::white, Qt::yellow, 1.07 },
        { "blue on white", Qt::blue, Qt::white, 8.59 },
    };
    for (const RatioRow &row : rows)
        EXPECT_NEAR(contrastRatio(row.a, row.b), row.ratio, 0.005) << row.name;
}

// Where a text is painted: the object of that role and name, on that page or in the dialog
// that menu entry opens.
struct Surface
{
    const char *name;
    QAccessible::Role role;
    QString text;
    int page;
    QAction *TfrmMain::*opens;
};
LW_PRINT_ROW_NAME(Surface)

const QString Site = lw::core::maker::SiteDomain.toString();

const Surface Surfaces[] = {
    { "InputField", QAccessible::EditableText, QStringLiteral("Your Down Payment"), 0, nullptr },
    { "ResultField", QAccessible::EditableText,
            QStringLiteral("Your Monthly Principal and Interest Payment"), 0, nullptr },
    { "ActiveTabCaption", QAccessible::PageTab, QStringLiteral("Loanwright"), 0, nullptr },
    { "StatusBarWebAddress", QAccessible::StaticText, Site, 0, nullptr },
    { "ProductLinkOnPage2", QAccessible::Link, QStringLiteral("Homestake Suite"), 1, nullptr },
    { "AboutHomeLink", QAccessible::Link, Site, 0, &TfrmMain::About1 },
};

// The first visible object of that role and name under node, as a screen reader finds it.
QAccessibleInterface *find(QAccessibleInterface *node, const Surface &row)
{
    if (node->role() == row.role && node->text(QAccessible::Name) == row.text
            && !node->state().invisible)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *found = find(node->child(i), row))
            return found;
    }
    return nullptr;
}

// The colours a text was painted in, read back from the window as the screen shows it: the
// commonest colour of the area is the background, and the pen is the colour that stands out
// most from it (the glyphs' edges are blends of the two).
std::pair<QColor, QColor> paintedColours(QWidget &window, const QRect &onScreen)
{
    // Inside any edge or frame the control draws around its text.
    const QRect area = onScreen.adjusted(3, 3, -3, -3);
    const QImage shot =
            window.grab(QRect(window.mapFromGlobal(area.topLeft()), area.size())).toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    }
    const auto commonest =
            std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                return a.second < b.second;
            });
    const QColor background(commonest->first);
    QColor pen = background;
    for (const auto &[rgb, count] : counts) {
        if (contrastRatio(QColor(rgb), background) > contrastRatio(pen, background))
            pen = QColor(rgb);
    }
    return { pen, background };
}

class ReadableSurfaceTest : public lw::test::DialogTest, public testing::WithParamInterface<Surface>
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        // A dark scheme: white text on black and dark greys.
        QApplication::setPalette(QPalette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20)));
    }

    void TearDown() override
    {
        DialogTest::TearDown();
        QApplication::setPalette(desktop);
    }

    static void expectReadable(QWidget &window)
    {
        QAccessibleInterface *text =
                find(QAccessible::queryAccessibleInterface(&window), GetParam());
        ASSERT_NE(text, nullptr);
        const auto [pen, background] = paintedColours(window, text->rect());
        EXPECT_GE(contrastRatio(pen, background), lw::platform::TextContrast)
                << qPrintable(pen.name()) << " on " << qPrintable(background.name());
    }

    const QPalette desktop = QApplication::palette();
};

TEST_P(ReadableSurfaceTest, ItsTextStandsOutFromItsBackgroundUnderADarkScheme)
{
    start();
    const Surface &row = GetParam();
    window->nbkMain->setPageIndex(row.page);
    if (!row.opens) {
        expectReadable(*window);
        return;
    }
    whileOpen(
            [&] {
                (window.get()->*row.opens)->trigger();
            },
            [](QWidget &dialog) {
                expectReadable(dialog);
                dialog.close();
            });
}

INSTANTIATE_TEST_SUITE_P(
        Surfaces, ReadableSurfaceTest, testing::ValuesIn(Surfaces), lw::test::RowName());

} // namespace
