#include "XmlSchemaCheck.h"

#include "XmlInput.h"

#include <QFile>
#include <libxml/xmlIO.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlschemas.h>
#include <memory>

namespace XmlSchemaCheck
{

namespace
{

struct Collector {
    xmlTextReaderPtr reader = nullptr;
    QList<ValidationFinding> findings;
    int limit = 0;
    QString schemaErrors;
};

QString trimmedMessage(const xmlError *error)
{
    return QString::fromUtf8(error->message ? error->message : "").trimmed();
}

// Faults of the file, located where the reader stands as a SAX locator would.
void noteFileError(void *context, xmlErrorPtr error)
{
    auto *c = static_cast<Collector *>(context);
    if (!error || c->findings.size() >= c->limit)
        return;
    ValidationFinding f;
    f.kind = ErrorKind::Xml;
    f.code = error->code;
    f.line = error->line > 0 ? error->line : xmlTextReaderGetParserLineNumber(c->reader);
    f.column = error->int2 > 0 ? error->int2 : xmlTextReaderGetParserColumnNumber(c->reader);
    if (error->node) {
        auto *node = static_cast<xmlNodePtr>(error->node);
        if (xmlChar *path = xmlGetNodePath(node)) {
            f.root = QString::fromUtf8(reinterpret_cast<const char *>(path));
            xmlFree(path);
        }
        f.member = QString::fromUtf8(reinterpret_cast<const char *>(node->name));
    } else if (const xmlChar *name = xmlTextReaderConstName(c->reader)) {
        f.member = QString::fromUtf8(reinterpret_cast<const char *>(name));
    }
    if (error->str1)
        f.value = QString::fromUtf8(error->str1);
    f.message = trimmedMessage(error);
    c->findings << f;
}

// Refuses network addresses to the loader of external files (schemas, DTDs, entities)
// while it lives, and puts the previous loader back.
class NoNetwork
{
public:
    NoNetwork() : m_previous(xmlGetExternalEntityLoader())
    {
        xmlSetExternalEntityLoader(xmlNoNetExternalEntityLoader);
    }
    ~NoNetwork() { xmlSetExternalEntityLoader(m_previous); }
    NoNetwork(const NoNetwork &) = delete;
    NoNetwork &operator=(const NoNetwork &) = delete;

private:
    xmlExternalEntityLoader m_previous;
};

void noteSchemaError(void *context, xmlErrorPtr error)
{
    auto *c = static_cast<Collector *>(context);
    if (error && error->level >= XML_ERR_ERROR)
        c->schemaErrors += trimmedMessage(error) + u'\n';
}

} // namespace

Result run(const QString &xmlFile, const QString &schemaFile, int limit)
{
    Result result;
    if (!QFile::exists(schemaFile)) {
        result.failure = QStringLiteral("Schema file not found: [%1]").arg(schemaFile);
        return result;
    }
    if (!QFile::exists(xmlFile)) {
        result.failure = QStringLiteral("File not found: [%1]").arg(xmlFile);
        return result;
    }
    const std::optional<QByteArray> data = XmlInput::read(xmlFile, &result.failure);
    if (!data)
        return result;
    Collector collector;
    collector.limit = limit;

    const QByteArray schemaPath = QFile::encodeName(schemaFile);
    std::unique_ptr<xmlSchemaParserCtxt, decltype(&xmlSchemaFreeParserCtxt)> parser(
        xmlSchemaNewParserCtxt(schemaPath.constData()), xmlSchemaFreeParserCtxt);
    xmlSchemaSetParserStructuredErrors(parser.get(), noteSchemaError, &collector);
    std::unique_ptr<xmlSchema, decltype(&xmlSchemaFree)> schema(nullptr, xmlSchemaFree);
    {
        // A schema's xs:import and xs:include name their files by address: the published
        // schemas lie beside each other, and nothing is fetched over the network.
        const NoNetwork offline;
        schema.reset(xmlSchemaParse(parser.get()));
    }
    if (!schema) {
        result.failure =
            QStringLiteral("The schema [%1] cannot be used: %2").arg(schemaFile, collector.schemaErrors);
        return result;
    }

    const QByteArray xmlPath = QFile::encodeName(xmlFile);
    std::unique_ptr<xmlTextReader, decltype(&xmlFreeTextReader)> reader(
        xmlReaderForMemory(data->constData(), int(data->size()), xmlPath.constData(), nullptr,
                           XmlInput::parseOptions() | XML_PARSE_BIG_LINES),
        xmlFreeTextReader);
    if (!reader) {
        result.failure = QStringLiteral("Cannot read [%1]").arg(xmlFile);
        return result;
    }
    collector.reader = reader.get();
    xmlTextReaderSetStructuredErrorHandler(reader.get(), noteFileError, &collector);
    if (xmlTextReaderSetSchema(reader.get(), schema.get()) != 0) {
        result.failure = QStringLiteral("The schema [%1] cannot be used.").arg(schemaFile);
        return result;
    }
    // Read to the end (or to the limit): each fault is reported as the reader meets it.
    const NoNetwork offline;
    while (collector.findings.size() < limit && xmlTextReaderRead(reader.get()) == 1) {
    }
    result.findings = collector.findings;
    return result;
}

} // namespace XmlSchemaCheck
