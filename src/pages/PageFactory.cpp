#include "PageFactory.h"

#include "ClauseCatalogue.h"
#include "ClausePage.h"
#include "PartAPages.h"

#include <QHash>

namespace PageFactory
{

namespace
{

QHash<QPair<int, int>, Maker> &makers()
{
    static QHash<QPair<int, int>, Maker> m;
    return m;
}

// What a page built from the catalogue alone cannot do yet, said on the page itself.
QString noticeFor(int slot)
{
    switch (slot) {
    case 7:
        return QStringLiteral(
            "The depreciation computations, the additions and deductions lists and the imports "
            "from the depreciation chart are not available in this version; clause 18 takes the "
            "figures as entered.");
    case 9:
        return QStringLiteral(
            "The import of clause 21(c) from the income-tax computation is not available in this "
            "version.");
    case 20:
        return QStringLiteral(
            "The ratios of clause 40 are not computed and the turnover import is not available in "
            "this version; enter the figures and ratios as they are.");
    default:
        return {};
    }
}

} // namespace

void registerPage(FormKind kind, int slot, Maker maker)
{
    makers().insert({int(kind), slot}, std::move(maker));
}

int lastPage(FormKind kind)
{
    return kind == FormKind::F3CEB ? 12 : 21;
}

ClausePage *create(FormKind kind, int slot, QWidget *parent)
{
    const auto it = makers().constFind({int(kind), slot});
    if (it != makers().constEnd())
        return (*it)(slot, parent);
    if (ClausePage *own = PartAPages::create(kind, slot, parent))
        return own;
    if (kind == FormKind::F3CEB) {
        Catalogue::Page empty{slot, QStringLiteral("Form 3CEB"), {}};
        auto *page = new ClausePage(empty, slot, slot, parent);
        page->addNotice(QStringLiteral("The pages of Form 3CEB are not available in this version."));
        return page;
    }
    const Catalogue::Page *definition = ClauseCatalogue::instance().page(slot);
    const Catalogue::Page page = definition ? *definition : Catalogue::Page{slot, QString(), {}};
    const int pageNo = slot == 1 && kind == FormKind::F3CB ? 101 : slot;
    auto *window = new ClausePage(page, slot, pageNo, parent);
    const QString notice = noticeFor(slot);
    if (!notice.isEmpty())
        window->addNotice(notice);
    window->DisplayData();
    return window;
}

} // namespace PageFactory
