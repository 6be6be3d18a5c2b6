#include "WidgetValues.h"

#include "ClauseGrid.h"
#include "catalogue/Vocabulary.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

namespace WidgetValues
{

Kind kindOf(const QWidget *w)
{
    if (qobject_cast<const QTableView *>(w))
        return Kind::Grid;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
        qobject_cast<const QTextEdit *>(w))
        return Kind::Text;
    if (qobject_cast<const QComboBox *>(w))
        return Kind::Combo;
    if (qobject_cast<const QRadioButton *>(w))
        return Kind::Option;
    if (qobject_cast<const QCheckBox *>(w))
        return Kind::Check;
    return Kind::Other;
}

QString text(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *e = qobject_cast<const QPlainTextEdit *>(w))
        return e->toPlainText();
    if (auto *e = qobject_cast<const QTextEdit *>(w))
        return e->toPlainText();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentIndex() < 0 && !c->isEditable() ? QString() : c->currentText();
    return {};
}

void setText(QWidget *w, const QString &value)
{
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(value);
    } else if (auto *e = qobject_cast<QPlainTextEdit *>(w)) {
        e->setPlainText(value);
    } else if (auto *e = qobject_cast<QTextEdit *>(w)) {
        e->setPlainText(value);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        if (value.isEmpty()) {
            c->setCurrentIndex(-1);
            if (c->isEditable())
                c->setEditText(QString());
            return;
        }
        int index = c->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (index < 0 && c->isEditable()) {
            c->setEditText(value);
            return;
        }
        if (index < 0) {
            // A stored value that is no longer in the list is kept rather than lost.
            c->addItem(value);
            index = c->count() - 1;
        }
        c->setCurrentIndex(index);
    }
}

void setOption(QRadioButton *button, bool on)
{
    if (button->isChecked() == on)
        return;
    if (on) {
        button->setChecked(true);
        return;
    }
    QButtonGroup *group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

QString checkValue(const QWidget *w)
{
    auto *box = qobject_cast<const QCheckBox *>(w);
    return box && box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

void setCheckValue(QWidget *w, const QString &value)
{
    if (auto *box = qobject_cast<QCheckBox *>(w)) {
        box->setChecked(Vocabulary::isTicked(value) || Vocabulary::isYes(value));
    }
}

int rowCount(const QAbstractItemView *grid)
{
    return grid->model() ? grid->model()->rowCount() : 0;
}

int columnCount(const QAbstractItemView *grid)
{
    return grid->model() ? grid->model()->columnCount() : 0;
}

void setRowCount(QAbstractItemView *grid, int rows)
{
    QAbstractItemModel *model = grid->model();
    const int now = model->rowCount();
    if (rows > now)
        model->insertRows(now, rows - now);
    else if (rows < now)
        model->removeRows(rows, now - rows);
}

QString cellText(const QAbstractItemView *grid, int row, int column)
{
    if (auto *clauseGrid = qobject_cast<const ClauseGrid *>(grid))
        return clauseGrid->cellText(row, column);
    return grid->model()->index(row, column).data(Qt::EditRole).toString();
}

void setCellText(QAbstractItemView *grid, int row, int column, const QString &value)
{
    if (auto *clauseGrid = qobject_cast<ClauseGrid *>(grid))
        clauseGrid->setCellText(row, column, value);
    else
        grid->model()->setData(grid->model()->index(row, column), value, Qt::EditRole);
}

bool rowIsEmpty(const QAbstractItemView *grid, int row)
{
    for (int c = 0; c < columnCount(grid); ++c) {
        if (!cellText(grid, row, c).trimmed().isEmpty())
            return false;
    }
    return true;
}

QString pointOfName(const QString &objectName)
{
    return objectName.mid(3);
}

} // namespace WidgetValues
