#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace lw::platform {

/// The Unicode character of a code-page-1252 character; characters above 0xFF pass unchanged.
QChar cp1252ToUnicode(QChar c);

QString cp1252ToUnicode(QStringView text);

} // namespace lw::platform
