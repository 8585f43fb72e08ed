#include "ThemeImages.h"

#include "ColorRules.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace Corvane::Builder {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The theme's own colours.
const QColor kBackgroundTop(46, 54, 62);
const QColor kBackgroundBottom(22, 26, 31);
const QColor kIconNormal(168, 176, 184);
const QColor kIconSelected(255, 255, 255);
const QColor kHighlight(236, 180, 92);
const QString kFontFamily = QStringLiteral("DejaVu Sans");

// A small linear congruential generator: the same grain in every build.
class Grain
{
public:
    explicit Grain(quint32 seed) : m_state(seed) { }
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }

private:
    quint32 m_state;
};

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void antialiased(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// An image being drawn: a transparent canvas with an antialiased painter on it.
struct Sketch
{
    Sketch(int width, int height) : image(canvas(width, height)), painter(&image)
    {
        antialiased(painter);
    }
    QImage finish()
    {
        painter.end();
        return image;
    }

    QImage image;
    QPainter painter;
};

QFont font(double pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont result(kFontFamily);
    result.setPixelSize(int(pixelSize));
    result.setWeight(weight);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

// The dark, calm main background: a vertical gradient with a soft light at the top left and a
// faint grain, so that white text stays readable everywhere.
QImage mainBackground()
{
    Sketch sketch(800, 600);
    QPainter &painter = sketch.painter;
    QLinearGradient base(0, 0, 0, 600);
    base.setColorAt(0.0, kBackgroundTop);
    base.setColorAt(1.0, kBackgroundBottom);
    painter.fillRect(sketch.image.rect(), base);
    QRadialGradient light(QPointF(220, 140), 520);
    light.setColorAt(0.0, QColor(120, 140, 160, 46));
    light.setColorAt(1.0, QColor(120, 140, 160, 0));
    painter.fillRect(sketch.image.rect(), light);
    Grain grain(7);
    for (int i = 0; i < 9000; ++i) {
        const int x = int(grain.next() * 800);
        const int y = int(grain.next() * 600);
        painter.fillRect(x, y, 1, 1, QColor(255, 255, 255, int(grain.next() * 7)));
    }
    return sketch.finish();
}

// A bar that tiles seamlessly: the same column repeated.
QImage barBackground()
{
    Sketch sketch(800, 30);
    QPainter &painter = sketch.painter;
    QLinearGradient gradient(0, 0, 0, 30);
    gradient.setColorAt(0.0, QColor(64, 74, 84));
    gradient.setColorAt(0.5, QColor(44, 51, 59));
    gradient.setColorAt(1.0, QColor(34, 40, 47));
    painter.fillRect(sketch.image.rect(), gradient);
    painter.fillRect(0, 0, 800, 1, QColor(104, 116, 128));
    painter.fillRect(0, 29, 800, 1, QColor(16, 19, 22));
    return sketch.finish();
}

QImage wheelBackground()
{
    Sketch sketch(122, 122);
    QPainter &painter = sketch.painter;
    const QPointF centre(61, 61);
    QRadialGradient shade(centre, 60);
    shade.setColorAt(0.0, QColor(70, 80, 90));
    shade.setColorAt(0.8, QColor(40, 46, 53));
    shade.setColorAt(1.0, QColor(28, 32, 37));
    painter.setPen(QPen(QColor(96, 106, 116), 1.5));
    painter.setBrush(shade);
    painter.drawEllipse(centre, 59.5, 59.5);
    // The demo decks' twelve segments around the rim, segment 1 at the top and the others
    // clockwise, each in its hue; muted so that the pointer stands out.
    for (int segment = 1; segment <= 12; ++segment) {
        const QColor hue = colorFromLch({62.0, 42.0, (segment - 0.5) * 30.0});
        const double centre = 90.0 - (segment - 1) * 30.0;
        painter.setPen(QPen(hue, 7, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(QRectF(7.5, 7.5, 107, 107), int((centre - 14.0) * 16), int(28 * 16));
    }
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 46, 46);
    return sketch.finish();
}

// A mood icon: a round badge with a symbol; selected ones are bright with a warm ring.
QImage moodIcon(int mood, bool selected)
{
    Sketch sketch(23, 21);
    QPainter &painter = sketch.painter;
    const QColor ink = selected ? kIconSelected : kIconNormal;
    const QPointF c(11.5, 10.5);
    if (selected) {
        painter.setPen(QPen(kHighlight, 1.6));
        painter.setBrush(QColor(255, 255, 255, 30));
        painter.drawEllipse(c, 9.6, 9.6);
    }
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (mood) {
    case 1: { // fresh: a leaf
        QPainterPath leaf;
        leaf.moveTo(6, 15);
        leaf.cubicTo(6, 7, 11, 4, 17, 5);
        leaf.cubicTo(17, 11, 13, 16, 6, 15);
        painter.setBrush(ink);
        painter.drawPath(leaf);
        painter.setPen(QPen(selected ? QColor(60, 70, 80) : QColor(40, 46, 53), 1.0));
        painter.drawLine(QPointF(7, 14), QPointF(15, 7));
        break;
    }
    case 2: // warm: a sun
        painter.setBrush(ink);
        painter.drawEllipse(c, 3.2, 3.2);
        for (int i = 0; i < 8; ++i) {
            const double a = i * kPi / 4;
            painter.drawLine(c + QPointF(5.2 * std::cos(a), 5.2 * std::sin(a)),
                             c + QPointF(7.6 * std::cos(a), 7.6 * std::sin(a)));
        }
        break;
    case 3: { // calm: two waves
        for (int row = 0; row < 2; ++row) {
            QPainterPath wave;
            const double y = 8.5 + row * 5;
            wave.moveTo(4, y);
            wave.cubicTo(7, y - 3, 9, y - 3, 11.5, y);
            wave.cubicTo(14, y + 3, 16, y + 3, 19, y);
            painter.drawPath(wave);
        }
        break;
    }
    case 4: { // rich: a cut stone
        QPolygonF stone({{6, 8}, {9, 4.5}, {14, 4.5}, {17, 8}, {11.5, 17}});
        painter.setBrush(ink);
        painter.drawPolygon(stone);
        painter.setPen(QPen(QColor(40, 46, 53), 0.8));
        painter.drawLine(QPointF(6, 8), QPointF(17, 8));
        break;
    }
    case 5: // off-white: an open circle with a soft fill
        painter.setBrush(QColor(250, 246, 236, selected ? 255 : 190));
        painter.drawEllipse(c, 5.8, 5.8);
        break;
    default: { // neutral: a half-filled circle
        painter.drawEllipse(c, 5.8, 5.8);
        QPainterPath half;
        half.moveTo(c);
        half.arcTo(QRectF(c.x() - 5.8, c.y() - 5.8, 11.6, 11.6), 90, 180);
        half.closeSubpath();
        painter.fillPath(half, ink);
        break;
    }
    }
    return sketch.finish();
}

QImage tick()
{
    Sketch sketch(12, 11);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(kHighlight, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{1.5, 6}, {4.5, 9}, {10.5, 2}}));
    return sketch.finish();
}

QImage moodDisabled()
{
    Sketch sketch(11, 11);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(QColor(220, 90, 80), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 2), QPointF(9, 9));
    painter.drawLine(QPointF(9, 2), QPointF(2, 9));
    return sketch.finish();
}

