#include "PrintCommands.h"

#include "CommandWords.h"
#include "Commands.h"
#include "EfilingCommands.h"
#include "commands/pages/PdfSigning.h"
#include "commands/pages/ReportPrint.h"
#include "host/TalvexBase.h"
#include "print/OfficeToPdf.h"
#include "print/PdfSigner.h"
#include "print/PrintChoices.h"
#include "print/PrintProgress.h"
#include "print/PsToPdf.h"
#include "print/ReportEngine.h"
#include "print/ShippedTemplates.h"
#include "print/TemplateLists.h"
#include "store/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace PrintCommands
{

namespace
{

// The Form 3CD template by its name in the Print Options list, a file, or a template's file
// name without ".rtf"; the front page is the shipped one of the stored form.
bool chooseTemplates(TalvexBase &host, const QString &name, PrintChoices &choices, QTextStream &err)
{
    const QString form = moduleState().formCode;
    QString body;
    for (const TemplateLists::Template &t : TemplateLists::form3CD(host.DocPath())) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            body = t.path;
    }
    body = ShippedTemplates::resolve(host.ExePath(), host.DocPath(), body.isEmpty() ? name : body);
    if (body.isEmpty()) {
        err << "There is no Form 3CD template " << name << ".\n";
        return false;
    }
    choices.frontTemplate = ShippedTemplates::resolve(
        host.ExePath(), host.DocPath(), TemplateLists::frontPages(host.DocPath(), form).first().path);
    choices.form3cdTemplate = body;
    return true;
}

volatile std::sig_atomic_t interrupted = 0;

// On a terminal the pages written so far show on one line of stderr, and Ctrl+C stops the
// writing (the half-written file is not left behind) instead of killing the program.
class TerminalProgress : public PrintProgress
{
public:
    explicit TerminalProgress(QTextStream &err) : m_err(err)
    {
        m_previous = std::signal(SIGINT, [](int) { interrupted = 1; });
    }
    ~TerminalProgress() override
    {
        std::signal(SIGINT, m_previous);
        if (m_shown)
            m_err << '\n';
        m_err.flush();
    }
    bool layingOut(int pages) override
    {
        m_err << "\rLaying out page " << pages + 1 << Qt::flush;
        m_shown = true;
        return !interrupted;
    }
    bool pagesDone(int done, int total) override
    {
        // Spaces rub out the end of a longer line before it.
        m_err << "\rPage " << done << " of " << total << " written     " << Qt::flush;
        m_shown = true;
        return !interrupted;
    }

private:
    QTextStream &m_err;
    void (*m_previous)(int) = SIG_DFL;
    bool m_shown = false;
};

} // namespace

int print(TalvexBase &host, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!selectClientAndYear(host, line, err, YearUse::Read))
        return 2;
    const QString target = pdfTarget(line, err);
    if (target.isEmpty())
        return 2;
    if (!mayWrite(target, line, err))
        return 2;
    const QString form = line.value(QStringLiteral("--form")).toUpper();
    if (!form.isEmpty() && form != QLatin1String("3CEB")) {
        err << "--form takes 3CEB; Form 3CA and 3CB reports are printed as they are stored.\n";
        return 2;
    }
    const bool form3ceb = !form.isEmpty();
    moduleState().openForm(form3ceb ? FormKind::F3CEB : EfilingCommands::storedFormKind(host),
                           host.yearKey());
    PrintChoices choices;
    choices.blank = line.has(CommandWords::Blank);
    choices.itdPortal = line.has(CommandWords::ItdPortal);
    choices.nilFirstColumnOnly = line.has(CommandWords::NilFirstColumn);
    if (line.has(QStringLiteral("--template")) &&
        !chooseTemplates(host, line.value(QStringLiteral("--template")), choices, err))
        return 2;
    ReportEngine engine;
    if (!ReportPrint::compose(engine, ReportKey::current(), choices,
                              line.has(CommandWords::Depreciation) ? ReportPrint::Document::Depreciation
                                                                         : ReportPrint::Document::Report)) {
        err << ReportPrint::nothingPrinted() << '\n';
        return 1;
    }
    std::unique_ptr<TerminalProgress> progress;
    if (isatty(fileno(stderr)))
        progress = std::make_unique<TerminalProgress>(err);
    QString reason;
    const bool written = engine.saveAsPdf(target, &reason, progress.get());
    progress.reset();
    if (!written && interrupted) {
        err << "Cancelled: " << target << " was not written.\n";
        return 1;
    }
    if (!written) {
        err << ReportPrint::cannotWrite(target, reason) << '\n';
        return 2;
    }
    out << QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()) << '\n';
    return 0;
}

