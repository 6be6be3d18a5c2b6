#include "Xml3cebWriter.h"

#include "efiling/CreationInfo.h"

#include "Xml3cebElements.h"
#include "Xml3cebValues.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/Vocabulary.h"
#include "model/ReportModel.h"

#include <QStringList>
#include <algorithm>

using namespace Catalogue;

namespace Xml3cebWriter
{

namespace
{

using Row = ReportModel::Row;

// The document's lines, each indented by its depth, written as UTF-8 into one buffer as
// they come (a report of many transactions makes a document of megabytes).
class Lines
{
public:
    void line(QStringView text)
    {
        indent();
        append(text);
        m_out += '\n';
    }
    // A line of an element's text that runs over several lines: not indented.
    void continued(QStringView text)
    {
        append(text);
        m_out += '\n';
    }
    void open(QStringView name, QStringView after = {})
    {
        indent();
        tag("<", name);
        append(after);
        m_out += '\n';
        ++m_depth;
    }
    void close(QStringView name)
    {
        --m_depth;
        indent();
        tag("</", name);
        m_out += '\n';
    }
    void leaf(QStringView name, QStringView value, QStringView after = {})
    {
        indent();
        tag("<", name);
        appendEscaped(value);
        tag("</", name);
        append(after);
        m_out += '\n';
    }
    QByteArray text() const { return m_out; }

private:
    void indent() { m_out.append(qsizetype(m_depth) * 2, ' '); }
    void tag(const char *opening, QStringView name)
    {
        m_out += opening;
        append(name);
        m_out += '>';
    }
    void append(QStringView text)
    {
        // Names and most values are ASCII, copied as they are; any other text is converted.
        const qsizetype at = m_out.size();
        m_out.resize(at + text.size());
        char *to = m_out.data() + at;
        for (const QChar c : text) {
            if (c.unicode() >= 0x80) {
                m_out.truncate(at);
                m_out += text.toUtf8();
                return;
            }
            *to++ = char(c.unicode());
        }
    }
    // "&" and "<" as XML writes them in element text.
    void appendEscaped(QStringView text)
    {
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c != u'&' && c != u'<')
                continue;
            append(text.sliced(from, i - from));
            m_out += c == u'&' ? "&amp;" : "&lt;";
            from = i + 1;
        }
        append(text.sliced(from));
    }

    QByteArray m_out;
    int m_depth = 0;
};

// A point's rows in the order of their serial number, read as a number.
QList<Row> bySerial(const ReportModel &report, int page, const QString &point)
{
    QList<Row> rows = report.rows(page, point);
    const int serial = Form3cebCatalogue::instance().serialColumn();
    std::stable_sort(rows.begin(), rows.end(), [serial](const Row &a, const Row &b) {
        return a.col(serial).toInt() < b.col(serial).toInt();
    });
    // A grid row that holds no value (an empty row a page shows to type into) is no transaction.
    rows.removeIf([serial](const Row &row) {
        const QStringList values = row.cols.mid(0, serial - 1);
        return std::all_of(values.begin(), values.end(),
                           [](const QString &c) { return c.trimmed().isEmpty(); });
    });
    return rows;
}

// The child elements of a part from one row (or none: every child empty, the optional
// ones left out).
void writeChildren(Lines &out, const ReportModel &report, const XmlPart &part, const QString &prefix,
                   const Row *row)
{
    for (const XmlElement &e : part.children) {
        QString value;
        if (e.page != 0) {
            if (report.has(e.page, e.point))
                value = Xml3cebValues::toXml(e, report.value(e.page, e.point, e.col));
        } else if (row) {
            value = Xml3cebValues::toXml(e, row->col(e.col));
        }
        if (e.optional && value.isEmpty())
            continue;
        out.leaf(prefix + e.name, value,
                 e.as == Catalogue::MemberKind::HasBeen ? QStringLiteral(" ") : QString());
    }
}

void writePart(Lines &out, const ReportModel &report, const XmlPart &part, const QString &prefix = {})
{
    const QList<Row> &rows = report.rows(part.page, part.point);
    out.open(prefix + part.element);
    writeChildren(out, report, part, prefix, rows.isEmpty() ? nullptr : &rows.first());
    out.close(prefix + part.element);
}

void writeFrame(Lines &out, const ReportModel &report, const QDate &today)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    const int firstYear = report.key().firstDate().right(4).toInt();
    out.line(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    out.line(
        QStringLiteral("<FORM:%1 xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:FORM=\"%2\" "
                       "xmlns:Form=\"%3\" xmlns=\"%2\" xsi:schemaLocation=\"%2 %4\">")
            .arg(cat.formName(), cat.formNamespace(), cat.commonNamespace(), cat.schemaFile()));
    out.open(QStringLiteral("F3CEB"), QStringLiteral(" "));
    out.open(QStringLiteral("Form:CreationInfo"));
    out.leaf(QStringLiteral("Form:SWVersionNo"), CreationInfo::XmlVersion);
    out.leaf(QStringLiteral("Form:SWCreatedBy"), CreationInfo::XmlMaker);
    out.leaf(QStringLiteral("Form:XMLCreatedBy"), CreationInfo::XmlProduct);
    out.leaf(QStringLiteral("Form:XMLCreationDate"), today.toString(QStringLiteral("yyyy-MM-dd")));
    out.leaf(QStringLiteral("Form:IntermediaryCity"), CreationInfo::IntermediaryCity);
    out.close(QStringLiteral("Form:CreationInfo"));
    out.open(QStringLiteral("Form:Form_Details"));
    out.leaf(QStringLiteral("Form:FormName"), cat.formName());
    out.line(QStringLiteral("<Form:Description>Report from an accountant to be furnished under section"));
    out.continued(QStringLiteral("92E relating to"));
    out.continued(QStringLiteral("international transaction(s)</Form:Description>"));
    out.leaf(QStringLiteral("Form:AssessmentYear"), QString::number(firstYear + 1));
    // The schema of the year 2012-13 was version 1.2; every other year's is 1.0.
    out.leaf(QStringLiteral("Form:SchemaVer"),
             firstYear == 2012 ? QStringLiteral("Ver1.2") : QStringLiteral("Ver1.0"));
    out.leaf(QStringLiteral("Form:FormVer"), QStringLiteral("PR12"));
    out.close(QStringLiteral("Form:Form_Details"));
}

