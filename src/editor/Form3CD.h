#pragma once

#include <QMainWindow>

class QLabel;

// The report editor's main window for one client and year.
class Form3CD : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form3CD(QWidget *parent = nullptr);

    QString headingText() const;
    QString subHeadingText() const;

    // The one editor window of the module; created on first use.
    static Form3CD *instance();
    static Form3CD *existing();

private:
    QLabel *m_heading;
    QLabel *m_subHeading;
};
