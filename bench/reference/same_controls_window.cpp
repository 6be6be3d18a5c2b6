// The second reference for the editor's start: a plain Qt Widgets program that shows the
// controls the editor shows on page 1 (a menu bar, a bold heading, a row of page buttons, five
// group boxes of labels, line edits, drop-downs and a table in a scroll area, a row of command
// buttons), with no database, catalogue or report behind them. It is painted once and quits
// when the event loop is first idle, as `talvex --check-start` does.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace
{

QComboBox *combo(QWidget *parent, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

// A line of a paragraph: words between controls, as the forms' paragraphs are made.
QHBoxLayout *line(QWidget *parent, const QList<QWidget *> &controls, const QStringList &words)
{
    auto *row = new QHBoxLayout;
    for (qsizetype k = 0; k < qMax(controls.size(), words.size()); ++k) {
        if (k < words.size())
            row->addWidget(new QLabel(words.at(k), parent));
        if (k < controls.size())
            row->addWidget(controls.at(k));
    }
    row->addStretch();
    return row;
}

QGroupBox *group(QWidget *parent, const QString &title, const QList<QLayout *> &lines)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    for (QLayout *l : lines)
        layout->addLayout(l);
    return box;
}

QWidget *page(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *body = new QVBoxLayout(page);
    const QStringList weUs{QStringLiteral("I"), QStringLiteral("We")};
    auto *assessee = new QGridLayout;
    const QStringList fields{"First name",
                             "Middle name",
                             "Last name / Name",
                             "Country",
                             "Address line 1",
                             "Address line 2",
                             "PIN code",
                             "Post office",
                             "Area / Locality",
                             "District",
                             "State",
                             "PAN",
                             "Aadhaar",
                             "District code",
                             "Post office code",
                             "Area / Locality code"};
    for (qsizetype k = 0; k < fields.size(); ++k) {
        assessee->addWidget(new QLabel(fields.at(k), page), int(k / 3), int(k % 3) * 2);
        QWidget *value = k == 10 ? static_cast<QWidget *>(combo(page, {"Maharashtra", "Gujarat"}))
                                 : new QLineEdit(QStringLiteral("Sharma Textiles"), page);
        assessee->addWidget(value, int(k / 3), int(k % 3) * 2 + 1);
    }
    assessee->addWidget(new QCheckBox(QStringLiteral("Use the name as in the client master"), page), 6, 0, 1,
                        3);
    body->addWidget(
        group(page, QStringLiteral("1."),
              {line(page, {combo(page, weUs), combo(page, weUs), new QLineEdit(page)},
                    {"", "report that the statutory audit of the assessee below was conducted by"}),
               assessee}));
    body->addWidget(group(
        page, QString(),
        {line(page, {combo(page, {"Companies Act, 2013"}), new QLineEdit(page)},
              {"in pursuance of the provisions of the", "", "Act, and"}),
         line(page,
              {combo(page, weUs), combo(page, {"Our"}), new QLineEdit(QStringLiteral("12/08/2026"), page)},
              {"", "annex hereto a copy of", "audit report dated", "along with a copy of each of:"}),
         line(page,
              {combo(page, {"Profit and Loss Account"}), new QLineEdit(QStringLiteral("01/04/2025"), page),
               new QLineEdit(QStringLiteral("31/03/2026"), page)},
              {"(a) the audited", "for the period beginning from", "to ending on", ";"}),
         line(page, {combo(page, {"2026"})}, {"(b) the audited balance sheet as at 31st March,", "; and"}),
         line(page, {combo(page, {"Profit and Loss Account"})},
              {"(c) documents declared by the said Act to be part of, or annexed to, the",
               "and balance sheet."})}));
    body->addWidget(group(page, QStringLiteral("2."),
                          {line(page, {},
                                {"The statement of particulars required to be furnished under "
                                 "section 44AB is annexed herewith in Form No. 3CD."})}));
    auto *three =
        group(page, QStringLiteral("3."),
              {line(page, {combo(page, {"My", "Our"}), combo(page, {"My", "Our"}), combo(page, {"Me", "Us"})},
                    {"In", "opinion and to the best of", "information and according to explanations given to",
                     ","}),
               line(page, {},
                    {"the particulars given in the said Form No. 3CD are true and correct subject to the "
                     "following observations/qualifications, if any:"})});
    three->layout()->addWidget(new QTableWidget(1, 2, page));
    body->addWidget(three);
    body->addWidget(group(page, QStringLiteral("Signing"),
                          {line(page, {new QLineEdit(page), new QLineEdit(page)}, {"Place", "Date"})}));
    body->addStretch();
    return page;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Imports"))->addAction(QStringLiteral("Previous year"));
    window.menuBar()->addMenu(QStringLiteral("&Exports"))->addAction(QStringLiteral("Annexure format"));
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    auto *heading =
        new QLabel(QStringLiteral("Form 3CA - 3CD of Sharma Textiles Private Limited for A.Y. 2026-27"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);
    layout->addWidget(heading);
    auto *subHeading = new QLabel(QStringLiteral(
        "[Audit Report under Section 44AB of the Income-tax Act, 1961, in a case where the accounts of the "
        "business or profession of a person have been audited under any other law]"));
    subHeading->setWordWrap(true);
    layout->addWidget(subHeading);
    auto *pages = new QHBoxLayout;
    pages->addWidget(new QPushButton(QStringLiteral("<< &Previous")));
    for (int k = 1; k <= 21; ++k)
        pages->addWidget(new QPushButton(QString::number(k)));
    pages->addWidget(new QPushButton(QStringLiteral("&Next >>")));
    pages->addStretch();
    layout->addLayout(pages);
    layout->addWidget(new QLabel(QStringLiteral("Page 1  Form 3CA: audit report")));
    auto *area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setWidget(page(area));
    layout->addWidget(area, 1);
    auto *commands = new QHBoxLayout;
    for (const char *caption : {"&Save", "&Validate", "P&rint", "Print Set&up", "Fill &Default", "&Clear",
                                "&Import", "Import JSON", "&Generate JSON", "E&xit"})
        commands->addWidget(new QPushButton(QString::fromLatin1(caption)));
    commands->addStretch();
    layout->addLayout(commands);
    window.setCentralWidget(central);
    // As the editor opens the first time: the screen's free area less a title bar and borders.
    window.resize(QGuiApplication::primaryScreen()->availableSize() - QSize(16, 40));
    window.show();
    QTimer::singleShot(0, &app, [&app] {
        QCoreApplication::processEvents();
        app.quit();
    });
    return app.exec();
}