void writeAnnexure(Lines &out, const ReportModel &report)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    const XmlPart &annexure = cat.annexure();
    const QList<Row> &rows = report.rows(annexure.page, annexure.point);
    out.open(annexure.element);
    writeChildren(out, report, annexure, {}, rows.isEmpty() ? nullptr : &rows.first());
    const XmlPart &sections = cat.sections();
    out.open(Xml3cebElements::SectionCode);
    for (const Row &row : bySerial(report, sections.page, sections.point))
        out.leaf(Xml3cebElements::SectionCode, row.col(sections.col));
    out.close(Xml3cebElements::SectionCode);
    out.close(annexure.element);
}

// A group whose first elements sit inside its UniqueId.
void writeGroup(Lines &out, const QString &group, const QList<XmlElement> &elements, const Row &row,
                const QString &transactionType)
{
    out.open(group);
    out.open(Xml3cebElements::UniqueId);
    if (!transactionType.isEmpty())
        out.leaf(Xml3cebElements::TransactionType, transactionType, QStringLiteral(" "));
    bool inUniqueId = true;
    for (const XmlElement &e : elements) {
        const bool inside = transactionType.isEmpty() ? e.inUniqueId : e.name == QLatin1String("AmountType");
        if (inUniqueId && !inside) {
            out.close(Xml3cebElements::UniqueId);
            inUniqueId = false;
        }
        const QString value = e.isConst ? e.constValue : Xml3cebValues::toXml(e, row.col(e.col));
        if (e.optional && value.isEmpty())
            continue;
        out.leaf(e.name, value);
    }
    if (inUniqueId)
        out.close(Xml3cebElements::UniqueId);
    out.close(group);
}

void writeEnterprises(Lines &out, const ReportModel &report)
{
    const XmlPart &part = Form3cebCatalogue::instance().enterprises();
    out.open(Xml3cebElements::Enterprises);
    for (const Row &row : bySerial(report, part.page, part.point))
        writeGroup(out, part.element, part.children, row, {});
    out.close(Xml3cebElements::Enterprises);
}

bool answeredYes(const ReportModel &report, const TransactionType &type)
{
    if (type.flag.isEmpty())
        return true;
    return Vocabulary::isYes(report.value(type.page, type.flag));
}

void writeTransactions(Lines &out, const ReportModel &report)
{
    out.open(Xml3cebElements::Transactions);
    for (const TransactionType &type : Form3cebCatalogue::instance().transactionTypes()) {
        if (!answeredYes(report, type))
            continue;
        for (const Row &row : bySerial(report, type.page, type.point))
            writeGroup(out, QStringLiteral("Transactions"), type.elements, row, type.type);
    }
    out.close(Xml3cebElements::Transactions);
}

// The flag rows live on the page of their clause; a flag is looked up by its point alone.
QString flagRow(const ReportModel &report, const QString &point)
{
    for (int page : report.pages()) {
        if (report.has(page, point))
            return report.value(page, point);
    }
    return {};
}

void writeFlags(Lines &out, const ReportModel &report)
{
    out.open(Xml3cebElements::Flags);
    for (const FlagElement &flag : Form3cebCatalogue::instance().flags()) {
        QString value;
        switch (Vocabulary::answerOf(flagRow(report, flag.point))) {
        case Vocabulary::Answer::Yes:
            value = QStringLiteral("Y");
            break;
        case Vocabulary::Answer::No:
            value = QStringLiteral("N");
            break;
        case Vocabulary::Answer::NA:
            value = Vocabulary::NA;
            break;
        case Vocabulary::Answer::None:
            break;
        }
        out.leaf(flag.element, value);
    }
    out.close(Xml3cebElements::Flags);
}

} // namespace

QByteArray document(const ReportModel &report, const QDate &today)
{
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    Lines out;
    writeFrame(out, report, today);
    out.open(Xml3cebElements::Declaration);
    for (const XmlPart &point : cat.declaration())
        writePart(out, report, point);
    out.close(Xml3cebElements::Declaration);
    writeAnnexure(out, report);
    writePart(out, report, cat.otherInformation(), QStringLiteral("Form:"));
    writeEnterprises(out, report);
    writeTransactions(out, report);
    writeFlags(out, report);
    out.close(QStringLiteral("F3CEB"));
    out.line(QStringLiteral("</FORM:") + cat.formName() + u'>');
    return out.text();
}

} // namespace Xml3cebWriter
