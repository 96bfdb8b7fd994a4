#pragma once

#include <QByteArray>
#include <QString>

namespace lw::platform {

/// A file name as the system gives it, held in a QString. A Linux name is any bytes: the
/// valid UTF-8 in it is decoded, and each byte that is not valid UTF-8 becomes one unpaired
/// surrogate U+DC80..U+DCFF, so localPathBytes gives back exactly the bytes decoded here.
/// (QFile::decodeName turns such bytes into U+FFFD, which names another file.)
QString localPath(const QByteArray &bytes);

/// The bytes of a name made by localPath, or of any text (encoded as UTF-8).
QByteArray localPathBytes(const QString &path);

} // namespace lw::platform
