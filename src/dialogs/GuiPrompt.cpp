#include "GuiPrompt.h"

#include "TitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStyle>
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

FileIconsByName::FileIconsByName()
    : m_folder(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
      m_file(QApplication::style()->standardIcon(QStyle::SP_FileIcon))
{
    // The same promise for the icons of folders: no desktop.ini or .directory is read.
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon FileIconsByName::icon(IconType type) const
{
    return type == File ? m_file : m_folder;
}

QIcon FileIconsByName::icon(const QFileInfo &info) const
{
    return info.isDir() ? m_folder : m_file;
}

QString FileIconsByName::type(const QFileInfo &info) const
{
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.isDefault() ? info.suffix().toUpper() + QStringLiteral(" File") : mime.comment();
}

void GuiPrompt::keepOutOf(const QString &folder, const QString &instead)
{
    m_keepOut = QDir::cleanPath(QDir(folder).absolutePath());
    m_instead = instead;
}

QString GuiPrompt::startPath(const QString &asked) const
{
    const QString instead = m_instead.isEmpty() ? QDir::homePath() : m_instead;
    if (asked.trimmed().isEmpty())
        return instead;
    if (m_keepOut.isEmpty())
        return asked;
    const QFileInfo info(asked);
    const QString folder = QDir::cleanPath(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    if (folder != m_keepOut && !folder.startsWith(m_keepOut + u'/'))
        return asked;
    return info.isDir() ? instead : QDir(instead).filePath(info.fileName());
}

std::unique_ptr<QFileDialog> GuiPrompt::fileDialog(const QString &title, const QString &start,
                                                   const QString &filter) const
{
    // Qt's own dialog, not the desktop's: only in this one are the icons and types known by name.
    // The first folder listed, before they are in place, is never the one kept out of.
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(), titleOrDefault(title),
                                                startPath(start), qtFilter(filter));
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons |
                       QFileDialog::DontResolveSymlinks);
    if (!m_icons)
        m_icons = std::make_unique<FileIconsByName>();
    dialog->setIconProvider(m_icons.get());
    return dialog;
}

namespace
{

QString chosen(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

QString GuiPrompt::openFile(const QString &title, const QString &filter, const QString &startPath)
{
    const auto dialog = fileDialog(title, startPath, filter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return chosen(*dialog);
}

QString GuiPrompt::saveFile(const QString &title, const QString &filter, const QString &defaultPath)
{
    const auto dialog = fileDialog(title, defaultPath, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return chosen(*dialog);
}

QString GuiPrompt::chooseFolder(const QString &title, const QString &startPath)
{
    const auto dialog = fileDialog(title, startPath, {});
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    return chosen(*dialog);
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
