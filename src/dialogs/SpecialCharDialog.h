#pragma once

#include "efiling/SpecialCharacters.h"

#include <QDialog>

class QTableWidget;

// Edits the special-character list: a character and what replaces it, a pair a row.
class SpecialCharDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SpecialCharDialog(QWidget *parent = nullptr);

    QList<SpecialCharacters::Pair> pairs() const;
    void setPairs(const QList<SpecialCharacters::Pair> &pairs);
    QTableWidget *grid() const { return m_grid; }

public slots:
    void addPair();
    void deletePair();
    // Saves the list to the documents folder and closes.
    void acceptList();

private:
    QTableWidget *m_grid;
};
