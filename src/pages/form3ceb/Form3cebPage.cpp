#include "Form3cebPage.h"

#include "base/IdentityChecks.h"
#include "base/Prompt.h"
#include "base/SharedMessages.h"
#include "catalogue/Form3cebCatalogue.h"
#include "catalogue/Form3cebPoints.h"
#include "catalogue/Vocabulary.h"
#include "commands/AnnexureExchange.h"
#include "dialogs/PendingWindow.h"
#include "host/HostContext.h"
#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "model/form3ceb/Form3cebChecks.h"
#include "model/rules/CellChecks.h"
#include "model/rules/ReportDates.h"
#include "pages/ClauseGrid.h"
#include "pages/CompletenessPrompts.h"
#include "pages/WidgetValues.h"
#include "pages/parta/ChoiceCombo.h"
#include "print/Accountant.h"
#include "store/ClauseStore.h"
#include "store/DbError.h"
#include "store/ModuleState.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace
{

// The accountant's particulars the report keeps, by their fields.
QList<std::pair<int, QString>> particularsOf(const Accountant &accountant)
{
    return {{Form3cebPoints::NameField, accountant.name},
            {Form3cebPoints::AddressField, accountant.address},
            {Form3cebPoints::MembershipField, accountant.membershipNo},
            {Form3cebPoints::FirmRegField, accountant.firmRegNo}};
}

} // namespace

Form3cebPage::Form3cebPage(const Catalogue::Page &page, QWidget *parent)
    : ClausePage(Catalogue::Page{page.number, page.title, {}}, page.number, page.number, parent),
      m_definition(page)
{
    for (const Catalogue::Clause &clause : page.clauses)
        addClause(clause);
}

void Form3cebPage::addClause(const Catalogue::Clause &clause)
{
    auto *box = new QGroupBox(QStringLiteral("%1  %2").arg(clause.label, clause.caption), this);
    box->setObjectName(QStringLiteral("fra") + clause.key);
    auto *layout = new QVBoxLayout(box);
    Question q;
    q.clause = clause;
    if (!clause.option.isEmpty()) {
        auto *answers = new QHBoxLayout;
        q.yes = new QRadioButton(tr("Yes"), box);
        q.yes->setObjectName(QStringLiteral("OptButYes") + clause.optionSuffix());
        q.no = new QRadioButton(tr("No"), box);
        q.no->setObjectName(QStringLiteral("OptButNo") + clause.optionSuffix());
        auto *group = new QButtonGroup(box);
        group->addButton(q.yes);
        group->addButton(q.no);
        answers->addWidget(q.yes);
        answers->addWidget(q.no);
        answers->addStretch();
        layout->addLayout(answers);
    }
    for (const Catalogue::Control &control : clause.controls) {
        if (control.type == Catalogue::ControlType::Grid) {
            q.grid = new ClauseGrid(control, m_lists, report(), pageNo(), box);
            q.grid->gridModel()->setSerialColumn(Form3cebCatalogue::instance().serialColumn());
            q.grid->setMinimumHeight(140);
            layout->addWidget(q.grid);
            connect(q.grid, &ClauseGrid::hintChanged, hintLabel(), &QLabel::setText);
            addGridButtons(q, box, layout);
        } else {
            auto *form = new QFormLayout;
            Catalogue::Field single;
            single.name = control.name;
            single.caption = control.caption;
            single.kind = control.kind;
            FieldRow row{control.point,
                         clause.label,
                         control.type == Catalogue::ControlType::Fields ? control.fields
                                                                        : QList<Catalogue::Field>{single},
                         {}};
            for (const Catalogue::Field &f : std::as_const(row.fields)) {
                QWidget *edit = makeField(f, control.point, clause.label, box);
                form->addRow(f.caption, edit);
                row.edits << edit;
            }
            layout->addLayout(form);
            m_fieldRows << row;
        }
    }
    const Form3cebCatalogue &cat = Form3cebCatalogue::instance();
    if (clause.key == cat.otherInformation().point || clause.key == Form3cebPoints::Udin) {
        auto *row = new QHBoxLayout;
        if (clause.key == Form3cebPoints::Udin)
            connect(addButton(box, row, PendingWindow::GenerateUdinTitle, QStringLiteral("cmdUDIN")),
                    &QPushButton::clicked, this, &Form3cebPage::cmdUDIN_Click);
        else
            connect(addButton(box, row, tr("Get Auditor Details"), QStringLiteral("cmdAuditor")),
                    &QPushButton::clicked, this, &Form3cebPage::cmdAuditor_Click);
        row->addStretch();
        layout->addLayout(row);
    }
    m_body->insertWidget(m_body->count() - 1, box);
    m_questions << q;
    if (q.yes) {
        const int index = int(m_questions.size()) - 1;
        connect(q.yes, &QRadioButton::clicked, this, &Form3cebPage::OptionClick);
        connect(q.no, &QRadioButton::clicked, this, [this, index] { noClicked(m_questions[index]); });
    }
}

