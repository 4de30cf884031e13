// Draws the product's art: logos, splash picture, status indicators, button glyphs, menu icons, message-box
// icons and the frames of the two busy animations, each once as it is shown and once at twice the resolution
// ("name@2x.png", frames in <frames folder>/2x) for 2x screens, where Qt takes the "@2x" file in its place.
// Run through scripts/make-art, which assembles the animations with ImageMagick.
// Usage: artgen <images folder> <frames folder> [<desktop icons folder>]
// The desktop icons are the application icon at the hicolor theme's sizes, each drawn at its own size
// rather than scaled, in <folder>/<N>x<N>/apps/, as the package installs them.
//
// One palette for everything, the same as the style sheet's: deep charcoal and midnight blue with a single
// warm amber accent.

#include <QtMath>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {
const QColor kInk(0x12, 0x14, 0x1c);       // window background
const QColor kTopPanel(0x16, 0x1a, 0x26);  // window background behind the top panel
const QColor kPanel(0x1a, 0x1e, 0x2b);     // panels and dialogs
const QColor kTile(0x24, 0x2a, 0x3b);      // preset tiles
const QColor kMidnight(0x1b, 0x22, 0x38);  // deep blue of the splash
const QColor kAmber(0xf2, 0xa9, 0x3b);     // the accent
const QColor kAmberDeep(0xc7, 0x7d, 0x1e); // accent, shaded
const QColor kText(0xe6, 0xe8, 0xef);
const QColor kDim(0x6d, 0x73, 0x87);
const QColor kAlarm(0xd0, 0x53, 0x4f);

QString g_out;
QString g_frames;
bool g_ok = true;
// 1 for the pictures as shown, 2 for their "@2x" twins. Every picture is drawn in its shown size's
// coordinates; the canvas's pixel ratio makes the painter fill the extra pixels.
int g_scale = 1;

QImage canvas(int width, int height, const QColor& fill = Qt::transparent)
{
    QImage image(width * g_scale, height * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_scale);
    image.fill(fill);
    return image;
}

void save(const QImage& image, QString path)
{
    if (g_scale != 1)
        path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(g_scale));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        g_ok = false;
    }
}

