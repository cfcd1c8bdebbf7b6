// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>
#include <functional>

// Colours of a button picture: a vertical gradient from light to dark, and the ink of
// its word or symbol.
struct ButtonLook {
    QColor light;
    QColor dark;
    QColor ink;
};

namespace looks {
inline const ButtonLook green{QColor(0xb8, 0xf0, 0x8a), QColor(0x2e, 0x8b, 0x22),
                              QColor(0x10, 0x30, 0x08)};
inline const ButtonLook redPink{QColor(0xff, 0xc4, 0xd6), QColor(0xd9, 0x1e, 0x4e), Qt::white};
inline const ButtonLook blue{QColor(0xb4, 0xdc, 0xff), QColor(0x1d, 0x5f, 0xc9), Qt::white};
inline const ButtonLook yellow{QColor(0xff, 0xf7, 0xb0), QColor(0xe8, 0xb4, 0x00),
                               QColor(0x5a, 0x32, 0x00)};
inline const ButtonLook magenta{QColor(0xff, 0xb8, 0xf4), QColor(0xb0, 0x1c, 0xa4), Qt::white};
inline const ButtonLook pink{QColor(0xff, 0xe0, 0xec), QColor(0xf2, 0x8c, 0xb4),
                             QColor(0x60, 0x10, 0x30)};
inline const ButtonLook lavender{QColor(0xee, 0xe6, 0xff), QColor(0xa8, 0x94, 0xe0),
                                 QColor(0x30, 0x20, 0x70)};
inline const ButtonLook red{QColor(0xff, 0xa8, 0x98), QColor(0xcc, 0x16, 0x10), Qt::white};
// Green with a red word: the "OK" of the information window.
inline const ButtonLook greenRedInk{QColor(0xc8, 0xf4, 0xa0), QColor(0x3a, 0x9c, 0x2a),
                                    QColor(0xd0, 0x10, 0x10)};
} // namespace looks

// A button whose picture carries its word (or a drawn symbol): painted as vectors at the
// screen's pixel ratio, so it stays crisp at any scaling, with a greyed picture when
// disabled. It shows the pointing-hand cursor and tells screen readers its word.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    using SymbolPainter = std::function<void(QPainter &, const QRectF &, const QColor &ink)>;

    PictureButton(const QString &word, const ButtonLook &look, QWidget *parent = nullptr);

    // Draws symbol in place of the word; the word stays the accessible name.
    void setSymbol(SymbolPainter symbol);
    const QString &word() const { return word_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;
    // Enter presses a focused button, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QString word_;
    ButtonLook look_;
    SymbolPainter symbol_;
};

// Paints the button picture into painter over rect; shared with the picture check box.
void paintButtonFace(QPainter &painter, const QRectF &rect, const ButtonLook &look, bool enabled,
                     bool pressed);

// The grey ink of any disabled picture.
QColor disabledInk();
