#include "PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "base/ScriptedPrompt.h"
#include "commands/pages/PdfSigning.h"
#include "dialogs/frmSignPDF.h"
#include "print/PdfSigner.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <poppler-form.h>
#include <poppler-qt6.h>
#include <unistd.h>

namespace
{

const QString Signer = QStringLiteral("Talvex Test Signer");

QString run(const QString &program, const QStringList &args, int *status = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    if (status)
        *status = p.exitCode();
    return QString::fromUtf8(p.readAll());
}

// A printed demo report and an NSS store holding a self-signed certificate with its key.
class Signing : public testing::Test
{
protected:
    void SetUp() override
    {
        const QString dir = home.path();
        db = QStringLiteral("sqlite:") + dir + QStringLiteral("/sign.db");
        ASSERT_EQ(runTaxaudit(dir, {QStringLiteral("--db"), db, QStringLiteral("demo")}).status, 0);
        pdf = dir + QStringLiteral("/report.pdf");
        const ToolRun printed =
            runTaxaudit(dir, {QStringLiteral("--db"), db, QStringLiteral("print"), QStringLiteral("--client"),
                              QStringLiteral("C001"), QStringLiteral("--year"), QStringLiteral("2026"),
                              QStringLiteral("--pdf"), pdf});
        ASSERT_EQ(printed.status, 0) << printed.err.toStdString();

        nss = dir + QStringLiteral("/nss");
        QDir().mkpath(nss);
        int status = 0;
        const QString key = dir + QStringLiteral("/key.pem");
        const QString cert = dir + QStringLiteral("/cert.pem");
        p12 = dir + QStringLiteral("/cert.p12");
        run(QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"), key,
             QStringLiteral("-out"), cert, QStringLiteral("-days"), QStringLiteral("30"),
             QStringLiteral("-subj"), QStringLiteral("/CN=") + Signer},
            &status);
        ASSERT_EQ(status, 0);
        run(QStringLiteral("openssl"),
            {QStringLiteral("pkcs12"), QStringLiteral("-export"), QStringLiteral("-inkey"), key,
             QStringLiteral("-in"), cert, QStringLiteral("-out"), p12, QStringLiteral("-passout"),
             QStringLiteral("pass:"), QStringLiteral("-name"), Signer},
            &status);
        ASSERT_EQ(status, 0);
        makeStore(nss, QString());
    }

    // An NSS store in the folder holding the test certificate, locked by the password when
    // one is given.
    void makeStore(const QString &folder, const QString &password)
    {
        QDir().mkpath(folder);
        const QString passwordFile = home.path() + QStringLiteral("/nss-password");
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(password.toUtf8() + '\n');
        file.close();
        int status = 0;
        const QString created =
            run(QStringLiteral("certutil"),
                {QStringLiteral("-N"), QStringLiteral("-d"), QStringLiteral("sql:") + folder,
                 password.isEmpty() ? QStringLiteral("--empty-password") : QStringLiteral("-f"),
                 password.isEmpty() ? QString() : passwordFile},
                &status);
        ASSERT_EQ(status, 0) << created.toStdString();
        const QString imported =
            run(QStringLiteral("pk12util"),
                {QStringLiteral("-i"), p12, QStringLiteral("-d"), QStringLiteral("sql:") + folder,
                 QStringLiteral("-W"), QString(), QStringLiteral("-k"), passwordFile},
                &status);
        ASSERT_EQ(status, 0) << imported.toStdString();
    }

    ToolRun sign(const QStringList &more)
    {
        return runTaxaudit(home.path(), QStringList{QStringLiteral("--db"), db, QStringLiteral("sign"), pdf,
                                                    QStringLiteral("--nss"), nss} +
                                            more);
    }

    // NSS reads one certificate store a process, for the rest of it, and each test makes its
    // own: a test that opens a store in the window runs in a process of its own once another
    // store is open in this one (as when every test of the program runs in one process).
    bool ranInProcessOfItsOwn()
    {
        if (PdfSigner::openStore().isEmpty())
            return false;
        const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
        QProcess alone;
        alone.setProcessChannelMode(QProcess::MergedChannels);
        alone.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=%1.%2")
                         .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))});
        EXPECT_TRUE(alone.waitForFinished(300000));
        const QString output = QString::fromUtf8(alone.readAll());
        EXPECT_EQ(alone.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
        return true;
    }

    QString pdfsig(const QString &file = {})
    {
        return run(QStringLiteral("pdfsig"),
                   {QStringLiteral("-nssdir"), QStringLiteral("sql:") + nss, file.isEmpty() ? pdf : file});
    }

    QTemporaryDir home;
    QString db, pdf, nss, p12;
};

} // namespace

