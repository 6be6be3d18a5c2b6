#pragma once

#include "Prompt.h"

#include <QVariant>
#include <deque>
#include <vector>

// Answers prompts from a queue and records what was shown, for tests and the
// command-line tool. An empty queue gives the default answer (No/Cancel unless set; a
// question asked with YesNoDefaultNo is always answered No).
class ScriptedPrompt : public Prompt
{
public:
    struct Shown {
        QString kind; // "message", "open", "save", "folder", "choose", "tick", "replace"
        QString title;
        QString text;
        PromptIcon icon = PromptIcon::None;
        PromptButtons buttons = PromptButtons::Ok;
        QString answer;
    };

    // Queue answers: a PromptAnswer for messages, a QString for file dialogs, an int for lists.
    void queue(PromptAnswer answer) { m_answers.emplace_back(QVariant::fromValue(static_cast<int>(answer))); }
    void queueText(const QString &text) { m_answers.emplace_back(text); }
    void queueChoice(int index) { m_answers.emplace_back(QVariant::fromValue(index)); }
    // The entries a tick list answers with; PromptAnswer::Cancel cancels it. None by default.
    void queueTicks(const QList<int> &ticked) { m_answers.emplace_back(QVariant::fromValue(ticked)); }
    void setDefaultYes(bool yes) { m_defaultYes = yes; }
    void setEcho(bool echo) { m_echo = echo; }
    // The question before a replacing change takes answers of its own, queued apart from the
    // others; without one it is answered as set here (No unless set).
    void queueReplace(bool yes) { m_replaceAnswers.push_back(yes); }
    void setReplaceAnswer(bool yes) { m_replaceYes = yes; }

    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override;
    QString openFile(const QString &title, const QString &filter, const QString &startPath) override;
    QString saveFile(const QString &title, const QString &filter, const QString &defaultPath) override;
    QString chooseFolder(const QString &title, const QString &startPath) override;
    int choose(const QString &title, const QString &text, const QStringList &items) override;
    std::optional<QList<int>> tick(const QString &title, const QString &text,
                                   const QStringList &items) override;
    bool confirmReplace(const QString &text, const QString &title) override;

    const std::vector<Shown> &shown() const { return m_shown; }
    // What was shown, in order, apart from the question before a replacing change: that one
    // is looked for in shown() by the tests about it, and the other tests keep their lists.
    QStringList texts() const;
    QString lastText() const { return m_shown.empty() ? QString() : m_shown.back().text; }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
        m_replaceAnswers.clear();
    }
    bool answersLeft() const { return !m_answers.empty(); }

private:
    QVariant take();
    void record(Shown shown);

    std::deque<QVariant> m_answers;
    std::vector<Shown> m_shown;
    bool m_defaultYes = false;
    bool m_echo = false;
    bool m_replaceYes = false;
    std::deque<bool> m_replaceAnswers;
};
