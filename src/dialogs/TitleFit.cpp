#include "TitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace
{
// The window's icon and its minimise, maximise and close buttons, with the title bar's margins.
constexpr int kTitleBarExtras = 200;
const char *const kFitted = "talvexTitleFitted";
} // namespace

void TitleFit::install()
{
    static TitleFit *filter = nullptr;
    if (!filter && qApp) {
        filter = new TitleFit(qApp);
        qApp->installEventFilter(filter);
    }
}

int TitleFit::widthFor(const QWidget &window)
{
    QFont font = window.font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

void TitleFit::fit(QWidget &window)
{
    const int needed = widthFor(window);
    if (auto *box = qobject_cast<QMessageBox *>(&window)) {
        // A message box sizes itself to its layout when shown: a spacer as wide as the title
        // needs keeps it from being narrower.
        auto *grid = qobject_cast<QGridLayout *>(box->layout());
        if (!grid || box->property(kFitted).toBool())
            return;
        box->setProperty(kFitted, true);
        const int margins = grid->contentsMargins().left() + grid->contentsMargins().right();
        grid->addItem(new QSpacerItem(needed - margins, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
        return;
    }
    if (window.minimumWidth() < needed && window.maximumWidth() >= needed)
        window.setMinimumWidth(needed);
}

bool TitleFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow())
            fit(*dialog);
    }
    return QObject::eventFilter(watched, event);
}
