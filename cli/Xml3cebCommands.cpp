#include "Xml3cebCommands.h"

#include "CommandWords.h"
#include "Commands.h"
#include "EfilingCommands.h"
#include "catalogue/Form3cebCatalogue.h"
#include "commands/clsExportXML3CEB.h"
#include "commands/clsImpotXML3CEB.h"
#include "efiling/XmlSchemaCheck.h"
#include "host/TalvexBase.h"
#include "model/ReportModel.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace Xml3cebCommands
{

int generateXml(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err, YearUse::Read))
        return 2;
    moduleState().openForm(FormKind::F3CEB, host.yearKey());
    const QString target =
        QFileInfo(
            line.has(QStringLiteral("--out"))
                ? line.value(QStringLiteral("--out"))
                : QDir::current().filePath(clsExportXML3CEB::defaultFileName(host.vAsPAN(), host.yearKey())))
            .absoluteFilePath();
    if (!mayWrite(target, line, err))
        return 2;
    QString failure;
    if (!clsExportXML3CEB::write(*ReportModel::load(), target, failure)) {
        err << failure << '\n' << CommandWords::NoFileWritten;
        return 2;
    }
    const XmlSchemaCheck::Result check = XmlSchemaCheck::run(target, clsExportXML3CEB::schemaPath());
    if (!check.failure.isEmpty())
        err << check.failure << '\n';
    EfilingCommands::printFindings(check.findings, err);
    out << QDir::toNativeSeparators(target) << '\n';
    return check.failure.isEmpty() && check.findings.isEmpty() ? 0 : 1;
}

int importXml(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit import-xml --client C --year Y FILE [--force] [--yes]\n";
        return 2;
    }
    if (!selectClientAndYear(host, line, err))
        return 2;
    moduleState().openForm(FormKind::F3CEB, host.yearKey());
    const QString file = line.arguments.first();
    clsImpotXML3CEB importer;
    importer.allowOtherPan(line.has(CommandWords::Force));
    const bool imported = importer.ImportXML(file);
    out << oneLine(file) << '\t' << oneLine(host.Temp_Code()) << '\t' << host.yearKey() << '\t'
        << (imported ? QStringLiteral("Success") : CommandWords::NotImported) << '\n';
    return imported ? 0 : 1;
}

bool isForm3ceb(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    return reader.readNextStartElement() && reader.name() == Form3cebCatalogue::instance().formName();
}

} // namespace Xml3cebCommands
