#include "box_values.h"

#include <QLineEdit>

long boxValue(const QLineEdit *box) {
    long v = 0;
    bool negative = false;
    bool seenDigit = false;
    for (const QChar c : box->text()) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (!seenDigit && !negative && c == QLatin1Char('-')) {
            negative = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            break;
        seenDigit = true;
        if (v < 100000000L)
            v = v * 10 + (c.unicode() - '0');
    }
    return negative ? -v : v;
}

bool entryValue(const QString &text, int &value) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    long v = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > 32767) // beyond any answer a step box can expect
            return false;
    }
    value = int(v);
    return true;
}

int16_t asAnswer(long value) {
    if (value > 32767)
        return 32767;
    if (value < -32768)
        return -32768;
    return int16_t(value);
}
