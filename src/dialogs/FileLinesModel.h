#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>

// The lines of a file for the error report's viewer: line number and text, read on
// demand by the view so that files of many thousand lines open at once.
class FileLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setText(const QString &text);
    // Lines holding an error are painted so that they stand out.
    void setMarkedLines(const QList<int> &lines);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_lines;
    QSet<int> m_marked;
};