QWidget *Form3cebPage::makeField(const Catalogue::Field &field, const QString &point, const QString &label,
                                 QWidget *parent)
{
    const Catalogue::Column column = Form3cebCatalogue::instance().fieldColumn(field);
    if (!column.list.isEmpty()) {
        QComboBox *combo = ChoiceCombo::make(parent, field.name, m_lists.items(column.list));
        combo->setEditable(m_lists.isEditable(column.list));
        // As wide as its entries: a word such as "I" does not take the line.
        combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return combo;
    }
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(field.name);
    if (field.kind == Catalogue::Kind::Date)
        edit->setPlaceholderText(QStringLiteral("DD/MM/YYYY"));
    // Leaving a box keeps its value in the form of its kind, or names what is wrong with it
    // and returns to it.
    if (point == Form3cebPoints::Udin) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            edit->setText(edit->text().trimmed());
            checkUdin(edit);
        });
    } else if (field.kind != Catalogue::Kind::Text || !column.check.isEmpty()) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, field, column, label] {
            edit->setText(CellChecks::kept(column, edit->text()));
            checkField(edit, field, label);
        });
    }
    return edit;
}

bool Form3cebPage::checkField(QLineEdit *box, const Catalogue::Field &field, const QString &label)
{
    // A date is a whole date and never a marker, as on the report pages of Form 3CD.
    QString message;
    if (field.kind == Catalogue::Kind::Date)
        message = ReportDates::dateMessage(field.caption, box->text());
    else if (const QString wrong =
                 CellChecks::message(Form3cebCatalogue::instance().fieldColumn(field), box->text());
             !wrong.isEmpty())
        message = CellChecks::placed(wrong, label, -1, field.caption);
    return message.isEmpty() || CompletenessPrompts::refuse(box, message);
}

bool Form3cebPage::checkUdin(QLineEdit *box)
{
    static const QRegularExpression udin(QStringLiteral("^[0-9]{8}[A-Z0-9]{10}$"));
    const QString text = box->text().trimmed();
    return text.isEmpty() || udin.match(text).hasMatch() ||
           CompletenessPrompts::refuse(box, QStringLiteral("Not a Valid UDIN [") + text + u']');
}

