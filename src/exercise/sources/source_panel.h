// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLineEdit;

// Where the problems of an exercise screen come from, as the frame sees it: the range
// frames of the random screens or the entry frame of the pupil-entry screens, in the
// frame's source area. A source knows no particular operation: it starts the screen's
// Procedure.
class SourcePanel : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // "Avvio" (cmdAvvio, or cmdStartDiv on the division screens).
    virtual void start() = 0;
    // The box the keypad types into now: one of the source's own or the working area's;
    // nullptr when a key only clicks.
    virtual QLineEdit *keypadTarget() const = 0;
    // "Esci", once the start menu shows again and before the screen goes away.
    virtual void leaving() = 0;
};
