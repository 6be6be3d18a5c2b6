#include "ClauseCatalogue.h"

#include "JsonSections.h"
#include "base/Installation.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <stdexcept>

using namespace Catalogue;

namespace
{

QStringList strings(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &v : value.toArray())
        out << v.toString();
    return out;
}

Kind kindOf(const QString &text)
{
    static const QHash<QString, Kind> kinds{
        {QStringLiteral("text"), Kind::Text},     {QStringLiteral("date"), Kind::Date},
        {QStringLiteral("amount"), Kind::Amount}, {QStringLiteral("whole"), Kind::Whole},
        {QStringLiteral("list"), Kind::List},     {QStringLiteral("tick"), Kind::Tick}};
    if (text.isEmpty())
        return Kind::Text;
    if (!kinds.contains(text))
        throw std::runtime_error("unknown kind " + text.toStdString());
    return kinds.value(text);
}

ControlType controlTypeOf(const QString &text)
{
    static const QHash<QString, ControlType> types{{QStringLiteral("grid"), ControlType::Grid},
                                                   {QStringLiteral("text"), ControlType::Text},
                                                   {QStringLiteral("combo"), ControlType::Combo},
                                                   {QStringLiteral("fields"), ControlType::Fields},
                                                   {QStringLiteral("choice"), ControlType::Choice}};
    if (!types.contains(text))
        throw std::runtime_error("unknown control type " + text.toStdString());
    return types.value(text);
}

} // namespace

namespace Catalogue
{

Column columnOf(const QJsonObject &o)
{
    Column c;
    c.key = o.value(QLatin1String("key")).toString();
    c.heading = o.value(QLatin1String("heading")).toString();
    c.kind = kindOf(o.value(QLatin1String("kind")).toString());
    c.list = o.value(QLatin1String("list")).toString();
    c.editable = o.value(QLatin1String("editable")).toBool();
    c.dependsOn = o.value(QLatin1String("dependsOn")).toInt();
    c.check = o.value(QLatin1String("check")).toString();
    c.ratio = o.value(QLatin1String("ratio")).toBool();
    c.width = o.value(QLatin1String("width")).toInt();
    c.hint = o.value(QLatin1String("hint")).toString();
    c.computed = o.value(QLatin1String("computed")).toBool();
    c.signedAmount = o.value(QLatin1String("signed")).toBool();
    c.optional = o.value(QLatin1String("optional")).toBool();
    c.hidden = o.value(QLatin1String("hidden")).toBool();
    return c;
}

Control controlFrom(const QJsonObject &o)
{
    Control c;
    c.type = controlTypeOf(o.value(QLatin1String("type")).toString());
    c.point = o.value(QLatin1String("point")).toString();
    c.name = o.value(QLatin1String("name")).toString();
    c.label = o.value(QLatin1String("label")).toString();
    c.caption = o.value(QLatin1String("caption")).toString();
    c.kind = kindOf(o.value(QLatin1String("kind")).toString());
    c.signedAmount = o.value(QLatin1String("signed")).toBool();
    c.list = o.value(QLatin1String("list")).toString();
    for (const QJsonValue &v : o.value(QLatin1String("columns")).toArray())
        c.columns << columnOf(v.toObject());
    for (const QJsonValue &v : o.value(QLatin1String("fields")).toArray()) {
        const QJsonObject f = v.toObject();
        Field field;
        field.name = f.value(QLatin1String("name")).toString();
        field.caption = f.value(QLatin1String("caption")).toString();
        field.kind = kindOf(f.value(QLatin1String("kind")).toString());
        field.signedAmount = f.value(QLatin1String("signed")).toBool();
        const QJsonObject sum = f.value(QLatin1String("sum")).toObject();
        field.sumPoint = sum.value(QLatin1String("point")).toString();
        field.sumColumn = sum.value(QLatin1String("col")).toInt();
        c.fields << field;
    }
    c.captions = strings(o.value(QLatin1String("captions")));
    return c;
}

Clause clauseFrom(const QJsonObject &o)
{
    Clause c;
    c.key = o.value(QLatin1String("key")).toString();
    c.label = o.value(QLatin1String("label")).toString();
    c.caption = o.value(QLatin1String("caption")).toString();
    c.mandatory = o.value(QLatin1String("mandatory")).toBool();
    c.option = o.value(QLatin1String("option")).toString();
    c.optionNA = o.value(QLatin1String("optionNA")).toString();
    c.na = o.value(QLatin1String("na")).toString();
    c.annex = o.value(QLatin1String("annex")).toString();
    c.remarks = o.value(QLatin1String("remarks")).toBool(true);
    const QString spelling = o.value(QLatin1String("spelling")).toString();
    if (spelling == QLatin1String("TrueFalse"))
        c.spelling = Vocabulary::Spelling::TrueFalse;
    else if (!spelling.isEmpty())
        throw std::runtime_error("clause " + c.key.toStdString() + " has an unknown spelling " +
                                 spelling.toStdString());
    for (const QJsonValue &v : o.value(QLatin1String("controls")).toArray())
        c.controls << controlFrom(v.toObject());
    return c;
}

ListSource listSourceOf(const QJsonObject &l)
{
    return ListSource{strings(l.value(QLatin1String("items"))), l.value(QLatin1String("query")).toString(),
                      strings(l.value(QLatin1String("binds"))), l.value(QLatin1String("editable")).toBool()};
}

} // namespace Catalogue

