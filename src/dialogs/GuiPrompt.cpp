#include "GuiPrompt.h"

#include "TitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace
{

QMessageBox::Icon qtIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

} // namespace

GuiPrompt::GuiPrompt()
{
    TitleFit::install();
}

PromptAnswer GuiPrompt::message(const QString &text, const QString &title, PromptIcon icon,
                                PromptButtons buttons)
{
    QMessageBox box(qtIcon(icon), titleOrDefault(title), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        return PromptAnswer::Cancel;
    }
}

QString GuiPrompt::qtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(u';', u' '));
    return filters.join(QStringLiteral(";;"));
}

QString GuiPrompt::openFile(const QString &title, const QString &filter, const QString &startPath)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titleOrDefault(title), startPath,
                                        qtFilter(filter));
}

QString GuiPrompt::saveFile(const QString &title, const QString &filter, const QString &defaultPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), titleOrDefault(title), defaultPath,
                                        qtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
}

QString GuiPrompt::chooseFolder(const QString &title, const QString &startPath)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), titleOrDefault(title), startPath);
}

int GuiPrompt::choose(const QString &title, const QString &text, const QStringList &items)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(QApplication::activeWindow(), titleOrDefault(title), text,
                                               items, 0, false, &ok);
    return ok ? int(items.indexOf(item)) : -1;
}

std::optional<QList<int>> GuiPrompt::tick(const QString &title, const QString &text, const QStringList &items)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titleOrDefault(title));
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstTicks"));
    list->setWordWrap(true);
    for (const QString &item : items) {
        auto *row = new QListWidgetItem(item, list);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 420);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<int> ticked;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            ticked << i;
    }
    return ticked;
}
