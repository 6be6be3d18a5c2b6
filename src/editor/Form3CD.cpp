#include "Form3CD.h"

#include "FormHeadings.h"
#include "host/HostContext.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace
{
QPointer<Form3CD> theEditor;
}

Form3CD::Form3CD(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const FormKind kind = moduleState().formKind;
    const FormHeadings headings = FormHeadings::of(kind);
    setWindowTitle(headings.caption);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_heading = new QLabel(FormHeadings::fullHeading(kind, host().ClientName(), host().yearKey()), central);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    QFont font = m_heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    m_heading->setFont(font);
    m_subHeading = new QLabel(headings.subHeading, central);
    m_subHeading->setObjectName(QStringLiteral("lblSubHeading"));
    m_subHeading->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_subHeading);
    auto *notice =
        new QLabel(tr("The clause pages of the report are not available in this version."), central);
    layout->addWidget(notice);
    layout->addStretch();
    setCentralWidget(central);
    resize(900, 600);
}

QString Form3CD::headingText() const
{
    return m_heading->text();
}

QString Form3CD::subHeadingText() const
{
    return m_subHeading->text();
}

Form3CD *Form3CD::instance()
{
    if (!theEditor)
        theEditor = new Form3CD;
    return theEditor;
}

Form3CD *Form3CD::existing()
{
    return theEditor;
}
