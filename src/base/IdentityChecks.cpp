#include "IdentityChecks.h"

#include <QRegularExpression>

namespace IdentityChecks
{

namespace
{

constexpr int kMultiply[10][10] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 0, 6, 7, 8, 9, 5},
                                   {2, 3, 4, 0, 1, 7, 8, 9, 5, 6}, {3, 4, 0, 1, 2, 8, 9, 5, 6, 7},
                                   {4, 0, 1, 2, 3, 9, 5, 6, 7, 8}, {5, 9, 8, 7, 6, 0, 4, 3, 2, 1},
                                   {6, 5, 9, 8, 7, 1, 0, 4, 3, 2}, {7, 6, 5, 9, 8, 2, 1, 0, 4, 3},
                                   {8, 7, 6, 5, 9, 3, 2, 1, 0, 4}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}};
constexpr int kPermute[8][10] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 5, 7, 6, 2, 8, 3, 0, 9, 4},
                                 {5, 8, 0, 3, 7, 9, 6, 1, 4, 2}, {8, 9, 1, 6, 0, 4, 3, 5, 2, 7},
                                 {9, 4, 5, 3, 1, 2, 6, 8, 7, 0}, {4, 2, 8, 6, 5, 7, 3, 9, 0, 1},
                                 {2, 7, 9, 3, 8, 0, 6, 4, 1, 5}, {7, 0, 4, 6, 9, 1, 3, 2, 5, 8}};
constexpr int kInverse[10] = {0, 4, 3, 2, 1, 5, 6, 7, 8, 9};

// The Verhoeff checksum over digits that already end in a check digit; 0 when valid.
int verhoeffChecksum(const QString &digits, bool withCheckDigit)
{
    int c = 0;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        const int digit = digits.at(n - 1 - i).digitValue();
        const int position = withCheckDigit ? i : i + 1;
        c = kMultiply[c][kPermute[position % 8][digit]];
    }
    return c;
}

} // namespace

bool ValidPan(const QString &pan)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Z]{3}[ABCFGHJLPTKE][A-Z][0-9]{4}[A-Z]\\z"));
    return pattern.match(pan).hasMatch();
}

bool ValidAadhaar(const QString &aadhaar)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[2-9][0-9]{11}\\z"));
    return pattern.match(aadhaar).hasMatch() && verhoeffChecksum(aadhaar, true) == 0;
}

bool ValidTan(const QString &tan)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Z]{4}[0-9]{5}[A-Z]\\z"));
    return pattern.match(tan).hasMatch();
}

int verhoeffCheckDigit(const QString &digits)
{
    return kInverse[verhoeffChecksum(digits, false)];
}

} // namespace IdentityChecks