namespace
{

JsonMember memberOf(const QJsonObject &o)
{
    JsonMember m;
    m.name = o.value(QLatin1String("name")).toString();
    m.isConst = o.contains(QLatin1String("const"));
    m.constValue = o.value(QLatin1String("const")).toString();
    m.as = m.isConst ? MemberKind::Const : memberKindOf(o.value(QLatin1String("as")).toString());
    const QJsonValue col = o.value(QLatin1String("col"));
    if (col.isString())
        m.columnKey = col.toString();
    else
        m.column = col.toInt();
    m.table = o.value(QLatin1String("table")).toString();
    m.unmatched = o.value(QLatin1String("unmatched")).toString();
    m.point = o.value(QLatin1String("point")).toString();
    m.page = o.value(QLatin1String("page")).toInt();
    m.hasDefault = o.contains(QLatin1String("default"));
    m.defaultValue = o.value(QLatin1String("default")).toString();
    m.optional = o.value(QLatin1String("optional")).toBool();
    for (const QJsonValue &v : o.value(QLatin1String("cols")).toArray()) {
        if (v.isString())
            m.columnKeys << v.toString();
        else
            m.columns << v.toInt();
    }
    m.names = strings(o.value(QLatin1String("names")));
    const QJsonObject address = o.value(QLatin1String("address")).toObject();
    for (auto it = address.begin(); it != address.end(); ++it) {
        if (it.value().isString())
            m.addressKeys.insert(it.key(), it.value().toString());
        else
            m.address.insert(it.key(), it.value().toInt());
    }
    for (const QJsonValue &v : o.value(QLatin1String("members")).toArray())
        m.members << memberOf(v.toObject());
    m.element = o.value(QLatin1String("element")).toString();
    m.csvHeader = o.value(QLatin1String("csvHeader")).toString();
    for (const QJsonValue &v : o.value(QLatin1String("fields")).toArray())
        m.fields << memberOf(v.toObject());
    return m;
}

JsonBlock blockOf(const QJsonObject &o)
{
    JsonBlock b;
    b.writer = o.value(QLatin1String("writer")).toInt();
    b.readStep = o.value(QLatin1String("readStep")).toInt();
    b.clause = o.value(QLatin1String("clause")).toString();
    b.member = o.value(QLatin1String("member")).toString();
    b.shape = blockShapeOf(o.value(QLatin1String("shape")).toString());
    b.element = o.value(QLatin1String("element")).toString();
    b.csvHeader = o.value(QLatin1String("csvHeader")).toString();
    b.key = strings(o.value(QLatin1String("key")));
    b.within = o.value(QLatin1String("within")).toString();
    for (const QJsonValue &v : o.value(QLatin1String("parts")).toArray()) {
        const QJsonObject p = v.toObject();
        JsonPart part;
        part.page = p.value(QLatin1String("page")).toInt();
        part.point = p.value(QLatin1String("point")).toString();
        const QJsonObject gate = p.value(QLatin1String("gate")).toObject();
        part.gateOption = gate.value(QLatin1String("option")).toString();
        part.gateNA = gate.value(QLatin1String("na")).toString();
        part.always = p.value(QLatin1String("always")).toBool();
        for (const QJsonValue &m : p.value(QLatin1String("members")).toArray())
            part.members << memberOf(m.toObject());
        b.parts << part;
    }
    return b;
}

} // namespace

QString ClauseCatalogue::defaultPath()
{
    const QString installed = QDir(Installation::folder()).filePath(Installation::kClauseCatalogue);
    if (QFile::exists(installed))
        return installed;
    return QDir(QStringLiteral(TALVEX_SOURCE_DATA_DIR)).filePath(Installation::kClauseCatalogue);
}