void begin(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The largest pixel size (at most maxSize) at which text fits into width.
QFont fitted(const QString& family, int weight, const QString& text, qreal width, int maxSize, qreal spacing = 0)
{
    QFont font(family);
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    for (int size = maxSize; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPixelSize(6);
    return font;
}

// The product mark: five level bars, a singer's range in amber, on a midnight tile.
void drawEmblem(QPainter& painter, const QRectF& box, bool withTile = true)
{
    painter.save();
    if (withTile) {
        QLinearGradient tile(box.topLeft(), box.bottomRight());
        tile.setColorAt(0, QColor(0x2c, 0x35, 0x52));
        tile.setColorAt(1, QColor(0x14, 0x18, 0x26));
        painter.setPen(QPen(QColor(0x3a, 0x44, 0x66), qMax(1.0, box.width() / 40)));
        painter.setBrush(tile);
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), box.width() * 0.22, box.height() * 0.22);
    }
    const qreal heights[] = {0.28, 0.52, 0.78, 0.58, 0.36};
    const qreal inner = box.width() * 0.64;
    const qreal barWidth = inner / 5 * 0.62;
    const qreal step = inner / 5;
    const qreal left = box.left() + (box.width() - inner) / 2 + (step - barWidth) / 2;
    const qreal baseline = box.top() + box.height() * 0.80;
    QLinearGradient amber(0, box.top(), 0, box.bottom());
    amber.setColorAt(0, kAmber.lighter(115));
    amber.setColorAt(1, kAmberDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(amber);
    for (int i = 0; i < 5; ++i) {
        const qreal height = box.height() * 0.62 * heights[i];
        painter.drawRoundedRect(QRectF(left + i * step, baseline - height, barWidth, height), barWidth / 2,
                                barWidth / 2);
    }
    painter.restore();
}

void drawLogo(const QString& name, int width, const QString& model)
{
    QImage image = canvas(width, 46);
    QPainter painter(&image);
    begin(painter);
    drawEmblem(painter, QRectF(2, 7, 32, 32));
    const qreal textLeft = 42;
    const qreal textWidth = width - textLeft - 2;
    if (model.isEmpty()) {
        QFont font = fitted("DejaVu Sans", QFont::Bold, "Tessitra", textWidth, 22);
        painter.setFont(font);
        painter.setPen(kText);
        painter.drawText(QRectF(textLeft, 0, textWidth, 46), Qt::AlignLeft | Qt::AlignVCenter, "Tessitra");
    } else {
        QFont small = fitted("DejaVu Sans", QFont::DemiBold, "TESSITRA", textWidth, 10, 2.2);
        painter.setFont(small);
        painter.setPen(kAmber);
        painter.drawText(QRectF(textLeft, 5, textWidth, 14), Qt::AlignLeft | Qt::AlignVCenter, "TESSITRA");
        QFont big = fitted("DejaVu Sans", QFont::Bold, model, textWidth, 20);
        painter.setFont(big);
        painter.setPen(kText);
        painter.drawText(QRectF(textLeft, 17, textWidth, 26), Qt::AlignLeft | Qt::AlignVCenter, model);
    }
    painter.end();
    save(image, g_out + "/" + name);
}

void drawSplash()
{
    const int width = 560;
    const int height = 340;
    QImage image = canvas(width, height);
    QPainter painter(&image);
    begin(painter);

    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 18, 18);
    painter.setClipPath(frame);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, kMidnight);
    sky.setColorAt(1, QColor(0x0d, 0x0f, 0x16));
    painter.fillRect(image.rect(), sky);

    // Stage light from the upper right.
    QRadialGradient light(QPointF(width * 0.78, height * 0.18), width * 0.55);
    light.setColorAt(0, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 70));
    light.setColorAt(0.5, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 18));
    light.setColorAt(1, Qt::transparent);
    painter.fillRect(image.rect(), light);

    // A faint staff across the right half.
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 150 + i * 14;
        painter.drawLine(QPointF(250, y), QPointF(width, y));
    }

    // The voice: layered waves rising over the staff, brightest in the middle of the range.
    for (int layer = 0; layer < 7; ++layer) {
        QPainterPath wave;
        const qreal amplitude = 16 + layer * 5;
        const qreal phase = layer * 0.55;
        for (int x = 210; x <= width; x += 3) {
            const qreal t = (x - 210) / qreal(width - 210);
            const qreal envelope = qSin(t * M_PI);
            const qreal y = 178 - t * 40 + envelope * amplitude * qSin(t * 9.0 + phase);
            if (x == 210)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        QColor colour = layer == 3 ? kAmber : kAmber.darker(100 + qAbs(layer - 3) * 35);
        colour.setAlpha(layer == 3 ? 230 : 120 - qAbs(layer - 3) * 22);
        // The wave rises out of the dark on the left.
        QLinearGradient fade(210, 0, 330, 0);
        fade.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 0));
        fade.setColorAt(1, colour);
        painter.setPen(QPen(QBrush(fade), layer == 3 ? 2.6 : 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
    }
    // Notes caught on the main wave.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const qreal t = 0.16 + i * 0.14;
        const qreal x = 210 + t * (width - 210);
        const qreal y = 178 - t * 40 + qSin(t * M_PI) * 31 * qSin(t * 9.0 + 3 * 0.55);
        QRadialGradient glow(QPointF(x, y), 9);
        glow.setColorAt(0, QColor(255, 220, 160, 230));
        glow.setColorAt(0.35, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 160));
        glow.setColorAt(1, Qt::transparent);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(x, y), 9, 9);
    }

    // Keep the lower left calm and dark for the version line and the links.
    {
        const int calmWidth = 380;
        const int calmHeight = 150;
        QImage calm = canvas(calmWidth, calmHeight);
        QPainter shade(&calm);
        QLinearGradient across(0, 0, calmWidth, 0);
        across.setColorAt(0, QColor(0x0d, 0x0f, 0x16, 235));
        across.setColorAt(0.7, QColor(0x0d, 0x0f, 0x16, 170));
        across.setColorAt(1, Qt::transparent);
        shade.fillRect(calm.rect(), across);
        shade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient down(0, 0, 0, calmHeight);
        down.setColorAt(0, Qt::transparent);
        down.setColorAt(0.45, Qt::black);
        down.setColorAt(1, Qt::black);
        shade.fillRect(calm.rect(), down);
        shade.end();
        painter.drawImage(QPointF(0, height - calmHeight), calm);
    }

    // Title.
    drawEmblem(painter, QRectF(34, 34, 52, 52));
    painter.setPen(kText);
    painter.setFont(fitted("DejaVu Serif", QFont::Bold, "Tessitra", 260, 50));
    painter.drawText(QRectF(100, 26, 300, 62), Qt::AlignLeft | Qt::AlignVCenter, "Tessitra");
    painter.setPen(kAmber);
    QFont subtitle = fitted("DejaVu Sans", QFont::DemiBold, "STAGE LIBRARIAN", 240, 13, 3.5);
    painter.setFont(subtitle);
    painter.drawText(QRectF(102, 88, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, "STAGE LIBRARIAN");
    painter.setPen(QColor(kText.red(), kText.green(), kText.blue(), 150));
    painter.setFont(fitted("DejaVu Sans", QFont::Normal, "Presets, set lists and firmware", 260, 12));
    painter.drawText(QRectF(102, 110, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, "Presets, set lists and firmware");

    // A short amber rule above the text area.
    painter.setPen(QPen(kAmber, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 258), QPointF(72, 258));

    // Edge highlight.
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.drawPath(frame);
    painter.end();
    save(image, g_out + "/splash.png");
}

void drawAppIcon()
{
    QImage image = canvas(256, 256);
    QPainter painter(&image);
    begin(painter);
    drawEmblem(painter, QRectF(8, 8, 240, 240));
    painter.end();
    save(image, g_out + "/icon.png");
}

// Connection indicator: a lit amber socket with its plug home, or a dim one with the plug pulled out.
void drawIndicator(bool connected)
{
    QImage image = canvas(36, 36);
    QPainter painter(&image);
    begin(painter);
    const QPointF centre(18, 18);
    if (connected) {
        QRadialGradient glow(centre, 18);
        glow.setColorAt(0.55, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 90));
        glow.setColorAt(1, Qt::transparent);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, 18, 18);
    }
    painter.setBrush(kTile);
    painter.setPen(QPen(connected ? kAmber : kDim, 2));
    painter.drawEllipse(centre, 13, 13);

    const QColor glyph = connected ? kAmber : kDim;
    painter.setPen(Qt::NoPen);
    painter.setBrush(glyph);
    if (connected) {
        // Plug and socket joined in the middle.
        painter.drawRoundedRect(QRectF(9, 14.5, 8, 7), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(19, 14.5, 8, 7), 1.5, 1.5);
        painter.drawRect(QRectF(16, 16.5, 4, 3));
    } else {
        painter.drawRoundedRect(QRectF(7.5, 14.5, 7, 7), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(21.5, 14.5, 7, 7), 1.5, 1.5);
        painter.setPen(QPen(kAlarm, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(20.5, 11), QPointF(15.5, 25));
    }
    painter.end();
    save(image, g_out + (connected ? "/connected.png" : "/disconnected.png"));
}

