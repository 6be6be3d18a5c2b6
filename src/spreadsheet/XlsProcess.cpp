#include "XlsProcess.h"

#include "base/SharedMessages.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QProcess>
#include <sys/resource.h>

namespace XlsProcess
{

namespace
{

constexpr quint32 kMagic = 0x54584C53; // "TXLS"
constexpr QDataStream::Version kVersion = QDataStream::Qt_6_4;
// Far beyond what reading a real workbook takes; a helper caught in a damaged file stops.
constexpr int kWaitMs = 120000;
constexpr rlim_t kCpuSeconds = 60;
constexpr rlim_t kMemoryBytes = rlim_t(2) << 30;

std::optional<QList<WorkbookSheet>> decode(const QByteArray &data)
{
    QDataStream in(data);
    in.setVersion(kVersion);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    if (magic != kMagic)
        return std::nullopt;
    QList<WorkbookSheet> sheets;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        WorkbookSheet sheet;
        in >> sheet.name >> sheet.rows;
        sheets << sheet;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return sheets;
}

} // namespace

QByteArray encode(const QList<WorkbookSheet> &sheets)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(kVersion);
    out << kMagic << quint32(sheets.size());
    for (const WorkbookSheet &sheet : sheets)
        out << sheet.name << sheet.rows;
    return data;
}

std::optional<QList<WorkbookSheet>> read(const QString &path, QString *error, const QString &helper)
{
    const auto fail = [error](const QString &why) -> std::optional<QList<WorkbookSheet>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QString program =
        helper.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kHelperName))
                         : helper;
    QProcess process;
    process.setProgram(program);
    process.setArguments({path});
    // The helper gets a minute of CPU and 2 GB of memory: a damaged file that sends the
    // library round in circles, or asking for all the memory there is, ends it.
    process.setChildProcessModifier([] {
        const rlimit cpu{kCpuSeconds, kCpuSeconds};
        const rlimit memory{kMemoryBytes, kMemoryBytes};
        setrlimit(RLIMIT_CPU, &cpu);
        setrlimit(RLIMIT_AS, &memory);
    });
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return fail(QStringLiteral("The reader of .xls workbooks [%1] cannot be started: %2")
                        .arg(program, process.errorString()));
    if (!process.waitForFinished(kWaitMs)) {
        process.kill();
        process.waitForFinished();
        return fail(QStringLiteral("The workbook could not be read: reading it took too long. "
                                   "Save it as an .xlsx workbook and import that."));
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return fail(
            QStringLiteral("The workbook could not be read: the .xls reader stopped on a fault in the "
                           "file, which may be damaged. Save it as an .xlsx workbook and import that."));
    if (process.exitCode() != 0) {
        const QString why = QString::fromUtf8(process.readAllStandardError()).trimmed();
        return fail(why.isEmpty() ? SharedMessages::notAnExcelWorkbook() : why);
    }
    std::optional<QList<WorkbookSheet>> sheets = decode(process.readAllStandardOutput());
    if (!sheets)
        return fail(QStringLiteral("The workbook could not be read: the .xls reader gave no sheets."));
    return sheets;
}

} // namespace XlsProcess
