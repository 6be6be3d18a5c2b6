#pragma once

#include <QDialog>

class QRadioButton;

// " Confirmation": the file is written; upload it now, as an original or a revised
// filing? The answer reads "N", or "Y|O" / "Y|R".
class frmUploadMsg : public QDialog
{
    Q_OBJECT
public:
    explicit frmUploadMsg(const QString &path, QWidget *parent = nullptr);

    // Asks on this screen in the desktop program, through the prompt interface otherwise.
    static QString ask(const QString &path);
    static QString questionText(const QString &path);

    QString answer() const { return m_answer; }
    QRadioButton *originalOption() const { return m_original; }
    QRadioButton *revisedOption() const { return m_revised; }

public slots:
    // Yes needs a filing type; without one the screen stays open.
    void answerYes();
    void answerNo();

private:
    QRadioButton *m_original;
    QRadioButton *m_revised;
    QString m_answer = QStringLiteral("N");
};
