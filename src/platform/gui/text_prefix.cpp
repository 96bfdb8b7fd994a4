#include "platform/gui/text_prefix.h"

namespace lw::platform {

PrefixedText applyPrefix(QStringView text)
{
    PrefixedText out;
    out.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.text.append(text[i]);
            continue;
        }
        if (++i >= text.size())
            break;
        if (text[i] != u'&')
            out.underlined.append(out.text.size());
        out.text.append(text[i]);
    }
    return out;
}

} // namespace lw::platform