ClauseCatalogue::ClauseCatalogue() = default;

ClauseCatalogue::~ClauseCatalogue() = default;

const ClauseCatalogue &ClauseCatalogue::instance()
{
    static const std::unique_ptr<ClauseCatalogue> catalogue = read(defaultPath());
    return *catalogue;
}

std::unique_ptr<ClauseCatalogue> ClauseCatalogue::load(const QString &path)
{
    std::unique_ptr<ClauseCatalogue> cat = read(path);
    cat->buildLists();
    cat->buildBlocks();
    return cat;
}

std::unique_ptr<ClauseCatalogue> ClauseCatalogue::read(const QString &path)
{
    auto cat = std::make_unique<ClauseCatalogue>();
    cat->m_file = std::make_unique<const JsonSections>(path, "clause catalogue");
    const QJsonObject aliases = cat->m_file->object(QStringLiteral("pointAliases"));
    for (auto it = aliases.begin(); it != aliases.end(); ++it) {
        const QJsonObject byForm = it.value().toObject();
        for (auto f = byForm.begin(); f != byForm.end(); ++f) {
            const QJsonObject ref = f.value().toObject();
            cat->m_aliases[it.key()].insert(f.key(), PointRef{ref.value(QLatin1String("page")).toInt(),
                                                              ref.value(QLatin1String("point")).toString()});
        }
    }
    const QJsonObject assessee = cat->m_file->object(QStringLiteral("assesseeRow"));
    cat->m_assesseePoint = assessee.value(QLatin1String("point")).toString();
    cat->m_assesseeColumns = strings(assessee.value(QLatin1String("columns")));
    return cat;
}

// Each part is built once; a part of the file that cannot be read throws when it is first
// asked for and keeps nothing half built.
void ClauseCatalogue::buildLists() const
{
    std::call_once(m_listsBuilt, [this] {
        QHash<QString, QList<CodeEntry>> codeTables;
        const QJsonObject tables = m_file->object(QStringLiteral("codeTables"));
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            QList<CodeEntry> entries;
            for (const QJsonValue &v : it.value().toArray()) {
                const QJsonObject e = v.toObject();
                entries << CodeEntry{e.value(QLatin1String("code")).toString(),
                                     e.value(QLatin1String("text")).toString(),
                                     strings(e.value(QLatin1String("aliases"))),
                                     e.value(QLatin1String("rate")).toString(),
                                     e.value(QLatin1String("method")).toString(),
                                     strings(e.value(QLatin1String("earlierCodes")))};
            }
            codeTables.insert(it.key(), entries);
        }
        QHash<QString, ListSource> named;
        const QJsonObject lists = m_file->object(QStringLiteral("lists"));
        for (auto it = lists.begin(); it != lists.end(); ++it)
            named.insert(it.key(), listSourceOf(it.value().toObject()));
        m_codeTables = codeTables;
        m_lists = named;
    });
}

void ClauseCatalogue::buildPages() const
{
    std::call_once(m_pagesBuilt, [this] {
        QList<Page> pages;
        for (const QJsonValue &v : m_file->array(QStringLiteral("pages"))) {
            const QJsonObject p = v.toObject();
            Page page;
            page.number = p.value(QLatin1String("page")).toInt();
            page.title = p.value(QLatin1String("title")).toString();
            for (const QJsonValue &c : p.value(QLatin1String("clauses")).toArray())
                page.clauses << clauseFrom(c.toObject());
            pages << page;
        }
        m_pages = pages;
    });
}

void ClauseCatalogue::buildBlocks() const
{
    // The blocks name their columns by key, found on the pages.
    buildPages();
    std::call_once(m_blocksBuilt, [this] {
        QList<JsonBlock> blocks;
        for (const QJsonValue &v : m_file->array(QStringLiteral("json"))) {
            blocks << blockOf(v.toObject());
            resolveColumnKeys(blocks.last());
        }
        QHash<QString, JsonBlock> declarations;
        const QJsonObject byForm = m_file->object(QStringLiteral("declaration"));
        for (auto it = byForm.constBegin(); it != byForm.constEnd(); ++it) {
            JsonBlock block = blockOf(it.value().toObject());
            resolveColumnKeys(block);
            declarations.insert(it.key(), block);
        }
        m_blocks = blocks;
        m_declarations = declarations;
    });
}

