#include "Xml3cebReader.h"

#include "base/SharedMessages.h"

#include "Xml3cebElements.h"
#include "Xml3cebValues.h"
#include "catalogue/Form3cebCatalogue.h"
#include "efiling/XmlInput.h"
#include "store/Database.h"

#include <QHash>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

using namespace Catalogue;

namespace Xml3cebReader
{

namespace
{

QString nameOf(const xmlNode *node)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(node->name));
}

// Names are compared as libxml2 keeps them, in UTF-8: a file of thousands of elements is
// searched without a string made for each.
bool isNamed(const xmlNode *node, const QByteArray &name)
{
    return xmlStrEqual(node->name, reinterpret_cast<const xmlChar *>(name.constData()));
}

const xmlNode *firstElement(const xmlNode *c)
{
    while (c && c->type != XML_ELEMENT_NODE)
        c = c->next;
    return c;
}

const xmlNode *firstChild(const xmlNode *node)
{
    return node ? firstElement(node->children) : nullptr;
}

const xmlNode *nextSibling(const xmlNode *node)
{
    return firstElement(node->next);
}

const xmlNode *child(const xmlNode *node, const QString &name)
{
    const QByteArray wanted = name.toUtf8();
    for (const xmlNode *c = firstChild(node); c; c = nextSibling(c)) {
        if (isNamed(c, wanted))
            return c;
    }
    return nullptr;
}

// The first element of that name in document order.
const xmlNode *findNamed(const xmlNode *node, const QByteArray &name)
{
    for (const xmlNode *c = firstChild(node); c; c = nextSibling(c)) {
        if (isNamed(c, name))
            return c;
        if (const xmlNode *found = findNamed(c, name))
            return found;
    }
    return nullptr;
}

const xmlNode *find(const xmlNode *node, const QString &name)
{
    return findNamed(node, name.toUtf8());
}

// An element's text with its line breaks as the pages keep them (CR LF).
QString textOf(const xmlNode *node)
{
    QString text;
    const xmlNode *only = node->children;
    if (only && !only->next && only->type == XML_TEXT_NODE) {
        // The common leaf: its one text node is its whole content, read where it lies.
        text = QString::fromUtf8(reinterpret_cast<const char *>(only->content));
    } else {
        xmlChar *content = xmlNodeGetContent(node);
        text = QString::fromUtf8(reinterpret_cast<const char *>(content));
        xmlFree(content);
    }
    if (text.contains(u'\n')) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\n', QLatin1String("\r\n"));
    }
    return text;
}

// Rows gathered by page and point, in the order they were first touched.
class Rows
{
public:
    Rows(Database &db, int columns) : m_db(db), m_lists(db), m_columns(columns) {}

    QStringList &single(int page, const QString &point)
    {
        const QString key = QString::number(page) + u'|' + point;
        if (!m_single.contains(key)) {
            m_single.insert(key, int(m_rows.size()));
            m_rows << ClauseStore::ClauseRow{page, {}, point, blank()};
        }
        return m_rows[m_single.value(key)].cols;
    }
    QStringList &appended(int page, const QString &point)
    {
        const QString key = QString::number(page) + u'|' + point;
        m_rows << ClauseStore::ClauseRow{page, {}, point, blank()};
        // A grid row's serial, and apart from it its place in the grid in the table's
        // sequence column (the last), as a page keeps them.
        QStringList &cols = m_rows.last().cols;
        const QString number = QString::number(++m_serials[key]);
        cols[Form3cebCatalogue::instance().serialColumn() - 1] = number;
        cols[m_columns - 1] = number;
        return cols;
    }
    void place(QStringList &cols, const XmlElement &e, const QString &text)
    {
        if (e.col >= 1 && e.col <= m_columns)
            cols[e.col - 1] = Xml3cebValues::fromXml(e, text, m_lists);
    }
    Database &db() { return m_db; }
    QList<ClauseStore::ClauseRow> take() { return m_rows; }

private:
    QStringList blank() const { return QStringList(m_columns, QString()); }
    Database &m_db;
    Xml3cebValues::ListEntries m_lists;
    int m_columns;
    QList<ClauseStore::ClauseRow> m_rows;
    QHash<QString, int> m_single;
    QHash<QString, int> m_serials;
};

const XmlElement *elementNamed(const QList<XmlElement> &elements, const QString &name)
{
    for (const XmlElement &e : elements) {
        if (e.name == name && !e.isConst)
            return &e;
    }
    return nullptr;
}

// A part of single values: each child by name into its column, on the part's row or the
// row the child names.
void readPart(Rows &rows, const xmlNode *node, const XmlPart &part)
{
    if (!node)
        return;
    for (const xmlNode *c = firstChild(node); c; c = nextSibling(c)) {
        const XmlElement *e = elementNamed(part.children, nameOf(c));
        if (!e)
            continue;
        QStringList &cols = e->page ? rows.single(e->page, e->point) : rows.single(part.page, part.point);
        rows.place(cols, *e, textOf(c));
    }
}

