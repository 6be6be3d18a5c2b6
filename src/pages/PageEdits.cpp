#include "PageEdits.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace
{
const char kWatched[] = "talvexEditsWatched";
}

void PageEdits::watch(QWidget *root)
{
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (!control->property(kWatched).toBool())
            watchControl(control);
    }
    m_changed = false;
}

void PageEdits::watchControl(QWidget *control)
{
    control->setProperty(kWatched, true);
    if (auto *line = qobject_cast<QLineEdit *>(control)) {
        connect(line, &QLineEdit::textChanged, this, &PageEdits::markChanged);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(control)) {
        connect(text, &QPlainTextEdit::textChanged, this, &PageEdits::markChanged);
    } else if (auto *rich = qobject_cast<QTextEdit *>(control)) {
        connect(rich, &QTextEdit::textChanged, this, &PageEdits::markChanged);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, &PageEdits::markChanged);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        connect(combo, &QComboBox::currentTextChanged, this, &PageEdits::markChanged);
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
        connect(spin, &QAbstractSpinBox::editingFinished, this, &PageEdits::markChanged);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
        if (QAbstractItemModel *model = view->model()) {
            connect(model, &QAbstractItemModel::dataChanged, this, &PageEdits::markChanged);
            connect(model, &QAbstractItemModel::rowsInserted, this, &PageEdits::markChanged);
            connect(model, &QAbstractItemModel::rowsRemoved, this, &PageEdits::markChanged);
            connect(model, &QAbstractItemModel::rowsMoved, this, &PageEdits::markChanged);
            connect(model, &QAbstractItemModel::modelReset, this, &PageEdits::markChanged);
        }
    }
}