QPushButton *Form3cebPage::addButton(QGroupBox *box, QHBoxLayout *row, const QString &caption,
                                     const QString &name)
{
    auto *button = new QPushButton(caption, box);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

void Form3cebPage::addGridButtons(Question &q, QGroupBox *box, QVBoxLayout *layout)
{
    const QString point = q.grid->definition().point;
    ClauseGrid *grid = q.grid;
    auto *row = new QHBoxLayout;
    QPushButton *add = addButton(box, row, tr("Add Row"), QStringLiteral("cmdAdd") + point);
    connect(add, &QPushButton::clicked, grid, &ClauseGrid::addRow);
    QPushButton *remove = addButton(box, row, tr("Remove Row"), QStringLiteral("cmdRemove") + point);
    connect(remove, &QPushButton::clicked, grid, &ClauseGrid::removeCurrentRow);
    q.buttons << add << remove;
    if (Form3cebCatalogue::instance().importsRows(m_definition.number)) {
        row->addSpacing(24);
        QPushButton *exportButton =
            addButton(box, row, AnnexureExchange::ExportCaption, QStringLiteral("cmdExport") + point);
        connect(exportButton, &QPushButton::clicked, this, [this, point] { exportRows(point); });
        QPushButton *importButton =
            addButton(box, row, AnnexureExchange::ImportCaption, QStringLiteral("cmdImport") + point);
        connect(importButton, &QPushButton::clicked, this, [this, point] { importRows(point); });
        q.buttons << exportButton << importButton;
    }
    row->addStretch();
    layout->addLayout(row);
}

// Workbooks of Form 3CEB grids are named apart from Form 3CD's annexures of the same clause.
QString Form3cebPage::workbookClause(const QString &point)
{
    return QStringLiteral("3CEB_") + point;
}

void Form3cebPage::exportRows(const QString &point)
{
    const ClauseGrid *g = grid(point);
    const QString clause = workbookClause(point);
    const QString path = AnnexureExchange::askExportPath(clause);
    if (path.isEmpty())
        return;
    AnnexureExchange::exportRows(clause, AnnexureExchange::layoutOf(clause, g->definition().columns),
                                 gridRows(g), path);
}

void Form3cebPage::importRows(const QString &point)
{
    ClauseGrid *g = grid(point);
    const QString path = AnnexureExchange::askImportPath();
    if (path.isEmpty())
        return;
    const QString clause = workbookClause(point);
    std::optional<QList<QStringList>> rows = AnnexureExchange::importRows(
        clause, AnnexureExchange::layoutOf(clause, g->definition().columns), path, QDate());
    if (!rows)
        return;
    const QList<QStringList> existing = gridRows(g);
    if (!existing.isEmpty() && !prompts().askYesNo(SharedMessages::deleteExistingDetails()))
        rows = existing + *rows;
    g->setRows(*rows);
    prompts().inform(SharedMessages::importSuccessfully());
}

QLineEdit *Form3cebPage::accountantField(int field) const
{
    for (const FieldRow &row : m_fieldRows) {
        if (row.point == Form3cebPoints::Accountant)
            return qobject_cast<QLineEdit *>(row.edits.value(field - 1));
    }
    return nullptr;
}

bool Form3cebPage::fillAccountant()
{
    const Accountant accountant = Accountant::ofReport(report());
    if (accountant.name.isEmpty() && accountant.membershipNo.isEmpty())
        return false;
    for (const auto &[field, value] : particularsOf(accountant)) {
        if (QLineEdit *edit = accountantField(field))
            edit->setText(value);
    }
    return true;
}

void Form3cebPage::cmdAuditor_Click()
{
    try {
        if (!fillAccountant())
            prompts().inform(QStringLiteral("No Record."));
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void Form3cebPage::cmdUDIN_Click()
{
    QLineEdit *typed = accountantField(Form3cebPoints::MembershipField);
    if (!typed)
        return;
    try {
        const QString message =
            Form3cebChecks::membershipMessage(typed->text(), Accountant::ofReport(report()).membershipNo);
        if (!message.isEmpty()) {
            prompts().inform(message);
            typed->setFocus();
            return;
        }
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return;
    }
    QWidget *online = PendingWindow::generateUdin();
    online->setAttribute(Qt::WA_DeleteOnClose);
    online->show();
}

ClauseGrid *Form3cebPage::grid(const QString &point) const
{
    for (const Question &q : m_questions) {
        if (q.grid && q.grid->definition().point == point)
            return q.grid;
    }
    return nullptr;
}

QRadioButton *Form3cebPage::yesButton(const QString &clause) const
{
    for (const Question &q : m_questions) {
        if (q.clause.key == clause)
            return q.yes;
    }
    return nullptr;
}

QRadioButton *Form3cebPage::noButton(const QString &clause) const
{
    for (const Question &q : m_questions) {
        if (q.clause.key == clause)
            return q.no;
    }
    return nullptr;
}

QLineEdit *Form3cebPage::field(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

QComboBox *Form3cebPage::choice(const QString &name) const
{
    return findChild<QComboBox *>(name);
}

void Form3cebPage::noClicked(Question &q)
{
    if (q.grid && q.grid->holdsData()) {
        const bool remove = prompts().askOkCancel(SharedMessages::listWillBeCleared(q.clause.label));
        if (!remove) {
            q.yes->setChecked(true);
            return;
        }
        q.grid->setRows({});
    }
    OptionClick();
}

void Form3cebPage::OptionClick()
{
    for (const Question &q : std::as_const(m_questions)) {
        if (!q.yes || !q.grid)
            continue;
        const bool yes = q.yes->isChecked();
        q.grid->setEnabled(yes);
        for (QPushButton *button : q.buttons)
            button->setEnabled(yes);
    }
}

QList<QStringList> Form3cebPage::gridRows(const ClauseGrid *grid) const
{
    QList<QStringList> rows;
    const QAbstractItemModel *model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cols;
        bool any = false;
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString value = model->index(r, c).data().toString();
            any = any || !value.trimmed().isEmpty();
            cols << value;
        }
        if (any)
            rows << cols;
    }
    return rows;
}

// PANs and Aadhaar numbers of the grids whose columns name the check.
bool Form3cebPage::checkIdentities() const
{
    for (const Question &q : m_questions) {
        if (!q.grid || !q.grid->isEnabled())
            continue;
        for (const QStringList &row : gridRows(q.grid)) {
            for (int c = 0; c < row.size(); ++c) {
                const QString check = q.grid->column(c).check;
                const QString value = row.at(c).trimmed();
                if (value.isEmpty())
                    continue;
                if (check == QLatin1String("pan") && !IdentityChecks::ValidPan(value)) {
                    prompts().inform(SharedMessages::notAValidPan(value));
                    return false;
                }
                if (check == QLatin1String("aadhaar") && !IdentityChecks::ValidAadhaar(value)) {
                    prompts().inform(QStringLiteral("Not a Valid AADHAAR [") + value + u']');
                    return false;
                }
            }
        }
    }
    return true;
}

// A clause answered Yes reports its transactions: the grid may not stay empty, and each row
// fills the clause's check columns (the grid shows its rows in the report model).
bool Form3cebPage::checkGrid(const Question &q) const
{
    if (!q.grid->isEnabled())
        return true;
    const Catalogue::Control &grid = q.grid->definition();
    const std::optional<ReportFinding> found =
        ClauseCompleteness::gridAt(report(), pageNo(), grid.point,
                                   Form3cebChecks::gridShape(pageNo(), q.clause, grid), q.clause.label, true);
    if (!found)
        return true;
    CompletenessPrompts::showControl(q.grid);
    prompts().inform(found->message);
    return false;
}

bool Form3cebPage::validateForm(bool)
{
    putRows();
    for (Question &q : m_questions) {
        if (q.yes) {
            if (const std::optional<ReportFinding> found =
                    Form3cebChecks::unanswered(report(), pageNo(), q.clause)) {
                prompts().inform(found->message);
                q.yes->setFocus();
                return false;
            }
        }
        if (q.grid && q.yes && q.yes->isChecked() && !checkGrid(q))
            return false;
    }
    return checkValues();
}

bool Form3cebPage::checkValues()
{
    for (const FieldRow &row : std::as_const(m_fieldRows)) {
        for (int i = 0; i < row.edits.size(); ++i) {
            auto *box = qobject_cast<QLineEdit *>(row.edits.at(i));
            if (!box)
                continue;
            if (row.point == Form3cebPoints::Udin ? !checkUdin(box)
                                                  : !checkField(box, row.fields.at(i), row.label))
                return false;
        }
    }
    // The identities first, in this form's own words; then every other cell by its kind.
    if (!checkIdentities())
        return false;
    for (const Question &q : std::as_const(m_questions)) {
        if (q.grid && q.grid->isEnabled() && !q.grid->checkValues(q.clause.label))
            return false;
    }
    return true;
}

bool Form3cebPage::SaveData()
{
    if (moduleState().saveWithValidation ? !validateForm(true) : !checkValues())
        return false;
    try {
        for (const Question &q : std::as_const(m_questions)) {
            // A clause not answered Yes reports no transactions.
            if (q.grid && q.yes && !q.yes->isChecked())
                q.grid->setRows({});
        }
        putRows();
        report().savePage(pageNo());
        return true;
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
}

void Form3cebPage::writeRows()
{
    // The grids show their rows in the report model already; the fields and answers are put
    // in afresh.
    ReportModel &report = this->report();
    const int page = pageNo();
    for (const FieldRow &row : std::as_const(m_fieldRows)) {
        QStringList cols;
        for (const QWidget *edit : row.edits)
            cols << WidgetValues::text(edit);
        report.setRows(page, row.point, {cols});
    }
    for (const Question &q : std::as_const(m_questions)) {
        if (q.yes && (q.yes->isChecked() || q.no->isChecked()))
            report.setRows(page, q.clause.option,
                           {{Vocabulary::spelt(q.yes->isChecked(), q.clause.spelling)}});
    }
}

void Form3cebPage::DisplayData()
{
    try {
        QHash<QString, QList<ClauseStore::ClauseRow>> byPoint;
        const QString form = report().formNameForPage(pageNo());
        for (const QString &point : report().points(pageNo()))
            byPoint.insert(point, report().rows(pageNo(), point, form));
        for (const FieldRow &row : std::as_const(m_fieldRows)) {
            const ClauseStore::ClauseRow stored = byPoint.value(row.point).value(0);
            for (int i = 0; i < row.edits.size(); ++i)
                WidgetValues::setText(row.edits.at(i), stored.col(i + 1));
        }
        // A report without its accountant takes the one the host has for the client and year.
        if (accountantField(Form3cebPoints::NameField) && byPoint.value(Form3cebPoints::Accountant).isEmpty())
            fillAccountant();
        for (const Question &q : std::as_const(m_questions)) {
            if (q.yes) {
                const QString answer = byPoint.value(q.clause.option).value(0).col(1);
                q.yes->setChecked(Vocabulary::answerOf(answer) == Vocabulary::Answer::Yes);
                q.no->setChecked(Vocabulary::answerOf(answer) == Vocabulary::Answer::No);
            }
            if (!q.grid)
                continue;
            // The grid shows its rows in the order of their serials, numbered afresh.
            QList<ClauseStore::ClauseRow> rows = byPoint.value(q.grid->definition().point);
            const int serial = q.grid->gridModel()->serialColumn();
            std::stable_sort(rows.begin(), rows.end(), [serial](const auto &a, const auto &b) {
                return a.col(serial).toInt() < b.col(serial).toInt();
            });
            QList<QStringList> cells;
            for (const ClauseStore::ClauseRow &row : rows)
                cells << row.cols;
            q.grid->setRows(cells);
        }
        OptionClick();
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
    }
}

void Form3cebPage::clearAll()
{
    for (const FieldRow &row : std::as_const(m_fieldRows)) {
        for (QWidget *edit : row.edits)
            WidgetValues::setText(edit, {});
    }
    for (const Question &q : std::as_const(m_questions)) {
        if (q.grid)
            q.grid->setRows({});
        if (q.yes) {
            q.yes->setAutoExclusive(false);
            q.yes->setChecked(false);
            q.no->setChecked(false);
            q.yes->setAutoExclusive(true);
        }
    }
    OptionClick();
}
