#pragma once

#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

// The drop-down of a list column of the annexure window: the entries the window gives for
// the cell (a catalogue list, a look-up table, the user's own items). Other cells are typed.
class AnnexDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    struct Choices {
        QStringList items;
        bool editable = false; // other texts may be typed beside the entries
    };
    // Nothing for a cell that takes no list.
    using ChoicesOf = std::function<std::optional<Choices>(int row, int column)>;

    AnnexDelegate(ChoicesOf choices, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    ChoicesOf m_choices;
};