int toPdf(TalvexBase &, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << "usage: taxaudit to-pdf FILE.docx|FILE.xlsx|FILE.ps [--out FILE.pdf] [--yes]\n";
        return 2;
    }
    const QString source = line.arguments.first();
    const QString pdf = line.has(QStringLiteral("--out")) ? line.value(QStringLiteral("--out"))
                                                          : OfficeToPdf::pdfBeside(source);
    if (QFile::exists(pdf) && !line.has(CommandWords::Yes)) {
        err << "PDF File '" << QFileInfo(pdf).fileName() << "' already exists; --yes replaces it.\n";
        return 2;
    }
    if (!mayWrite(pdf, line, err))
        return 2;
    QString reason;
    // A PostScript print file goes through Ghostscript, Word and Excel files through LibreOffice.
    const bool postScript = QFileInfo(source).suffix().compare(QLatin1String("ps"), Qt::CaseInsensitive) == 0;
    if (postScript ? !PsToPdf::convertFile(source, pdf, &reason)
                   : !OfficeToPdf::convert(source, pdf, &reason)) {
        err << reason << '\n';
        return 1;
    }
    out << QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()) << '\n';
    return 0;
}

int sign(TalvexBase &, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1 || line.value(QStringLiteral("--cert")).isEmpty()) {
        err << "usage: taxaudit sign PDF --cert NICKNAME [--pages last|all|1,3] [--nss DIR] [--password P]\n";
        return 2;
    }
    PdfSigning::File file{line.arguments.first(), PdfSigner::Pages::Last, {}};
    const QString pages = line.has(QStringLiteral("--pages"))
                              ? line.value(QStringLiteral("--pages")).toLower()
                              : QStringLiteral("last");
    if (pages == QLatin1String("all")) {
        file.pages = PdfSigner::Pages::All;
    } else if (pages != QLatin1String("last")) {
        file.pages = PdfSigner::Pages::Specified;
        file.pageNumbers = pages;
        if (PdfSigner::parsePages(pages).isEmpty()) {
            err << "--pages takes last, all or page numbers such as 1,3.\n";
            return 2;
        }
    }
    QString reason;
    if (!PdfSigner::useNssStore(line.value(QStringLiteral("--nss")), &reason)) {
        err << reason << '\n';
        return 2;
    }
    PdfSigning::Request request;
    request.files << file;
    request.password = line.value(QStringLiteral("--password"));
    for (const PdfSigner::Certificate &c : PdfSigner::certificates(request.password)) {
        if (c.nickname == line.value(QStringLiteral("--cert"))) {
            request.certNickname = c.nickname;
            request.certSerial = c.serialNumber;
        }
    }
    if (request.certNickname.isEmpty()) {
        err << "No certificate " << line.value(QStringLiteral("--cert")) << " in the NSS store "
            << PdfSigner::openStore()
            << " (a store with a password lists its certificates only with --password).\n";
        return 2;
    }
    if (!PdfSigning::sign(request).done())
        return 1;
    out << PdfSigning::signedText() << '\n';
    return 0;
}

} // namespace PrintCommands
