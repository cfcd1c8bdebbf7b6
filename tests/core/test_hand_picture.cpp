// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand_picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
// Pixels the hand covers in the outer quarter of img on the side it would point to.
int inkNear(const QImage &img, HandDirection side) {
    const int q = img.width() / 4;
    const QRect quarter = side == HandDirection::Right  ? QRect(img.width() - q, 0, q, img.height())
                          : side == HandDirection::Left ? QRect(0, 0, q, img.height())
                          : side == HandDirection::Up   ? QRect(0, 0, img.width(), q)
                                                      : QRect(0, img.height() - q, img.width(), q);
    int n = 0;
    for (int y = quarter.top(); y <= quarter.bottom(); ++y)
        for (int x = quarter.left(); x <= quarter.right(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}
} // namespace

class TestHandPicture : public QObject {
    Q_OBJECT
  private slots:
    void shouldPointTheFingerWhereAsked_data() {
        QTest::addColumn<HandDirection>("dir");
        QTest::addColumn<HandDirection>("wrist");
        QTest::newRow("right") << HandDirection::Right << HandDirection::Left;
        QTest::newRow("left") << HandDirection::Left << HandDirection::Right;
        QTest::newRow("up") << HandDirection::Up << HandDirection::Down;
        QTest::newRow("down") << HandDirection::Down << HandDirection::Up;
    }
    void shouldPointTheFingerWhereAsked() {
        QFETCH(HandDirection, dir);
        QFETCH(HandDirection, wrist);
        QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintPointingHand(p, QRectF(0, 0, 128, 128), dir, Qt::white, Qt::black);
        p.end();
        // Only the thin finger reaches into the quarter it points at, while the fist fills
        // the opposite quarter.
        const int finger = inkNear(img, dir);
        const int fist = inkNear(img, wrist);
        QVERIFY(finger > 0);
        QVERIFY2(fist > 2 * finger, qPrintable(QStringLiteral("%1 vs %2").arg(fist).arg(finger)));
    }
};

QTEST_MAIN(TestHandPicture)
#include "test_hand_picture.moc"
