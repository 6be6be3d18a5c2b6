#include "XmlInput.h"

#include "base/SharedMessages.h"

#include "base/BoundedFile.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

namespace XmlInput
{

namespace
{

// The parser reaches this at "<!DOCTYPE", before it reads any declaration inside.
void stopAtDocumentType(void *context, const xmlChar *, const xmlChar *, const xmlChar *)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(context);
    *static_cast<bool *>(ctxt->_private) = true;
    xmlStopParser(ctxt);
}

// A document type comes before the root element or not at all: the rest of the document
// need not be read for it.
void stopAtRoot(void *context, const xmlChar *, const xmlChar *, const xmlChar *, int, const xmlChar **, int,
                int, const xmlChar **)
{
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

// Faults of the text are the real parse's to report. After a fatal one libxml2 reads on
// without telling the handler, through any document type too: there is nothing more to
// look for.
void stopAtFault(void *context, xmlErrorPtr error)
{
    if (error && error->level == XML_ERR_FATAL)
        xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

// Keeps the first fatal fault of a document read for its form alone.
void noteFirstFatal(void *context, xmlErrorPtr error)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(context);
    auto *fault = static_cast<QString *>(ctxt->_private);
    if (error && error->level == XML_ERR_FATAL && fault->isEmpty()) {
        *fault = QStringLiteral("%1 (line %2)")
                     .arg(QString::fromUtf8(error->message ? error->message : "").trimmed())
                     .arg(error->line);
        xmlStopParser(ctxt);
    }
}

} // namespace

int parseOptions()
{
    return XML_PARSE_NONET;
}

namespace
{

// Reads a document through a handler of its own, which keeps what it looks for in `state`
// (the context's _private); no tree is built. Whether the text read was well-formed, or
// nothing when the parser could not start.
std::optional<bool> parseThrough(const QByteArray &data, xmlSAXHandler handler, void *state)
{
    xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(data.constData(), int(data.size()));
    if (!ctxt)
        return std::nullopt;
    handler.initialized = XML_SAX2_MAGIC;
    xmlSAXHandlerPtr own = ctxt->sax;
    ctxt->sax = &handler;
    ctxt->userData = ctxt;
    ctxt->_private = state;
    xmlCtxtUseOptions(ctxt, parseOptions() | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlParseDocument(ctxt);
    const bool wellFormed = ctxt->wellFormed != 0;
    ctxt->sax = own;
    // Declarations read past a fault go into a document the parser makes itself.
    xmlFreeDoc(ctxt->myDoc);
    ctxt->myDoc = nullptr;
    xmlFreeParserCtxt(ctxt);
    return wellFormed;
}

} // namespace

std::optional<QString> refusal(const QByteArray &data)
{
    // A handler that keeps nothing but the document type.
    xmlSAXHandler handler{};
    handler.internalSubset = stopAtDocumentType;
    handler.startElementNs = stopAtRoot;
    handler.serror = stopAtFault;
    bool declared = false;
    if (!parseThrough(data, handler, &declared))
        return SharedMessages::notAnXmlDocument();
    if (!declared)
        return std::nullopt;
    return QStringLiteral("The XML file declares a document type (<!DOCTYPE>); an e-filing file has none, "
                          "so it is not read.");
}

std::optional<QString> notWellFormed(const QByteArray &data)
{
    // A handler with nothing but the fault: the parser checks the form alone.
    xmlSAXHandler handler{};
    handler.serror = noteFirstFatal;
    QString fault;
    const std::optional<bool> wellFormed = parseThrough(data, handler, &fault);
    if (wellFormed && *wellFormed && fault.isEmpty())
        return std::nullopt;
    return fault.isEmpty() ? SharedMessages::notAnXmlDocument() : fault;
}

std::optional<QByteArray> read(const QString &path, QString *why)
{
    std::optional<QByteArray> data = BoundedFile::read(path, BoundedFile::kMaxXmlBytes, why);
    if (!data)
        return std::nullopt;
    if (const std::optional<QString> refused = refusal(*data)) {
        if (why)
            *why = *refused;
        return std::nullopt;
    }
    return data;
}

} // namespace XmlInput
