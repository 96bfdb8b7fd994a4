#pragma once

#include <memory>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/saved_values.h"
#include "core/startup_values.h"
#include "shell/Main.h"
#include "support/qt_printers.h"
#include "support/recorded_window_services.h"
#include "support/recording_file_store.h"

namespace lw::test {

/// The calculator window on recorded services: a program folder with two help pages in a
/// temporary directory, settings files in memory, a desktop without frame services.
class MainWindowTest : public ::testing::Test, protected RecordedWindowServices
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        folders.commonDataFolder = QStringLiteral("/home/u/.config");
        folders.programFolder = programDir.path() + u'/';
        writeHelpPage(QStringLiteral("index.html"));
        writeHelpPage(QStringLiteral("getting-started.html"));
    }

    void TearDown() override { window.reset(); }

    void writeHelpPage(const QString &name)
    {
        QDir(programDir.path()).mkpath(QStringLiteral("help"));
        QFile page(helpPath(name));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body>help</body></html>");
    }

    QString helpPath(const QString &name) const { return programDir.path() + u"/help/" + name; }

    QString settingsPath() const
    {
        core::ValueRecord record;
        core::setFoldersAndTags(record, folders.commonDataFolder, folders.programFolder);
        return core::settingsFilePath(record);
    }

    /// A settings file from an earlier run, so no help opens at start.
    void haveSettings(const QByteArray &values = {})
    {
        files.files[settingsPath()] = "[GeneralValues]\nRun=1\n[LastValues]\n" + values;
    }

    /// Creates the window (running its start-up steps) and shows it active.
    void start()
    {
        const shell::ShellServices services{ feedback, clipboard, *shell, *chrome, messages,
            application, files, locale, folders, dialogs, instances };
        window = std::make_unique<shell::TfrmMain>(services);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    /// How many calculation passes action runs.
    template <typename Action>
    int passesDuring(Action &&action)
    {
        const QSignalSpy passes(window.get(), &shell::TfrmMain::calculationStarted);
        action();
        return static_cast<int>(passes.count());
    }

    /// Closes the window as its close box does; true when it closed.
    bool closeWindow() { return window->close(); }

    /// The settings file's lines as the last save wrote them.
    QList<QByteArray> savedLines() const { return files.files.at(settingsPath()).split('\n'); }

    QTemporaryDir programDir;
    RecordingFileStore files;
    platform::WindowChrome *chrome = &noChrome; // tests may hand in one with frame services
    platform::DesktopShell *shell = &desktop; // or the real one, against a fake opener
    std::unique_ptr<shell::TfrmMain> window;
};

} // namespace lw::test
