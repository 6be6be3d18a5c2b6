#include "frmSignPDF.h"

#include "base/SharedMessages.h"

#include "base/OutputFile.h"
#include "base/Prompt.h"
#include "commands/pages/PdfSigning.h"
#include "host/HostContext.h"
#include "print/FinancialStatements.h"
#include "print/OfficeToPdf.h"
#include "print/PdfSigner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmSignPDF::frmSignPDF(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSignPDF"));
    setWindowTitle(QStringLiteral("Digitally Sign PDF File"));
    auto *layout = new QVBoxLayout(this);
    auto *files = new QGridLayout;
    const QStringList captions{QStringLiteral("Audit Report"), QStringLiteral("Balance Sheet"),
                               QStringLiteral("Profit & Loss"), QStringLiteral("Other File")};
    for (int i = 0; i < FileCount; ++i) {
        FileRow row;
        const QString n = QString::number(i + 1);
        files->addWidget(new QLabel(captions.at(i), this), i, 0);
        row.path = new QLineEdit(this);
        row.path->setObjectName(QStringLiteral("txtFile") + n);
        files->addWidget(row.path, i, 1);
        auto *browse = new QPushButton(QStringLiteral("..."), this);
        browse->setObjectName(QStringLiteral("cmdBrowse") + n);
        files->addWidget(browse, i, 2);
        auto *clear = new QPushButton(QStringLiteral("Clear"), this);
        clear->setObjectName(QStringLiteral("cmdClear") + n);
        files->addWidget(clear, i, 3);
        auto *convert = new QPushButton(QStringLiteral("Convert..."), this);
        convert->setObjectName(QStringLiteral("cmdConvert") + n);
        convert->setToolTip(QStringLiteral("Turn a Word or Excel file into a PDF beside it"));
        files->addWidget(convert, i, 6);
        connect(convert, &QPushButton::clicked, this, [this, i] { cmdConvert_Click(i); });
        row.pages = new QComboBox(this);
        row.pages->setObjectName(QStringLiteral("cboPages") + n);
        row.pages->addItems(
            {QStringLiteral("Specify"), QStringLiteral("All Pages"), QStringLiteral("Last Page")});
        if (i == 0)
            row.pages->addItems(
                {QStringLiteral("All Pages of All Files"), QStringLiteral("Last Page of All Files")});
        row.pages->setCurrentIndex(LastPage);
        files->addWidget(row.pages, i, 4);
        row.pageNumbers = new QLineEdit(this);
        row.pageNumbers->setObjectName(QStringLiteral("txtPages") + n);
        row.pageNumbers->setPlaceholderText(QStringLiteral("1,3"));
        files->addWidget(row.pageNumbers, i, 5);
        connect(browse, &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(i); });
        connect(clear, &QPushButton::clicked, this, [this, i] { cmdClear_Click(i); });
        m_rows << row;
    }
    files->setColumnStretch(1, 1);
    layout->addLayout(files);
    m_sameFile = new QCheckBox(QStringLiteral("Use Same File For Balance Sheet and Profit Loss"), this);
    m_sameFile->setObjectName(QStringLiteral("chkSameFile"));
    connect(m_sameFile, &QCheckBox::toggled, this, [this](bool same) {
        m_rows[2].path->setEnabled(!same);
        if (same)
            m_rows[2].path->clear();
    });
    layout->addWidget(m_sameFile);

    auto *storeRow = new QHBoxLayout;
    storeRow->addWidget(
        new QLabel(QStringLiteral("Certificate store (NSS folder; a token is a module it loads)"), this));
    m_store = new QLineEdit(this);
    m_store->setObjectName(QStringLiteral("txtStore"));
    storeRow->addWidget(m_store, 1);
    storeRow->addWidget(new QLabel(QStringLiteral("Password"), this));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setToolTip(QStringLiteral("The password of the certificate store or token, if it has one"));
    storeRow->addWidget(m_password);
    auto *refresh = new QPushButton(QStringLiteral("&Refresh"), this);
    refresh->setObjectName(QStringLiteral("cmdRefresh"));
    storeRow->addWidget(refresh);
    layout->addLayout(storeRow);
    connect(refresh, &QPushButton::clicked, this, [this] {
        if (!loadCertificates(m_store->text()))
            prompts().inform(m_storeState->text());
    });
    m_storeState = new QLabel(this);
    m_storeState->setObjectName(QStringLiteral("lblStoreState"));
    m_storeState->setWordWrap(true);
    layout->addWidget(m_storeState);

    m_certificates = new QTableWidget(0, 3, this);
    m_certificates->setObjectName(QStringLiteral("grdCertificates"));
    m_certificates->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("SerialNumber"), QStringLiteral("Valid To")});
    m_certificates->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_certificates->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_certificates->setSelectionMode(QAbstractItemView::SingleSelection);
    m_certificates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_certificates, 1);

    auto *buttons = new QHBoxLayout;
    auto *fromSoftware = new QPushButton(QStringLiteral("From S&oftware"), this);
    fromSoftware->setObjectName(QStringLiteral("cmdFromSoftware"));
    fromSoftware->setToolTip(QStringLiteral("Print the balance sheet or the profit and loss account of the "
                                            "client's accounts into a PDF file"));
    m_fromSoftware = new QMenu(fromSoftware);
    for (int i = 0; i < FinancialStatements::captions().size(); ++i) {
        QAction *action = m_fromSoftware->addAction(FinancialStatements::captions().at(i));
        action->setObjectName(QStringLiteral("mnuFromSoftware%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { cmdFromSoftware_Click(i); });
    }
    fromSoftware->setMenu(m_fromSoftware);
    buttons->addWidget(fromSoftware);
    auto *sign = new QPushButton(QStringLiteral("&Sign"), this);
    sign->setObjectName(QStringLiteral("cmdSign"));
    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addStretch();
    buttons->addWidget(sign);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(sign, &QPushButton::clicked, this, &frmSignPDF::cmdSign_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 520);
}

namespace
{
const QString kSettings = QStringLiteral("Sign");
const QString kStore = QStringLiteral("NSSFolder");
} // namespace

QString frmSignPDF::rememberedStore()
{
    return hasHost() ? host().GetSettingINI(kSettings, kStore, QString()) : QString();
}

bool frmSignPDF::loadCertificates(const QString &nssFolder)
{
    m_store->setText(nssFolder);
    m_certificates->setRowCount(0);
    QString reason;
    if (!PdfSigner::useNssStore(nssFolder, &reason)) {
        m_storeState->setText(reason + QStringLiteral(" Enter the folder of your certificate store and press "
                                                      "Refresh."));
        return false;
    }
    if (hasHost())
        host().SaveSettingINI(kSettings, kStore, nssFolder);
    const QList<PdfSigner::Certificate> found = PdfSigner::certificates(m_password->text());
    m_certificates->setRowCount(int(found.size()));
    for (int r = 0; r < found.size(); ++r) {
        const PdfSigner::Certificate &c = found.at(r);
        m_certificates->setItem(r, 0, new QTableWidgetItem(c.nickname));
        m_certificates->setItem(r, 1, new QTableWidgetItem(c.serialNumber));
        m_certificates->setItem(r, 2, new QTableWidgetItem(c.validTo));
    }
    if (found.isEmpty()) {
        m_storeState->setText(
            QStringLiteral("No certificate that can sign was found in [%1]. A store or token "
                           "with a password lists its certificates after its password is "
                           "entered and Refresh is pressed.")
                .arg(PdfSigner::openStore()));
        return false;
    }
    m_storeState->setText(QStringLiteral("Certificates of [%1].").arg(PdfSigner::openStore()));
    return true;
}

void frmSignPDF::cmdBrowse_Click(int row)
{
    const QString file = prompts().openFile(QStringLiteral("Select File"), QStringLiteral("PDF Files|*.pdf"),
                                            m_rows.at(row).path->text());
    if (!file.isEmpty())
        m_rows[row].path->setText(file);
}

void frmSignPDF::cmdClear_Click(int row)
{
    if (m_rows.at(row).path->text().isEmpty())
        return;
    if (prompts().askYesNo(QStringLiteral("Do you really want to Clear File Location ?")))
        m_rows[row].path->clear();
}

void frmSignPDF::cmdConvert_Click(int row)
{
    const QString unavailable = OfficeToPdf::unavailable();
    if (!unavailable.isEmpty()) {
        prompts().inform(unavailable);
        return;
    }
    const QString source = prompts().openFile(QStringLiteral("Select File"), OfficeToPdf::SourceFilter,
                                              QFileInfo(m_rows.at(row).path->text()).path());
    if (source.isEmpty())
        return;
    const QString pdf = OfficeToPdf::pdfBeside(source);
    if (QFile::exists(pdf) && !prompts().askYesNo(SharedMessages::pdfExists(QFileInfo(pdf).fileName())))
        return;
    QString reason;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool converted = OfficeToPdf::convert(source, pdf, &reason);
    QApplication::restoreOverrideCursor();
    if (!converted) {
        prompts().message(reason, {}, PromptIcon::Critical);
        return;
    }
    m_rows[row].path->setText(pdf);
}

void frmSignPDF::cmdFromSoftware_Click(int statement)
{
    if (!hasHost())
        return;
    HostContext &h = host();
    const auto chosen = static_cast<FinancialStatements::Statement>(statement);
    const QString suggested =
        QDir(h.DocPath())
            .filePath(QStringLiteral("%1_%2_%3.pdf")
                          .arg(h.Temp_Code(), h.yearKey(), FinancialStatements::names().at(statement)));
    const QString pdf =
        prompts().saveFile(QStringLiteral("Select File"), QStringLiteral("PDF Files|*.pdf"), suggested);
    if (pdf.isEmpty() || !OutputFile::confirmReplace(pdf))
        return;
    QString reason;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed =
        FinancialStatements::printToPdf(h.DBObj(), chosen, h.Temp_Code(), h.yearKey(), pdf, &reason);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        prompts().message(reason, {}, PromptIcon::Critical);
        return;
    }
    const bool profitAndLossRow = !FinancialStatements::isBalanceSheet(chosen) && !m_sameFile->isChecked();
    m_rows[profitAndLossRow ? 2 : 1].path->setText(pdf);
    prompts().inform(SharedMessages::pdfCreated());
}

