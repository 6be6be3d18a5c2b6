#include "Clause18CellDelegate.h"

#include "pages/ClauseGrid.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

Clause18CellDelegate::Clause18CellDelegate(ClauseGrid *grid, ListSources &lists, QSet<int> computed,
                                           QSet<int> signedColumns)
    : GridDelegate(grid, lists), m_computed(std::move(computed)), m_signed(std::move(signedColumns))
{
}

QWidget *Clause18CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    if (m_computed.contains(index.column()))
        return nullptr;
    QWidget *editor = GridDelegate::createEditor(parent, option, index);
    if (auto *edit = qobject_cast<QLineEdit *>(editor); edit && m_signed.contains(index.column())) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*\\.?[0-9]*")), edit));
    }
    return editor;
}

void Clause18CellDelegate::install(ClauseGrid *grid, ListSources &lists, QSet<int> computed,
                                   QSet<int> signedColumns)
{
    QAbstractItemDelegate *old = grid->itemDelegate();
    grid->setItemDelegate(
        new Clause18CellDelegate(grid, lists, std::move(computed), std::move(signedColumns)));
    delete old;
}
