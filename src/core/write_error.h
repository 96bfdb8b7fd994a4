#pragma once

#include <stdexcept>

#include <QString>

namespace lw::core {

/// The settings file could not be written; the application's error handler reports it as
/// an unidentified error.
class WriteError final : public std::runtime_error
{
public:
    explicit WriteError(const QString &path)
        : std::runtime_error(QString(u"Unable to write to " + path).toStdString())
        , m_path(path)
    { }

    /// The file's full path.
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace lw::core
