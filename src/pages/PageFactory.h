#pragma once

#include "store/ModuleState.h"

#include <functional>

class ClausePage;
class QWidget;

// Creates the page windows of the report editor. Pages with rules of their own register
// a maker for their slot; every other page is built from the clause catalogue.
namespace PageFactory
{

using Maker = std::function<ClausePage *(int slot, QWidget *parent)>;

void registerPage(FormKind kind, int slot, Maker maker);
ClausePage *create(FormKind kind, int slot, QWidget *parent = nullptr);
// 21 for Form 3CA/3CB-3CD, 12 for Form 3CEB.
int lastPage(FormKind kind);
// Registers the pages with rules of their own; the editor calls it before it shows a page.
void registerPagesWithRules();

} // namespace PageFactory
