#pragma once

#include <QIcon>

// The program's picture, the same as its menu entry's, for title bars, task bars and the
// window switcher.
QIcon programIcon();