// The printed report signed on its last page: pdfsig finds one valid signature, the report
// reads as before, and the unsigned file stays beside it.
TEST_F(Signing, SignsThePrintedReportOnItsLastPage)
{
    const ToolRun signedRun = sign({QStringLiteral("--cert"), Signer});
    ASSERT_EQ(signedRun.status, 0) << signedRun.err.toStdString();
    EXPECT_EQ(signedRun.out, QStringLiteral("Signed Successfully.\n"));
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/report_before_sign.pdf")));
    const QString report = pdfsig();
    EXPECT_TRUE(report.contains(QStringLiteral("Signature is Valid."))) << report.toStdString();
    EXPECT_EQ(report.count(QStringLiteral("Signature #")), 1) << report.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("FORM NO. 3CD")));
}

// Chosen pages are each signed; an unknown certificate or a bad page list signs nothing.
TEST_F(Signing, SignsChosenPagesAndRefusesBadRequests)
{
    ToolRun bad = sign({QStringLiteral("--cert"), QStringLiteral("Nobody")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("No certificate Nobody"))) << bad.err.toStdString();
    bad = sign({QStringLiteral("--cert"), Signer, QStringLiteral("--pages"), QStringLiteral("1,x")});
    EXPECT_EQ(bad.status, 2);
    bad = sign({QStringLiteral("--cert"), Signer, QStringLiteral("--pages"), QStringLiteral("1,400")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Error Occured  while Sigining the file : report.pdf")));
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("does not contain any signatures")));

    const ToolRun two =
        sign({QStringLiteral("--cert"), Signer, QStringLiteral("--pages"), QStringLiteral("1,2")});
    ASSERT_EQ(two.status, 0) << two.err.toStdString();
    const QString report = pdfsig();
    EXPECT_EQ(report.count(QStringLiteral("Signature is Valid.")), 2) << report.toStdString();
}

// The signing window: its messages for a missing file, certificate, serial number or page list, the
// confirmation before a file location is cleared, and a file signed on its last page.
TEST_F(Signing, SigningWindowSignsTheChosenFile)
{
    if (ranInProcessOfItsOwn())
        return;
    ScriptedPrompt answers;
    setPrompts(&answers);
    frmSignPDF window;
    window.loadCertificates(nss);
    auto *certificates = window.findChild<QTableWidget *>(QStringLiteral("grdCertificates"));
    auto *file = window.findChild<QLineEdit *>(QStringLiteral("txtFile1"));
    auto *pages = window.findChild<QComboBox *>(QStringLiteral("cboPages1"));
    auto *sign = window.findChild<QPushButton *>(QStringLiteral("cmdSign"));
    ASSERT_EQ(certificates->rowCount(), 1);
    EXPECT_EQ(certificates->item(0, 0)->text(), Signer);

    sign->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Please Select PDF File."));
    file->setText(pdf);
    sign->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Please select Certificate."));
    certificates->selectRow(0);
    const QString serial = certificates->item(0, 1)->text();
    EXPECT_FALSE(serial.isEmpty());
    certificates->item(0, 1)->setText(QString());
    sign->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Failed to Retrieve Selected DSC Serial No."));
    certificates->item(0, 1)->setText(serial);
    pages->setCurrentIndex(frmSignPDF::Specify);
    sign->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Please Enter Page Nos."));
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("does not contain any signatures")));

    window.findChild<QPushButton *>(QStringLiteral("cmdClear1"))->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Do you really want to Clear File Location ?"));
    EXPECT_EQ(file->text(), pdf);

    pages->setCurrentIndex(frmSignPDF::LastPageOfAllFiles);
    sign->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Signed Successfully."));
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("Signature is Valid.")));
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/report_before_sign.pdf")));

    answers.queue(PromptAnswer::Yes);
    window.findChild<QPushButton *>(QStringLiteral("cmdClear1"))->click();
    EXPECT_TRUE(file->text().isEmpty());
    setPrompts(nullptr);
}

