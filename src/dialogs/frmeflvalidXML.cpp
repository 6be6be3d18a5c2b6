#include "frmeflvalidXML.h"

#include "base/Prompt.h"
#include "efiling/XmlSchemaCheck.h"

#include <QDir>
#include <QFile>

QString frmeflvalidXML::schemaFileName(FormKind kind)
{
    switch (kind) {
    case FormKind::F3CA:
    case FormKind::F3CB:
        return QStringLiteral("Form.xsd");
    case FormKind::F3CEB:
        return QStringLiteral("Form3CEB.xsd");
    case FormKind::F10B:
        return QStringLiteral("Form10B.xsd");
    case FormKind::F10BB:
        return QStringLiteral("Form10BB.xsd");
    case FormKind::F6B:
        return QStringLiteral("Form6B.xsd");
    case FormKind::F61:
        return QStringLiteral("Form61.xsd");
    case FormKind::F61A:
        return QStringLiteral("Form61A.xsd");
    case FormKind::F61B:
        return QStringLiteral("Form61B.xsd");
    case FormKind::F29B:
        return QStringLiteral("Form29B.xsd");
    case FormKind::F29C:
        return QStringLiteral("Form29C.xsd");
    case FormKind::None:
        break;
    }
    return {};
}

ErrorReportWindow::CheckResult frmeflvalidXML::check(const QString &file, const QString &schemaFile)
{
    CheckResult result;
    const XmlSchemaCheck::Result checked = XmlSchemaCheck::run(file, schemaFile, kErrorLimit);
    result.failure = checked.failure;
    result.findings = checked.findings;
    if (!result.failure.isEmpty() || result.findings.isEmpty())
        return result;
    QFile view(file);
    if (view.open(QIODevice::ReadOnly))
        result.viewerText = QString::fromUtf8(view.readAll());
    for (const ValidationFinding &f : result.findings)
        result.viewerLines << f.line;
    return result;
}

int frmeflvalidXML::ValidFile(int, const QString &schemaFolder, const QString &file)
{
    const QString name = schemaFileName(moduleState().formKind);
    const QString schema = QDir(schemaFolder).filePath(name);
    if (name.isEmpty() || !QFile::exists(schema)) {
        prompts().message(QStringLiteral("The schema file [%1] is not in the installation; place the form's "
                                         "published schema there to check the file.")
                              .arg(QDir::toNativeSeparators(schema)),
                          {}, PromptIcon::Critical);
        return 1;
    }
    const CheckResult result = check(file, schema);
    if (!result.failure.isEmpty()) {
        prompts().message(result.failure, {}, PromptIcon::Critical);
        return 1;
    }
    if (result.findings.isEmpty())
        return 0;
    const Source source{file, true, [file, schema] { return check(file, schema); }};
    return present<frmeflvalidXML>(source, result) ? 0 : 1;
}
