#include "DirectOpen.h"

#include "Form3CD.h"
#include "base/Prompt.h"
#include "clsMain.h"
#include "host/TalvexBase.h"
#include "pages/PageFactory.h"
#include "store/DbError.h"

#include <QRegularExpression>

namespace DirectOpen
{

namespace
{
// "2026", "2025-26" and "2025-2026" all name the year ending on 31 March 2026.
QString yearKeyOf(const QString &year)
{
    static const QRegularExpression pattern(QStringLiteral("\\A(\\d{4})(?:-(\\d{2}|\\d{4}))?\\z"));
    const QRegularExpressionMatch match = pattern.match(year.trimmed());
    if (!match.hasMatch())
        return {};
    const int first = match.captured(1).toInt();
    if (match.captured(2).isEmpty())
        return QString::number(first);
    const int second = match.captured(2).toInt();
    const bool follows = match.captured(2).size() == 2 ? second == (first + 1) % 100 : second == first + 1;
    return follows ? QString::number(first + 1) : QString();
}
} // namespace

std::optional<Request> parse(const QString &client, const QString &year, const QString &form,
                             const QString &page, QString *error)
{
    Request request;
    request.client = client.trimmed();
    if (request.client.isEmpty()) {
        *error = QStringLiteral("Name the client with --client.");
        return std::nullopt;
    }
    request.yearKey = yearKeyOf(year);
    if (request.yearKey.isEmpty()) {
        *error = QStringLiteral("The year [%1] is not a year such as 2026 or 2025-26.").arg(year);
        return std::nullopt;
    }
    const QStringList forms{QStringLiteral("3CA"), QStringLiteral("3CB"), QStringLiteral("3CEB")};
    request.formIndex = int(forms.indexOf(form.trimmed().toUpper()));
    if (request.formIndex < 0) {
        *error = QStringLiteral("The form [%1] is not one of 3CA, 3CB and 3CEB.").arg(form);
        return std::nullopt;
    }
    const FormKind kind = request.formIndex == 0   ? FormKind::F3CA
                          : request.formIndex == 1 ? FormKind::F3CB
                                                   : FormKind::F3CEB;
    bool number = true;
    request.page = page.isEmpty() ? 1 : page.toInt(&number);
    if (!number || request.page < 1 || request.page > PageFactory::lastPage(kind)) {
        *error = QStringLiteral("The page [%1] is not a page of Form %2 (1 to %3).")
                     .arg(page, forms.at(request.formIndex))
                     .arg(PageFactory::lastPage(kind));
        return std::nullopt;
    }
    return request;
}

bool open(TalvexBase &host, clsMain &module, const Request &request)
{
    try {
        host.selectClient(request.client);
        host.selectYear(request.yearKey);
    } catch (const DbError &e) {
        prompts().message(e.message(), {}, PromptIcon::Critical);
        return false;
    }
    if (!module.OpenForm(request.formIndex))
        return false;
    Form3CD *editor = Form3CD::existing();
    if (!editor)
        return false;
    editor->cmdPages_Click(request.page);
    return true;
}

} // namespace DirectOpen
