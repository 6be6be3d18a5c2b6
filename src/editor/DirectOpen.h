#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class clsMain;
class TalvexBase;

// Opening the editor straight on one report and page from the command line
// (`talvex --client C --year Y --form 3CA|3CB|3CEB [--page N]`): a shortcut an accountant
// keeps on the desktop, and a quick way to look at any page.
namespace DirectOpen
{

struct Request {
    QString client;
    QString yearKey;   // "2026" for the year 2025-26
    int formIndex = 0; // as clsMain::OpenForm takes it: 0 Form 3CA, 1 Form 3CB, 2 Form 3CEB
    int page = 1;
};

// The request the options give; "" client means none was asked for. A bad value gives
// nullopt and the message in `error`. The year is "2026", "2025-26" or "2025-2026".
std::optional<Request> parse(const QString &client, const QString &year, const QString &form,
                             const QString &page, QString *error);

// Selects the client and year, opens the form's editor and goes to the page. False (after
// telling the user) when the client does not exist or the editor could not be opened.
bool open(TalvexBase &host, clsMain &module, const Request &request);

} // namespace DirectOpen
