#include "frmUploadMsg.h"

#include "base/Prompt.h"
#include "commands/JsonGeneration.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmUploadMsg::frmUploadMsg(const QString &path, QWidget *parent)
    : QDialog(parent), m_original(new QRadioButton(QStringLiteral("Original"), this)),
      m_revised(new QRadioButton(QStringLiteral("Revised"), this))
{
    setWindowTitle(JsonGeneration::uploadTitle());
    auto *text = new QLabel(questionText(path), this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *group = new QButtonGroup(this);
    group->addButton(m_original);
    group->addButton(m_revised);
    auto *types = new QHBoxLayout;
    types->addWidget(new QLabel(QStringLiteral("Filing type:"), this));
    types->addWidget(m_original);
    types->addWidget(m_revised);
    types->addStretch();

    auto *yes = new QPushButton(QStringLiteral("&Yes"), this);
    auto *no = new QPushButton(QStringLiteral("&No"), this);
    connect(yes, &QPushButton::clicked, this, &frmUploadMsg::answerYes);
    connect(no, &QPushButton::clicked, this, &frmUploadMsg::answerNo);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(types);
    layout->addLayout(buttons);
}

QString frmUploadMsg::questionText(const QString &path)
{
    return JsonGeneration::uploadQuestion(path);
}

void frmUploadMsg::answerYes()
{
    if (!m_original->isChecked() && !m_revised->isChecked()) {
        prompts().inform(QStringLiteral("Please select filing type."));
        return;
    }
    m_answer = m_original->isChecked() ? QStringLiteral("Y|O") : QStringLiteral("Y|R");
    accept();
}

void frmUploadMsg::answerNo()
{
    m_answer = QStringLiteral("N");
    reject();
}

QString frmUploadMsg::ask(const QString &path)
{
    if (prompts().showsWindows()) {
        frmUploadMsg screen(path);
        screen.exec();
        return screen.answer();
    }
    return JsonGeneration::askUpload(path);
}
