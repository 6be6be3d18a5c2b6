#include "XlsxReader.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <zip.h>

namespace
{

// Column index of a cell reference ("AB12" is 27), -1 when it has no letters.
int columnOf(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (QChar c : reference) {
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c.unicode() - u'A' + 1);
        ++letters;
    }
    return letters ? column - 1 : -1;
}

// Whether a number format shows a date: the built-in date formats, or a custom code with
// day, month or year letters outside quoted text and [colour] brackets.
bool isDateFormat(int id, QString code)
{
    if ((id >= 14 && id <= 22) || (id >= 45 && id <= 47))
        return true;
    if (code.isEmpty())
        return false;
    static const QRegularExpression quotedOrBracketed(QStringLiteral(R"("[^"]*"|\[[^\]]*\]|\\.)"));
    code.remove(quotedOrBracketed);
    return code.contains(QRegularExpression(QStringLiteral("[dmyDMY]")));
}

// The fixed decimals a number format shows ("0.00" gives 2), -1 when it has none.
int decimalsOf(int id, const QString &code)
{
    if (id == 2 || id == 4)
        return 2;
    static const QRegularExpression fixed(QStringLiteral(R"(^[#,0]*\.(0+)$)"));
    const QRegularExpressionMatch m = fixed.match(code);
    return m.hasMatch() ? int(m.capturedLength(1)) : -1;
}

// The text of an element and of every <t> inside it, leaving out phonetic runs.
QString textOf(QXmlStreamReader &xml)
{
    QString text;
    const QString endName = xml.name().toString();
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"rPh")
            ++phonetic;
        else if (xml.isEndElement() && xml.name() == u"rPh")
            --phonetic;
        else if (xml.isStartElement() && xml.name() == u"t" && !phonetic)
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.isEndElement() && xml.name() == endName)
            break;
    }
    return text;
}

} // namespace

XlsxReader::XlsxReader(const QString &path) : m_path(path)
{
    int status = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &status);
}

XlsxReader::~XlsxReader()
{
    if (m_archive)
        zip_discard(m_archive);
}

std::optional<QByteArray> XlsxReader::part(const QString &name) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    const QByteArray key = name.toUtf8();
    if (zip_stat(m_archive, key.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    zip_file_t *file = zip_fopen(m_archive, key.constData(), 0);
    if (!file)
        return std::nullopt;
    QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (got != zip_int64_t(stat.size))
        return std::nullopt;
    return data;
}

void XlsxReader::readSharedStrings()
{
    const std::optional<QByteArray> data = part(QStringLiteral("xl/sharedStrings.xml"));
    if (!data)
        return;
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            m_sharedStrings << textOf(xml);
    }
}

void XlsxReader::readStyles()
{
    const std::optional<QByteArray> data = part(QStringLiteral("xl/styles.xml"));
    if (!data)
        return;
    QHash<int, QString> codes;
    bool inCellXfs = false;
    int style = 0;
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"cellXfs")
            inCellXfs = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"numFmt") {
            codes.insert(a.value(QLatin1String("numFmtId")).toInt(),
                         a.value(QLatin1String("formatCode")).toString());
        } else if (xml.name() == u"cellXfs") {
            inCellXfs = true;
        } else if (inCellXfs && xml.name() == u"xf") {
            const int id = a.value(QLatin1String("numFmtId")).toInt();
            if (isDateFormat(id, codes.value(id)))
                m_dateStyles.insert(style);
            else if (const int decimals = decimalsOf(id, codes.value(id)); decimals >= 0)
                m_decimals.insert(style, decimals);
            ++style;
        }
    }
}

QHash<QString, QString> XlsxReader::readRelationships() const
{
    QHash<QString, QString> targets;
    const std::optional<QByteArray> data = part(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!data)
        return targets;
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"Relationship") {
            QString target = xml.attributes().value(QLatin1String("Target")).toString();
            // A target is relative to xl/, or absolute from the archive's root.
            target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            targets.insert(xml.attributes().value(QLatin1String("Id")).toString(), target);
        }
    }
    return targets;
}

QString XlsxReader::cellText(const QString &type, int style, const QString &value,
                             const QString &inlineText) const
{
    if (type == u"s")
        return m_sharedStrings.value(value.toInt());
    if (type == u"inlineStr")
        return inlineText;
    if (type == u"str" || type == u"e")
        return value;
    if (type == u"b")
        return value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (value.isEmpty())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value;
    if (m_dateStyles.contains(style))
        return QDate(1899, 12, 30).addDays(qint64(number)).toString(QStringLiteral("dd/MM/yyyy"));
    return WorkbookReader::numberText(number, m_decimals.value(style, -1));
}

WorkbookSheet XlsxReader::readSheet(const QString &name, const QByteArray &data) const
{
    WorkbookSheet sheet{name, {}};
    QXmlStreamReader xml(data);
    int rowIndex = -1;
    int column = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            const int r = xml.attributes().value(QLatin1String("r")).toInt();
            rowIndex = r > 0 ? r - 1 : rowIndex + 1;
            column = -1;
        } else if (xml.name() == u"c" && rowIndex >= 0) {
            const QXmlStreamAttributes a = xml.attributes();
            const int c = columnOf(a.value(QLatin1String("r")));
            column = c >= 0 ? c : column + 1;
            const QString type = a.value(QLatin1String("t")).toString();
            const int style = a.value(QLatin1String("s")).toInt();
            QString value;
            QString inlineText;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == u"c")
                    break;
                if (xml.isStartElement() && xml.name() == u"v")
                    value = xml.readElementText();
                else if (xml.isStartElement() && xml.name() == u"is")
                    inlineText = textOf(xml);
            }
            const QString text = cellText(type, style, value, inlineText);
            if (text.isEmpty())
                continue;
            while (sheet.rows.size() <= rowIndex)
                sheet.rows << QStringList();
            QStringList &cells = sheet.rows[rowIndex];
            while (cells.size() <= column)
                cells << QString();
            cells[column] = text;
        }
    }
    return sheet;
}

std::optional<QList<WorkbookSheet>> XlsxReader::read(QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<QList<WorkbookSheet>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!m_archive)
        return fail(QStringLiteral("The file is not an Excel workbook."));
    const std::optional<QByteArray> workbook = part(QStringLiteral("xl/workbook.xml"));
    if (!workbook)
        return fail(QStringLiteral("The file is not an Excel workbook."));
    readSharedStrings();
    readStyles();
    const QHash<QString, QString> targets = readRelationships();

    QList<WorkbookSheet> sheets;
    QXmlStreamReader xml(*workbook);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        QString id;
        for (const QXmlStreamAttribute &attribute : a)
            if (attribute.name() == u"id")
                id = attribute.value().toString();
        const std::optional<QByteArray> data = part(targets.value(id));
        if (!data)
            return fail(QStringLiteral("The sheet \"%1\" of the workbook cannot be read.")
                            .arg(a.value(QLatin1String("name"))));
        sheets << readSheet(a.value(QLatin1String("name")).toString(), *data);
    }
    if (xml.hasError())
        return fail(QStringLiteral("The workbook is damaged: %1").arg(xml.errorString()));
    return sheets;
}
