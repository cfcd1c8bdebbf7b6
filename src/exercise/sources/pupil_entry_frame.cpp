// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupil_entry_frame.h"

#include "exercise_layout.h"
#include "fonts.h"
#include "hand_picture.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {
const QColor kHandFill{0xff, 0xe0, 0xb0};

const char *const kBoxNames[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
const char *const kHandNames[] = {"imgManoNum1", "imgManoDen1", "imgManoNum2", "imgManoDen2"};

struct SignLook {
    const char *text;
    QRect where;
    double points;
};

SignLook signLook(EntrySign sign) {
    switch (sign) {
    case EntrySign::Plus:
        return {"+", entrylayout::kOperatorAdd, 21.75};
    case EntrySign::Minus:
        return {"-", entrylayout::kOperatorSubDiv, 21.75};
    case EntrySign::Times:
        return {"x", entrylayout::kOperatorMul, 18};
    case EntrySign::Divide:
        break;
    }
    return {":", entrylayout::kOperatorSubDiv, 21.75};
}

bool isNumerator(int campo) {
    return campo == 1 || campo == 3;
}
} // namespace

PupilEntryFrame::PupilEntryFrame(EntrySign sign, QWidget *parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame2"));
    setTitle(QStringLiteral("Inserimento"));
    setGeometry(entrylayout::kFrame);
    QFont caption(QString::fromLatin1(kArialFace));
    caption.setPointSizeF(9);
    caption.setBold(true);
    setFont(caption);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, layout::kLightYellow);
    pal.setColor(QPalette::WindowText, layout::kFrameBlue);
    setPalette(pal);
    setAutoFillBackground(true);

    QFont digits(QString::fromLatin1(kComicFace));
    digits.setPointSizeF(14.25);
    QPalette white;
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    for (int campo = 1; campo <= 4; ++campo) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(kBoxNames[campo - 1]));
        box->setGeometry(entrylayout::kBox[campo]);
        box->setFont(digits);
        box->setPalette(white);
        box->setAlignment(Qt::AlignCenter);
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, campo](const QString &text) {
            if (text.size() > 2)
                emit boxTooLong(campo);
        });
        boxes_[campo - 1] = box;

        auto *hand = new HandPicture(isNumerator(campo) ? HandDirection::Down : HandDirection::Up,
                                     kHandFill, this);
        hand->setObjectName(QString::fromLatin1(kHandNames[campo - 1]));
        hand->setGeometry(entrylayout::kHand[campo]);
        hand->setVisible(campo == 1);
        hands_[campo - 1] = hand;
    }
    // These four are the only boxes of the screen reachable with Tab, in reading order.
    setTabOrder(boxes_[0], boxes_[1]);
    setTabOrder(boxes_[1], boxes_[2]);
    setTabOrder(boxes_[2], boxes_[3]);

    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    // The division screen's two bars are known by name; the others' are not named.
    const char *const barNames[] = {"Line7", "Line6"};
    for (int i = 0; i < 2; ++i) {
        auto *bar = new QWidget(this);
        if (sign == EntrySign::Divide)
            bar->setObjectName(QString::fromLatin1(barNames[i]));
        bar->setGeometry(entrylayout::kBar[i]);
        bar->setAutoFillBackground(true);
        QPalette p;
        p.setColor(QPalette::Window, Qt::black);
        bar->setPalette(p);
    }

    const SignLook look = signLook(sign);
    operator_ = new QLabel(QString::fromLatin1(look.text), this);
    operator_->setObjectName(QStringLiteral("Label5"));
    operator_->setGeometry(look.where);
    QFont signFont(QString::fromLatin1(kComicFace));
    signFont.setPointSizeF(look.points);
    signFont.setBold(sign != EntrySign::Times); // the "x" is the one sign drawn regular
    operator_->setFont(signFont);
    operator_->setPalette(ink);
    operator_->setAlignment(Qt::AlignCenter);
}

void PupilEntryFrame::showOnlyHand(int campo) {
    for (int k = 1; k <= 4; ++k)
        hands_[k - 1]->setVisible(k == campo);
}

void PupilEntryFrame::showAllHands() {
    for (HandPicture *hand : hands_)
        hand->show();
}

void PupilEntryFrame::clearEntries() {
    for (QLineEdit *box : boxes_)
        box->clear();
}

EnteredProblem PupilEntryFrame::readEntries() const {
    std::array<QByteArray, 4> bytes;
    EntryTexts texts;
    for (int i = 0; i < 4; ++i) {
        bytes[i] = boxes_[i]->text().toUtf8();
        texts[i] = std::string_view(bytes[i].constData(), size_t(bytes[i].size()));
    }
    return checkEntries(texts);
}

bool PupilEntryFrame::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int campo = 1; campo <= 4; ++campo)
            if (watched == boxes_[campo - 1])
                emit boxClicked(campo);
    }
    return QGroupBox::eventFilter(watched, event);
}
