#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The number a field's text starts with: "2.5" and "2.5 rows" give 2.5,
// "1e3" gives 1000; a text that does not start with a number gives 0.
double numberValue(const QString &text);

// An up-down spinner's steps: Up adds 1 without limit, Down subtracts 1 only
// while the value is above the floor.
QString spinUp(const QString &text);
QString spinDown(const QString &text, int floor);

// A pair of arrow buttons, "up" and "down", that step field.
QWidget *makeSpinner(QWidget *parent, const QString &name, QLineEdit *field, int floor);
