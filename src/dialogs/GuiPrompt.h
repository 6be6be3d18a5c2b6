#pragma once

#include "base/Prompt.h"

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
};
