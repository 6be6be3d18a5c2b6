#include "PdfFile.h"

#include <memory>
#include <poppler-qt6.h>

namespace PdfFile
{

QString readsBack(const QString &path)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->numPages() < 1)
        return QStringLiteral("The PDF written does not read back whole.");
    return {};
}

} // namespace PdfFile
