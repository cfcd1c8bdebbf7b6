// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever text reaches a box, from the keyboard or pasted: every kind of box gives the
// outcome the screen defines, and no text changes what the exercise asks next.

#include "addsub_plan.h"
#include "exercise_driver.h"
#include "product_plan.h"

#include <QClipboard>

Q_DECLARE_METATYPE(Operation)

namespace {
enum class BoxKind { Step, Rewrite, Entry };
enum class Outcome { Ignored, Right, Wrong, Accepted, Refused };
} // namespace
Q_DECLARE_METATYPE(BoxKind)
Q_DECLARE_METATYPE(Outcome)

namespace {
struct Pupil : ExerciseDriver {
    void paste(QWidget *into, const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
        settle();
    }
};

// "Beyond 16 bits" and the leading zeros are built around the answer the box expects, so
// that only their oddness can make them wrong (a value kept to 16 bits would come out right).
QString textOf(const QString &kind, int expected) {
    if (kind == "leading zeros")
        return QStringLiteral("00") + QString::number(expected);
    if (kind == "beyond 16 bits")
        return QString::number(65536 + expected);
    if (kind == "10,000 characters")
        return QString(10000, QLatin1Char('7'));
    const struct {
        const char *kind;
        const char16_t *text;
    } fixed[] = {{"empty", u""},
                 {"blanks", u"   "},
                 {"letters", u"ab"},
                 {"minus sign", u"-3"},
                 {"plus sign", u"+3"},
                 {"decimal point", u"3.5"},
                 {"decimal comma", u"3,5"},
                 {"exponent", u"1e3"},
                 {"arabic-indic digit", u"\u0663"},
                 {"fullwidth digits", u"\uff11\uff12"}};
    for (const auto &f : fixed)
        if (kind == QLatin1String(f.kind))
            return QString::fromUtf16(f.text);
    return kind;
}
} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
  private slots:
    void everyTextHasItsOutcomeInEveryBox_data();
    void everyTextHasItsOutcomeInEveryBox();
    void scribblesOverOtherBoxesChangeNothingAsked_data();
    void scribblesOverOtherBoxesChangeNothingAsked();
};

void TestBadInput::everyTextHasItsOutcomeInEveryBox_data() {
    QTest::addColumn<BoxKind>("box");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Outcome>("outcome");
    // The entry box keeps two characters of whatever arrives, and reads their leading digits.
    QTest::addColumn<QString>("entryKept");
    const struct {
        const char *kind;
        Outcome checked; // in a step box and in a rewrite box
        Outcome started; // typed as the first numerator of a problem
        const char16_t *kept;
    } rows[] = {
        {"empty", Outcome::Ignored, Outcome::Refused, u""},
        {"blanks", Outcome::Wrong, Outcome::Refused, u"  "},
        {"letters", Outcome::Wrong, Outcome::Refused, u"ab"},
        {"minus sign", Outcome::Wrong, Outcome::Refused, u"-3"},
        {"plus sign", Outcome::Wrong, Outcome::Refused, u"+3"},
        {"decimal point", Outcome::Wrong, Outcome::Accepted, u"3."},
        {"decimal comma", Outcome::Wrong, Outcome::Accepted, u"3,"},
        {"exponent", Outcome::Wrong, Outcome::Accepted, u"1e"},
        {"leading zeros", Outcome::Right, Outcome::Refused, u"00"},
        {"beyond 16 bits", Outcome::Wrong, Outcome::Accepted, u"65"},
        {"10,000 characters", Outcome::Wrong, Outcome::Accepted, u"77"},
        {"arabic-indic digit", Outcome::Wrong, Outcome::Refused, u"\u0663"},
        {"fullwidth digits", Outcome::Wrong, Outcome::Refused, u"\uff11\uff12"},
    };
    for (const auto &r : rows) {
        QTest::addRow("step box, %s", r.kind)
            << BoxKind::Step << QString::fromLatin1(r.kind) << r.checked << QString();
        QTest::addRow("rewrite box, %s", r.kind)
            << BoxKind::Rewrite << QString::fromLatin1(r.kind) << r.checked << QString();
        QTest::addRow("entry box, %s", r.kind) << BoxKind::Entry << QString::fromLatin1(r.kind)
                                               << r.started << QString::fromUtf16(r.kept);
    }
}

