// The icon set for the desktop's icon theme: every size drawn, the 32-pixel icon identical to
// the program's own, the same design at every size, and a well-formed scalable picture.
#include <QFile>
#include <QImage>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString SourcePath(const char* relative) {
    return QStringLiteral(VEXAMO_SOURCE_DIR "/") + QString::fromLatin1(relative);
}

QImage Icon(int size) {
    return QImage(SourcePath("res/icons/") + QString::number(size) + QStringLiteral(".png"))
        .convertToFormat(QImage::Format_ARGB32);
}

bool IsYellow(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 100;
}

TEST(IconSet, EverySizeIsDrawnWithTransparentCorners) {
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage icon = Icon(size);
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        // The middle is the opaque disc.
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

TEST(IconSet, ThirtyTwoPixelsIsTheProgramsOwnIcon) {
    const QImage own =
        QImage(SourcePath("res/images/128.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(Icon(32), own);
}

TEST(IconSet, TheCrescentIsOnTheRightAtEverySize) {
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage icon = Icon(size);
        int left = 0;
        int right = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (IsYellow(icon.pixel(x, y))) {
                    (2 * x < size ? left : right) += 1;
                }
            }
        }
        // The lit edge takes a similar share of the picture at every size.
        EXPECT_GT(right, size * size / 50);
        EXPECT_LT(left, right / 4);
    }
}

TEST(IconSet, ScalablePictureIsWellFormedSvgWithTheCrescent) {
    QFile file(SourcePath("res/icons/scalable.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    bool root = false;
    bool crescent = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QStringLiteral("svg")) {
            root = xml.attributes().value(QStringLiteral("viewBox")) == QStringLiteral("0 0 32 32");
        }
        if (xml.name() == QStringLiteral("path") &&
            xml.attributes().value(QStringLiteral("fill")) == QStringLiteral("#ffff00")) {
            crescent = true;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(root);
    EXPECT_TRUE(crescent);
}

} // namespace
