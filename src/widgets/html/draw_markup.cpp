#include "widgets/html/draw_markup.h"

#include "widgets/html/markup_layout.h"

namespace lw::html {

bool DrawMarkup(platform::TextSurface &surface, QStringView text, const platform::Rect &rect,
        const MarkupOptions &options, MarkupResult &result)
{
    return MarkupLayout(surface, text, rect, options, result).run();
}

} // namespace lw::html
