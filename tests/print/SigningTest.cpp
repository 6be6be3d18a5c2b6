#include "PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "base/ScriptedPrompt.h"
#include "dialogs/frmSignPDF.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

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
        const QString p12 = dir + QStringLiteral("/cert.p12");
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
        run(QStringLiteral("certutil"),
            {QStringLiteral("-N"), QStringLiteral("-d"), QStringLiteral("sql:") + nss,
             QStringLiteral("--empty-password")},
            &status);
        ASSERT_EQ(status, 0);
        const QString imported = run(QStringLiteral("pk12util"),
                                     {QStringLiteral("-i"), p12, QStringLiteral("-d"),
                                      QStringLiteral("sql:") + nss, QStringLiteral("-W"), QString()},
                                     &status);
        ASSERT_EQ(status, 0) << imported.toStdString();
    }

    ToolRun sign(const QStringList &more)
    {
        return runTaxaudit(home.path(), QStringList{QStringLiteral("--db"), db, QStringLiteral("sign"), pdf,
                                                    QStringLiteral("--nss"), nss} +
                                            more);
    }

    QString pdfsig()
    {
        return run(QStringLiteral("pdfsig"), {QStringLiteral("-nssdir"), QStringLiteral("sql:") + nss, pdf});
    }

    QTemporaryDir home;
    QString db, pdf, nss;
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

// The signing window: its messages for a missing file, certificate or page list, the
// confirmation before a file location is cleared, and a file signed on its last page.
TEST_F(Signing, SigningWindowSignsTheChosenFile)
{
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
    EXPECT_EQ(answers.lastText(), QStringLiteral("Please select certificate(s) to sign."));
    certificates->selectRow(0);
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
