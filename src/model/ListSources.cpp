#include "ListSources.h"

#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Form3cebCatalogue.h"
#include "host/HostContext.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

namespace
{

// Each form's pages name the lists of their own catalogue.
Catalogue::ListSource sourceOf(const QString &listName)
{
    if (moduleState().formKind == FormKind::F3CEB)
        return Form3cebCatalogue::instance().listSource(listName);
    return ClauseCatalogue::instance().listSource(listName);
}

} // namespace

QStringList ListSources::items(const QString &listName, const QString &columnValue)
{
    const QString key = listName + QChar(0x1f) + columnValue;
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd())
        return *cached;
    const Catalogue::ListSource source = sourceOf(listName);
    QStringList out = source.items;
    if (!source.query.isEmpty()) {
        QVariantList binds;
        for (const QString &b : source.binds)
            binds << (b == QLatin1String("@column") ? columnValue : b);
        try {
            for (Recordset rs = host().DBObj().Execute(source.query, binds); !rs.Eof(); rs.MoveNext())
                out << rs.Fields(0);
        } catch (const DbError &) {
            // A missing look-up table leaves the list empty; the cell still takes typed text.
        }
    }
    m_cache.insert(key, out);
    return out;
}

bool ListSources::holds(const QString &listName, const QString &value, const QString &columnValue)
{
    const bool form3cd = moduleState().formKind != FormKind::F3CEB;
    if (form3cd && ClauseCatalogue::instance().hasCodeTable(listName))
        return ClauseCatalogue::instance().entryOf(listName, value) != nullptr;
    return items(listName, columnValue).contains(value);
}

QString ListSources::current(const QString &listName, const QString &value) const
{
    if (moduleState().formKind == FormKind::F3CEB || !ClauseCatalogue::instance().hasCodeTable(listName))
        return value;
    const Catalogue::CodeEntry *entry = ClauseCatalogue::instance().entryOf(listName, value);
    return entry ? entry->text : value;
}

bool ListSources::isEditable(const QString &listName) const
{
    return sourceOf(listName).editable;
}
