// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_menu.h"

#include "app_context.h"
#include "dune_picture.h"
#include "exercise_layout.h"
#include "exercise_screens.h"
#include "exposure_report.h"
#include "fonts.h"
#include "hand_picture.h"
#include "info_window.h"
#include "picture_button.h"
#include "program_icon.h"
#include "screen_fit.h"
#include "speaker_check.h"
#include "start_layout.h"
#include "widget_factory.h"
#include "window_services.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#ifndef QUIVELLE_VERSION_MAJOR
#define QUIVELLE_VERSION_MAJOR 0
#endif
#ifndef QUIVELLE_VERSION_MINOR
#define QUIVELLE_VERSION_MINOR 0
#endif

namespace {
constexpr int kSpeakerWarmUpMs = 400;
const QColor kYellow(0xff, 0xf0, 0x30);
const QColor kDarkGreen(0x0c, 0x4a, 0x14);
const QColor kCyan(0x30, 0xf0, 0xff);
const QColor kDarkTeal(0x04, 0x40, 0x48);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                  qreal points, bool bold, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    QLabel *label = makeComicLabel(parent, QString::fromLatin1(name), text,
                                   startLayout::rectOf(name), {colour, points, bold});
    label->setAlignment(align);
    // The dune shows through every label, and through the gap beside each shadow copy.
    label->setAutoFillBackground(false);
    return label;
}

template <class Button> Button *place(Button *button, const char *name) {
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(startLayout::rectOf(name));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

HandPicture *makeHand(QWidget *parent, const char *name) {
    auto *hand = new HandPicture(HandDirection::Right, Qt::white, parent);
    hand->setObjectName(QString::fromLatin1(name));
    hand->setGeometry(startLayout::rectOf(name));
    return hand;
}

} // namespace

QSize largestClientArea() {
    return startLayout::client.expandedTo(infoLayout::client).expandedTo(layout::kClient);
}

QWidget *openStartMenu(AppContext &ctx, bool largeScreen) {
    if (largeScreen)
        enlargeWindowsToFit(screenUnderPointer(), largestClientArea());
    followScreenSize(largestClientArea());
    loadComicFonts();
    // Lets the desktop match the windows with the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quivelle"));
    // Every window of the program that sets no icon of its own shows this one.
    QApplication::setWindowIcon(programIcon());
    auto *menu = new StartMenu(ctx);
    ExposureReport::watch(menu);
    menu->showAndActivate();
    // Loading the audio libraries takes a moment: do it while the pupil is still reading
    // the menu rather than at the first click.
    QTimer::singleShot(kSpeakerWarmUpMs, menu, [&ctx] {
        if (ctx.sound)
            ctx.sound->warmUp();
    });
    return menu;
}

StartMenu::StartMenu(AppContext &ctx, QWidget *parent)
    : ProgramWindow(parent), ctx_(ctx), exit_(endProgram) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Operazioni con le quivelle"));
    setClientSize(startLayout::client.width(), startLayout::client.height());

    // Each shadow copy is made before its label, so it lies underneath.
    const QString title = QStringLiteral("Operazioni con le quivelle");
    makeLabel(this, "Label2", title, kDarkGreen, 32.25, true, Qt::AlignCenter);
    makeLabel(this, "Label6", title, kYellow, 32.25, true, Qt::AlignCenter);
    const QString subtitle = QStringLiteral("con i numeri scelti");
    makeLabel(this, "Label7", subtitle, kDarkTeal, 20.25, true);
    makeLabel(this, "Label5", subtitle, kCyan, 20.25, true);
    makeLabel(this, "Label1", QStringLiteral("dal team quivelle"), kYellow, 8.25, false);
    makeLabel(this, "Label3", QStringLiteral("Versione"), kYellow, 8.25, false);
    label4_ = makeLabel(this, "Label4", QString(), kYellow, 8.25, false);

    cmdTe_ = place(new PictureButton(QStringLiteral("da te"), looks::green, this), "cmdTe");
    image1_ = makeHand(this, "Image1");
    cmdComputer_ =
        place(new PictureButton(QStringLiteral("dal computer"), looks::green, this), "cmdComputer");
    image2_ = makeHand(this, "Image2");

    struct OperationButton {
        const char *name;
        const char *word;
        const ButtonLook &look;
        Operation op;
    };
    const OperationButton operationButtons[] = {
        {"CmdAddizione1", "Addizione", looks::redPink, Operation::Addition},
        {"CmdSottrazione", "Sottrazione", looks::blue, Operation::Subtraction},
        {"CmdMoltiplicazione1", "Moltiplicazione", looks::green, Operation::Multiplication},
        {"cmdDivisione1", "Divisione", looks::yellow, Operation::Division},
    };
    for (const OperationButton &b : operationButtons) {
        auto *button = place(new PictureButton(QString::fromLatin1(b.word), b.look, this), b.name);
        const Operation op = b.op;
        connect(button, &QAbstractButton::clicked, this, [this, op] { openOperation(op); });
        operations_.append(button);
    }

    auto *cmdInfo =
        place(new PictureButton(QStringLiteral("Info"), looks::magenta, this), "cmdInfo");
    connect(cmdInfo, &QAbstractButton::clicked, this, &StartMenu::cmdInfo_Click);
    check1_ = place(new SpeakerCheck(this), "Check1");
    connect(check1_, &QAbstractButton::clicked, this, &StartMenu::Check1_Click);
    auto *cmdEsci =
        place(new PictureButton(QStringLiteral("Esci"), looks::magenta, this), "cmdEsci");
    connect(cmdEsci, &QAbstractButton::clicked, this, &StartMenu::cmdEsci_Click);

    // The mode buttons answer a mouse button going down, whichever it is; they have no
    // click handler, so Space and Enter on them choose nothing.
    cmdTe_->installEventFilter(this);
    cmdComputer_->installEventFilter(this);
    // The keyboard focus follows the mouse over every button and the sound switch.
    for (QWidget *w : {static_cast<QWidget *>(cmdTe_), static_cast<QWidget *>(cmdComputer_),
                       static_cast<QWidget *>(cmdInfo), static_cast<QWidget *>(check1_),
                       static_cast<QWidget *>(cmdEsci)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (PictureButton *b : std::as_const(operations_)) {
        b->setMouseTracking(true);
        b->installEventFilter(this);
    }

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &StartMenu::Timer1_Timer);

    Form_Load();
}

