#pragma once

#include "pages/ClausePage.h"

class QPushButton;
class QTabWidget;

// Page 9: clause 21 on its tabs, the import of 21(c) from the host's income-tax
// computation and the validation in item order.
class frmPage9 : public ClausePage
{
    Q_OBJECT
public:
    explicit frmPage9(QWidget *parent = nullptr);

    bool validateForm(bool show = true) override;

    // "import data for clause 21(c) from income tax"
    void Import21c();

    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *import21cButton() const { return m_import21c; }

private:
    void showItem(const QString &point);
    bool checkItem(const QString &point);

    QTabWidget *m_tabs;
    QPushButton *m_import21c;
};
