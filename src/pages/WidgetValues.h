#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QTableWidget;
class QRadioButton;

// How the controls of a page read and take their stored values: text boxes their text,
// option buttons "Yes"/"No", check boxes 0/1, combos their text, grids their cells.
namespace WidgetValues
{

enum class Kind { Other, Grid, Text, Combo, Option, Check };
Kind kindOf(const QWidget *w);

QString text(const QWidget *w);
void setText(QWidget *w, const QString &value);

// Sets or clears an option button even when its group is exclusive.
void setOption(QRadioButton *button, bool on);

// Check box state as stored: "1" ticked, "0" not.
QString checkValue(const QWidget *w);
void setCheckValue(QWidget *w, const QString &value);

// Grid rows: all rows of a QTableWidget are data rows; its header is the fixed row.
QString cellText(const QTableWidget *grid, int row, int column);
void setCellText(QTableWidget *grid, int row, int column, const QString &value);
bool rowIsEmpty(const QTableWidget *grid, int row);

// Its point: the name without its three-letter prefix (grd18 -> "18", txt8a -> "8a").
QString pointOfName(const QString &objectName);

} // namespace WidgetValues