void TestBadInput::everyTextHasItsOutcomeInEveryBox() {
    QFETCH(BoxKind, box);
    QFETCH(QString, kind);
    QFETCH(Outcome, outcome);
    QFETCH(QString, entryKept);
    Pupil p;
    if (box == BoxKind::Entry) {
        // The first numerator arrives pasted; the other three are typed on the keypad.
        QVERIFY(p.openTyped(Operation::Multiplication));
        p.typeProblem({1, 5, 2, 7});
        QLineEdit *entry = p.box(QStringLiteral("txtInsNum1"));
        QTest::mouseClick(entry, Qt::LeftButton);
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        p.cues();
        p.paste(entry, textOf(kind, 3));
        QCOMPARE(entry->text(), entryKept);
        QVERIFY(p.cues().count(CueClick) <= 1); // one click, however much was pasted
        p.click(QStringLiteral("cmdAvvio"));
        const QList<int> cues = p.cues();
        if (outcome == Outcome::Refused) {
            QCOMPARE(cues, QList<int>{CueWrong});
            QCOMPARE(p.label(QStringLiteral("lblAvviate")), QStringLiteral(" 0"));
        } else {
            QCOMPARE(p.problem().Num1, p.box(QStringLiteral("txtNum1"))->text().toInt());
            QVERIFY(p.problem().Num1 >= 1 && p.problem().Num1 <= 99);
            QCOMPARE(p.label(QStringLiteral("lblAvviate")), QStringLiteral(" 1"));
        }
        return;
    }
    const bool rewrite = box == BoxKind::Rewrite;
    // 6/8 + 1/3 asks 3 first; 6/8 : 1/3 asks 6 first.
    QVERIFY(p.startOn(rewrite ? Operation::Division : Operation::Addition, ProblemSource::Computer,
                      {6, 8, 1, 3}));
    QLineEdit *target = p.box(QLatin1String(rewrite ? "txtNum1" : "txtFraz(1)"));
    QCOMPARE(QApplication::focusWidget(), target);
    const int expected = rewrite ? 6 : 3;
    const std::array<int16_t, 13> answers = p.risposte();
    target->clear();
    p.paste(target, textOf(kind, expected));
    p.cues();
    p.click(QStringLiteral("Cmd_invio"));
    const QList<int> cues = p.cues();
    const StepMemory s = stepMemory(*p.frame());
    QVERIFY(s.Risposte == answers);
    switch (outcome) {
    case Outcome::Ignored:
        QCOMPARE(cues, QList<int>{});
        QCOMPARE(p.label(QStringLiteral("lblErrori")), QStringLiteral(" 0"));
        QCOMPARE(QApplication::focusWidget(), target);
        break;
    case Outcome::Right:
        QCOMPARE(cues, QList<int>{CueRight});
        QCOMPARE(rewrite ? p.rewriteState().CampoDiv : s.Passo, 2);
        break;
    default:
        QCOMPARE(cues, QList<int>{CueWrong});
        QCOMPARE(p.label(QStringLiteral("lblErrori")), QStringLiteral(" 1"));
        QCOMPARE(target->text(), QString());
        QCOMPARE(rewrite ? p.rewriteState().CampoDiv : s.Passo, 1);
        break;
    }
}

void TestBadInput::scribblesOverOtherBoxesChangeNothingAsked_data() {
    QTest::addColumn<Operation>("op");
    QTest::addColumn<QList<int>>("operands");
    // Right answers given before the scribble; then the rest is answered from the plan, or
    // the solution is asked for.
    QTest::addColumn<int>("answeredFirst");
    QTest::addColumn<QString>("scribbled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("thenSolution");
    // 6/8 and 4/6 both reduce; 3/6 + 2/4 reduces its result as well.
    const QList<int> both = {6, 8, 4, 6};
    QTest::newRow("addition, answered box 1") << Operation::Addition << both << 1 << "txtFraz(1)"
                                              << "1e3" << false;
    QTest::newRow("addition, answered box 2") << Operation::Addition << both << 2 << "txtFraz(2)"
                                              << "9" << false;
    QTest::newRow("addition, answered box 1 emptied")
        << Operation::Addition << both << 2 << "txtFraz(1)"
        << "" << false;
    QTest::newRow("subtraction, second numerator")
        << Operation::Subtraction << both << 0 << "txtNum2"
        << "77" << false;
    QTest::newRow("addition, result numerator")
        << Operation::Addition << QList<int>{3, 6, 2, 4} << 8 << "txtFraz(8)"
        << "5" << false;
    QTest::newRow("addition, operand, then solution")
        << Operation::Addition << both << 1 << "txtNum2"
        << "5" << true;
    QTest::newRow("multiplication, operand, then solution")
        << Operation::Multiplication << both << 0 << "txtDen2"
        << "7" << true;
}

void TestBadInput::scribblesOverOtherBoxesChangeNothingAsked() {
    QFETCH(Operation, op);
    QFETCH(QList<int>, operands);
    QFETCH(int, answeredFirst);
    QFETCH(QString, scribbled);
    QFETCH(QString, text);
    QFETCH(bool, thenSolution);
    const QList<int> &o = operands;
    Pupil p;
    QVERIFY(p.startOn(op, ProblemSource::Computer, o));
    QList<int> boxes, values;
    if (op == Operation::Multiplication) {
        const ProductPlan plan = planProduct(o[0], o[1], o[2], o[3]);
        for (int j = 0; j < plan.count; ++j)
            boxes << plan.steps[j].box, values << plan.steps[j].value;
    } else {
        const AddSubPlan plan = planAddSub(op == Operation::Subtraction, o[0], o[1], o[2], o[3]);
        for (int j = 0; j < plan.count; ++j)
            boxes << plan.order[j], values << plan.answer[plan.order[j]];
    }
    for (int j = 0; j < answeredFirst; ++j)
        p.answer(values[j]);
    QLineEdit *box = p.box(scribbled);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    p.keyboardType(text);
    QCOMPARE(box->text(), text);
    if (thenSolution) {
        p.click(QStringLiteral("cmdSoluzione"));
        for (int j = 0; j < boxes.size(); ++j)
            QCOMPARE(p.step(boxes[j])->text().trimmed(), QString::number(values[j]));
        QCOMPARE(box->text(), QString::number(o[scribbled.endsWith("Num2") ? 2 : 3]));
        return;
    }
    for (int j = answeredFirst; j < boxes.size(); ++j) {
        QCOMPARE(p.passo(), boxes[j]);
        QCOMPARE(p.risposte()[boxes[j]], values[j]);
        p.answer(values[j]);
    }
    QCOMPARE(p.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(p.label(QStringLiteral("lblErrori")), QStringLiteral(" 0"));
}

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
