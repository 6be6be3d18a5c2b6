#include "PendingWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

PendingWindow::PendingWindow(const QString &title, const QString &text, QWidget *parent)
    : QDialog(parent), m_text(text)
{
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setMinimumWidth(420);
    layout->addWidget(label);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString PendingWindow::onlineServicesText()
{
    return QStringLiteral("Online services of the income-tax e-filing portal and the UDIN portal are not "
                          "part of this installation.");
}

PendingWindow *PendingWindow::generateUdin()
{
    return new PendingWindow(GenerateUdinTitle, onlineServicesText());
}
