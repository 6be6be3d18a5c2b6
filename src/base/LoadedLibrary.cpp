#include "LoadedLibrary.h"

LoadedLibrary::LoadedLibrary(const QString &name, int version, const QString &what)
    : m_library(name, version), m_what(what), m_loaded(m_library.load())
{
}

QString LoadedLibrary::failure() const
{
    if (!m_loaded)
        return QStringLiteral("The %1 could not be loaded: %2").arg(m_what, m_library.errorString());
    if (!m_complete)
        return QStringLiteral("The %1 %2 lacks a function it should have.").arg(m_what, m_library.fileName());
    return {};
}
