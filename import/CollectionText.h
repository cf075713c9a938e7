#pragma once

#include <QString>
#include <QStringList>

// How collections write numbers and lists, read into a film's fields.

// The year in a date or a year: the first group of four digits ("25/05/1979",
// "1979-05-25"), else the whole text as a number; 0 when there is none.
int YearIn(const QString &text);
// A running time in minutes: "102", "102 min", "1h42", "1 h 42 min", "1:42";
// 0 when the text says none of these.
int MinutesIn(const QString &text);
// Names separated by commas, semicolons or line breaks; a separator within
// brackets belongs to the name ("Anne (Ripley, officier)").
QStringList SplitNames(const QString &text);
// The name without its role in brackets: "Anne (Ripley)" -> "Anne".
QString WithoutRole(const QString &name);
