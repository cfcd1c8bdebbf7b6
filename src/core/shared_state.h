#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// What every screen shares for the life of the process: the chosen mode, the two
// fractions, the current step, the expected answers, the range limits and the counters.
// Every value starts unset, which is 0 here, so "unset" and 0 compare alike; only the
// sound switch starts on. One instance belongs to the running program; tests make their own.
struct SharedState {
    bool SuonoAttivo = true;

    int Passo = 0;
    long MCD = 0;
    long mcm = 0;
    long OpMcm1 = 0;
    long OpMcm2 = 0;

    int NumCasuale = 0;
    int DenCasuale = 0;
    int Num1 = 0;
    int Den1 = 0;
    int Num2 = 0;
    int Den2 = 0;

    int MostraSoluzione = 0;
    int NumMax = 0;
    int NumMin = 0;
    int DenMax = 0;
    int DenMin = 0;

    int PosSequenza = 0;
    int PassiEseguiti = 0;
    int RipetizioneInCorso = 0;
    int EsercizioRipetuto = 0;
    int CampoDiv = 0;
    int FaseReciproco = 0;

    int Modo = 0;
    int ModoSalvato = 0;
    int CampoIns = 0;

    int Avviate = 0;
    int Eseguite = 0;
    int Errori = 0;

    std::array<int16_t, 13> Risposte{};
    std::array<int16_t, 16> SequenzaPassi{};
    std::array<int16_t, 5> Reciproco{};
    QByteArray BufferSuono;

    // Greatest common divisor of a and b into MCD. The arguments are the loop's working
    // variables and are overwritten: afterwards a holds the last dividend and b the
    // divisor, so callers pass copies. A zero divisor leaves MCD at 0 instead of trapping.
    void CalcolaMCD(long &a, long &b);

    // CalcolaMCD, then the least common multiple of OpMcm1 and OpMcm2 into mcm. The caller
    // stores the two denominators in OpMcm1 and OpMcm2 first and passes copies of them.
    void CalcolaMcm(long &a, long &b);
};

// The counters are shown as one blank followed by the value: " 0", " 12".
QString counterText(int value);
