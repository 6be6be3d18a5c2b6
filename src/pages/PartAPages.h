#pragma once

#include "store/ModuleState.h"

class ClausePage;
class QWidget;

// The pages with rules of their own at the two ends of Form 3CA/3CB-3CD: the report page
// of the form (slot 1), Part A (slot 2) and the signing page (slot 21).
namespace PartAPages
{

// The page window of that slot, filled from the store; null for any other slot or form.
ClausePage *create(FormKind kind, int slot, QWidget *parent = nullptr);

} // namespace PartAPages
