#include "ModuleState.h"

#include "host/HostSchema.h"

QString ModuleState::formNameForPage(int page) const
{
    if (!isForm3CD())
        return formCode;
    if (page == 1)
        return QStringLiteral("3CA");
    if (page == 101)
        return QStringLiteral("3CB");
    return QStringLiteral("3CD");
}

QString ModuleState::codeOf(FormKind kind)
{
    switch (kind) {
    case FormKind::F3CA:
        return QStringLiteral("3CA");
    case FormKind::F3CB:
        return QStringLiteral("3CB");
    case FormKind::F3CEB:
        return QStringLiteral("3CEB");
    case FormKind::F29B:
        return QStringLiteral("29B");
    case FormKind::F10B:
        return QStringLiteral("10B");
    case FormKind::F10BB:
        return QStringLiteral("10BB");
    case FormKind::F6B:
        return QStringLiteral("6B");
    case FormKind::F61:
        return QStringLiteral("61");
    case FormKind::F61A:
        return QStringLiteral("61A");
    case FormKind::F61B:
        return QStringLiteral("61B");
    case FormKind::F29C:
        return QStringLiteral("29C");
    case FormKind::None:
        break;
    }
    return {};
}

void ModuleState::openForm(FormKind kind, const QString &yearKey)
{
    formKind = kind;
    formCode = codeOf(kind);
    if (kind == FormKind::F3CEB)
        clauseTable = QStringLiteral("anx_new_3ceb");
    else
        clauseTable = HostSchema::clauseTableName(yearKey);
}

ModuleState &moduleState()
{
    static ModuleState state;
    return state;
}
