#include "ReportPage.h"

#include "AssesseeBox.h"
#include "ObservationsBox.h"
#include "PageChecks.h"
#include "base/Prompt.h"
#include "host/HostContext.h"
#include "model/ReportModel.h"
#include "model/rules/PartARules.h"
#include "model/rules/ReportDates.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

ReportPage::ReportPage(int slot, int pageNo, const QString &title, QWidget *parent)
    : ClausePage(Catalogue::Page{slot, title, {}}, slot, pageNo, parent)
{
}

bool ReportPage::checkValues()
{
    for (const auto &date : std::as_const(m_dates)) {
        if (!checkDate(date.first))
            return false;
    }
    return (!m_assessee || m_assessee->checkValues()) && ClausePage::checkValues();
}

bool ReportPage::SaveData()
{
    if (moduleState().saveWithValidation ? !(validateForm(true) && checkValues()) : !checkValues())
        return false;
    try {
        Transaction transaction(host().DBObj());
        storeRows();
        ClientMaster::saveSigning(m_place->text().trimmed(), m_signDate->text().trimmed());
        transaction.commit();
        return true;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

void ReportPage::DisplayData()
{
    try {
        m_master = ClientMaster::read();
        m_assessee->setMaster(m_master);
        // The rows are taken before the defaults are shown: the grids show theirs in the report.
        const QString form = moduleState().formCode;
        Rows rows = rowsOf(pageNo());
        // The ticks of both forms live under PageNo 1; each form reads its own.
        for (const QString &tick : {QStringLiteral("MasterName"), QStringLiteral("MasterAdd")}) {
            const QList<ClauseStore::ClauseRow> ticks = report().rows(1, tick, form);
            if (!ticks.isEmpty() && !rows.contains(tick))
                rows[tick] << ticks.first().cols;
        }
        showDefaults();
        showRows(rows);
        m_assessee->applyTicks();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

ReportPage::Rows ReportPage::defaultRows() const
{
    ReportModel defaults(ReportKey::current());
    PartARules::reportPageDefaults(defaults, m_master);
    Rows rows;
    for (const QString &point : defaults.points(pageNo())) {
        for (const ClauseStore::ClauseRow &row : defaults.rows(pageNo(), point))
            rows[point] << row.cols;
    }
    return rows;
}

QList<ReportModel::PointKey> ReportPage::otherPoints() const
{
    // The ticks of both forms live under PageNo 1; Form 3CB's are outside its own page.
    QList<ReportModel::PointKey> points;
    if (pageNo() != kTickPage) {
        for (const QString &point : tickPoints())
            points << ReportModel::PointKey{kTickPage, point, report().key().form.formCode};
    }
    return points;
}

void ReportPage::writeTick(QWidget *tick, const QString &point)
{
    report().setRows(kTickPage, point, {{WidgetValues::checkValue(tick)}}, report().key().form.formCode);
}

QHBoxLayout *ReportPage::line(std::initializer_list<Part> parts)
{
    auto *row = new QHBoxLayout;
    for (const Part &part : parts) {
        if (part.widget)
            row->addWidget(part.widget);
        else
            row->addWidget(new QLabel(part.text, this));
    }
    row->addStretch();
    return row;
}

void ReportPage::addGroup(const QString &title, const QList<QLayout *> &lines, QWidget *below)
{
    auto *group = new QGroupBox(title, this);
    auto *layout = new QVBoxLayout(group);
    for (QLayout *l : lines)
        layout->addLayout(l);
    if (below)
        layout->addWidget(below);
    // The body ends with a stretch that keeps the groups at the top.
    m_body->insertWidget(m_body->count() - 1, group);
}

QLineEdit *ReportPage::textEdit(const QString &name, int width)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (width > 0)
        edit->setMinimumWidth(width);
    return edit;
}

QLineEdit *ReportPage::dateEdit(const QString &name, const QString &field)
{
    QLineEdit *edit = textEdit(name);
    edit->setPlaceholderText(QStringLiteral("DD/MM/YYYY"));
    edit->setMaximumWidth(110);
    m_dates << qMakePair(edit, field);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        edit->setText(host().ConvertDate(edit->text()));
        checkDate(edit);
    });
    return edit;
}

bool ReportPage::checkDate(QLineEdit *box)
{
    const auto at =
        std::find_if(m_dates.cbegin(), m_dates.cend(), [box](const auto &d) { return d.first == box; });
    const QString message =
        ReportDates::dateMessage(at == m_dates.cend() ? QString() : at->second, box->text());
    if (!message.isEmpty())
        return PageChecks::refuse(box, message);
    return checkDateRules(box);
}

bool ReportPage::checkDateRules(QLineEdit *box)
{
    return box != m_signDate || box->text().trimmed().isEmpty() || checkSignedAfterYear();
}

void ReportPage::enterMovesOn()
{
    for (QWidget *w : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QAbstractButton *>(w))
            w->installEventFilter(this);
    }
}

bool ReportPage::checkSignedAfterYear()
{
    if (host().MyDateSerial(m_signDate->text()) <= PageChecks::yearEnd())
        return PageChecks::refuse(m_signDate,
                                  QStringLiteral("Date should be greater than ") + PageChecks::yearEndText());
    return true;
}
