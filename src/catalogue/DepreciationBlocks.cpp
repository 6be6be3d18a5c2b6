#include "DepreciationBlocks.h"

#include <QHash>

namespace DepreciationBlocks
{

const QList<DepreciationBlock> &all()
{
    static const QList<DepreciationBlock> list{
        {1, QStringLiteral("(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)"), QStringLiteral("15%")},
        {2, QStringLiteral("(18b) Plant & Machinery @ 30%- Sec 32(1)(ii)"), QStringLiteral("30%")},
        {3, QStringLiteral("(18c) Plant & Machinery @ 40%- Sec 32(1)(ii)"), QStringLiteral("40%")},
        {48, QStringLiteral("(18av) Plant & Machinery @ 45%"), QStringLiteral("45%")},
        {4, QStringLiteral("(18d) Plant & Machinery @ 50%- Sec 32(1)(ii)"), QStringLiteral("50%")},
        {5, QStringLiteral("(18e) Plant & Machinery @ 60%- Sec 32(1)(ii)"), QStringLiteral("60%")},
        {6, QStringLiteral("(18f) Plant & Machinery @ 80%- Sec 32(1)(ii)"), QStringLiteral("80%")},
        {7, QStringLiteral("(18g) Plant & Machinery @ 100%- Sec 32(1)(ii)"), QStringLiteral("100%")},
        {14,
         QStringLiteral("(18h) Plant and Machinery in generating stations including plant foundations @ "
                        "3.4%-Sec 32(1)(i)"),
         QStringLiteral("3.4%")},
        {15,
         QStringLiteral("(18i) Plant and Machinery in generating stations including plant foundations @ "
                        "7.84%-Sec 32(1)(i)"),
         QStringLiteral("7.84%")},
        {16,
         QStringLiteral("(18j) Plant and Machinery in generating stations including plant foundations @ "
                        "8.24%-Sec 32(1)(i)"),
         QStringLiteral("8.24%")},
        {8, QStringLiteral("(18k) Building @ 5%- Sec 32(1)(ii)"), QStringLiteral("5%")},
        {9, QStringLiteral("(18l) Building @ 10%- Sec 32(1)(ii)"), QStringLiteral("10%")},
        {47, QStringLiteral("(18au) Building @ 40%- Sec 32(1)(ii)"), QStringLiteral("40%")},
        {10, QStringLiteral("(18m) Building @ 100%- Sec 32(1)(ii)"), QStringLiteral("100%")},
        {17,
         QStringLiteral(
             "(18n) Building and civil engineering works of permanent character @ 3.02%-Sec 32(1)(i))"),
         QStringLiteral("3.02%")},
        {18,
         QStringLiteral(
             "(18o) Building and civil engineering works of permanent character @ 7.84%-Sec 32(1)(i)"),
         QStringLiteral("7.84%")},
        {19,
         QStringLiteral(
             "(18p) Building and civil engineering works of permanent character @ 3.4%-Sec 32(1)(i)"),
         QStringLiteral("3.4%")},
        {20,
         QStringLiteral(
             "(18q) Building and civil engineering works of permanent character @ 33.4%-Sec 32(1)(i)"),
         QStringLiteral("33.4%")},
        {11, QStringLiteral("(18r) Furnitures & Fittings @ 10%- Sec 32(1)(ii)"), QStringLiteral("10%")},
        {12, QStringLiteral("(18s) Intangible Assets @ 25%- Sec 32(1)(ii)"), QStringLiteral("25%")},
        {13, QStringLiteral("(18t) Ships @ 20%- Sec 32(1)(ii)"), QStringLiteral("20%")},
        {21, QStringLiteral("(18u) Cooling towers and circulating water systems @ 7.84%-Sec 32(1)(i)"),
         QStringLiteral("7.84%")},
        {22,
         QStringLiteral("(18v) Hydraulic works forming part of Hydro-electric system @ 1.95%-Sec 32(1)(i)"),
         QStringLiteral("1.95%")},
        {23,
         QStringLiteral("(18w) Hydraulic works forming part of Hydro-electric system @ 3.4%-Sec 32(1)(i)"),
         QStringLiteral("3.4%")},
        {24,
         QStringLiteral("(18x) Transformers, transformer (Kiosk) sub-station equipment and other fixed "
                        "apparatus (including plant foundations) @ 7.81%-Sec 32(1)(i)"),
         QStringLiteral("7.81%")},
        {25,
         QStringLiteral("(18y) Transformers, transformer (Kiosk) sub-station equipment and other fixed "
                        "apparatus (including plant foundations) @ 7.84%-Sec 32(1)(i)"),
         QStringLiteral("7.84%")},
        {26, QStringLiteral("(18z) Switchgear including cable connections @ 7.84%-Sec 32(1)(i)"),
         QStringLiteral("7.84%")},
        {27, QStringLiteral("(18aa) Lightning arrestor @ 7.84%-Sec 32(1)(i)"), QStringLiteral("7.84%")},
        {28, QStringLiteral("(18ab) Lightning arrestor @ 12.77%-Sec 32(1)(i)"), QStringLiteral("12.77%")},
        {29, QStringLiteral("(18ac) Lightning arrestor @ 5.27%-Sec 32(1)(i)"), QStringLiteral("5.27%")},
        {30, QStringLiteral("(18ad) Batteries @ 33.4%-Sec 32(1)(i)"), QStringLiteral("33.4%")},
        {31, QStringLiteral("(18ae) Batteries @ 5.27%-Sec 32(1)(i)"), QStringLiteral("5.27%-")},
        {32, QStringLiteral("(18af) Batteries @ 3.02%-Sec 32(1)(i)"), QStringLiteral("3.02%")},
        {33, QStringLiteral("(18ag) Overhead lines @ 5.27%-Sec 32(1)(i)"), QStringLiteral("5.27%")},
        {34, QStringLiteral("(18ah) Overhead lines @ 7.84%-Sec 32(1)(i)"), QStringLiteral("7.84%")},
        {35, QStringLiteral("(18ai) Meters @ 12.77%-Sec 32(1)(i)"), QStringLiteral("12.77%")},
        {36, QStringLiteral("(18aj) Self-propelled vehicles @ 33.4%-Sec 32(1)(i)"), QStringLiteral("33.4%")},
        {37, QStringLiteral("(18ak) Air-conditioning plants @ 12.77%-Sec 32(1)(i)"),
         QStringLiteral("12.77%")},
        {38, QStringLiteral("(18al) Air-conditioning plants @ 33.4%-Sec 32(1)(i)"), QStringLiteral("33.4%")},
        {39, QStringLiteral("(18am) Office furniture and fittings @ 12.77%-Sec 32(1)(i)"),
         QStringLiteral("12.77%")},
        {40, QStringLiteral("(18an) Office equipments @ 12.77%-Sec 32(1)(i)"), QStringLiteral("12.77%")},
        {41, QStringLiteral("(18ao) Internal wiring including fittings and apparatus @ 12.77%-Sec 32(1)(i)"),
         QStringLiteral("12.77%")},
        {42, QStringLiteral("(18ap) Street light fittings @ 12.77%-Sec 32(1)(i)"), QStringLiteral("12.77%")},
        {43, QStringLiteral("(18aq) Apparatus let on hire @ 33.4%-Sec 32(1)(i)"), QStringLiteral("33.4%")},
        {44, QStringLiteral("(18ar) Apparatus let on hire @ 12.77%-Sec 32(1)(i)"), QStringLiteral("12.77%")},
        {45, QStringLiteral("(18as) Communication equipment @ 12.77%-Sec 32(1)(i)"),
         QStringLiteral("12.77%")},
        {46, QStringLiteral("(18at) Any other assets not covered above @ 7.69%-Sec 32(1)(i)"),
         QStringLiteral("7.69%")},
    };
    return list;
}

const DepreciationBlock *byId(int id)
{
    for (const DepreciationBlock &b : all()) {
        if (b.id == id)
            return &b;
    }
    return nullptr;
}

const DepreciationBlock *byDescription(const QString &description)
{
    for (const DepreciationBlock &b : all()) {
        if (b.description == description)
            return &b;
    }
    return nullptr;
}

QString currentDescription(const QString &description)
{
    // Earlier versions stored these short texts; each is the written-down-value block of the same rate.
    static const QHash<QString, int> legacy{{QStringLiteral("Plant & Machinery 15%"), 1},
                                            {QStringLiteral("Plant & Machinery 30%"), 2},
                                            {QStringLiteral("Plant & Machinery 40%"), 3},
                                            {QStringLiteral("Plant & Machinery 50%"), 4},
                                            {QStringLiteral("Plant & Machinery 60%"), 5},
                                            {QStringLiteral("Plant & Machinery 80%"), 6},
                                            {QStringLiteral("Plant & Machinery 100%"), 7},
                                            {QStringLiteral("Building 5%"), 8},
                                            {QStringLiteral("Building 10%"), 9},
                                            {QStringLiteral("Building 100%"), 10},
                                            {QStringLiteral("Furnitures & Fittings 10%"), 11},
                                            {QStringLiteral("Intangible Assets 25%"), 12},
                                            {QStringLiteral("Ships 20%"), 13}};
    const auto it = legacy.constFind(description.trimmed());
    return it == legacy.constEnd() ? description : byId(it.value())->description;
}

} // namespace DepreciationBlocks
