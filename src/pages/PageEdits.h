#pragma once

#include <QObject>

class QWidget;

// Whether the user changed anything on a page since it was last shown from the stored rows
// or saved: every input control of the page reports its changes here. A page left unchanged
// need not be written again, which on a page of thousands of rows saves seconds.
class PageEdits : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Watches the input controls under root (those there now; again on a later call for
    // controls added since) and starts afresh: nothing changed.
    void watch(QWidget *root);
    void markChanged() { m_changed = true; }
    bool changed() const { return m_changed; }

private:
    void watchControl(QWidget *control);

    bool m_changed = false;
};
