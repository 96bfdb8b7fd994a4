#pragma once

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace lw::test {

/// Puts a fake xdg-open first on PATH for the life of the object, or, when missing, leaves
/// PATH with no xdg-open at all. Each call logs its arguments as one line, "[first][second]".
class FakeXdgOpen
{
public:
    enum class Kind { Logging, Failing, Sleeping, Missing };

    explicit FakeXdgOpen(Kind kind)
        : m_savedPath(qgetenv("PATH"))
    {
        const QString script = m_folder.filePath(QStringLiteral("xdg-open"));
        if (kind != Kind::Missing)
            writeScript(script, kind);
        const QByteArray folder = QFile::encodeName(m_folder.path());
        // Without it, a missing opener would still be found in the system's folders.
        qputenv("PATH", kind == Kind::Missing ? folder : folder + ':' + m_savedPath);
    }

    ~FakeXdgOpen() { qputenv("PATH", m_savedPath); }

    Q_DISABLE_COPY_MOVE(FakeXdgOpen)

    /// One line a call, in the order they ended.
    QStringList calls() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QString logPath() const { return m_folder.filePath(QStringLiteral("calls.log")); }

    void writeScript(const QString &path, Kind kind) const
    {
        const QByteArray ending = kind == Kind::Failing ? "exit 3\n"
                : kind == Kind::Sleeping                ? "sleep 2\n"
                                                        : "exit 0\n";
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> '"
                + QFile::encodeName(logPath()) + "'\necho >> '" + QFile::encodeName(logPath())
                + "'\n" + ending);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir m_folder;
    QByteArray m_savedPath;
};

} // namespace lw::test
