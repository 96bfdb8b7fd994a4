#pragma once

#include <QString>

#include "widgets/html/draw_markup.h"
#include "widgets/html/markup_state.h"
#include "widgets/html/markup_tags.h"

namespace lw::html {

/// One DrawMarkup call: the line loop, the two passes of every line, drawing and hit test.
class MarkupLayout
{
public:
    MarkupLayout(platform::TextSurface &surface, QStringView text, const platform::Rect &rect,
            const MarkupOptions &options, MarkupResult &result);

    bool run();

private:
    enum class Pass { Measure, Place };
    enum class TagAction { Continue, EndLine, EndLineBefore };

    /// Caches the next "<" and space at or after a position, so scanning stays linear.
    struct Scanner
    {
        qsizetype lessThan = -1;
        qsizetype space = -1;

        void reset() { lessThan = space = -1; }
    };

    /// Geometry and running values of the line being passed over.
    struct Line
    {
        int left = 0;
        int top = 0;
        int bottom = 0;
        int subExtra = 0;
        int supExtra = 0;
        // Running during a pass.
        int height = 0;
        int x = 0;
        int sum = 0;
        int trailingSpace = 0;
        bool listItem = false;
        bool hit = false;
        qsizetype end = 0;
    };

    void trimRemaining();
    bool layOutLine();
    void passLine(Pass pass, RenderState &st, Line &line, qsizetype begin, qsizetype end);
    qsizetype cutRun(Pass pass, qsizetype pos, qsizetype end);
    bool placeRun(Pass pass, RenderState &st, Line &line, QStringView run);
    void drawRun(const RenderState &st, const Line &line, QStringView run, int width);
    void hitTestRun(RenderState &st, Line &line, int width);
    void finishHitTest(const RenderState &st, const Line &line);
    int lineLeft(const RenderState &st, int width) const;

    TagAction applyTag(Pass pass, RenderState &st, Line &line, QStringView tag);
    TagAction applyFormattingTag(Pass pass, RenderState &st, Line &line, TagKind kind);
    void anchorStart(Pass pass, RenderState &st, Line &line, const TagText &tag);
    void linkStyle(RenderState &st) const;
    static void endHoverFill(RenderState &st);
    void anchorEnd(Pass pass, RenderState &st, const Line &line);
    void fontTag(Pass pass, RenderState &st, const TagText &tag);
    void fontEnd(Pass pass, RenderState &st);
    void paragraphTag(Pass pass, RenderState &st, const Line &line, const TagText &tag);
    void paragraphEnd(Pass pass, RenderState &st);
    void bodyTag(const TagText &tag);
    TagAction listItem(Pass pass, RenderState &st, Line &line);
    void positionTag(Pass pass, Line &line, const TagText &tag);
    void highlightTag(Pass pass, RenderState &st, bool on);
    void fillParagraphLine(const RenderState &st, const Line &line);
    void fillGradient(const platform::Rect &area, Colour from, Colour to, bool horizontal);

    bool painting(Pass pass) const { return pass == Pass::Place && !m_options.hitTestOnly; }

    void useFont(const platform::FontSpec &font);
    void useFill(Colour fill);
    platform::TextSize measure(const RenderState &st, QStringView run);
    int extentHeight(const platform::FontSpec &font, QStringView text);
    int extentWidth(const platform::FontSpec &font, QStringView text);

    platform::TextSurface &m_surface;
    const QString m_text;
    const platform::Rect m_rect;
    const MarkupOptions &m_options;
    MarkupResult &m_result;

    platform::FontSpec m_baseFont;
    Colour m_entryFill;
    platform::TextFormat m_drawFormat;
    platform::TextFormat m_measureFormat;

    RenderState m_measureState;
    RenderState m_placeState;
    Scanner m_measureScan;
    Scanner m_placeScan;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    int m_top = 0;
    bool m_overLink = false;
    bool m_linkHit = false;
    int m_linkStartX = 0;
};

} // namespace lw::html
