// Report templates are data: a template read as the engine reads one, its markers set to
// values (which may hold markers themselves) and its tables filled. The input is the
// template's HTML, then marker and value pairs, each part ending at a NUL byte. A marker is
// set at most as often as the document holds it when its setting starts, however its values
// read, and every call returns (libFuzzer's timeout catches one that does not). The count is
// of the document as the markers set before left it: setting one marker may join two texts
// into another ("NAM" + "E" once a marker between them is set to nothing holds "ME").
#include "print/MasterFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString templatePath()
{
    return QDir::temp().filePath(
        QStringLiteral("talvex_template_fuzz_%1.html").arg(QCoreApplication::applicationPid()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    QFile file(templatePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(parts.first()) < 0)
        return 0;
    file.close();
    MasterFile master;
    require(master.openmasterfile(file.fileName()));
    for (qsizetype i = 1; i + 1 < parts.size() && i < 41; i += 2) {
        const QString marker = QString::fromUtf8(parts.at(i));
        const QString value = QString::fromUtf8(parts.at(i + 1));
        if (marker.isEmpty())
            continue;
        int row = 0, column = 0;
        if (const int table = master.FindTextInTable(marker, &row, &column)) {
            master.CurrentTbId = table;
            master.insertrows(1, master.tbrows() + 1);
            master.setTextMatrix(master.tbrows(), column, value);
        }
        const qsizetype standing = master.document().toPlainText().count(marker);
        qsizetype set = 0;
        while (master.NewSetText(marker, value))
            require(++set <= standing);
    }
    require(!master.document().toHtml().isNull());
    return 0;
}