InfoWindow *StartMenu::infoWindow() const {
    return info_ && !info_->isDismissed() ? info_.data() : nullptr;
}

void StartMenu::Form_Load() {
    InPrimoPiano(this);
    label4_->setText(
        QStringLiteral("%1.%2").arg(QUIVELLE_VERSION_MAJOR).arg(QUIVELLE_VERSION_MINOR));
    for (PictureButton *b : std::as_const(operations_))
        b->hide();
    image1_->hide();
    image2_->show();
    // The switch shows silence when checked; it starts from the program's sound setting.
    check1_->setChecked(!ctx_.state.SuonoAttivo);
    timer1_->start();
}

void StartMenu::Timer1_Timer() {
    if (Lampeggio > 0) {
        image1_->show();
        image2_->hide();
        Lampeggio = 0;
    } else {
        image2_->show();
        image1_->hide();
        ++Lampeggio;
    }
}

void StartMenu::cmdComputer_MouseDown() {
    chooseMode(ProblemSource::Computer);
}

void StartMenu::cmdTe_MouseDown() {
    chooseMode(ProblemSource::Pupil);
}

void StartMenu::chooseMode(ProblemSource source) {
    Suona(ctx_, CueClick);
    image1_->setVisible(source == ProblemSource::Pupil);
    image2_->setVisible(source == ProblemSource::Computer);
    timer1_->stop();
    for (PictureButton *b : std::as_const(operations_))
        b->show();
    Modo = source;
}

void StartMenu::openOperation(Operation op) {
    // Without a mode there is no screen to open; hiding the menu then would leave the
    // pupil with no window at all.
    if (Modo != ProblemSource::Pupil && Modo != ProblemSource::Computer)
        return;
    openExerciseScreen(ctx_, op, Modo, this);
    hide();
    Suona(ctx_, CueOpened);
}

void StartMenu::Check1_Click() {
    ctx_.state.SuonoAttivo = !ctx_.state.SuonoAttivo;
    // Keep the picture in step with the sound even if something else changed the setting.
    check1_->setChecked(!ctx_.state.SuonoAttivo);
    if (ctx_.state.SuonoAttivo)
        Suona(ctx_, CueClick);
}

void StartMenu::cmdInfo_Click() {
    Suona(ctx_, CueClick);
    // Normally the press on this button has already closed an open window; from the
    // keyboard it has not, and there is never more than one.
    if (InfoWindow *old = infoWindow())
        old->dismiss();
    info_ = new InfoWindow(ctx_, this);
    info_->showAndActivate(this);
}

void StartMenu::cmdEsci_Click() {
    if (exit_)
        exit_();
}

void StartMenu::paintEvent(QPaintEvent *) {
    // The landscape costs more to draw than everything else on the menu together, and the
    // menu is drawn again every time the pupil comes back from a screen: it is drawn once
    // at the screen's pixel density and then only copied, as sharp as drawn directly.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (landscape_.size() != pixels || landscape_.devicePixelRatio() != ratio) {
        landscape_ = QPixmap(pixels);
        landscape_.setDevicePixelRatio(ratio);
        QPainter picture(&landscape_);
        paintDuneLandscape(picture, rect());
    }
    QPainter p(this);
    p.drawPixmap(0, 0, landscape_);
}

bool StartMenu::eventFilter(QObject *watched, QEvent *event) {
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (widget == cmdTe_)
            cmdTe_MouseDown();
        else if (widget == cmdComputer_)
            cmdComputer_MouseDown();
        break;
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (widget->isEnabled() && widget->isVisible() && !widget->hasFocus())
            widget->setFocus(Qt::MouseFocusReason);
        break;
    default:
        break;
    }
    return false;
}