const QList<Page> &ClauseCatalogue::pages() const
{
    buildPages();
    return m_pages;
}

const QList<JsonBlock> &ClauseCatalogue::jsonBlocks() const
{
    buildBlocks();
    return m_blocks;
}

const Page *ClauseCatalogue::page(int number) const
{
    for (const Page &p : pages()) {
        if (p.number == number)
            return &p;
    }
    return nullptr;
}

const JsonBlock *ClauseCatalogue::declaration(const QString &formCode) const
{
    buildBlocks();
    const auto it = m_declarations.constFind(formCode);
    return it == m_declarations.constEnd() ? nullptr : &it.value();
}

const Clause *ClauseCatalogue::clauseOf(int page, const QString &point) const
{
    const Page *p = this->page(page);
    if (!p)
        return nullptr;
    for (const Clause &c : p->clauses) {
        if (c.option == point || c.na == point || c.annex == point)
            return &c;
        for (const Control &control : c.controls) {
            if (control.point == point)
                return &c;
        }
    }
    return nullptr;
}

const Control *ClauseCatalogue::controlOf(int page, const QString &point) const
{
    const Clause *c = clauseOf(page, point);
    if (!c)
        return nullptr;
    for (const Control &control : c->controls) {
        if (control.point == point)
            return &control;
    }
    return nullptr;
}

int ClauseCatalogue::columnIndex(int page, const QString &point, const QString &key) const
{
    if (!m_assesseePoint.isEmpty() && point == m_assesseePoint)
        return int(m_assesseeColumns.indexOf(key));
    const Control *control = controlOf(page, point);
    if (!control)
        return -1;
    for (int c = 0; c < control->columns.size(); ++c) {
        if (control->columns.at(c).key == key)
            return c;
    }
    return -1;
}

void ClauseCatalogue::resolveColumnKeys(JsonBlock &block) const
{
    for (JsonPart &part : block.parts) {
        for (JsonMember &m : part.members)
            resolveColumnKeys(m, part.page, part.point, block.member);
    }
}

void ClauseCatalogue::resolveColumnKeys(JsonMember &m, int page, const QString &point,
                                        const QString &block) const
{
    const int ownPage = m.page ? m.page : page;
    const QString &ownPoint = m.point.isEmpty() ? point : m.point;
    const auto place = [&](const QString &key) {
        const int index = columnIndex(ownPage, ownPoint, key);
        if (index < 0)
            throw std::runtime_error("the clause catalogue's block " + block.toStdString() +
                                     " names the column \"" + key.toStdString() + "\", which " +
                                     ownPoint.toStdString() + " does not have");
        return index + 1;
    };
    if (!m.columnKey.isEmpty())
        m.column = place(m.columnKey);
    for (const QString &key : std::as_const(m.columnKeys))
        m.columns << place(key);
    for (auto it = m.addressKeys.cbegin(); it != m.addressKeys.cend(); ++it)
        m.address.insert(it.key(), place(it.value()));
    for (JsonMember &nested : m.members)
        resolveColumnKeys(nested, ownPage, ownPoint, block);
}

bool ClauseCatalogue::hasCodeTable(const QString &name) const
{
    buildLists();
    return m_codeTables.contains(name);
}

QList<CodeEntry> ClauseCatalogue::codeTable(const QString &name) const
{
    buildLists();
    return m_codeTables.value(name);
}

const CodeEntry *ClauseCatalogue::entryOf(const QString &table, const QString &stored) const
{
    buildLists();
    const auto it = m_codeTables.constFind(table);
    if (it == m_codeTables.constEnd())
        return nullptr;
    for (const CodeEntry &e : *it) {
        if (e.text == stored || e.aliases.contains(stored))
            return &e;
    }
    return nullptr;
}

QString ClauseCatalogue::codeOf(const QString &table, const QString &stored, const QString &unmatched) const
{
    if (const CodeEntry *e = entryOf(table, stored))
        return e->code;
    return unmatched == QLatin1String("stored") ? stored : QString();
}

ListSource ClauseCatalogue::listSource(const QString &name) const
{
    buildLists();
    if (m_codeTables.contains(name)) {
        ListSource source;
        for (const CodeEntry &e : m_codeTables.value(name))
            source.items << e.text;
        return source;
    }
    return m_lists.value(name);
}

PointRef ClauseCatalogue::resolve(const QString &point, int page, const QString &formCode) const
{
    if (point.startsWith(u'@'))
        return m_aliases.value(point).value(formCode);
    return PointRef{page, point};
}
