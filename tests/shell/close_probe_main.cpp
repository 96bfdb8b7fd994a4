// The calculator window saving to the real disk, closed twice while its settings folder is
// read-only; the second time the folder is writable again or not, as the second argument says.
// Run unprivileged by main_close_on_disk_test.cpp, since root ignores the folder's mode.
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QTest>

#include "platform/disk_file_store.h"
#include "shell/Main.h"
#include "support/recorded_window_services.h"

#include <sys/stat.h>

namespace {

bool setMode(const QString &folder, mode_t mode)
{
    return ::chmod(QFile::encodeName(folder).constData(), mode) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString config = QFile::decodeName(argv[1]);
    const bool causeGone = qstrcmp(argv[2], "gone") == 0;
    const QString folder = config + u"/Ferrowind/Loanwright";

    lw::test::RecordedWindowServices recorded;
    lw::platform::DiskFileStore files;
    recorded.folders.commonDataFolder = config;
    recorded.folders.programFolder = QCoreApplication::applicationDirPath() + u'/';
    lw::shell::TfrmMain window(recorded.services(files));
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 3;
    window.edtDownPayment->setFloatValue(25000);
    window.edtSalesPrice->setFocus(Qt::OtherFocusReason);
    window.edtDownPayment->setFocus(Qt::OtherFocusReason); // the pass takes the new value

    if (!setMode(folder, 0500))
        return 4;
    const bool firstClosed = window.close();
    const bool openAfterFirst = window.isVisible();
    const qsizetype messagesAfterFirst = recorded.feedback.information.size();
    if (causeGone && !setMode(folder, 0700))
        return 4;
    const bool secondClosed = window.close();
    std::printf("first=%d open=%d messages=%d second=%d messages=%d\n", firstClosed, openAfterFirst,
            int(messagesAfterFirst), secondClosed, int(recorded.feedback.information.size()));
    return 0;
}
