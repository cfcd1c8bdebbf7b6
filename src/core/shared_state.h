// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// What every screen shares for the life of the process: the chosen mode, the two
// fractions, the current step, the expected answers, the range limits and the counters.
// Every value starts unset, which is 0 here, so "unset" and 0 compare alike; only the
// sound switch starts on. One instance belongs to the running program; tests make their own.
struct SharedState {
    // The codes Modo holds. On the start menu, where the problems come from:
    static constexpr int kModoPupil = 1;    // "da te": typed in by the pupil
    static constexpr int kModoComputer = 2; // "dal computer": drawn at random
    // Inside a pupil-entry screen, what the pupil is doing:
    static constexpr int kModoEntering = 1; // typing the problem into the entry frame
    static constexpr int kModoSolving = 2;  // working the problem in the step boxes

    // Sound switch: cues play only while on. Toggled by the start menu's loudspeaker.
    bool SuonoAttivo = true;

    // The step box txtFraz(Passo) that takes the next entry; 0 or past the last box: none.
    // Set to 1 by every screen's load, then by the procedures.
    int Passo = 0;
    // Greatest common divisor left by the last CalcolaMCD or CalcolaMcm (their only writer).
    long MCD = 0;
    // Least common multiple left by the last CalcolaMcm (its only writer).
    long mcm = 0;
    // The two denominators of the last common-denominator step (addition and subtraction),
    // stored by it for CalcolaMcm and for expanding the numerators.
    long OpMcm1 = 0;
    long OpMcm2 = 0;

    // Numerator and denominator of the last draw; written by Casuali only.
    int NumCasuale = 0;
    int DenCasuale = 0;
    // The problem Num1/Den1 op Num2/Den2 as given (a division as posed, before its rewrite),
    // 1 to 99 each; written by every start that takes a new problem, read back by "Ripeti".
    int Num1 = 0;
    int Den1 = 0;
    int Num2 = 0;
    int Den2 = 0;

    // 1 while "Soluzione" writes the worked solution: the step procedures then also write
    // each expected answer into its box and cross out what it replaces; else 0.
    int MostraSoluzione = 0;
    // Inclusive ranges of drawn numerators and denominators (the minimum is always 1); set by
    // the range options of the random screens, 1 to 25 at each load.
    int NumMax = 0;
    int NumMin = 0;
    int DenMax = 0;
    int DenMin = 0;

    // Products only: the position in SequenzaPassi of the current step (from 1; 0 when no
    // product step is asked), and the right answers given so far (a new pair of steps
    // begins at 2, 4 and 6).
    int PosSequenza = 0;
    int PassiEseguiti = 0;
    // 1 while a division's "Ripeti" restarts the problem on screen: that start draws
    // nothing and counts nothing. Set by the division's "Ripeti"; cleared by every start,
    // by the division's passage to the product and by every screen's load.
    int RipetizioneInCorso = 0;
    // 1 while the exercise on screen is a repeat: answers are still checked, but neither
    // errors nor the completion are counted. Set by "Ripeti", cleared by every new start.
    int EsercizioRipetuto = 0;
    // Division only: the rewrite box the keypad feeds and "OK" checks while FaseReciproco
    // is 1 (1 txtNum1, 2 txtDen1, 3 txtNum2, 4 txtDen2); 0 once the product begins.
    int CampoDiv = 0;
    // Division only: 1 while the pupil rewrites the division as a product by the reciprocal,
    // 0 from the moment the fourth rewrite box is right.
    int FaseReciproco = 0;

    // The start menu's choice (kModoPupil, kModoComputer; 0 until the pupil picks one), or
    // a pupil-entry screen's phase (kModoEntering, kModoSolving): written by the start
    // menu's mode buttons and by the pupil-entry screens.
    int Modo = 0;
    // Modo as the start menu left it, taken when a pupil-entry screen loads and given back
    // by its "Esci", so the menu finds its mode unchanged.
    int ModoSalvato = 0;
    // Pupil-entry screens: the entry box the keypad feeds while entering (1 txtInsNum1,
    // 2 txtInsDen1, 3 txtInsNum2, 4 txtInsDen2); 1 at load, then the box last clicked.
    int CampoIns = 0;

    // The counters of the current visit to a screen, each shown as soon as it changes and
    // set to 0 by every screen's load: exercises started (not repeats), completed and
    // wrong answers (neither counted during a repeat).
    int Avviate = 0;
    int Eseguite = 0;
    int Errori = 0;

    // Risposte[k]: the answer step box k expects, stored by the step procedures before the
    // pupil answers it (index 0 unused).
    std::array<int16_t, 13> Risposte{};
    // Products only: entries 1..n hold the step boxes in the order they are asked.
    std::array<int16_t, 16> SequenzaPassi{};
    // Division only: Reciproco[k] is what rewrite box k expects (Num1, Den1, Den2, Num2).
    std::array<int16_t, 5> Reciproco{};
    // The bytes of the clip being played.
    QByteArray BufferSuono;

    // Greatest common divisor of a and b into MCD. The arguments are the loop's working
    // variables and are overwritten: afterwards a holds the last dividend and b the
    // divisor, so callers pass copies. A zero divisor leaves MCD at 0 instead of trapping.
    void CalcolaMCD(long &a, long &b);

    // CalcolaMCD, then the least common multiple of OpMcm1 and OpMcm2 into mcm. The caller
    // stores the two denominators in OpMcm1 and OpMcm2 first and passes copies of them.
    void CalcolaMcm(long &a, long &b);

    // The way every step calls them, on copies of the values it read, so nothing it holds
    // is overwritten: CalcolaMCD(a, b), returning MCD.
    long mcdOf(long a, long b) {
        CalcolaMCD(a, b);
        return MCD;
    }
    // The common-denominator call: d1 and d2 stored in OpMcm1 and OpMcm2, then CalcolaMcm
    // on copies of them, returning mcm.
    long mcmOf(long d1, long d2) {
        OpMcm1 = d1;
        OpMcm2 = d2;
        CalcolaMcm(d1, d2);
        return mcm;
    }
};

// The counters are shown as one blank followed by the value: " 0", " 12".
QString counterText(int value);
