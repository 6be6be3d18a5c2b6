#include "JsonReading.h"

#include "Json.h"

namespace JsonReading
{

Result read(QByteArrayView utf8, JSON::ElementSink *sink)
{
    // Editors on Windows put a byte-order mark before UTF-8 text too.
    const qsizetype bom = utf8.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    Result result;
    result.root = JSON::ParseJsonUtf8(utf8.sliced(bom), sink);
    const QString errors = JSON::ParserErrors();
    if (!errors.isEmpty() || !result.root) {
        const QString first = errors.section(QStringLiteral("\r\n"), 0, 0);
        const QString prefix = JSON::DuplicateKey.toString() + QStringLiteral(": ");
        result.fault = first.startsWith(prefix)
                           ? QStringLiteral("the member \"%1\" is given twice in one object")
                                 .arg(first.mid(prefix.size()))
                           : first;
        result.offset = bom + std::max<qsizetype>(JSON::ParserErrorOffset(), 0);
    }
    return result;
}

} // namespace JsonReading
