#pragma once

#include <QLibrary>
#include <QString>

// A system library loaded the first time the program needs it rather than linked, so that
// the many starts that never need it do not pay for loading it and the libraries it brings.
// Each function is looked up by name; what cannot be used is said once, in `failure()`.
class LoadedLibrary
{
public:
    // `what` names the library in the messages: "zip library", "workbook library".
    LoadedLibrary(const QString &name, int version, const QString &what);

    // Sets `function` to the library's function of that name, or to null when it lacks it.
    template <typename Function> void resolve(const char *symbol, Function &function)
    {
        function = m_loaded ? reinterpret_cast<Function>(m_library.resolve(symbol)) : nullptr;
        m_complete = m_complete && function;
    }
    // Why the library cannot be used; empty when it loaded and had every function asked for.
    QString failure() const;

private:
    QLibrary m_library;
    QString m_what;
    bool m_loaded = false;
    bool m_complete = true;
};
