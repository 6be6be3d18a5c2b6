#include "FileLinesModel.h"

#include <QBrush>
#include <QColor>

void FileLinesModel::setText(const QString &text)
{
    beginResetModel();
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_lines = t.split(u'\n');
    endResetModel();
}

void FileLinesModel::setMarkedLines(const QList<int> &lines)
{
    beginResetModel();
    m_marked = QSet<int>(lines.begin(), lines.end());
    endResetModel();
}

int FileLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int FileLinesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FileLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int line = index.row() + 1;
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? QVariant(line) : QVariant(m_lines.at(index.row()));
    if (role == Qt::BackgroundRole && m_marked.contains(line))
        return QBrush(QColor(255, 220, 220));
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FileLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == 0 ? QStringLiteral("Line") : QStringLiteral("Text");
}
