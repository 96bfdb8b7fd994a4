#pragma once

#include <map>
#include <set>

#include "platform/file_store.h"

namespace lw::test {

/// Files in memory; each operation can be made to fail, and replacements are counted.
struct RecordingFileStore final : platform::FileStore
{
    std::map<QString, QByteArray> files;
    std::set<QString> folders;
    std::set<QString> unreadable; // paths whose reading fails although something is there
    std::set<QString> documents; // paths last written by replaceDocument
    bool failReplace = false;
    bool failMakePath = false;
    int replacements = 0;

    platform::FileContent read(const QString &path) const override
    {
        using Status = platform::FileContent::Status;
        if (unreadable.contains(path))
            return { Status::Failed, {} };
        const auto file = files.find(path);
        if (file == files.end())
            return { Status::Missing, {} };
        return { Status::Read, file->second };
    }

    bool replace(const QString &path, const QByteArray &bytes) override
    {
        if (failReplace)
            return false;
        files[path] = bytes;
        documents.erase(path);
        ++replacements;
        return true;
    }

    bool replaceDocument(const QString &path, const QByteArray &bytes) override
    {
        if (!replace(path, bytes))
            return false;
        documents.insert(path);
        return true;
    }

    bool makePath(const QString &folder) override
    {
        if (failMakePath)
            return false;
        folders.insert(folder);
        return true;
    }
};

} // namespace lw::test
