#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Every message box, question and file dialog of the module goes through this interface:
// the desktop program shows real dialogs, tests and the command-line tool answer by script.
enum class PromptIcon { None, Information, Question, Warning, Critical };
// YesNoDefaultNo: a question whose safe answer is No; it is the default button, and a
// script that answers everything Yes still answers it No unless told otherwise.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompt
{
public:
    virtual ~Prompt() = default;

    // An empty title means the application's default title.
    virtual PromptAnswer message(const QString &text, const QString &title = {},
                                 PromptIcon icon = PromptIcon::Information,
                                 PromptButtons buttons = PromptButtons::Ok) = 0;

    // Filters are written as pairs "JSON Files|*.json|All Files|*.*".
    // An empty result means the user cancelled.
    virtual QString openFile(const QString &title, const QString &filter, const QString &startPath) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &defaultPath) = 0;
    virtual QString chooseFolder(const QString &title, const QString &startPath) = 0;
    // Picks one entry of a list; -1 when cancelled.
    virtual int choose(const QString &title, const QString &text, const QStringList &items) = 0;
    // Ticks any entries of a list, none ticked at first: the indexes ticked, nothing when
    // cancelled.
    virtual std::optional<QList<int>> tick(const QString &title, const QString &text,
                                           const QStringList &items) = 0;

    // The one question before a change replaces what a report holds; its safe answer is No.
    // A script answers it apart from the other questions (the command-line tool by --yes).
    virtual bool confirmReplace(const QString &text, const QString &title)
    {
        return message(text, title, PromptIcon::Warning, PromptButtons::YesNoDefaultNo) == PromptAnswer::Yes;
    }

    // True when windows such as the error report may be shown; a prompt that answers by
    // script gets their content as messages instead.
    virtual bool showsWindows() const { return false; }

    // Shorthands.
    void inform(const QString &text, const QString &title = {})
    {
        message(text, title, PromptIcon::Information, PromptButtons::Ok);
    }
    bool askYesNo(const QString &text, const QString &title = {})
    {
        return message(text, title, PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
    }
    bool askOkCancel(const QString &text, const QString &title = {})
    {
        return message(text, title, PromptIcon::Question, PromptButtons::OkCancel) == PromptAnswer::Ok;
    }
};

// The module-wide prompt interface; the program installs its own at start.
Prompt &prompts();
void setPrompts(Prompt *prompt);
