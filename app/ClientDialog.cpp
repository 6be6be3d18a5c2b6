#include "ClientDialog.h"

#include "base/IdentityChecks.h"
#include "base/Prompt.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

ClientDialog::ClientDialog(Database &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(tr("Add Client"));
    auto *form = new QFormLayout(this);
    m_code = new QLineEdit(this);
    m_code->setMaxLength(20);
    m_code->setValidator(new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9_-]{1,20}"), m_code));
    m_name = new QLineEdit(this);
    m_pan = new QLineEdit(this);
    m_pan->setMaxLength(10);
    m_status = new QComboBox(this);
    m_status->addItems({"INDIVIDUAL", "PROPRIETORSHIP", "PARTNERSHIP FIRM", "FIRM (LIMITED LIABILITY)",
                        "PRIVATE LTD.", "PUBLIC LTD.", "FOREIGN COMPANY", "AOP (TRUST)", "BOI(MMR)",
                        "LOCAL AUTHORITY", "ARTIFICIAL JURIDICAL PERSON", "CO-OPERATIVE SOCIETY",
                        "CO-OPERATIVE BANK"});
    m_flat = new QLineEdit(this);
    m_street = new QLineEdit(this);
    m_area = new QLineEdit(this);
    m_city = new QLineEdit(this);
    m_state = new QComboBox(this);
    Recordset rs = m_db.Execute("SELECT SName FROM annex_state ORDER BY SName");
    for (; !rs.Eof(); rs.MoveNext())
        m_state->addItem(rs.Fields(0));
    m_state->setCurrentIndex(-1);
    m_pin = new QLineEdit(this);
    m_pin->setValidator(new QRegularExpressionValidator(QRegularExpression("[1-9][0-9]{5}"), m_pin));

    form->addRow(tr("Client &code"), m_code);
    form->addRow(tr("&Name"), m_name);
    form->addRow(tr("&PAN"), m_pan);
    form->addRow(tr("S&tatus"), m_status);
    form->addRow(tr("Flat / building"), m_flat);
    form->addRow(tr("Street"), m_street);
    form->addRow(tr("Area / locality"), m_area);
    form->addRow(tr("City"), m_city);
    form->addRow(tr("State"), m_state);
    form->addRow(tr("PIN code"), m_pin);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QString ClientDialog::code() const
{
    return m_code->text().trimmed();
}

void ClientDialog::accept()
{
    const QString pan = m_pan->text().trimmed().toUpper();
    if (code().isEmpty() || m_name->text().trimmed().isEmpty()) {
        prompts().inform(tr("Please enter the client's code and name."));
        return;
    }
    if (!IdentityChecks::ValidPan(pan)) {
        prompts().inform(QStringLiteral("Not a Valid PAN [%1]").arg(pan));
        m_pan->setFocus();
        return;
    }
    try {
        if (!m_db.Execute("SELECT Code_No FROM main_info1 WHERE Code_No=?", {code()}).Eof()) {
            prompts().inform(tr("A client with the code [%1] already exists.").arg(code()));
            return;
        }
        Transaction tx(m_db);
        m_db.Execute(
            "INSERT INTO main_info1 (Code_No, Name, PAN, Status, Flat, Street, Area, City, District, State, "
            "Pin, Country) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
            {code(), m_name->text().trimmed(), pan, m_status->currentText(), m_flat->text().trimmed(),
             m_street->text().trimmed(), m_area->text().trimmed(), m_city->text().trimmed(),
             m_city->text().trimmed(), m_state->currentText(), m_pin->text().trimmed(),
             QStringLiteral("India")});
        tx.commit();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return;
    }
    QDialog::accept();
}
