#pragma once

#include <QtGlobal>

// Hears how far a report's pages are drawn while it is printed, previewed or written as PDF,
// and answers whether to go on: the desktop program shows it in a progress window with a
// Cancel button, taxaudit on the terminal.
class PrintProgress
{
public:
    virtual ~PrintProgress() = default;
    // `done` of `total` pages are drawn (0 before the first); false stops the print.
    virtual bool pagesDone(int done, int total) = 0;
    // `pages` are laid out so far, before the drawing; false stops the print.
    virtual bool layingOut(int pages)
    {
        Q_UNUSED(pages);
        return true;
    }
};
