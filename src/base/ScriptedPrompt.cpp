#include "ScriptedPrompt.h"

#include <QTextStream>

namespace
{
QString answerName(PromptAnswer a)
{
    switch (a) {
    case PromptAnswer::Ok:
        return QStringLiteral("OK");
    case PromptAnswer::Cancel:
        return QStringLiteral("Cancel");
    case PromptAnswer::Yes:
        return QStringLiteral("Yes");
    case PromptAnswer::No:
        return QStringLiteral("No");
    }
    return {};
}
} // namespace

QVariant ScriptedPrompt::take()
{
    if (m_answers.empty())
        return {};
    QVariant v = m_answers.front();
    m_answers.pop_front();
    return v;
}

void ScriptedPrompt::record(Shown shown)
{
    if (m_echo) {
        QTextStream err(stderr);
        err << (shown.title.isEmpty() ? QString() : shown.title + QStringLiteral(": ")) << shown.text;
        if (!shown.answer.isEmpty())
            err << " [" << shown.answer << "]";
        err << Qt::endl;
    }
    m_shown.push_back(std::move(shown));
}

PromptAnswer ScriptedPrompt::message(const QString &text, const QString &title, PromptIcon icon,
                                     PromptButtons buttons)
{
    // An informational box takes no scripted answer.
    PromptAnswer answer = PromptAnswer::Ok;
    const QVariant v = buttons == PromptButtons::Ok ? QVariant() : take();
    if (buttons == PromptButtons::Ok) {
        answer = PromptAnswer::Ok;
    } else if (v.isValid() && v.typeId() == QMetaType::Int) {
        answer = static_cast<PromptAnswer>(v.toInt());
    } else if (buttons == PromptButtons::YesNoDefaultNo) {
        answer = PromptAnswer::No;
    } else if (buttons == PromptButtons::OkCancel) {
        answer = m_defaultYes ? PromptAnswer::Ok : PromptAnswer::Cancel;
    } else {
        answer = m_defaultYes ? PromptAnswer::Yes : PromptAnswer::No;
    }
    const bool asked = buttons != PromptButtons::Ok;
    record({QStringLiteral("message"), title, text, icon, buttons, asked ? answerName(answer) : QString()});
    return answer;
}

QString ScriptedPrompt::openFile(const QString &title, const QString &, const QString &)
{
    const QString answer = take().toString();
    record({QStringLiteral("open"), title, title, PromptIcon::None, PromptButtons::Ok, answer});
    return answer;
}

QString ScriptedPrompt::saveFile(const QString &title, const QString &, const QString &defaultPath)
{
    const QVariant v = take();
    const QString answer = v.isValid() ? v.toString() : (m_defaultYes ? defaultPath : QString());
    record({QStringLiteral("save"), title, defaultPath, PromptIcon::None, PromptButtons::Ok, answer});
    return answer;
}

QString ScriptedPrompt::chooseFolder(const QString &title, const QString &)
{
    const QString answer = take().toString();
    record({QStringLiteral("folder"), title, title, PromptIcon::None, PromptButtons::Ok, answer});
    return answer;
}

int ScriptedPrompt::choose(const QString &title, const QString &text, const QStringList &items)
{
    const QVariant v = take();
    int index = v.isValid() ? v.toInt() : (m_defaultYes && !items.isEmpty() ? 0 : -1);
    if (index >= items.size())
        index = -1;
    record({QStringLiteral("choose"), title, text, PromptIcon::None, PromptButtons::Ok,
            index >= 0 ? items.at(index) : QString()});
    return index;
}

std::optional<QList<int>> ScriptedPrompt::tick(const QString &title, const QString &text,
                                               const QStringList &items)
{
    const QVariant v = take();
    if (v.isValid() && v.typeId() == QMetaType::Int) {
        record({QStringLiteral("tick"), title, text, PromptIcon::None, PromptButtons::OkCancel,
                answerName(PromptAnswer::Cancel)});
        return std::nullopt;
    }
    QList<int> ticked;
    QStringList names;
    for (int index : v.value<QList<int>>()) {
        if (index >= 0 && index < items.size()) {
            ticked << index;
            names << items.at(index);
        }
    }
    record({QStringLiteral("tick"), title, text + u'\n' + items.join(u'\n'), PromptIcon::None,
            PromptButtons::OkCancel, names.join(QStringLiteral(", "))});
    return ticked;
}

bool ScriptedPrompt::confirmReplace(const QString &text, const QString &title)
{
    bool yes = m_replaceYes;
    if (!m_replaceAnswers.empty()) {
        yes = m_replaceAnswers.front();
        m_replaceAnswers.pop_front();
    }
    const PromptAnswer answer = yes ? PromptAnswer::Yes : PromptAnswer::No;
    record({QStringLiteral("replace"), title, text, PromptIcon::Warning, PromptButtons::YesNoDefaultNo,
            answerName(answer)});
    return answer == PromptAnswer::Yes;
}

QStringList ScriptedPrompt::texts() const
{
    QStringList list;
    for (const Shown &s : m_shown) {
        if (s.kind != QLatin1String("replace"))
            list << s.text;
    }
    return list;
}
