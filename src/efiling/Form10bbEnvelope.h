#pragma once

#include <QString>

// The frame of a Form 10BB upload: the metadata before the body the form's module wrote and
// the creation and form details after it. The body's filing-type token is replaced here.
namespace Form10bbEnvelope
{

// `body` is the module's text (members without the outer braces); `filingType` "O" when
// blank; `today` as the department writes dates.
QString wrap(QString body, const QString &filingType, int refYear, const QString &today);

} // namespace Form10bbEnvelope
