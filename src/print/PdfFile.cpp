#include "PdfFile.h"

#include "PdfEngine.h"
#include "PdfModule.h"

namespace PdfFile
{

QString readsBack(const QString &path)
{
    QString error;
    const PdfEngine *engine = PdfModule::engine(&error);
    if (!engine)
        return error;
    bool locked = false;
    if (engine->pageCount(path, &locked) < 1)
        return QStringLiteral("The PDF written does not read back whole.");
    return {};
}

} // namespace PdfFile
