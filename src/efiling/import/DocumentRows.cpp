#include "DocumentRows.h"

#include "ClauseBlockReader.h"
#include "catalogue/ClauseCatalogue.h"

namespace
{

// The keys that lead to a form key's object, the form code it stands for, or nothing: the
// form root ("FORM3CA") and its form key ("F3CA"), at the root or within an upload
// envelope's "data".
qsizetype formKeyLength(const QStringList &path, QString &formCode)
{
    const qsizetype start = !path.isEmpty() && path.first() == QLatin1String("data") ? 1 : 0;
    if (path.size() < start + 2)
        return 0;
    for (const QString &code : {QStringLiteral("3CA"), QStringLiteral("3CB")}) {
        if (path.at(start) == QLatin1String("FORM") + code && path.at(start + 1) == u'F' + code) {
            formCode = code;
            return start + 2;
        }
    }
    return 0;
}

} // namespace

DocumentRows::DocumentRows(bool readsRows) : m_names(ClauseCatalogue::instance()), m_readsRows(readsRows)
{
    QHash<QString, int> readers;
    for (const Catalogue::JsonBlock &block : ClauseCatalogue::instance().jsonBlocks()) {
        for (const QString &path : ClauseBlockReader::tablePaths(block)) {
            m_tables.insert(path, &block);
            ++readers[path];
        }
    }
    // An array that two blocks read is read from the parsed document, block after block.
    for (auto it = readers.cbegin(); it != readers.cend(); ++it) {
        if (it.value() > 1)
            m_tables.remove(it.key());
    }
}

ReadContext &DocumentRows::context(const QString &formCode)
{
    if (!m_context)
        m_context = std::make_unique<ReadContext>(ClauseCatalogue::instance(), formCode, m_rows, m_names);
    return *m_context;
}

const Catalogue::JsonBlock *DocumentRows::blockAt(const QStringList &path)
{
    if (path == m_lastPath)
        return m_lastBlock;
    QString formCode;
    const qsizetype length = formKeyLength(path, formCode);
    const Catalogue::JsonBlock *block = nullptr;
    // Tables of one form key only: a document holding two is read as the import finds it.
    if (length > 0 && (m_formKeyPath.isEmpty() || m_formKeyPath == path.first(length))) {
        block = m_tables.value(path.sliced(length).join(u'/'));
        if (block && m_formKeyPath.isEmpty()) {
            m_formKeyPath = path.first(length);
            context(formCode);
        }
    }
    m_lastPath = path;
    m_lastBlock = block;
    return block;
}

bool DocumentRows::takes(const QStringList &path)
{
    return blockAt(path) != nullptr;
}

void DocumentRows::element(const QStringList &path, JsonValue element)
{
    const Catalogue::JsonBlock *block = blockAt(path);
    if (block && m_readsRows) {
        m_context->holdItem(block, element);
        ClauseBlockReader::readTableItem(*block, element, *m_context);
    }
}
