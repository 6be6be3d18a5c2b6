#include "ModuleState.h"

#include "store/ClauseTables.h"

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

namespace
{
// Form kinds and their codes, as the module numbers them.
const QList<QPair<FormKind, QString>> &formCodes()
{
    static const QList<QPair<FormKind, QString>> table{
        {FormKind::F3CA, QStringLiteral("3CA")},   {FormKind::F3CB, QStringLiteral("3CB")},
        {FormKind::F3CEB, QStringLiteral("3CEB")}, {FormKind::F29B, QStringLiteral("29B")},
        {FormKind::F10B, QStringLiteral("10B")},   {FormKind::F10BB, QStringLiteral("10BB")},
        {FormKind::F6B, QStringLiteral("6B")},     {FormKind::F61, QStringLiteral("61")},
        {FormKind::F61A, QStringLiteral("61A")},   {FormKind::F61B, QStringLiteral("61B")},
        {FormKind::F29C, QStringLiteral("29C")}};
    return table;
}
} // namespace

QString ModuleState::codeOf(FormKind kind)
{
    for (const auto &[k, code] : formCodes()) {
        if (k == kind)
            return code;
    }
    return {};
}

FormKind ModuleState::kindOfCode(const QString &code)
{
    for (const auto &[k, c] : formCodes()) {
        if (c.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return k;
    }
    return FormKind::None;
}

void ModuleState::openForm(FormKind kind, const QString &yearKey)
{
    formKind = kind;
    formCode = codeOf(kind);
    if (kind == FormKind::F3CEB)
        clauseTable = ClauseTables::kForm3cebTable;
    else
        clauseTable = ClauseTables::clauseTableName(yearKey);
}

ModuleState &moduleState()
{
    static ModuleState state;
    return state;
}