void readSections(Rows &rows, const xmlNode *annexure)
{
    const XmlPart &part = Form3cebCatalogue::instance().sections();
    for (const xmlNode *code = firstChild(child(annexure, Xml3cebElements::SectionCode)); code;
         code = nextSibling(code)) {
        const QString value = textOf(code);
        QStringList &cols = rows.appended(part.page, part.point);
        Recordset rs = rows.db().Execute(
            QStringLiteral("SELECT MasterCode, SecName FROM annex_sector WHERE Code=?"), {value});
        if (!rs.Eof()) {
            cols[0] = rs.Fields(0);
            cols[1] = rs.Fields(1);
        }
        cols[part.col - 1] = value;
    }
}

// A group's elements by name, those inside its UniqueId too.
void readGroup(Rows &rows, QStringList &cols, const xmlNode *group, const QList<XmlElement> &elements)
{
    static const QByteArray uniqueId = Xml3cebElements::UniqueId.toLatin1();
    for (const xmlNode *c = firstChild(group); c; c = nextSibling(c)) {
        if (isNamed(c, uniqueId)) {
            readGroup(rows, cols, c, elements);
            continue;
        }
        const QString name = nameOf(c);
        const QString text = textOf(c);
        for (const XmlElement &e : elements) {
            if (e.name == name && !e.isConst)
                rows.place(cols, e, text);
        }
    }
}

void readEnterprises(Rows &rows, const xmlNode *list)
{
    const XmlPart &part = Form3cebCatalogue::instance().enterprises();
    for (const xmlNode *group = firstChild(list); group; group = nextSibling(group))
        readGroup(rows, rows.appended(part.page, part.point), group, part.children);
}

void readTransactions(Rows &rows, const xmlNode *list)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    static const QByteArray transactionType = Xml3cebElements::TransactionType.toLatin1();
    for (const xmlNode *group = firstChild(list); group; group = nextSibling(group)) {
        const xmlNode *type = findNamed(group, transactionType);
        const TransactionType *t = type ? cat.transactionType(textOf(type).trimmed()) : nullptr;
        if (t)
            readGroup(rows, rows.appended(t->page, t->point), group, t->elements);
    }
}

void readFlags(Rows &rows, const xmlNode *flags)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    for (const xmlNode *c = firstChild(flags); c; c = nextSibling(c)) {
        const QString name = nameOf(c);
        for (const FlagElement &flag : cat.flags()) {
            if (flag.element != name && !flag.older.contains(name))
                continue;
            const QString stored = Xml3cebValues::answerText(textOf(c).trimmed().toUpper(), true);
            int page = 0;
            for (const TransactionType &t : cat.transactionTypes()) {
                if (t.flag == flag.point)
                    page = t.page;
            }
            if (!stored.isEmpty() && page)
                rows.single(page, flag.point)[0] = stored;
        }
    }
}

// The text of every element named PAN: the ones that name the assessee (an enterprise's
// PAN is PanEnterprise).
void collectPans(const xmlNode *node, QStringList &pans)
{
    static const QByteArray pan = QByteArrayLiteral("PAN");
    for (const xmlNode *c = firstChild(node); c; c = nextSibling(c)) {
        if (isNamed(c, pan))
            pans << textOf(c).trimmed();
        else
            collectPans(c, pans);
    }
}

struct DocFree {
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
struct CtxtFree {
    void operator()(xmlParserCtxt *ctxt) const { xmlFreeParserCtxt(ctxt); }
};

} // namespace

Result read(const QString &file, Database &db, int valueColumns)
{
    Result result;
    const std::optional<QByteArray> data = XmlInput::read(file, &result.failure);
    if (!data)
        return result;
    std::unique_ptr<xmlParserCtxt, CtxtFree> ctxt(xmlNewParserCtxt());
    std::unique_ptr<xmlDoc, DocFree> doc(
        xmlCtxtReadMemory(ctxt.get(), data->constData(), int(data->size()), nullptr, nullptr,
                          XmlInput::parseOptions() | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                              XML_PARSE_COMPACT | XML_PARSE_NOBLANKS));
    if (!doc) {
        const xmlError *error = xmlCtxtGetLastError(ctxt.get());
        result.failure = error && error->message ? QStringLiteral("%1 (line %2)")
                                                       .arg(QString::fromUtf8(error->message).trimmed())
                                                       .arg(error->line)
                                                 : SharedMessages::notAnXmlDocument();
        return result;
    }
    const xmlNode *root = xmlDocGetRootElement(doc.get());
    const xmlNode *formName = root ? find(root, QStringLiteral("FormName")) : nullptr;
    if (!formName) {
        result.status = Status::NoFormName;
        return result;
    }
    result.status = Status::Ok;
    result.formName = textOf(formName).trimmed();
    if (root->ns && root->ns->href)
        result.formNamespace = QString::fromUtf8(reinterpret_cast<const char *>(root->ns->href));
    collectPans(root, result.pans);

    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    Rows rows(db, valueColumns);
    const xmlNode *declaration = find(root, Xml3cebElements::Declaration);
    for (const XmlPart &part : cat.declaration())
        readPart(rows, child(declaration, part.element), part);
    readPart(rows, find(root, cat.otherInformation().element), cat.otherInformation());
    const xmlNode *annexure = find(root, cat.annexure().element);
    readPart(rows, annexure, cat.annexure());
    readSections(rows, annexure);
    readEnterprises(rows, find(root, Xml3cebElements::Enterprises));
    readTransactions(rows, find(root, Xml3cebElements::Transactions));
    readFlags(rows, find(root, Xml3cebElements::Flags));
    result.rows = rows.take();
    return result;
}

} // namespace Xml3cebReader
