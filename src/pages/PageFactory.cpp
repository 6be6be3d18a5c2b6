#include "PageFactory.h"

#include "ClausePage.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Form3cebCatalogue.h"
#include "pages/form3ceb/Form3cebPage.h"
#include "pages/registry/PageRegistry.h"

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

} // namespace

void registerPage(FormKind kind, int slot, Maker maker)
{
    makers().insert({int(kind), slot}, std::move(maker));
}

int lastPage(FormKind kind)
{
    return kind == FormKind::F3CEB ? 12 : 21;
}

void registerPagesWithRules()
{
    PageRegistry::registerAll();
}

namespace
{
ClausePage *shown(FormKind kind, int slot, QWidget *parent)
{
    const auto it = makers().constFind({int(kind), slot});
    if (it != makers().constEnd())
        return (*it)(slot, parent);
    if (kind == FormKind::F3CEB) {
        const Catalogue::Page *definition = Form3cebCatalogue::instance().page(slot);
        auto *page =
            new Form3cebPage(definition ? *definition : Catalogue::Page{slot, QString(), {}}, parent);
        page->DisplayData();
        return page;
    }
    const Catalogue::Page *definition = ClauseCatalogue::instance().page(slot);
    const Catalogue::Page page = definition ? *definition : Catalogue::Page{slot, QString(), {}};
    const int pageNo = slot == 1 && kind == FormKind::F3CB ? 101 : slot;
    auto *window = new ClausePage(page, slot, pageNo, parent);
    window->DisplayData();
    return window;
}
} // namespace

ClausePage *create(FormKind kind, int slot, QWidget *parent)
{
    registerPagesWithRules();
    ClausePage *window = shown(kind, slot, parent);
    window->trackEdits();
    return window;
}

} // namespace PageFactory
