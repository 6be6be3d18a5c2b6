#include "InListChunks.h"

namespace InListChunks
{

void forEach(const QStringList &values,
             const std::function<void(const QString &marks, const QVariantList &binds)> &each,
             int perStatement)
{
    for (qsizetype start = 0; start < values.size(); start += perStatement) {
        const qsizetype count = std::min<qsizetype>(perStatement, values.size() - start);
        QVariantList binds;
        binds.reserve(count);
        for (qsizetype i = start; i < start + count; ++i)
            binds << values.at(i);
        each(QStringLiteral("?,").repeated(count).chopped(1), binds);
    }
}

} // namespace InListChunks
