#pragma once

#include <QString>

// The codes the e-filing files carry for names the accountant chose: states, post
// offices, localities and districts (from the host's post-office tables), business
// sectors and the Acts of Form 3CA. Every look-up of an empty input gives "".
namespace CodeLookups
{

// "TamilNadu" to "Tamil Nadu", "ORISSA" to "Odisha" and the like (StateNames), before the look-up.
QString normalisedStateName(const QString &name);
QString stateCode(const QString &stateName);

// The code of the named post office, locality or district among those of the PIN.
QString postOfficeCode(const QString &pin, const QString &name);
QString localityCode(const QString &pin, const QString &name);
QString districtCode(const QString &pin, const QString &name);

// The code of a top-level business sector by its name.
QString sectorCode(const QString &sectorName);

// "01" to "67": the position of the Act in the list of Acts of Form 3CA, compared exactly.
QString actCode(const QString &actName);
// The Act's name for its code, the inverse of actCode; "" for a code outside the list.
QString actName(const QString &code);

// The host's code of a country, by its name.
QString countryCode(const QString &countryName);

// While one lives, each look-up is made once and remembered: a document repeats the same
// few names thousands of times.
class ScopedCache
{
public:
    ScopedCache();
    ~ScopedCache();
    ScopedCache(const ScopedCache &) = delete;
    ScopedCache &operator=(const ScopedCache &) = delete;

private:
    bool m_owner; // an inner cache leaves the outer one in place
};

} // namespace CodeLookups
