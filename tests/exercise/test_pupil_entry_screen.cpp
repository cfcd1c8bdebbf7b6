// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise_driver.h"
#include "hand_picture.h"
#include "pupil_entry_screen.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(Operation)

namespace {
const char *const kEntry[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
const char *const kHands[] = {"imgManoNum1", "imgManoDen1", "imgManoNum2", "imgManoDen2"};
const char *const kOperands[] = {"txtNum1", "txtDen1", "txtNum2", "txtDen2"};

// A pupil at a pupil-entry screen, opened as the start menu opens it after "da te".
class Pupil : public ExerciseDriver {
  public:
    bool open(Operation op) {
        const bool active = ExerciseDriver::open(op, ProblemSource::Pupil);
        program.player.takeCues();
        return active;
    }
    // The screen's own Modo (its phase) and CampoIns.
    const PupilEntryScreen::Phase &phase() const {
        return screen->findChild<PupilEntryScreen *>()->phase();
    }

    QLineEdit *entry(int campo) const { return box(QString::fromLatin1(kEntry[campo - 1])); }
    QLineEdit *operand(int i) const { return box(QString::fromLatin1(kOperands[i])); }
    QWidget *hand(int campo) const {
        return screen->findChild<HandPicture *>(QString::fromLatin1(kHands[campo - 1]));
    }
    void clickEntry(int campo) {
        QTest::mouseClick(entry(campo), Qt::LeftButton);
        settle();
    }
    // Selects each entry box with a click and types its text on the keypad.
    void enterProblem(const QStringList &texts) {
        for (int campo = 1; campo <= 4; ++campo) {
            clickEntry(campo);
            keypadType(texts[campo - 1]);
        }
    }
    bool workingAreaEmpty() const {
        for (int i = 0; i < 4; ++i)
            if (!operand(i)->text().isEmpty())
                return false;
        for (int k = 1; k <= 11; ++k)
            if (step(k) && !step(k)->text().isEmpty())
                return false;
        for (int k = 1; k <= 4; ++k) // the division as posed
            if (QLineEdit *given = box(QStringLiteral("txtNumDiv(%1)").arg(k)))
                if (!given->text().isEmpty())
                    return false;
        return true;
    }
};
} // namespace

class TestPupilEntryScreen : public QObject {
    Q_OBJECT
  private slots:
    void loadsReadyToTypeTheFirstNumerator_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("start");
        QTest::newRow("addition") << Operation::Addition << "frmAdd2"
                                  << "cmdAvvio";
        QTest::newRow("subtraction") << Operation::Subtraction << "frmSott2"
                                     << "cmdAvvio";
        QTest::newRow("multiplication") << Operation::Multiplication << "frmMolt2"
                                        << "cmdAvvio";
        QTest::newRow("division") << Operation::Division << "frmDiv2"
                                  << "cmdStartDiv";
    }
    void loadsReadyToTypeTheFirstNumerator() {
        QFETCH(Operation, op);
        QFETCH(QString, start);
        Pupil p;
        QVERIFY(p.open(op));
        QTEST(p.screen->objectName(), "window");
        QCOMPARE(p.phase().CampoIns, 1);
        QCOMPARE(p.passo(), 1);
        QVERIFY(p.keypad()->isEnabled());
        QVERIFY(!p.button("Cmd_invio")->isEnabled());
        QVERIFY(!p.button("cmdSoluzione")->isEnabled());
        QVERIFY(!p.button("cmdRipeti")->isEnabled());
        for (int campo = 1; campo <= 4; ++campo)
            QCOMPARE(p.hand(campo)->isVisible(), campo == 1);
        QCOMPARE(p.notice(), QStringLiteral("Inserisci i numeri e premi Avvio per cominciare"));
        QCOMPARE(p.button(start)->geometry(), QRect(24, 280, 109, 33));
        QCOMPARE(p.screen->findChild<QGroupBox *>("Frame2")->geometry(), QRect(20, 68, 117, 201));
        // Typing starts at once in the first numerator.
        p.keypadType("4");
        QCOMPARE(p.entry(1)->text(), QStringLiteral("4"));
    }