// A window opened before any store was chosen lists the store entered afterwards at once:
// NSS is not started on a store that is not there.
TEST_F(Signing, WindowListsTheStoreEnteredAfterOpeningWithoutOne)
{
    if (ranInProcessOfItsOwn())
        return;
    QTemporaryDir userHome;
    qputenv("HOME", QFile::encodeName(userHome.path()));
    ScriptedPrompt answers;
    setPrompts(&answers);
    frmSignPDF window;
    EXPECT_FALSE(window.loadCertificates(QString()));
    auto *certificates = window.findChild<QTableWidget *>(QStringLiteral("grdCertificates"));
    EXPECT_EQ(certificates->rowCount(), 0);
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("lblStoreState"))
                    ->text()
                    .contains(QStringLiteral("There is no certificate store in")));
    window.findChild<QLineEdit *>(QStringLiteral("txtFile1"))->setText(pdf);
    window.findChild<QPushButton *>(QStringLiteral("cmdSign"))->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Please select certificate(s) to sign."));
    answers.clear();

    window.findChild<QLineEdit *>(QStringLiteral("txtStore"))->setText(nss);
    window.findChild<QPushButton *>(QStringLiteral("cmdRefresh"))->click();
    ASSERT_EQ(certificates->rowCount(), 1);
    EXPECT_EQ(certificates->item(0, 0)->text(), Signer);
    EXPECT_TRUE(answers.lastText().isEmpty()) << answers.lastText().toStdString();
    setPrompts(nullptr);
}

// A store locked by a password lists its certificate once the password is given, in the
// window and on the command line, and signs with it.
TEST_F(Signing, PasswordProtectedStoreListsAfterLogIn)
{
    if (ranInProcessOfItsOwn())
        return;
    const QString locked = home.path() + QStringLiteral("/locked");
    makeStore(locked, QStringLiteral("s3cret"));
    const auto signLocked = [&](const QStringList &more) {
        return runTaxaudit(home.path(), QStringList{QStringLiteral("sign"), pdf, QStringLiteral("--nss"),
                                                    locked, QStringLiteral("--cert"), Signer} +
                                            more);
    };
    const ToolRun refused = signLocked({});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--password"))) << refused.err.toStdString();
    const ToolRun wrong = signLocked({QStringLiteral("--password"), QStringLiteral("wrong")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("does not contain any signatures")));
    const ToolRun signedRun = signLocked({QStringLiteral("--password"), QStringLiteral("s3cret")});
    ASSERT_EQ(signedRun.status, 0) << signedRun.err.toStdString();
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("Signature is Valid.")));

    ScriptedPrompt answers;
    setPrompts(&answers);
    frmSignPDF window;
    auto *certificates = window.findChild<QTableWidget *>(QStringLiteral("grdCertificates"));
    EXPECT_FALSE(window.loadCertificates(locked));
    EXPECT_EQ(certificates->rowCount(), 0);
    window.findChild<QLineEdit *>(QStringLiteral("txtPassword"))->setText(QStringLiteral("s3cret"));
    window.findChild<QPushButton *>(QStringLiteral("cmdRefresh"))->click();
    ASSERT_EQ(certificates->rowCount(), 1);
    certificates->selectRow(0);
    window.findChild<QLineEdit *>(QStringLiteral("txtFile1"))->setText(pdf);
    window.findChild<QPushButton *>(QStringLiteral("cmdSign"))->click();
    EXPECT_EQ(answers.lastText(), QStringLiteral("Signed Successfully."));
    EXPECT_EQ(pdfsig().count(QStringLiteral("Signature is Valid.")), 2);
    setPrompts(nullptr);
}

// The visible signature stands above the footer band: it covers neither the assessment year
// nor the page number of the page it signs.
TEST_F(Signing, SignatureBoxLeavesTheFooterClear)
{
    const ToolRun signedRun = sign({QStringLiteral("--cert"), Signer});
    ASSERT_EQ(signedRun.status, 0) << signedRun.err.toStdString();
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    ASSERT_TRUE(document);
    const std::unique_ptr<Poppler::Page> page = document->page(document->numPages() - 1);
    ASSERT_TRUE(page);
    QRectF box;
    for (const std::unique_ptr<Poppler::FormField> &field : page->formFields()) {
        if (field->type() == Poppler::FormField::FormSignature)
            box = field->rect();
    }
    ASSERT_FALSE(box.isEmpty());
    const QSizeF size = page->pageSizeF();
    int footer = 0;
    for (const std::unique_ptr<Poppler::TextBox> &word : page->textList()) {
        if (word->text() != QLatin1String("Page") && word->text() != QLatin1String("AY"))
            continue;
        const QRectF r = word->boundingBox();
        const QRectF at(r.x() / size.width(), r.y() / size.height(), r.width() / size.width(),
                        r.height() / size.height());
        EXPECT_FALSE(at.intersects(box)) << word->text().toStdString();
        ++footer;
    }
    EXPECT_GE(footer, 2);
}

