#include "hand_picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
// The box around every pixel the hand covered.
QRect inkBox(const QImage &img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels covered in the outer quarter of the image on the given side.
int inkNear(const QImage &img, HandDirection side) {
    int n = 0;
    const int q = img.width() / 4;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) == 0)
                continue;
            switch (side) {
            case HandDirection::Right:
                n += x >= img.width() - q;
                break;
            case HandDirection::Left:
                n += x < q;
                break;
            case HandDirection::Up:
                n += y < q;
                break;
            case HandDirection::Down:
                n += y >= img.height() - q;
                break;
            }
        }
    return n;
}

HandDirection opposite(HandDirection d) {
    switch (d) {
    case HandDirection::Right:
        return HandDirection::Left;
    case HandDirection::Left:
        return HandDirection::Right;
    case HandDirection::Up:
        return HandDirection::Down;
    case HandDirection::Down:
        return HandDirection::Up;
    }
    return d;
}
} // namespace

class TestHandPicture : public QObject {
    Q_OBJECT
  private slots:
    void shouldPointTheFingerWhereAsked_data() {
        QTest::addColumn<HandDirection>("dir");
        QTest::newRow("right") << HandDirection::Right;
        QTest::newRow("left") << HandDirection::Left;
        QTest::newRow("up") << HandDirection::Up;
        QTest::newRow("down") << HandDirection::Down;
    }
    void shouldPointTheFingerWhereAsked() {
        QFETCH(HandDirection, dir);
        QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintPointingHand(p, QRectF(0, 0, 128, 128), dir, Qt::white, Qt::black);
        p.end();
        const QRect box = inkBox(img);
        QVERIFY(img.rect().contains(box));
        // The finger reaches the edge it points at; the fist keeps clear of the other.
        const bool horizontal = dir == HandDirection::Right || dir == HandDirection::Left;
        QVERIFY(horizontal ? box.width() > box.height() : box.height() > box.width());
        // Only the thin finger reaches into the quarter it points at, while the fist fills
        // the opposite quarter.
        QVERIFY(inkNear(img, dir) > 0);
        QVERIFY2(inkNear(img, opposite(dir)) > 2 * inkNear(img, dir),
                 qPrintable(QStringLiteral("%1 vs %2")
                                .arg(inkNear(img, opposite(dir)))
                                .arg(inkNear(img, dir))));
    }

    void shouldStayInItsBoxAtDoubleScale() {
        QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(2);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintPointingHand(p, QRectF(0, 0, 32, 32), HandDirection::Right, Qt::white, Qt::black);
        p.end();
        const QRect box = inkBox(img);
        // Drawn at full device resolution, filling most of the 64 device pixels.
        QVERIFY(box.width() > 56);
        QVERIFY(img.rect().contains(box));
    }
};

QTEST_MAIN(TestHandPicture)
#include "test_hand_picture.moc"
