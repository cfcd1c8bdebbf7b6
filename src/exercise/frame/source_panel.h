// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <QObject>
#include <optional>

class Procedure;
class QLineEdit;

// Where the problems of an exercise screen come from, as the frame sees it: the range
// frames of the random screens or the entry frame of the pupil-entry screens, in the
// frame's source area. A source knows no particular operation: it asks the screen's
// Procedure only whether a problem can be worked.
class SourcePanel : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The source's part of the screen's load, once the frame's common part is done.
    virtual void load() = 0;
    // "Avvio" (cmdAvvio, or cmdStartDiv on the division screens) asks for the problem of a
    // new exercise, once the working area is emptied: drawn again until procedure accepts
    // it, or read from the pupil's entries. Nothing when the entries make no problem that
    // procedure accepts.
    virtual std::optional<Problem> takeProblem(const Procedure &procedure) = 0;
    // The box the keypad types into now: one of the source's own or the working area's;
    // nullptr when a key only clicks.
    virtual QLineEdit *keypadTarget() const = 0;
};
