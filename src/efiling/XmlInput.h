#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The one way the e-filing XML readers take a file in: no larger than the XML limit, and
// without a document type. Entities are declared in a document type, so a file without
// one can bring in no other file and expand nothing; e-filing files never have one. The
// declaration is looked for by libxml2 after it has decoded the text, so a UTF-16 file
// cannot hide it from a search for its bytes.
namespace XmlInput
{

// Why a document is refused before it is parsed: it declares a document type.
std::optional<QString> refusal(const QByteArray &data);

// Why a document is not well-formed XML: the parser's first fatal fault with its line, or
// nothing. No tree is built, so a large document is checked in a single pass.
std::optional<QString> notWellFormed(const QByteArray &data);

// The file's bytes, or nothing with the reason in `why` (unreadable, too large, or a
// document type).
std::optional<QByteArray> read(const QString &path, QString *why);

// The options every XML parse of a file takes: no network, no entity substitution, no
// DTD loaded, and libxml2's own limits on depth and sizes left on.
int parseOptions();

} // namespace XmlInput
