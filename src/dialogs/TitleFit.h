#pragma once

#include <QObject>

class QWidget;

// Dialogs and message boxes are made wide enough that the window system shows their titles
// in full: a short message under a long title ("e-Filing of Form 3CA-3CD") would otherwise
// get a box narrower than its title bar needs, and the title is cut off.
class TitleFit : public QObject
{
public:
    // Watches every dialog of the application from now on.
    static void install();

    // The width a top-level window needs to show its title: the text in a bold face, the
    // window's icon and the title bar's buttons.
    static int widthFor(const QWidget &window);
    // Widens a dialog or message box to that width; one that is wide enough is left alone.
    static void fit(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
