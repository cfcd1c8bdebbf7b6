#pragma once

#include <QWidget>

// Every window of the program: kept above other windows, with no close button, and deaf
// to close requests from the window manager (title bar, Alt+F4). The program is left only
// through its own "Esci" buttons.
class ProgramWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgramWindow(QWidget *parent = nullptr);

    // Gives the client area its fixed size in device-independent pixels.
    void setClientSize(int width, int height);

    // Shows the window above the others and gives it the keyboard; the first time, in the
    // middle of the screen.
    void showAndActivate();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    bool placed_ = false;
};

// Keeps window above all others without moving, resizing or activating it.
void InPrimoPiano(QWidget *window);