QImage magnifyingGlass()
{
    Sketch sketch(16, 16);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(kIconSelected, 1.6));
    painter.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    painter.setPen(QPen(kIconSelected, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    return sketch.finish();
}

// A round button with a chevron; "down" is the pressed look.
QImage roundChevron(int size, bool pointsRight, bool pointsUp, bool vertical, bool pressed)
{
    Sketch sketch(size, size);
    QPainter &painter = sketch.painter;
    const QPointF c(size / 2.0, size / 2.0);
    QLinearGradient face(0, 0, 0, size);
    face.setColorAt(0.0, pressed ? QColor(40, 46, 53) : QColor(92, 104, 116));
    face.setColorAt(1.0, pressed ? QColor(70, 80, 90) : QColor(52, 60, 68));
    painter.setPen(QPen(QColor(20, 24, 28), 1.0));
    painter.setBrush(face);
    painter.drawEllipse(c, size / 2.0 - 1.0, size / 2.0 - 1.0);
    painter.setPen(QPen(pressed ? kHighlight : kIconSelected, 2.0, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    const double r = size * 0.18;
    QPolygonF chevron;
    if (vertical) {
        const double d = pointsUp ? -1.0 : 1.0;
        chevron << c + QPointF(-r * 1.3, -d * r * 0.6) << c + QPointF(0, d * r * 0.8)
                << c + QPointF(r * 1.3, -d * r * 0.6);
    } else {
        const double d = pointsRight ? 1.0 : -1.0;
        chevron << c + QPointF(-d * r * 0.6, -r * 1.3) << c + QPointF(d * r * 0.8, 0)
                << c + QPointF(-d * r * 0.6, r * 1.3);
    }
    painter.drawPolyline(chevron);
    return sketch.finish();
}

QImage captureButton()
{
    Sketch sketch(16, 16);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(kIconSelected, 1.2));
    painter.setBrush(QColor(70, 80, 90));
    painter.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 3, 3);
    painter.setBrush(kHighlight);
    painter.drawEllipse(QPointF(8, 6), 2.6, 2.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconSelected);
    painter.drawRect(QRectF(5, 11, 6, 1.5));
    return sketch.finish();
}

// The four palette tools and the question icon of the clear confirmation.
QImage paletteTool(const QString &kind)
{
    Sketch sketch(16, 16);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(kIconSelected, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (kind == QLatin1String("zoom")) {
        painter.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        painter.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
        painter.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
        painter.setPen(QPen(kIconSelected, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    } else if (kind == QLatin1String("eraser")) {
        painter.translate(8, 8);
        painter.rotate(-40);
        painter.setBrush(QColor(230, 140, 150));
        painter.drawRoundedRect(QRectF(-6, -3, 12, 6), 1.5, 1.5);
        painter.setBrush(kIconSelected);
        painter.drawRoundedRect(QRectF(-6, -3, 4, 6), 1.5, 1.5);
    } else if (kind == QLatin1String("trash")) {
        painter.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
        painter.drawLine(QPointF(6, 4), QPointF(6.5, 2));
        painter.drawLine(QPointF(6.5, 2), QPointF(9.5, 2));
        painter.drawLine(QPointF(9.5, 2), QPointF(10, 4));
        painter.drawPolyline(QPolygonF({{4, 5}, {5, 14}, {11, 14}, {12, 5}}));
        painter.drawLine(QPointF(7, 7), QPointF(7, 12));
        painter.drawLine(QPointF(9, 7), QPointF(9, 12));
    } else { // grid off: a 2 × 2 grid, struck through
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(2.5, 2.5, 11, 11));
        painter.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
        painter.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
        painter.setPen(QPen(kHighlight, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 1.5));
    }
    return sketch.finish();
}

QImage questionIcon()
{
    Sketch sketch(32, 32);
    QPainter &painter = sketch.painter;
    QLinearGradient face(0, 0, 0, 32);
    face.setColorAt(0.0, QColor(92, 140, 200));
    face.setColorAt(1.0, QColor(48, 88, 150));
    painter.setPen(QPen(QColor(30, 60, 110), 1.0));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    painter.setPen(Qt::white);
    painter.setFont(font(20, QFont::Bold));
    painter.drawText(sketch.image.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return sketch.finish();
}

QImage backArrow()
{
    Sketch sketch(16, 16);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(kIconSelected, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(3, 8), QPointF(13, 8));
    painter.drawPolyline(QPolygonF({{7.5, 3.5}, {3, 8}, {7.5, 12.5}}));
    return sketch.finish();
}

// The slider groove: 21 × 7, three 7 × 7 pieces (round left cap, middle, round right cap).
QImage sliderGroove()
{
    Sketch sketch(21, 7);
    QPainter &painter = sketch.painter;
    painter.setPen(QPen(QColor(16, 19, 22), 1.0));
    painter.setBrush(QColor(58, 66, 75));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 20, 6), 3, 3);
    return sketch.finish();
}

// Where the light-to-dark ramp shows through: red inside the groove, one pixel in.
QImage sliderMask()
{
    QImage image(21, 7, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    antialiased(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 18, 4), 2, 2);
    return image;
}

QImage sliderThumb()
{
    Sketch sketch(13, 13);
    QPainter &painter = sketch.painter;
    QRadialGradient knob(QPointF(5, 4.5), 7);
    knob.setColorAt(0.0, QColor(255, 255, 255));
    knob.setColorAt(1.0, QColor(176, 184, 192));
    painter.setPen(QPen(QColor(30, 34, 40), 1.0));
    painter.setBrush(knob);
    painter.drawEllipse(QPointF(6.5, 6.5), 5.5, 5.5);
    return sketch.finish();
}

// A scheme button: a dark disc showing the scheme's colour rule as wedges of a wheel.
QImage schemeIcon(const QString &kind, bool selected)
{
    Sketch sketch(44, 44);
    QPainter &painter = sketch.painter;
    const QPointF c(22, 22);
    QRadialGradient face(QPointF(18, 15), 30);
    face.setColorAt(0.0, selected ? QColor(92, 104, 118) : QColor(62, 70, 80));
    face.setColorAt(1.0, selected ? QColor(44, 50, 58) : QColor(32, 37, 43));
    painter.setPen(QPen(selected ? kHighlight : QColor(96, 106, 116), selected ? 2.0 : 1.0));
    painter.setBrush(face);
    painter.drawEllipse(c, 20, 20);

    const double saturation = selected ? 0.8 : 0.45;
    const double value = selected ? 0.95 : 0.7;
    const auto wedge = [&](double hue, double lightness = -1.0) {
        QColor colour = lightness < 0.0 ? QColor::fromHsvF(hue / 360.0, saturation, value)
                                        : QColor::fromHsvF(hue / 360.0, 0.06, lightness);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPie(QRectF(7, 7, 30, 30), int((hue - 13) * 16), 26 * 16);
    };
    // Faint ring of the whole wheel.
    painter.setPen(QPen(QColor(255, 255, 255, selected ? 50 : 30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 15, 15);
    if (kind == QLatin1String("harmonising")) {
        wedge(90);
        wedge(120);
        wedge(150);
    } else if (kind == QLatin1String("contrasting")) {
        wedge(30);
        wedge(210);
    } else if (kind == QLatin1String("wide.contrast")) {
        wedge(30);
        wedge(180);
        wedge(240);
    } else if (kind == QLatin1String("dynamic")) {
        wedge(0);
        wedge(120);
        wedge(240);
    } else if (kind == QLatin1String("dramatic")) {
        wedge(90, 0.95);
        wedge(270, 0.15);
        wedge(0);
    } else { // tonal neutral
        wedge(60, 0.85);
        wedge(100, 0.65);
        wedge(140, 0.45);
        wedge(180, 0.3);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(selected ? QColor(44, 50, 58) : QColor(32, 37, 43));
    painter.drawEllipse(c, 5, 5);
    return sketch.finish();
}

QImage neutralMarker(bool selected)
{
    Sketch sketch(9, 9);
    QPainter &painter = sketch.painter;
    painter.setPen(Qt::NoPen);
    painter.setBrush(selected ? kHighlight : QColor(188, 188, 188));
    painter.drawPolygon(QPolygonF({{1.5, 1.5}, {7.5, 4.5}, {1.5, 7.5}}));
    return sketch.finish();
}

QImage groupToggle(bool open)
{
    Sketch sketch(16, 16);
    QPainter &painter = sketch.painter;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconSelected);
    if (open)
        painter.drawPolygon(QPolygonF({{3.5, 5.5}, {12.5, 5.5}, {8, 11.5}}));
    else
        painter.drawPolygon(QPolygonF({{5.5, 3.5}, {11.5, 8}, {5.5, 12.5}}));
    return sketch.finish();
}

} // namespace

QByteArray pngData(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

QList<ThemeItemData> systemThemeImages()
{
    QList<QPair<QString, QImage>> images = {
        {"image.widget.main.background", mainBackground()},
        {"image.widget.bar.background", barBackground()},
        {"image.widget.color.wheel.background", wheelBackground()},
        {"image.tick.normal", tick()},
        {"image.mood.disabled", moodDisabled()},
        {"image.widget.search.magnifying.glass", magnifyingGlass()},
        {"image.widget.roll.backward.normal", roundChevron(20, false, false, false, false)},
        {"image.widget.roll.backward.down", roundChevron(20, false, false, false, true)},
        {"image.widget.roll.forward.normal", roundChevron(20, true, false, false, false)},
        {"image.widget.roll.forward.down", roundChevron(20, true, false, false, true)},
        {"image.widget.dropdown.arrow.up", roundChevron(20, false, true, true, false)},
        {"image.widget.dropdown.arrow.down", roundChevron(20, false, false, true, false)},
        {"image.capsure.button.normal", captureButton()},
        {"image.mypalette.eraser", paletteTool(QStringLiteral("eraser"))},
        {"image.mypalette.grid.off", paletteTool(QStringLiteral("grid"))},
        {"image.mypalette.trash", paletteTool(QStringLiteral("trash"))},
        {"image.mypalette.zoom", paletteTool(QStringLiteral("zoom"))},
        {"image.mypalette.clear.question.icon", questionIcon()},
        {"image.mypalettefull.back", backArrow()},
        {"image.mypalettefull.slider.background", sliderGroove()},
        {"image.mypalettefull.slider.background.mask", sliderMask()},
        {"image.mypalettefull.slider.thumb", sliderThumb()},
        {"image.complementary.neutral.marker.normal", neutralMarker(false)},
        {"image.complementary.neutral.marker.selected", neutralMarker(true)},
        {"image.color.vistral.group.open", groupToggle(true)},
        {"image.color.vistral.group.closed", groupToggle(false)},
    };
    const char *moods[] = {"fresh", "warm", "calm", "rich", "offwhite", "neutral"};
    for (int mood = 1; mood <= 6; ++mood) {
        const QString prefix = QStringLiteral("image.mood.%1.").arg(QLatin1String(moods[mood - 1]));
        images.append({prefix + QStringLiteral("normal"), moodIcon(mood, false)});
        images.append({prefix + QStringLiteral("selected"), moodIcon(mood, true)});
    }
    for (const char *scheme :
         {"harmonising", "contrasting", "wide.contrast", "dynamic", "dramatic", "tonal.neutral"}) {
        const QString kind = QLatin1String(scheme);
        const QString prefix = QStringLiteral("image.scheme.%1.").arg(kind);
        images.append({prefix + QStringLiteral("normal"), schemeIcon(kind, false)});
        images.append({prefix + QStringLiteral("selected"), schemeIcon(kind, true)});
    }
    QList<ThemeItemData> items;
    for (const auto &image : images)
        items.append({image.first, pngData(image.second)});
    return items;
}

QList<ThemeItemData> collectionThemeImages(const QString &name, const QString &tagline,
                                           const QColor &accent, const QString &mtoLabel)
{
    // The banner: the collection's name as a wordmark over a dark band with an accent rule.
    Sketch banner(800, 70);
    {
        QPainter &painter = banner.painter;
        QLinearGradient band(0, 0, 800, 0);
        band.setColorAt(0.0, QColor(24, 28, 33));
        band.setColorAt(0.6, QColor(34, 40, 47));
        band.setColorAt(1.0, accent.darker(260));
        painter.fillRect(banner.image.rect(), band);
        painter.fillRect(QRect(0, 66, 800, 4), accent);
        for (int i = 0; i < 5; ++i) {
            QColor swatch = QColor::fromHsvF(std::fmod(accent.hsvHueF() + i * 0.07 + 1.0, 1.0),
                                             accent.hsvSaturationF() * (1.0 - i * 0.12),
                                             std::min(1.0, accent.valueF() * (0.75 + i * 0.08)));
            painter.setPen(Qt::NoPen);
            painter.setBrush(swatch);
            painter.drawRoundedRect(QRectF(24 + i * 14, 18, 10, 30), 2, 2);
        }
        painter.setPen(Qt::white);
        painter.setFont(font(30, QFont::Bold));
        painter.drawText(QRect(110, 8, 640, 38), Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.setPen(QColor(200, 208, 216));
        painter.setFont(font(12));
        painter.drawText(QRect(112, 42, 640, 18), Qt::AlignLeft | Qt::AlignVCenter, tagline);
    }
    // The made-to-order overlay, stretched over a chip (about three times as wide as high):
    // fine light hatching and a small tag at the bottom right.
    Sketch mto(120, 40);
    {
        QPainter &painter = mto.painter;
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
        for (int x = -40; x < 120; x += 8)
            painter.drawLine(QPointF(x, 40), QPointF(x + 40, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 24, 28, 210));
        painter.drawRoundedRect(QRectF(76, 24, 40, 13), 3, 3);
        painter.setPen(Qt::white);
        painter.setFont(font(9, QFont::Bold));
        painter.drawText(QRectF(76, 24, 40, 13), Qt::AlignCenter, mtoLabel);
    }
    // The about-box logo: a colour fan and the name on the light about box.
    Sketch logo(128, 48);
    {
        QPainter &painter = logo.painter;
        for (int i = 0; i < 6; ++i) {
            painter.save();
            painter.translate(26, 44);
            painter.rotate(-50 + i * 13);
            painter.setPen(QPen(QColor(255, 255, 255), 0.8));
            painter.setBrush(
                QColor::fromHsvF(std::fmod(accent.hsvHueF() + i * 0.09 + 1.0, 1.0), 0.65, 0.85));
            painter.drawRoundedRect(QRectF(-4, -32, 8, 32), 2, 2);
            painter.restore();
        }
        painter.setPen(QColor(40, 44, 50));
        QFont wordmark = font(14, QFont::Bold);
        const QFontMetricsF metrics(wordmark);
        if (metrics.horizontalAdvance(name) > 72)
            wordmark.setPixelSize(int(14 * 72 / metrics.horizontalAdvance(name)));
        painter.setFont(wordmark);
        painter.drawText(QRectF(54, 4, 74, 40), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    return {{QStringLiteral("image.banner"), pngData(banner.finish())},
            {QStringLiteral("image.mto"), pngData(mto.finish())},
            {QStringLiteral("image.about.logo"), pngData(logo.finish())}};
}

int textureKinds()
{
    return 6;
}

QString textureName(int kind, int language)
{
    static const char *const names[2][6]
        = {{"Plaster", "Linen", "Wood grain", "Brick", "Stucco", "Concrete"},
           {"Putz", "Leinen", "Holzmaserung", "Ziegel", "Stuck", "Beton"}};
    return QString::fromUtf8(names[language % 2][kind % 6]);
}

QImage textureImage(int kind, const QSize &size)
{
    // Light grey relief: multiplied with a chip's colour, it shows the surface in that colour.
    QImage image(size, QImage::Format_ARGB32);
    Grain grain(quint32(101 + kind));
    const int w = size.width();
    const int h = size.height();
    QVector<double> noise(w * h);
    for (double &value : noise)
        value = grain.next();
    const auto smooth = [&](int x, int y) {
        double sum = 0.0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                sum += noise[((y + dy + h) % h) * w + (x + dx + w) % w];
        return sum / 9.0;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double v = 0.5;
            switch (kind % 6) {
            case 0: // plaster: soft blotches
                v = 0.35 + 0.5 * smooth(x, y);
                break;
            case 1: // linen: crossing threads
                v = 0.45 + 0.25 * std::sin(x * 1.9) * std::sin(y * 0.4) + 0.25 * noise[y * w + x];
                break;
            case 2: // wood grain: wavy rings
                v = 0.5
                    + 0.35 * std::sin(y * 0.55 + 3.0 * std::sin(x * 0.03) + 0.6 * noise[y * w + x]);
                break;
            case 3: { // brick: courses with mortar
                const int row = y / 16;
                const int offset = row % 2 ? 22 : 0;
                const bool mortar = y % 16 < 2 || (x + offset) % 44 < 2;
                v = mortar ? 0.9 : 0.3 + 0.3 * smooth(x, y);
                break;
            }
            case 4: // stucco: sharp speckles
                v = noise[y * w + x] > 0.93 ? 0.95 : 0.45 + 0.35 * smooth(x, y);
                break;
            default: // concrete: fine noise with pores
                v = noise[y * w + x] > 0.985 ? 0.05 : 0.45 + 0.3 * smooth(x, y);
                break;
            }
            // The textures page multiplies the chip colour by the grey: keep it light.
            const int grey = std::clamp(int(150 + v * 105), 0, 255);
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return image;
}

} // namespace Corvane::Builder
