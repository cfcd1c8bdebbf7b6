#pragma once

#include <QString>
#include <cstdint>

class QLineEdit;

// How every procedure reads its boxes, so that nothing is read two ways.

// A box as the step procedures read it: the number formed by its leading digits, blanks
// ignored; empty or no digits reads as 0.
long boxValue(const QLineEdit *box);

// A whole entry as the check reads it: blanks around it and leading zeros allowed,
// otherwise only digits; false when the text is no whole number that fits a step box.
bool entryValue(const QString &text, int &value);

// A worked value as stored among the expected answers, kept within their 16-bit range.
int16_t asAnswer(long value);