// Glyphs of the icon buttons, drawn at 48 x 48 with a 3.2 px stroke; the style sheet shows them smaller.
using Glyph = void (*)(QPainter&);

void glyphRefresh(QPainter& p)
{
    p.drawArc(QRectF(11, 11, 26, 26), 60 * 16, 290 * 16);
    const QPointF tip(30.5, 12.5);
    QPainterPath head;
    head.moveTo(tip + QPointF(-7, -5));
    head.lineTo(tip + QPointF(1.5, 0.5));
    head.lineTo(tip + QPointF(-4.5, 8));
    p.drawPath(head);
}

void glyphUpdate(QPainter& p)
{
    p.drawRoundedRect(QRectF(10, 27, 28, 11), 3, 3);
    p.drawLine(QPointF(24, 8), QPointF(24, 27));
    QPainterPath head;
    head.moveTo(17, 20);
    head.lineTo(24, 27);
    head.lineTo(31, 20);
    p.drawPath(head);
}

void glyphSettings(QPainter& p)
{
    const QPointF c(24, 24);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal angle = (i - 1.5) * 2 * M_PI / (teeth * 4);
        const qreal radius = (i % 4 < 2) ? 15.0 : 11.5;
        const QPointF point = c + QPointF(qCos(angle) * radius, qSin(angle) * radius);
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    p.drawPath(gear);
    p.drawEllipse(c, 5, 5);
}