    void aThirdDigitIsTakenBackWithAClick() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.keypadType("123");
        QCOMPARE(p.entry(1)->text(), QStringLiteral("12"));
        QCOMPARE(p.cues(), (QList<int>{CueClick, CueClick, CueClick, CueClick}));
        // Two keys clicked before either reaches the box: only the extra characters go.
        p.entry(1)->clear();
        p.keypadType("1");
        for (const char *key : {"Cmd_2", "Cmd_3", "Cmd_4"})
            QTest::mouseClick(p.button(key), Qt::LeftButton);
        QTRY_COMPARE(p.entry(1)->text(), QStringLiteral("12"));
        // The caret stays where the pupil put it: a digit typed in front is the one removed.
        p.entry(1)->setCursorPosition(0);
        p.keypadType("9");
        QCOMPARE(p.entry(1)->text(), QStringLiteral("12"));
    }

    // A box reached with Tab is typed into from the keyboard while another box is the
    // selected one: the overlong box loses its extra character, the selected one nothing.
    void theOverlongBoxIsTheOneTrimmed() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.keypadType("12");
        QTest::keyClick(p.entry(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.entry(2));
        p.keyboardType("345");
        QCOMPARE(p.entry(2)->text(), QStringLiteral("34"));
        QCOMPARE(p.entry(1)->text(), QStringLiteral("12"));
        // Pasting a long text leaves two characters at once, with one click: a click for
        // every character taken away would sound thousands of times for a long paste.
        p.cues();
        p.entry(3)->setFocus();
        p.entry(3)->insert(QStringLiteral("98765"));
        QTRY_COMPARE(p.entry(3)->text(), QStringLiteral("98"));
        QCOMPARE(p.cues(), QList<int>{CueClick});
    }

    void unusableProblemsAreRefused_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("cues");
        const QList<int> wrong{CueWrong};
        QTest::newRow("add zero numerator")
            << Operation::Addition << QStringList{"0", "5", "1", "2"} << wrong;
        QTest::newRow("add empty denominator")
            << Operation::Addition << QStringList{"1", "", "1", "2"} << wrong;
        QTest::newRow("sub first smaller")
            << Operation::Subtraction << QStringList{"1", "3", "1", "2"} << wrong;
        QTest::newRow("sub zero denominator")
            << Operation::Subtraction << QStringList{"5", "00", "1", "2"} << wrong;
        QTest::newRow("mul zero") << Operation::Multiplication << QStringList{"1", "2", "0", "3"}
                                  << wrong;
        // The division's start sounds before it looks at the entries.
        QTest::newRow("div empty") << Operation::Division << QStringList{"1", "2", "3", ""}
                                   << QList<int>{CueRight, CueWrong};
        QTest::newRow("div zero numerator")
            << Operation::Division << QStringList{"3", "4", "0", "5"}
            << QList<int>{CueRight, CueWrong};
    }
    void unusableProblemsAreRefused() {
        QFETCH(Operation, op);
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, cues);
        Pupil p;
        QVERIFY(p.open(op));
        const QString start = op == Operation::Division ? "cmdStartDiv" : "cmdAvvio";
        // An exercise is on screen when the bad problem is started.
        p.enterProblem({"1", "2", "1", "3"});
        p.click(start);
        QVERIFY(!p.workingAreaEmpty());
        p.enterProblem(typed);
        const QString notice = p.notice();
        const int avviate = p.frame()->counters().Avviate;
        p.cues();
        p.click(start);
        QCOMPARE(p.cues(), cues);
        QCOMPARE(p.notice(), notice);
        QCOMPARE(p.frame()->counters().Avviate, avviate);
        if (op == Operation::Subtraction) // cleared first, whatever the outcome
            QCOMPARE(p.passo(), 0);
        for (int campo = 1; campo <= 4; ++campo) {
            QCOMPARE(p.entry(campo)->text(), typed[campo - 1]);
            QVERIFY(p.hand(campo)->isVisible());
        }
        QVERIFY(p.workingAreaEmpty());
        QVERIFY(!p.keypad()->isEnabled());
        QVERIFY(!p.button("cmdSoluzione")->isEnabled());
        // The pupil goes on by clicking an entry box.
        p.clickEntry(2);
        QVERIFY(p.keypad()->isEnabled());
        QTest::keyClick(p.entry(2), Qt::Key_A, Qt::ControlModifier);
        p.keypadType("7");
        QCOMPARE(p.entry(2)->text(), QStringLiteral("7"));
    }

    void equalFractionsSubtractToZero() {
        Pupil p;
        QVERIFY(p.open(Operation::Subtraction));
        p.enterProblem({"1", "2", "1", "2"});
        p.cues();
        p.click("cmdAvvio");
        QCOMPARE(p.cues(), QList<int>{CueRight});
        QCOMPARE(p.label("lblAvviate"), QStringLiteral(" 1"));
        QCOMPARE(int(p.phase().Modo), 2);
        QVERIFY(p.button("Cmd_invio")->isEnabled());
        QVERIFY(p.button("cmdSoluzione")->isEnabled());
        for (int campo = 1; campo <= 4; ++campo) {
            QVERIFY(p.entry(campo)->text().isEmpty());
            QVERIFY(p.hand(campo)->isVisible());
        }
        QCOMPARE(p.operand(0)->text(), QStringLiteral("1"));
        QCOMPARE(p.operand(3)->text(), QStringLiteral("2"));
        QCOMPARE(p.passo(), 5);
        QCOMPARE(QApplication::focusWidget(), p.step(5));
        for (int value : {2, 1, 1})
            p.answer(value);
        QCOMPARE(p.passo(), 8);
        QCOMPARE(p.notice(), QStringLiteral("Calcola"));
        p.answer(0);
        p.answer(2);
        QCOMPARE(p.notice(), QStringLiteral("Missione compiuta"));
        QCOMPARE(p.label("lblFatte"), QStringLiteral(" 1"));
        QCOMPARE(p.label("lblErrori"), QStringLiteral(" 0"));
        QCOMPARE(p.cues().last(), int(CueCompleted));
        QVERIFY(p.button("cmdRipeti")->isEnabled());
    }

    // After a start the entries are empty, so "Avvio" again wipes the exercise and refuses.
    void startingAgainWithEmptyEntriesClearsTheExercise() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.enterProblem({"2", "4", "1", "6"});
        p.click("cmdAvvio");
        QCOMPARE(p.notice(), QStringLiteral("Semplifica in verticale"));
        p.answer(1);
        p.cues();
        p.click("cmdAvvio");
        QCOMPARE(p.cues(), QList<int>{CueWrong});
        QVERIFY(p.workingAreaEmpty());
        QVERIFY(!p.keypad()->isEnabled());
        QCOMPARE(p.label("lblAvviate"), QStringLiteral(" 1"));
    }

    void clickingAnEntryBoxMidExerciseStopsAnswering() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.enterProblem({"1", "2", "1", "3"});
        p.click("cmdAvvio");
        QCOMPARE(p.passo(), 5);
        p.clickEntry(3);
        QCOMPARE(int(p.phase().Modo), 1);
        QCOMPARE(p.phase().CampoIns, 3);
        QVERIFY(!p.button("Cmd_invio")->isEnabled());
        QVERIFY(!p.button("cmdSoluzione")->isEnabled());
        for (int campo = 1; campo <= 4; ++campo)
            QCOMPARE(p.hand(campo)->isVisible(), campo == 3);
        p.keypadType("6");
        QCOMPARE(p.entry(3)->text(), QStringLiteral("6"));
        QVERIFY(p.step(5)->text().isEmpty());
        // Enter acts only while OK can be clicked: nothing is checked or counted.
        p.cues();
        p.enter();
        QVERIFY(p.cues().isEmpty());
        QCOMPARE(p.passo(), 5);
        QCOMPARE(p.label("lblErrori"), QStringLiteral(" 0"));
        // The exercise stays visible.
        QCOMPARE(p.operand(0)->text(), QStringLiteral("1"));
    }

    void leadingZeroIsDropped() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.enterProblem({"3", "07", "1", "07"});
        p.click("cmdAvvio");
        QCOMPARE(p.operand(1)->text(), QStringLiteral("7"));
        QCOMPARE(p.operand(3)->text(), QStringLiteral("7"));
        QCOMPARE(p.problem().Den1, 7);
    }

    void leavingWhileSolvingAndComingBackStartsAfresh() {
        Pupil p;
        QVERIFY(p.open(Operation::Subtraction));
        p.enterProblem({"3", "4", "1", "4"});
        p.click("cmdAvvio");
        QCOMPARE(int(p.phase().Modo), 2);
        p.click("cmdExit");
        QVERIFY(p.menu.isVisible());
        QTRY_VERIFY(p.screen.isNull());
        QVERIFY(p.open(Operation::Addition));
        QCOMPARE(int(p.phase().Modo), 1);
        QCOMPARE(p.label("lblAvviate"), QStringLiteral(" 0"));
    }

    // Whatever the physical keyboard puts into the entry boxes, the procedure only ever
    // gets operands from 1 up: signs and letters read as no digits at all.
    void keyboardTextNeverGivesAZeroOrNegativeOperand_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("operands");
        const auto add = Operation::Addition;
        const auto sub = Operation::Subtraction;
        QTest::newRow("minus sign")
            << add << QStringList{"-5", "2", "1", "2"} << false << QList<int>{};
        QTest::newRow("plus sign")
            << add << QStringList{"1", "+3", "1", "2"} << false << QList<int>{};
        QTest::newRow("letter first")
            << sub << QStringList{"9", "a1", "1", "2"} << false << QList<int>{};
        QTest::newRow("decimal point cut at two")
            << add << QStringList{"3.5", "4", "1", "4"} << true << QList<int>{3, 4, 1, 4};
        QTest::newRow("leading blank")
            << add << QStringList{" 4", "5", "1", "5"} << true << QList<int>{4, 5, 1, 5};
        QTest::newRow("trailing letter")
            << sub << QStringList{"5x", "6", "1", "6"} << true << QList<int>{5, 6, 1, 6};
        QTest::newRow("sign after digit")
            << sub << QStringList{"1", "2", "1-", "3"} << true << QList<int>{1, 2, 1, 3};
    }
    void keyboardTextNeverGivesAZeroOrNegativeOperand() {
        QFETCH(Operation, op);
        QFETCH(QStringList, typed);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, operands);
        Pupil p;
        QVERIFY(p.open(op));
        for (int campo = 1; campo <= 4; ++campo) {
            p.clickEntry(campo);
            p.keyboardType(typed[campo - 1]);
        }
        p.cues();
        p.click("cmdAvvio");
        QCOMPARE(p.cues(), QList<int>{accepted ? CueRight : CueWrong});
        if (!accepted) {
            QVERIFY(p.workingAreaEmpty());
            return;
        }
        const Problem &s = p.problem();
        QCOMPARE((QList<int>{s.Num1, s.Den1, s.Num2, s.Den2}), operands);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.operand(i)->text(), QString::number(operands[i]));
    }

    void solutionAndRepeatWorkOnTheTypedProblem() {
        Pupil p;
        QVERIFY(p.open(Operation::Addition));
        p.enterProblem({"1", "2", "1", "3"});
        p.click("cmdAvvio");
        p.answer(4); // wrong: 6 expected
        QCOMPARE(p.label("lblErrori"), QStringLiteral(" 1"));
        p.click("cmdSoluzione");
        QCOMPARE(p.notice(), QStringLiteral("Fatto"));
        QCOMPARE(p.step(8)->text(), QStringLiteral("5"));
        QCOMPARE(p.step(9)->text(), QStringLiteral("6"));
        p.click("cmdRipeti");
        QCOMPARE(p.operand(0)->text(), QStringLiteral("1"));
        QCOMPARE(p.operand(3)->text(), QStringLiteral("3"));
        QCOMPARE(p.passo(), 5);
        p.answer(5); // wrong again, but a repeat counts nothing
        QCOMPARE(p.label("lblErrori"), QStringLiteral(" 1"));
        for (int value : {6, 3, 2, 5, 6})
            p.answer(value);
        QCOMPARE(p.notice(), QStringLiteral("Missione compiuta"));
        QCOMPARE(p.label("lblFatte"), QStringLiteral(" 0"));
        QCOMPARE(p.label("lblAvviate"), QStringLiteral(" 1"));
    }

    void multiplicationTakesTheTypedOperands() {
        Pupil p;
        QVERIFY(p.open(Operation::Multiplication));
        p.enterProblem({"2", "3", "9", "4"});
        p.click("cmdAvvio");
        const Problem &s = p.problem();
        QCOMPARE((QList<int>{s.Num1, s.Den1, s.Num2, s.Den2}), (QList<int>{2, 3, 9, 4}));
        for (int campo = 1; campo <= 4; ++campo)
            QVERIFY(p.entry(campo)->text().isEmpty());
    }
};

QTEST_MAIN(TestPupilEntryScreen)
#include "test_pupil_entry_screen.moc"
