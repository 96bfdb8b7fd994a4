#include "widgets/html/measuring_surface.h"

#include <gtest/gtest.h>

#include "widgets/html/draw_markup.h"
#include "widgets/html/fake_text_surface.h"

namespace {

using lw::test::FakeTextSurface;

// The remembered widths must be those of the face asked for, whichever face measured first.
TEST(MeasuringSurfaceTest, RemembersEachFaceApart)
{
    FakeTextSurface inner;
    lw::html::MeasuringSurface surface(inner);
    lw::platform::FontSpec big = inner.font();
    big.pointSize *= 2;
    const lw::platform::TextSize small = surface.measureText(u"word", lw::platform::TextCalcRect);
    surface.setFont(big);
    EXPECT_EQ(surface.measureText(u"word", lw::platform::TextCalcRect).width,
            4 * FakeTextSurface::advance(big));
    EXPECT_EQ(surface.textExtent(u"word").width, 4 * FakeTextSurface::advance(big));
    surface.setFont(FakeTextSurface::defaultFont());
    EXPECT_EQ(surface.measureText(u"word", lw::platform::TextCalcRect), small);
}

// A hit test on it finds the same link as on the surface it measures with.
TEST(MeasuringSurfaceTest, HitTestsAsItsInnerSurface)
{
    const QString text = QStringLiteral("plain words <a href=\"https://x.example/\">link</a> more");
    const lw::platform::Rect area{ 0, 0, 400, 100 };
    lw::html::MarkupOptions options;
    options.hitTestOnly = true;
    options.y = 2;
    FakeTextSurface inner;
    lw::html::MeasuringSurface surface(inner);
    for (int x = 0; x < 400; x += 3) {
        options.x = x;
        lw::html::MarkupResult direct;
        lw::html::MarkupResult remembered;
        FakeTextSurface plain;
        EXPECT_EQ(lw::html::DrawMarkup(surface, text, area, options, remembered),
                lw::html::DrawMarkup(plain, text, area, options, direct))
                << x;
        EXPECT_EQ(remembered.anchor, direct.anchor);
    }
}

} // namespace
