#include "PageRegistry.h"

#include "pages/PageFactory.h"
#include "pages/depreciation/frmPage7.h"
#include "pages/depreciation/frmPage8.h"
#include "pages/inadmissible/frmPage9.h"
#include "pages/parta/frmPage1.h"
#include "pages/parta/frmPage1CB.h"
#include "pages/parta/frmPage2.h"
#include "pages/parta/frmPage21.h"
#include "pages/turnover/frmPage20.h"

namespace PageRegistry
{

namespace
{

template <typename Page> PageFactory::Maker makerOf()
{
    return [](int, QWidget *parent) -> ClausePage * {
        auto *page = new Page(parent);
        page->DisplayData();
        return page;
    };
}

} // namespace

void registerAll()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // Slot 1 holds the report page of the open form.
    PageFactory::registerPage(FormKind::F3CA, 1, makerOf<frmPage1>());
    PageFactory::registerPage(FormKind::F3CB, 1, makerOf<frmPage1CB>());
    for (FormKind kind : {FormKind::F3CA, FormKind::F3CB}) {
        PageFactory::registerPage(kind, 2, makerOf<frmPage2>());
        PageFactory::registerPage(kind, 7, makerOf<frmPage7>());
        PageFactory::registerPage(kind, 8, makerOf<frmPage8>());
        PageFactory::registerPage(kind, 9, makerOf<frmPage9>());
        PageFactory::registerPage(kind, 20, makerOf<frmPage20>());
        PageFactory::registerPage(kind, 21, makerOf<frmPage21>());
    }
}

} // namespace PageRegistry
