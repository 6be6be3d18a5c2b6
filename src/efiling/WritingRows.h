#pragma once

#include "GridText.h"
#include "model/ReportModel.h"

#include <memory>

// A stored report as its e-filing file is written from it: a model of its rows with the
// rules applied, and beside it, as text, each grid that no rule reads or changes. A grid
// of a million rows then costs about the size of its text while the file is written.
struct WritingRows {
    std::unique_ptr<ReportModel> model;
    GridTexts grids;

    static WritingRows load(const ReportKey &key);
};
