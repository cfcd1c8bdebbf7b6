#pragma once

struct AppContext;
class QWidget;

// Loads the start menu, the program's first screen and hub, and shows it. The menu lives
// until the program ends; ctx must outlive it.
QWidget *openStartMenu(AppContext &ctx);
