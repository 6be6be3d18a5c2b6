#include "PartAPages.h"

#include "frmPage1.h"
#include "frmPage1CB.h"
#include "frmPage2.h"
#include "frmPage21.h"

namespace PartAPages
{

ClausePage *create(FormKind kind, int slot, QWidget *parent)
{
    if (kind != FormKind::F3CA && kind != FormKind::F3CB)
        return nullptr;
    ClausePage *page = nullptr;
    if (slot == 1 && kind == FormKind::F3CA)
        page = new frmPage1(parent);
    else if (slot == 1)
        page = new frmPage1CB(parent);
    else if (slot == 2)
        page = new frmPage2(parent);
    else if (slot == 21)
        page = new frmPage21(parent);
    if (page)
        page->DisplayData();
    return page;
}

} // namespace PartAPages
