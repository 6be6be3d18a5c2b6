// Every XML file the program reads goes through XmlInput first: whatever it lets through
// parses, with the program's options, into a tree without a document type, so without a
// declared entity to expand.
#include "efiling/XmlInput.h"

#include <cstdint>
#include <cstdlib>
#include <libxml/parser.h>
#include <libxml/tree.h>

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkNodes(const xmlNode *node)
{
    for (; node; node = node->next) {
        require(node->type != XML_ENTITY_REF_NODE && node->type != XML_ENTITY_DECL &&
                node->type != XML_DTD_NODE);
        checkNodes(node->children);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (XmlInput::refusal(bytes))
        return 0;
    xmlDocPtr doc = xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                                  XmlInput::parseOptions() | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc)
        return 0;
    require(!doc->intSubset && !doc->extSubset);
    checkNodes(doc->children);
    xmlFreeDoc(doc);
    return 0;
}
