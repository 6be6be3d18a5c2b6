#pragma once

#include <QDialog>

// A window the host can create and show whose work is not part of this installation
// yet; it says so plainly instead of pretending.
class PendingWindow : public QDialog
{
    Q_OBJECT
public:
    PendingWindow(const QString &title, const QString &text, QWidget *parent = nullptr);
    QString text() const { return m_text; }

    // What the portals' online services say here, and the UDIN window the pages and the
    // entry class open.
    static QString onlineServicesText();
    static PendingWindow *generateUdin();
    // The UDIN window's title, also the caption of the buttons that open it.
    static inline const QString GenerateUdinTitle = QStringLiteral("Generate UDIN");

private:
    QString m_text;
};
