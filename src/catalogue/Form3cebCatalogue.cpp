#include "Form3cebCatalogue.h"

#include "JsonFile.h"
#include "base/Installation.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <stdexcept>

using namespace Catalogue;

namespace
{

QString text(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString();
}

XmlElement elementOf(const QJsonObject &o)
{
    XmlElement e;
    e.name = text(o, "name");
    e.page = o.value(QLatin1String("page")).toInt();
    e.point = text(o, "point");
    e.col = o.value(QLatin1String("col")).toInt();
    e.as = memberKindOf(text(o, "as"));
    e.list = text(o, "list");
    e.optional = o.value(QLatin1String("optional")).toBool();
    e.inUniqueId = o.value(QLatin1String("inUniqueId")).toBool();
    return e;
}

XmlPart partOf(const QJsonObject &o)
{
    XmlPart p;
    p.element = text(o, "element");
    p.page = o.value(QLatin1String("page")).toInt();
    p.point = text(o, "point");
    p.col = o.value(QLatin1String("col")).toInt();
    for (const QJsonValue &v : o.value(QLatin1String("children")).toArray())
        p.children << elementOf(v.toObject());
    return p;
}

// A column names the element(s) it holds; the type's "order" lists them as written.
void readColumns(TransactionType &t, const QJsonObject &o, const QString &amountType)
{
    QHash<QString, XmlElement> byName;
    const QJsonArray columns = o.value(QLatin1String("columns")).toArray();
    for (int i = 0; i < columns.size(); ++i) {
        const QJsonObject c = columns.at(i).toObject();
        t.columns << columnOf(c);
        const QJsonValue xml = c.value(QLatin1String("xml"));
        const QStringList names = xml.isArray() ? QVariant(xml.toArray().toVariantList()).toStringList()
                                                : QStringList{xml.toString()};
        for (const QString &name : names) {
            if (name.isEmpty())
                continue;
            XmlElement e;
            e.name = name;
            e.col = i + 1;
            e.as = memberKindOf(text(c, "as"));
            e.list = text(c, "list");
            e.optional = c.value(QLatin1String("optional")).toBool();
            byName.insert(name, e);
        }
    }
    for (const QJsonValue &v : o.value(QLatin1String("order")).toArray()) {
        const QString name = v.toString();
        if (name == QLatin1String("AmountType") && !amountType.isEmpty()) {
            XmlElement e;
            e.name = name;
            e.isConst = true;
            e.constValue = amountType;
            t.elements << e;
        } else if (byName.contains(name)) {
            t.elements << byName.value(name);
        } else {
            throw std::runtime_error("transaction type " + t.type.toStdString() + " names no column for " +
                                     name.toStdString());
        }
    }
}

} // namespace

QString Form3cebCatalogue::defaultPath()
{
    const QString installed =
        QDir(Installation::folder()).filePath(QStringLiteral("catalogue/form3ceb.json"));
    if (QFile::exists(installed))
        return installed;
    return QStringLiteral(TALVEX_SOURCE_DATA_DIR "/catalogue/form3ceb.json");
}

const Form3cebCatalogue &Form3cebCatalogue::instance()
{
    static const std::unique_ptr<Form3cebCatalogue> catalogue = load(defaultPath());
    return *catalogue;
}