void glyphHelp(QPainter& p)
{
    p.drawEllipse(QPointF(24, 24), 15, 15);
    QPainterPath hook;
    hook.moveTo(19, 19.5);
    hook.cubicTo(19, 13.5, 29, 13.5, 29, 19.5);
    hook.cubicTo(29, 23.5, 24, 23.5, 24, 28);
    p.drawPath(hook);
    const QPen pen = p.pen();
    p.setBrush(pen.color());
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(24, 33.5), 2.2, 2.2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void glyphBrowse(QPainter& p)
{
    QPainterPath folder;
    folder.moveTo(8, 14);
    folder.lineTo(19, 14);
    folder.lineTo(22, 18);
    folder.lineTo(40, 18);
    folder.lineTo(40, 36);
    folder.lineTo(8, 36);
    folder.closeSubpath();
    p.drawPath(folder);
    p.drawLine(QPointF(8, 23), QPointF(40, 23));
}

void glyphUp(QPainter& p)
{
    QPainterPath path;
    path.moveTo(34, 38);
    path.lineTo(34, 24);
    path.quadTo(34, 17, 27, 17);
    path.lineTo(14, 17);
    p.drawPath(path);
    QPainterPath head;
    head.moveTo(20, 10);
    head.lineTo(13, 17);
    head.lineTo(20, 24);
    p.drawPath(head);
}

void drawGlyph(const QString& name, Glyph glyph)
{
    struct Variant
    {
        const char* suffix;
        QColor colour;
    };
    const Variant variants[] = {{"", kText}, {"_hover", kAmber}, {"_disabled", kDim}};
    for (const Variant& variant : variants) {
        QImage image = canvas(48, 48);
        QPainter painter(&image);
        begin(painter);
        painter.setPen(QPen(variant.colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        glyph(painter);
        painter.end();
        save(image, g_out + "/" + name + variant.suffix + ".png");
    }
}

// Small parts of the themed widgets: chevrons and radio indicators, drawn at twice their shown size.
void drawChevron(const QString& name, qreal angle, const QColor& colour)
{
    QImage image = canvas(24, 24);
    QPainter painter(&image);
    begin(painter);
    painter.translate(12, 12);
    painter.rotate(angle);
    painter.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(-5.5, -2.8);
    path.lineTo(0, 2.8);
    path.lineTo(5.5, -2.8);
    painter.drawPath(path);
    painter.end();
    save(image, g_out + "/" + name);
}

void drawRadio(const QString& name, bool checked, const QColor& ring)
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    begin(painter);
    painter.setPen(QPen(ring, 2.4));
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(16, 16), 12, 12);
    if (checked) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAmber);
        painter.drawEllipse(QPointF(16, 16), 6.5, 6.5);
    }
    painter.end();
    save(image, g_out + "/" + name);
}

