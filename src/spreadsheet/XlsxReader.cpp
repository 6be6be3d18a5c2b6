#include "XlsxReader.h"

#include "efiling/ZipLibrary.h"

#include "base/SharedMessages.h"

#include "base/BoundedFile.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

namespace
{

const ZipLibrary &libzip()
{
    return ZipLibrary::instance();
}

// Column index of a cell reference ("AB12" is 27), nothing when it has no letters; a
// reference past the last column reads as kMaxColumns.
std::optional<int> columnOf(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (QChar c : reference) {
        if (c < u'A' || c > u'Z')
            break;
        column = std::min(column * 26 + (c.unicode() - u'A' + 1), XlsxReader::kMaxColumns + 1);
        ++letters;
    }
    if (!letters)
        return std::nullopt;
    return column - 1;
}

// Reads the next token of a part. A document type ends the part as damaged, before an
// entity it declares can be used: a workbook's parts never have one.
void readToken(QXmlStreamReader &xml)
{
    if (xml.readNext() == QXmlStreamReader::DTD)
        xml.raiseError(QStringLiteral("a document type (<!DOCTYPE>) is not allowed"));
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
    if (!libzip().failure.isEmpty()) {
        refuse(libzip().failure);
        return;
    }
    int status = 0;
    m_archive = libzip().open(QFile::encodeName(path).constData(), ZIP_RDONLY, &status);
}

XlsxReader::~XlsxReader()
{
    if (m_archive)
        libzip().discard(m_archive);
}

bool XlsxReader::refuse(const QString &why) const
{
    if (m_failure.isEmpty())
        m_failure = why;
    return false;
}

bool XlsxReader::withinArchiveLimit() const
{
    const zip_int64_t entries = libzip().numEntries(m_archive, 0);
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        libzip().statInit(&stat);
        if (libzip().statIndex(m_archive, zip_uint64_t(i), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
            total += stat.size;
        if (total > zip_uint64_t(kMaxArchiveBytes))
            return refuse(QStringLiteral("The workbook unpacks to more than %1; it is not read.")
                              .arg(BoundedFile::sizeText(kMaxArchiveBytes)));
    }
    return true;
}

std::optional<QByteArray> XlsxReader::part(const QString &name) const
{
    zip_stat_t stat;
    libzip().statInit(&stat);
    const QByteArray key = name.toUtf8();
    if (libzip().stat(m_archive, key.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    if (stat.size > zip_uint64_t(kMaxPartBytes)) {
        refuse(QStringLiteral("The part [%1] of the workbook unpacks to more than %2; it is not read.")
                   .arg(name, BoundedFile::sizeText(kMaxPartBytes)));
        return std::nullopt;
    }
    zip_file_t *file = libzip().fopen(m_archive, key.constData(), 0);
    if (!file)
        return std::nullopt;
    QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = libzip().fread(file, data.data(), stat.size);
    libzip().fclose(file);
    if (got != zip_int64_t(stat.size))
        return std::nullopt;
    return data;
}

bool XlsxReader::parsedWhole(const QXmlStreamReader &xml, const QString &what) const
{
    if (!xml.hasError())
        return true;
    return refuse(QStringLiteral("The %1 of the workbook is damaged at line %2: %3")
                      .arg(what)
                      .arg(xml.lineNumber())
                      .arg(xml.errorString()));
}

bool XlsxReader::readSharedStrings()
{
    const std::optional<QByteArray> data = part(QStringLiteral("xl/sharedStrings.xml"));
    if (!data)
        return m_failure.isEmpty();
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        readToken(xml);
        if (xml.isStartElement() && xml.name() == u"si") {
            if (m_sharedStrings.size() >= kMaxSharedStrings)
                return refuse(QStringLiteral("The workbook holds more than %1 shared texts; it is not read.")
                                  .arg(kMaxSharedStrings));
            m_sharedStrings << textOf(xml);
        }
    }
    return parsedWhole(xml, QStringLiteral("list of shared texts"));
}

bool XlsxReader::readStyles()
{
    const std::optional<QByteArray> data = part(QStringLiteral("xl/styles.xml"));
    if (!data)
        return m_failure.isEmpty();
    QHash<int, QString> codes;
    bool inCellXfs = false;
    int style = 0;
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        readToken(xml);
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
    return parsedWhole(xml, QStringLiteral("list of cell styles"));
}

std::optional<QHash<QString, QString>> XlsxReader::readRelationships() const
{
    QHash<QString, QString> targets;
    const std::optional<QByteArray> data = part(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!data) {
        if (!m_failure.isEmpty())
            return std::nullopt;
        return targets;
    }
    QXmlStreamReader xml(*data);
    while (!xml.atEnd()) {
        readToken(xml);
        if (xml.isStartElement() && xml.name() == u"Relationship") {
            QString target = xml.attributes().value(QLatin1String("Target")).toString();
            // A target is relative to xl/, or absolute from the archive's root.
            target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            targets.insert(xml.attributes().value(QLatin1String("Id")).toString(), target);
        }
    }
    if (!parsedWhole(xml, QStringLiteral("list of parts")))
        return std::nullopt;
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
    // Excel's dates end with the year 9999, some three million days on.
    if (m_dateStyles.contains(style) && std::fabs(number) < 3e6)
        return QDate(1899, 12, 30).addDays(qint64(number)).toString(QStringLiteral("dd/MM/yyyy"));
    return WorkbookReader::numberText(number, m_decimals.value(style, -1));
}

std::optional<WorkbookSheet> XlsxReader::readSheet(const QString &name, const QByteArray &data)
{
    WorkbookSheet sheet{name, {}};
    const auto beyond = [&](const QString &what) -> std::optional<WorkbookSheet> {
        refuse(QStringLiteral(
                   "The sheet \"%1\" refers to %2, past the last a workbook can have; it is not read.")
                   .arg(name, what));
        return std::nullopt;
    };
    QXmlStreamReader xml(data);
    int rowIndex = -1;
    int column = -1;
    while (!xml.atEnd()) {
        readToken(xml);
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            const QStringView r = xml.attributes().value(QLatin1String("r"));
            bool ok = true;
            const qint64 number = r.isEmpty() ? rowIndex + 2 : r.toLongLong(&ok);
            if (!ok || number < 1 || number > kMaxRows)
                return beyond(QStringLiteral("row %1").arg(r));
            rowIndex = int(number - 1);
            column = -1;
        } else if (xml.name() == u"c" && rowIndex >= 0) {
            const QXmlStreamAttributes a = xml.attributes();
            column = columnOf(a.value(QLatin1String("r"))).value_or(column + 1);
            if (column >= kMaxColumns)
                return beyond(QStringLiteral("cell %1").arg(a.value(QLatin1String("r"))));
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
            // Rows and cells before this one are filled in empty; all of them count.
            m_cells += std::max<qint64>(0, rowIndex + 1 - sheet.rows.size());
            m_cells += std::max<qint64>(0, column + 1 - sheet.rows.value(rowIndex).size());
            if (m_cells > kMaxCells) {
                refuse(tooManyCells(name));
                return std::nullopt;
            }
            while (sheet.rows.size() <= rowIndex)
                sheet.rows << QStringList();
            QStringList &cells = sheet.rows[rowIndex];
            while (cells.size() <= column)
                cells << QString();
            cells[column] = text;
        }
    }
    if (!parsedWhole(xml, QStringLiteral("sheet \"%1\"").arg(name)))
        return std::nullopt;
    return sheet;
}

std::optional<QList<WorkbookSheet>> XlsxReader::read(QString *error)
{
    const auto fail = [&](const QString &why) -> std::optional<QList<WorkbookSheet>> {
        if (error)
            *error = m_failure.isEmpty() ? why : m_failure;
        return std::nullopt;
    };
    const QString notAWorkbook = SharedMessages::notAnExcelWorkbook();
    if (!m_archive || !withinArchiveLimit())
        return fail(notAWorkbook);
    const std::optional<QByteArray> workbook = part(QStringLiteral("xl/workbook.xml"));
    if (!workbook)
        return fail(notAWorkbook);
    const std::optional<QHash<QString, QString>> targets = readRelationships();
    if (!readSharedStrings() || !readStyles() || !targets)
        return fail(notAWorkbook);

    QList<WorkbookSheet> sheets;
    QXmlStreamReader xml(*workbook);
    while (!xml.atEnd()) {
        readToken(xml);
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        QString id;
        for (const QXmlStreamAttribute &attribute : a)
            if (attribute.name() == u"id")
                id = attribute.value().toString();
        const QString name = a.value(QLatin1String("name")).toString();
        const std::optional<QByteArray> data = part(targets->value(id));
        if (!data)
            return fail(QStringLiteral("The sheet \"%1\" of the workbook cannot be read.").arg(name));
        std::optional<WorkbookSheet> sheet = readSheet(name, *data);
        if (!sheet)
            return fail(notAWorkbook);
        sheets << std::move(*sheet);
    }
    if (!parsedWhole(xml, QStringLiteral("list of sheets")))
        return fail(notAWorkbook);
    return sheets;
}