std::unique_ptr<Form3cebCatalogue> Form3cebCatalogue::load(const QString &path)
{
    const QJsonObject root = readJsonObject(path, "Form 3CEB catalogue");
    auto cat = std::make_unique<Form3cebCatalogue>();

    const QJsonObject lists = root.value(QLatin1String("lists")).toObject();
    for (auto it = lists.begin(); it != lists.end(); ++it)
        cat->m_lists.insert(it.key(), listSourceOf(it.value().toObject()));

    // The identification of an associated enterprise: the same columns after every list
    // that names one.
    const QJsonObject identity = root.value(QLatin1String("identity")).toObject();
    cat->m_identityException = text(identity, "exception");
    QList<Column> identityColumns;
    for (const QJsonValue &v : identity.value(QLatin1String("columns")).toArray())
        identityColumns << columnOf(v.toObject());

    // A type "like" another takes its columns and order, and may name its own AmountType.
    QHash<QString, QJsonObject> layouts;
    for (const QJsonValue &v : root.value(QLatin1String("transactionTypes")).toArray()) {
        const QJsonObject o = v.toObject();
        TransactionType t;
        t.type = text(o, "type");
        t.page = o.value(QLatin1String("page")).toInt();
        t.point = text(o, "point");
        t.flag = text(o, "flag");
        const QString like = text(o, "like");
        if (!like.isEmpty() && !layouts.contains(like))
            throw std::runtime_error("transaction type " + t.type.toStdString() + " is like an unknown type");
        const QJsonObject layout = like.isEmpty() ? o : layouts.value(like);
        const QString amountType =
            o.contains(QLatin1String("amountType")) ? text(o, "amountType") : text(layout, "amountType");
        readColumns(t, layout, amountType);
        if (layout.value(QLatin1String("identity")).toBool()) {
            t.identityColumn = int(t.columns.size()) + 1;
            t.columns << identityColumns;
        }
        layouts.insert(t.type, layout);
        cat->m_types << t;
    }

    const QJsonObject xml = root.value(QLatin1String("xml")).toObject();
    cat->m_formNamespace = text(xml, "formNamespace");
    cat->m_commonNamespace = text(xml, "commonNamespace");
    cat->m_schemaFile = text(xml, "schemaFile");
    cat->m_formName = text(xml, "formName");
    for (const QJsonValue &v : xml.value(QLatin1String("declaration")).toArray())
        cat->m_declaration << partOf(v.toObject());
    cat->m_annexure = partOf(xml.value(QLatin1String("annexure")).toObject());
    cat->m_sections = partOf(xml.value(QLatin1String("sections")).toObject());
    cat->m_otherInformation = partOf(xml.value(QLatin1String("otherInformation")).toObject());
    cat->m_enterprises = partOf(xml.value(QLatin1String("enterprises")).toObject());
    for (const QJsonValue &v : xml.value(QLatin1String("flags")).toArray()) {
        const QJsonObject f = v.toObject();
        cat->m_flags << FlagElement{
            text(f, "element"), text(f, "point"),
            QVariant(f.value(QLatin1String("older")).toArray().toVariantList()).toStringList()};
    }

    // Pages: a clause's grid that names a transaction type shows that type's columns.
    for (const QJsonValue &v : root.value(QLatin1String("pages")).toArray()) {
        const QJsonObject p = v.toObject();
        Page page;
        page.number = p.value(QLatin1String("page")).toInt();
        page.title = text(p, "title");
        if (p.value(QLatin1String("import")).toBool())
            cat->m_importPages.insert(page.number);
        for (const QJsonValue &c : p.value(QLatin1String("clauses")).toArray()) {
            Clause clause = clauseFrom(c.toObject());
            if (!clause.option.isEmpty())
                cat->m_unanswered.insert(clause.option, text(c.toObject(), "unanswered"));
            const QJsonArray check = c.toObject().value(QLatin1String("checkColumns")).toArray();
            if (check.size() == 2)
                cat->m_checkColumns.insert(clause.key, {check.at(0).toInt(), check.at(1).toInt()});
            for (const QJsonValue &control : c.toObject().value(QLatin1String("controls")).toArray()) {
                for (const QJsonValue &f : control.toObject().value(QLatin1String("fields")).toArray()) {
                    const Column column = columnOf(f.toObject());
                    if (!column.list.isEmpty() || !column.check.isEmpty())
                        cat->m_fieldColumns.insert(text(f.toObject(), "name"), column);
                }
            }
            for (Control &control : clause.controls) {
                if (control.type != ControlType::Grid || !control.columns.isEmpty())
                    continue;
                if (const TransactionType *t = cat->transactionTypeAt(page.number, control.point))
                    control.columns = t->columns;
            }
            page.clauses << clause;
        }
        cat->m_pages << page;
    }
    cat->checkSerialColumn(root.value(QLatin1String("serialColumn")).toInt());
    return cat;
}

void Form3cebCatalogue::checkSerialColumn(int column)
{
    // The serial is kept beside a grid's cells, never in one.
    if (column < 1)
        throw std::runtime_error("the Form 3CEB catalogue names no serialColumn");
    for (const Page &page : m_pages) {
        for (const Clause &clause : page.clauses) {
            for (const Control &control : clause.controls) {
                if (control.type == ControlType::Grid && control.columns.size() >= column)
                    throw std::runtime_error("the Form 3CEB grid " + control.point.toStdString() +
                                             " reaches the serial column");
            }
        }
    }
    m_serialColumn = column;
}

Column Form3cebCatalogue::fieldColumn(const Field &field) const
{
    Column column = m_fieldColumns.value(field.name);
    column.heading = field.caption;
    column.kind = field.kind;
    column.signedAmount = field.signedAmount;
    return column;
}

const Page *Form3cebCatalogue::page(int number) const
{
    for (const Page &p : m_pages) {
        if (p.number == number)
            return &p;
    }
    return nullptr;
}

const TransactionType *Form3cebCatalogue::transactionType(const QString &type) const
{
    for (const TransactionType &t : m_types) {
        if (t.type == type)
            return &t;
    }
    return nullptr;
}

const TransactionType *Form3cebCatalogue::transactionTypeAt(int page, const QString &point) const
{
    for (const TransactionType &t : m_types) {
        if (t.page == page && t.point == point)
            return &t;
    }
    return nullptr;
}