// The check box's square, in the radio's colours; a checked one carries an amber tick.
void drawCheck(const QString& name, bool checked, const QColor& ring)
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    begin(painter);
    painter.setPen(QPen(ring, 2.4));
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(4, 4, 24, 24), 5, 5);
    if (checked) {
        painter.setPen(QPen(kAmber, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(9.5, 16.5);
        tick.lineTo(14, 21);
        tick.lineTo(22.5, 11);
        painter.drawPath(tick);
    }
    painter.end();
    save(image, g_out + "/" + name);
}

// Menu icons of the preset lists: a tray with an arrow going into it (to the computer) or out of it.
void drawTrayIcon(const QString& name, bool into)
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    begin(painter);
    painter.setPen(QPen(kText, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tray;
    tray.moveTo(5, 18);
    tray.lineTo(5, 27);
    tray.lineTo(27, 27);
    tray.lineTo(27, 18);
    painter.drawPath(tray);
    painter.setPen(QPen(kAmber, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(16, 4), QPointF(16, 21));
    QPainterPath head;
    if (into) {
        head.moveTo(10.5, 15.5);
        head.lineTo(16, 21);
        head.lineTo(21.5, 15.5);
    } else {
        head.moveTo(10.5, 9.5);
        head.lineTo(16, 4);
        head.lineTo(21.5, 9.5);
    }
    painter.drawPath(head);
    painter.end();
    save(image, g_out + "/" + name);
}

// Drag image for several presets: a small stack of tiles; the list paints the count in white above the
// middle of it.
void drawPresetsSelected()
{
    QImage image = canvas(96, 64);
    QPainter painter(&image);
    begin(painter);
    for (int i = 2; i >= 0; --i) {
        const QRectF tile(10 + i * 5, 8 + i * 5, 66, 40);
        QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
        if (i == 0) {
            fill.setColorAt(0, kAmber);
            fill.setColorAt(1, kAmberDeep);
        } else {
            fill.setColorAt(0, kTile.lighter(120 - i * 10));
            fill.setColorAt(1, kTile);
        }
        painter.setPen(QPen(i == 0 ? kAmber.lighter(120) : QColor(0x3a, 0x44, 0x66), 1.2));
        painter.setBrush(fill);
        painter.drawRoundedRect(tile, 7, 7);
    }
    painter.end();
    save(image, g_out + "/presets_selected.png");
}

// Message-box icons, in place of the platform's: a question on a midnight tile ringed in amber, information
// ringed in the text colour, a warning as an amber sign, an error as a red disc.
enum class Message
{
    Question,
    Information,
    Warning,
    Critical
};

void drawMessageIcon(const QString& name, Message kind)
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    begin(painter);
    const QPointF centre(16, 16);
    const auto dot = [&painter](const QPointF& at, const QColor& colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 1.8, 1.8);
    };
    const auto stroke = [&painter](const QColor& colour) {
        painter.setPen(QPen(colour, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
    };
    switch (kind) {
    case Message::Question: {
        painter.setPen(QPen(kAmber, 2.2));
        painter.setBrush(kTile);
        painter.drawEllipse(centre, 13.5, 13.5);
        QPainterPath hook;
        hook.moveTo(12.2, 12.6);
        hook.cubicTo(12.2, 7.8, 19.8, 7.8, 19.8, 12.6);
        hook.cubicTo(19.8, 15.8, 16, 15.6, 16, 18.8);
        stroke(kAmber);
        painter.drawPath(hook);
        dot(QPointF(16, 23.2), kAmber);
        break;
    }
    case Message::Information:
        painter.setPen(QPen(kText, 2.2));
        painter.setBrush(kTile);
        painter.drawEllipse(centre, 13.5, 13.5);
        stroke(kText);
        painter.drawLine(QPointF(16, 14.5), QPointF(16, 23));
        dot(QPointF(16, 9.8), kText);
        break;
    case Message::Warning: {
        QPainterPath sign;
        sign.moveTo(16, 3.5);
        sign.lineTo(29.5, 27.5);
        sign.lineTo(2.5, 27.5);
        sign.closeSubpath();
        painter.setPen(QPen(kAmberDeep, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(kAmber);
        painter.drawPath(sign);
        stroke(kInk);
        painter.drawLine(QPointF(16, 11.5), QPointF(16, 18.8));
        dot(QPointF(16, 23), kInk);
        break;
    }
    case Message::Critical:
        painter.setPen(QPen(kAlarm.darker(130), 1.5));
        painter.setBrush(kAlarm);
        painter.drawEllipse(centre, 13.5, 13.5);
        stroke(kText);
        painter.drawLine(QPointF(11.5, 11.5), QPointF(20.5, 20.5));
        painter.drawLine(QPointF(20.5, 11.5), QPointF(11.5, 20.5));
        break;
    }
    painter.end();
    save(image, g_out + "/" + name);
}

// Busy animations, 12 frames of 32 x 32 each, on the background they are shown on.
void drawBusyFrames()
{
    const int frames = 12;
    for (int f = 0; f < frames; ++f) {
        // The device indicator: twelve dots, the lit one walking round with a fading tail.
        // The top panel sits on the upper end of the window's gradient.
        QImage dots = canvas(32, 32, kTopPanel);
        QPainter painter(&dots);
        begin(painter);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < frames; ++i) {
            const int age = (f - i + frames) % frames;
            const qreal angle = i * 2 * M_PI / frames - M_PI / 2;
            QColor colour = age < 5 ? kAmber : kDim;
            colour.setAlpha(age < 5 ? 255 - age * 40 : 110);
            painter.setBrush(colour);
            const qreal radius = age == 0 ? 2.9 : 2.3;
            painter.drawEllipse(QPointF(16 + qCos(angle) * 11.5, 16 + qSin(angle) * 11.5), radius, radius);
        }
        painter.end();
        save(dots, QString("%1/busy_%2.png").arg(g_frames).arg(f, 2, 10, QChar('0')));

        // The progress dialog: an amber arc sweeping round a dim track.
        QImage ring = canvas(32, 32, kPanel);
        painter.begin(&ring);
        begin(painter);
        painter.setPen(QPen(kTile.lighter(130), 3.2));
        painter.drawEllipse(QPointF(16, 16), 11, 11);
        // Qt angles turn counter-clockwise; the head runs clockwise from the top, its tail fading behind it.
        const qreal head = 90.0 - f * 30.0;
        const int segments = 10;
        for (int k = segments - 1; k >= 0; --k) {
            QColor colour = kAmber;
            colour.setAlpha(255 - k * 24);
            painter.setPen(QPen(colour, 3.4, Qt::SolidLine, k == 0 ? Qt::RoundCap : Qt::FlatCap));
            painter.drawArc(QRectF(5, 5, 22, 22), static_cast<int>((head + k * 24.0) * 16), 25 * 16);
        }
        painter.end();
        save(ring, QString("%1/progress_%2.png").arg(g_frames).arg(f, 2, 10, QChar('0')));
    }
}
} // namespace

void drawArt();

void drawDesktopIcons(const QString& folder)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        QImage image = canvas(size, size);
        QPainter painter(&image);
        begin(painter);
        const qreal margin = size / 32.0;
        drawEmblem(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        QDir().mkpath(dir);
        save(image, dir + "/com.aurivell.TessitraStageLibrarian.png");
    }
}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: artgen <images folder> <frames folder> [<desktop icons folder>]\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    const QString frames = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);

    for (int scale : {1, 2}) {
        g_scale = scale;
        g_frames = scale == 1 ? frames : frames + "/2x";
        QDir().mkpath(g_frames);
        drawArt();
    }
    // Each desktop icon is drawn at its own size already.
    g_scale = 1;
    if (argc == 4)
        drawDesktopIcons(QString::fromLocal8Bit(argv[3]));
    return g_ok ? 0 : 1;
}

