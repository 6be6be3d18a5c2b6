#include "PageRegistry.h"

#include "editor/Form3CD.h"
#include "pages/PageFactory.h"
#include "pages/depreciation/frmPage7.h"
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
        PageFactory::registerPage(kind, 9, makerOf<frmPage9>());
        PageFactory::registerPage(kind, 20, makerOf<frmPage20>());
        PageFactory::registerPage(kind, 21, makerOf<frmPage21>());
    }
    // The figures are written as page 20's rows; the editor then reloads the pages.
    Form3CD::setHandler(EditorCommand::ImportTurnover, [](Form3CD &editor) {
        auto *page = qobject_cast<frmPage20 *>(editor.page(20));
        if (!page)
            return;
        page->ImportTO_Data();
        page->SaveData();
    });
}

} // namespace PageRegistry
