// The reference for the start-up measurement: about the least a Qt 6 Widgets program does to
// put one window on the screen, so the program under test is judged against the toolkit's own
// floor on the same machine in the same run.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    // The main window's client area, so both programs fill the same number of pixels.
    window.setFixedSize(657, 384);
    // An empty window is one flat colour from the moment it maps, so its first paint cannot be
    // told from the server's background fill; one line of antialiased text makes the paint
    // visible and, as in every real program, pays for the font set-up.
    QLabel caption(window.windowTitle(), &window);
    caption.move(8, 8);
    window.show();
    return QApplication::exec();
}