// A read-only file is refused with a message and left as it was, with no copy beside it.
TEST_F(Signing, RefusesReadOnlyFile)
{
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_TRUE(QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const ToolRun refused = sign({QStringLiteral("--cert"), Signer});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("is read-only; it was not signed.")))
        << refused.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/report_before_sign.pdf")));
}

// Signing again keeps the copy of the unsigned file and numbers the next one.
TEST_F(Signing, SecondSigningKeepsTheFirstUnsignedCopy)
{
    ASSERT_EQ(sign({QStringLiteral("--cert"), Signer}).status, 0);
    ASSERT_EQ(sign({QStringLiteral("--cert"), Signer, QStringLiteral("--pages"), QStringLiteral("1")}).status,
              0);
    EXPECT_TRUE(pdfsig(home.path() + QStringLiteral("/report_before_sign.pdf"))
                    .contains(QStringLiteral("does not contain any signatures")));
    EXPECT_EQ(pdfsig(home.path() + QStringLiteral("/report_before_sign_2.pdf"))
                  .count(QStringLiteral("Signature is Valid.")),
              1);
    EXPECT_EQ(pdfsig().count(QStringLiteral("Signature is Valid.")), 2);
}

// The signing command as the window and taxaudit run it: the request checked in the window's
// order of messages, then the files signed one after the other up to the first that fails.
TEST_F(Signing, TheSigningCommandChecksTheRequestAndStopsAtTheFirstFileItCannotSign)
{
    if (ranInProcessOfItsOwn())
        return;
    ScriptedPrompt answers;
    setPrompts(&answers);
    ASSERT_TRUE(PdfSigner::useNssStore(nss));
    PdfSigning::Request request;
    const auto refused = [&](const QString &message) {
        EXPECT_FALSE(PdfSigning::sign(request).done());
        EXPECT_EQ(answers.lastText(), message);
    };
    refused(QStringLiteral("Please Select PDF File."));
    request.files << PdfSigning::File{pdf, PdfSigner::Pages::Specified, QString()};
    request.certificatesListed = false;
    refused(QStringLiteral("Please select certificate(s) to sign."));
    request.certificatesListed = true;
    refused(QStringLiteral("Please select Certificate."));
    request.certNickname = Signer;
    refused(QStringLiteral("Failed to Retrieve Selected DSC Serial No."));
    request.certSerial = PdfSigner::certificates().value(0).serialNumber;
    refused(QStringLiteral("Please Enter Page Nos."));
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("does not contain any signatures")));

    const QString copy = home.path() + QStringLiteral("/copy.pdf");
    ASSERT_TRUE(QFile::copy(pdf, copy));
    const QString missing = home.path() + QStringLiteral("/missing.pdf");
    request.files = {{pdf, PdfSigner::Pages::Last, {}},
                     {missing, PdfSigner::Pages::Last, {}},
                     {copy, PdfSigner::Pages::Last, {}}};
    const PdfSigning::Result result = PdfSigning::sign(request);
    EXPECT_EQ(result.signedFiles, QStringList{pdf});
    EXPECT_EQ(result.failedFile, missing);
    EXPECT_TRUE(answers.lastText().startsWith(
        QStringLiteral("Error Occured  while Sigining the file : missing.pdf\n")))
        << answers.lastText().toStdString();
    EXPECT_TRUE(pdfsig().contains(QStringLiteral("Signature is Valid.")));
    EXPECT_TRUE(pdfsig(copy).contains(QStringLiteral("does not contain any signatures")));
    setPrompts(nullptr);
}

// An installation without the PDF module, which the programs load only to read back or sign a
// PDF: signing says what is missing and leaves the file as it was, with no copy beside it.
TEST_F(Signing, WithoutThePdfModuleSigningSaysWhatIsMissing)
{
    const QString bin = QFileInfo(QStringLiteral(TAXAUDIT_PATH)).absolutePath();
    QTemporaryDir alone(bin + QStringLiteral("/nomodule-XXXXXX"));
    for (const QString program : {QStringLiteral("taxaudit"), QStringLiteral("taxaudit-pages")})
        ASSERT_EQ(::link(QFile::encodeName(bin + u'/' + program).constData(),
                         QFile::encodeName(alone.filePath(program)).constData()),
                  0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const ToolRun refused = runProgram(alone.filePath(QStringLiteral("taxaudit")), home.path(),
                                       {QStringLiteral("--db"), db, QStringLiteral("sign"), pdf,
                                        QStringLiteral("--nss"), nss, QStringLiteral("--cert"), Signer});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("The PDF module talvex-pdf.so is missing from [%1]").arg(alone.path())))
        << refused.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/report_before_sign.pdf")));
}
