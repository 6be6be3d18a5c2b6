// The reference for the editor's start: a minimal Qt Widgets program, a window with a label,
// shown, painted once and quit when the event loop is first idle, as `talvex --check-start`
// quits once its first window is painted.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Talvex"));
    window.resize(1024, 700);
    window.show();
    QTimer::singleShot(0, &app, [&app] {
        QCoreApplication::processEvents();
        app.quit();
    });
    return app.exec();
}
