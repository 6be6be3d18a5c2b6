#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QAbstractItemView;
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

// Grid rows, read and written through the grid's item model: every row is a data row; the
// header is the fixed row. A clause grid's cells are set as they are to be stored.
int rowCount(const QAbstractItemView *grid);
int columnCount(const QAbstractItemView *grid);
void setRowCount(QAbstractItemView *grid, int rows);
QString cellText(const QAbstractItemView *grid, int row, int column);
void setCellText(QAbstractItemView *grid, int row, int column, const QString &value);
bool rowIsEmpty(const QAbstractItemView *grid, int row);

// Its point: the name without its three-letter prefix (grd18 -> "18", txt8a -> "8a").
QString pointOfName(const QString &objectName);

} // namespace WidgetValues