int frmSignPDF::choiceFor(int row) const
{
    const int first = m_rows.first().pages->currentIndex();
    if (first == AllPagesOfAllFiles)
        return AllPages;
    if (first == LastPageOfAllFiles)
        return LastPage;
    return m_rows.at(row).pages->currentIndex();
}

void frmSignPDF::cmdSign_Click()
{
    PdfSigning::Request request;
    for (int i = 0; i < FileCount; ++i) {
        const QString path = m_rows.at(i).path->text().trimmed();
        if (path.isEmpty())
            continue;
        const int choice = choiceFor(i);
        request.files << PdfSigning::File{path,
                                          choice == AllPages  ? PdfSigner::Pages::All
                                          : choice == Specify ? PdfSigner::Pages::Specified
                                                              : PdfSigner::Pages::Last,
                                          m_rows.at(i).pageNumbers->text()};
    }
    request.certificatesListed = m_certificates->rowCount() > 0;
    if (const QList<QTableWidgetItem *> selected = m_certificates->selectedItems(); !selected.isEmpty()) {
        const int certificate = selected.first()->row();
        request.certNickname = m_certificates->item(certificate, 0)->text();
        if (const QTableWidgetItem *serial = m_certificates->item(certificate, 1))
            request.certSerial = serial->text();
    }
    request.password = m_password->text();
    if (PdfSigning::sign(request).done())
        prompts().inform(PdfSigning::signedText());
}
