#pragma once

#include "base/Prompt.h"

#include <QAbstractFileIconProvider>
#include <QIcon>
#include <memory>

class QFileDialog;
class QWidget;

// Icons and type names from a file's name alone. Qt's own provider reads a file whose name
// says nothing to learn its type, and any open and close of the database file by this
// process drops the locks SQLite holds on it.
class FileIconsByName : public QAbstractFileIconProvider
{
public:
    FileIconsByName();
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QIcon m_folder;
    QIcon m_file;
};

// Real dialogs for the desktop program; their titles are shown in full (TitleFit).
class GuiPrompt : public Prompt
{
public:
    GuiPrompt();
    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override;
    QString openFile(const QString &title, const QString &filter, const QString &startPath) override;
    QString saveFile(const QString &title, const QString &filter, const QString &defaultPath) override;
    QString chooseFolder(const QString &title, const QString &startPath) override;
    int choose(const QString &title, const QString &text, const QStringList &items) override;
    std::optional<QList<int>> tick(const QString &title, const QString &text,
                                   const QStringList &items) override;
    bool showsWindows() const override { return true; }

    // "JSON Files|*.json|All Files|*.*" -> "JSON Files (*.json);;All Files (*.*)"
    static QString qtFilter(const QString &pairs);

    // No file dialog starts in the folder (the embedded database's); one asked to start there,
    // or given no start, starts in the other folder instead, keeping the suggested file name.
    void keepOutOf(const QString &folder, const QString &instead);
    QString startPath(const QString &asked) const;
    // The dialog every file prompt shows, not yet shown: Qt's own, with the icons by name.
    std::unique_ptr<QFileDialog> fileDialog(const QString &title, const QString &startPath,
                                            const QString &filter) const;

private:
    QString m_keepOut;
    QString m_instead;
    // Made with the first file dialog: its icons are read from image files the start does not need.
    mutable std::unique_ptr<FileIconsByName> m_icons;
};