void drawArt()
{
    drawAppIcon();
    drawSplash();
    drawLogo("logo.png", 130, QString());
    drawLogo("logoAriette.png", 196, "Stage Ariette");
    drawLogo("logoCadenzo.png", 240, "Stage Cadenzo");
    drawIndicator(true);
    drawIndicator(false);
    drawGlyph("refresh", glyphRefresh);
    drawGlyph("update", glyphUpdate);
    drawGlyph("settings", glyphSettings);
    drawGlyph("help", glyphHelp);
    drawGlyph("browse", glyphBrowse);
    drawGlyph("up", glyphUp);
    drawChevron("arrow_down.png", 0, kText);
    drawChevron("arrow_down_disabled.png", 0, kDim);
    drawChevron("branch_closed.png", -90, kDim);
    drawChevron("branch_open.png", 0, kAmber);
    drawRadio("radio_unchecked.png", false, kDim);
    drawRadio("radio_unchecked_hover.png", false, kAmber);
    drawRadio("radio_checked.png", true, kAmber);
    drawCheck("check_unchecked.png", false, kDim);
    drawCheck("check_unchecked_hover.png", false, kAmber);
    drawCheck("check_checked.png", true, kAmber);
    drawTrayIcon("savePreset.png", true);
    drawTrayIcon("loadPreset.png", false);
    drawPresetsSelected();
    drawMessageIcon("messageQuestion.png", Message::Question);
    drawMessageIcon("messageInformation.png", Message::Information);
    drawMessageIcon("messageWarning.png", Message::Warning);
    drawMessageIcon("messageCritical.png", Message::Critical);
    drawBusyFrames();
}
