// Draws the pictures of the coin, banknote and mass kinds into DATA/money as PNG files: the
// eight coins in three looks (colour, colour with outlines, black line work), the seven notes
// on both faces in colour and in greys, and the four masses. Plain vector drawings of ours,
// scaled so that a picture gives at least 12 pixels a millimetre where the sheet draws it at
// zoom 100. The notes are play money: marked "ÉCOLE" and "BILLET D'EXERCICE" on both faces.
//
//   make_money_pictures DATA
//
// Coins and masses are transparent outside their shape. The transparent pixels also carry one
// colour that no drawing uses, because a picture drawn with its Transparent flag set loses
// every pixel of its bottom-left pixel's colour. The text is drawn from one font file,
// Liberation Sans Bold, so that the same program gives the same pictures.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* fontFile = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
constexpr QRgb transparentKey = 0x00FF00FF;

// Pixels a millimetre of the printed size at zoom 100: coins and masses are printed at real
// size, notes at seven tenths of it.
constexpr int coinPixelsPerMm = 16;
constexpr int massPixelsPerMm = 16;
constexpr int notePixelsPerTenMm = 84; // 12 pixels a printed millimetre × 7/10

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The text as a filled outline, scaled to fit box and centred in it.
QPainterPath textIn(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QPainterPath disc(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void fillPath(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.fillPath(path, colour);
}

void strokePath(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
    painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// An empty picture with a painter ready to draw on it.
QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Gives every fully transparent pixel the key colour (see the top of the file).
QImage withKey(const QImage& drawn) {
    QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) == 0)
                line[x] = transparentKey;
    }
    return image;
}

// ---- Coins ----

struct Metal {
    QColor face;    // the flat surface
    QColor rim;     // the raised edge and the relief
    QColor outline; // the dark line of the outlined look
};

const Metal copper{QColor(0xC8, 0x7A, 0x4B), QColor(0xA6, 0x5E, 0x36), QColor(0x4E, 0x26, 0x10)};
const Metal gold{QColor(0xE6, 0xC3, 0x52), QColor(0xC6, 0xA0, 0x38), QColor(0x5E, 0x47, 0x0C)};
const Metal silver{QColor(0xD6, 0xD9, 0xDD), QColor(0xB2, 0xB7, 0xBD), QColor(0x3E, 0x43, 0x49)};

struct Coin {
    const char* suffix;  // of the file names: "1C" gives C_1C, T_1C and N_1C
    int diameter;        // hundredths of a millimetre
    const char* value;   // written large
    bool euro;           // 1 € and 2 €: a centre and a ring of two metals
    const Metal* centre; // the only metal of a cent coin
    const Metal* ring;
};

const std::array<Coin, 8> coins{{
    {"1C", 1625, "1", false, &copper, &copper},
    {"2C", 1878, "2", false, &copper, &copper},
    {"5C", 2125, "5", false, &copper, &copper},
    {"10C", 1975, "10", false, &gold, &gold},
    {"20C", 2225, "20", false, &gold, &gold},
    {"50C", 2425, "50", false, &gold, &gold},
    {"1E", 2325, "1 €", true, &silver, &gold},
    {"2E", 2575, "2 €", true, &gold, &silver},
}};

enum class CoinLook { Colour, Outlined, LineWork };

// The coin's parts, as paths, for a disc of radius r centred on c.
struct CoinShape {
    QPainterPath whole, face, centre, value, unitAbove, unitBelow;
    std::array<QPainterPath, 12> dots;
};

CoinShape coinShape(const Coin& coin, const QFont& font, QPointF c, double r) {
    CoinShape shape;
    shape.whole = disc(c, r);
    shape.face = disc(c, 0.88 * r);
    shape.centre = disc(c, 0.62 * r);
    const double dotRadius = coin.euro ? 0.76 * r : 0.80 * r;
    for (std::size_t i = 0; i < shape.dots.size(); ++i) {
        const double angle = 2 * M_PI * double(i) / double(shape.dots.size());
        shape.dots[i] = disc(c + QPointF(std::sin(angle), -std::cos(angle)) * dotRadius, 0.035 * r);
    }
    if (coin.euro) {
        shape.value = textIn(QString::fromUtf8(coin.value), font,
                             QRectF(c.x() - 0.46 * r, c.y() - 0.26 * r, 0.92 * r, 0.52 * r));
        return shape;
    }
    const double width = std::strlen(coin.value) == 1 ? 0.40 * r : 0.86 * r;
    shape.value = textIn(QString::fromLatin1(coin.value), font,
                         QRectF(c.x() - width / 2, c.y() - 0.30 * r, width, 0.56 * r));
    shape.unitAbove = textIn(QStringLiteral("EURO"), font,
                             QRectF(c.x() - 0.30 * r, c.y() - 0.52 * r, 0.60 * r, 0.14 * r));
    shape.unitBelow = textIn(QStringLiteral("CENT"), font,
                             QRectF(c.x() - 0.32 * r, c.y() + 0.38 * r, 0.64 * r, 0.15 * r));
    return shape;
}

QImage drawCoin(const Coin& coin, CoinLook look, const QFont& font) {
    const int side = (coin.diameter * coinPixelsPerMm + 99) / 100;
    QImage image = blank(side, side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = side / 2.0;
    const CoinShape shape = coinShape(coin, font, QPointF(r, r), r - 0.5);
    const QPainterPath texts = shape.value.united(shape.unitAbove).united(shape.unitBelow);

    if (look == CoinLook::LineWork) {
        fillPath(painter, shape.whole, Qt::white);
        strokePath(painter, disc(QPointF(r, r), r - 0.5 - 0.02 * r), Qt::black, 0.04 * r);
        strokePath(painter, shape.face, Qt::black, 0.015 * r);
        if (coin.euro)
            strokePath(painter, shape.centre, Qt::black, 0.025 * r);
        for (const QPainterPath& dot : shape.dots)
            strokePath(painter, dot, Qt::black, 0.012 * r);
        fillPath(painter, texts, Qt::black);
        return withKey(image);
    }

    fillPath(painter, shape.whole, coin.ring->rim);
    fillPath(painter, shape.face, coin.ring->face);
    if (coin.euro) {
        fillPath(painter, shape.centre, coin.centre->face);
        strokePath(painter, shape.centre, coin.centre->rim, 0.03 * r);
    }
    for (std::size_t i = 0; i < shape.dots.size(); ++i)
        fillPath(painter, shape.dots[i], coin.ring->rim);
    fillPath(painter, texts, coin.centre->rim.darker(135));
    if (look == CoinLook::Outlined) {
        const QColor dark = coin.ring->outline;
        strokePath(painter, disc(QPointF(r, r), r - 0.5 - 0.02 * r), dark, 0.04 * r);
        strokePath(painter, shape.face, dark, 0.015 * r);
        if (coin.euro)
            strokePath(painter, shape.centre, dark, 0.02 * r);
        strokePath(painter, texts, coin.centre->outline, 0.012 * r);
    }
    return withKey(image);
}

// ---- Notes ----

struct Note {
    int value; // euros
    int width; // millimetres
    int height;
    QColor colour;
};

const std::array<Note, 7> notes{{
    {500, 160, 82, QColor(0x8A, 0x4F, 0xA8)},
    {200, 153, 82, QColor(0xB8, 0x8A, 0x2E)},
    {100, 147, 82, QColor(0x3C, 0x96, 0x4C)},
    {50, 140, 77, QColor(0xE2, 0x80, 0x28)},
    {20, 133, 72, QColor(0x36, 0x6C, 0xC4)},
    {10, 127, 67, QColor(0xC8, 0x3E, 0x38)},
    {5, 120, 62, QColor(0x86, 0x8C, 0x94)},
}};

struct Inks {
    QColor paper, light, mid, dark;
};

Inks inksOf(const QColor& base) {
    return {mix(base, Qt::white, 0.86), mix(base, Qt::white, 0.55), base,
            mix(base, Qt::black, 0.50)};
}

const Inks greys{QColor(0xF4, 0xF4, 0xF4), QColor(0xD2, 0xD2, 0xD2), QColor(0x96, 0x96, 0x96),
                 QColor(0x30, 0x30, 0x30)};

// A band across the whole note, with the words that make it play money.
void drawSchoolBand(QPainter& painter, const QFont& font, const Inks& inks, double w, double top,
                    double height) {
    painter.fillRect(QRectF(0, top, w, height), inks.dark);
    const QString words = QString::fromUtf8("BILLET D'EXERCICE  •  ÉCOLE  •  BILLET D'EXERCICE");
    fillPath(painter,
             textIn(words, font, QRectF(0.05 * w, top + 0.2 * height, 0.9 * w, 0.6 * height)),
             inks.paper);
}

void drawFrame(QPainter& painter, const Inks& inks, double w, double h) {
    painter.fillRect(QRectF(0, 0, w, h), inks.paper);
    const double inset = 0.035 * h;
    strokePath(
        painter,
        [&] {
            QPainterPath path;
            path.addRect(QRectF(inset, inset, w - 2 * inset, h - 2 * inset));
            return path;
        }(),
        inks.mid, 0.012 * h);
}

// An arch seen from the front: a rectangle under a half disc.
QPainterPath arch(double left, double top, double width, double bottom) {
    QPainterPath path;
    const double radius = width / 2;
    path.moveTo(left, bottom);
    path.lineTo(left, top + radius);
    path.arcTo(QRectF(left, top, width, width), 180, -180);
    path.lineTo(left + width, bottom);
    path.closeSubpath();
    return path;
}

// Recto: the value top left, a window under an arch in the middle, the band at the bottom.
void drawRecto(QPainter& painter, const Note& note, const Inks& inks, const QFont& font, double w,
               double h) {
    drawFrame(painter, inks, w, h);
    painter.fillRect(QRectF(0.05 * h, 0.05 * h, 0.26 * w, 0.70 * h), inks.light);
    const QString value = QString::number(note.value);
    fillPath(painter, textIn(value, font, QRectF(0.05 * w, 0.08 * h, 0.21 * w, 0.30 * h)),
             inks.dark);
    fillPath(painter,
             textIn(QStringLiteral("EURO"), font, QRectF(0.07 * w, 0.44 * h, 0.17 * w, 0.09 * h)),
             inks.dark);
    const double left = 0.38 * w, width = 0.26 * w, top = 0.12 * h, bottom = 0.76 * h;
    fillPath(painter, arch(left - 0.03 * w, top - 0.03 * w, width + 0.06 * w, bottom), inks.mid);
    fillPath(painter, arch(left, top, width, bottom), inks.light);
    const double pane = width * 0.16;
    fillPath(painter, arch(left + pane, top + pane, width - 2 * pane, bottom - 0.06 * h),
             inks.paper);
    strokePath(painter, arch(left + pane, top + pane, width - 2 * pane, bottom - 0.06 * h),
               inks.dark, 0.008 * h);
    const double bar = 0.010 * w;
    painter.fillRect(QRectF(left + width / 2 - bar / 2, top + width / 2, bar,
                            bottom - 0.06 * h - top - width / 2),
                     inks.dark);
    painter.fillRect(QRectF(left + pane, top + width / 2 + 0.10 * h, width - 2 * pane, bar),
                     inks.dark);
    fillPath(
        painter,
        textIn(QString::fromUtf8("ÉCOLE"), font, QRectF(0.70 * w, 0.16 * h, 0.24 * w, 0.16 * h)),
        inks.mid);
    fillPath(painter, textIn(value, font, QRectF(0.74 * w, 0.42 * h, 0.18 * w, 0.22 * h)),
             inks.light);
    drawSchoolBand(painter, font, inks, w, 0.81 * h, 0.12 * h);
}

// Verso: the band at the top, a bridge over water on the left, the value bottom right.
void drawVerso(QPainter& painter, const Note& note, const Inks& inks, const QFont& font, double w,
               double h) {
    drawFrame(painter, inks, w, h);
    drawSchoolBand(painter, font, inks, w, 0.07 * h, 0.12 * h);
    const double left = 0.07 * w, right = 0.64 * w, deck = 0.38 * h, water = 0.78 * h;
    painter.fillRect(QRectF(left, water, right - left, 0.12 * h), inks.light);
    for (int i = 0; i < 3; ++i)
        painter.fillRect(
            QRectF(left + 0.04 * w + 0.18 * w * i, water + 0.05 * h, 0.10 * w, 0.012 * h),
            inks.mid);
    QPainterPath bridge;
    bridge.addRect(QRectF(left, deck, right - left, water - deck));
    const double span = (right - left) / 3;
    for (int i = 0; i < 3; ++i)
        bridge = bridge.subtracted(
            arch(left + span * i + 0.12 * span, deck + 0.14 * h, 0.76 * span, water + 1));
    fillPath(painter, bridge, inks.mid);
    strokePath(painter, bridge, inks.dark, 0.008 * h);
    painter.fillRect(QRectF(left - 0.01 * w, deck - 0.05 * h, right - left + 0.02 * w, 0.05 * h),
                     inks.dark);
    const QString value = QString::number(note.value);
    fillPath(painter,
             textIn(QStringLiteral("EURO"), font, QRectF(0.74 * w, 0.40 * h, 0.17 * w, 0.09 * h)),
             inks.dark);
    fillPath(painter, textIn(value, font, QRectF(0.70 * w, 0.54 * h, 0.25 * w, 0.34 * h)),
             inks.dark);
}

QImage drawNote(const Note& note, bool recto, bool greyscale, const QFont& font) {
    const int width = (note.width * notePixelsPerTenMm + 9) / 10;
    const int height = (note.height * notePixelsPerTenMm + 9) / 10;
    QImage image = blank(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Inks inks = greyscale ? greys : inksOf(note.colour);
    if (recto)
        drawRecto(painter, note, inks, font, width, height);
    else
        drawVerso(painter, note, inks, font, width, height);
    return image.convertToFormat(QImage::Format_RGB32);
}

// ---- Masses ----

struct Mass {
    const char* name;
    int width; // tenths of a millimetre: the largest item the picture serves
    int height;
    double body; // where the cylinder's top face is, as a fraction of the height
    const Metal* metal;
};

const Metal brass{QColor(0xC9, 0xA4, 0x4E), QColor(0xA8, 0x86, 0x34), QColor(0x4A, 0x38, 0x10)};
const Metal steel{QColor(0xB9, 0xC0, 0xC8), QColor(0x93, 0x9B, 0xA5), QColor(0x33, 0x38, 0x3F)};

const std::array<Mass, 4> masses{{
    {"M_GG", 430, 650, 0.30, &brass},
    {"M_5G", 60, 90, 0.38, &steel},
    {"M_2G", 60, 60, 0.46, &steel},
    {"M_1G", 60, 45, 0.52, &steel},
}};

// A cylinder standing on the bottom edge with a knob on top. The label goes on the plain front
// below the top face, from five twelfths of the height down.
QImage drawMass(const Mass& mass) {
    const int width = (mass.width * massPixelsPerMm + 9) / 10;
    const int height = (mass.height * massPixelsPerMm + 9) / 10;
    QImage image = blank(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width, h = height, line = std::max(1.5, 0.012 * w);
    const double lip = std::min(0.05 * h, 0.10 * w); // half the height of the elliptic faces
    const double left = line, right = w - line, top = mass.body * h, bottom = h - line;
    const Metal& metal = *mass.metal;

    QPainterPath body;
    body.moveTo(left, top);
    body.lineTo(left, bottom - lip);
    body.arcTo(QRectF(left, bottom - 2 * lip, right - left, 2 * lip), 180, 180);
    body.lineTo(right, top);
    body.closeSubpath();
    const QPainterPath face = [&] {
        QPainterPath path;
        path.addEllipse(QRectF(left, top - lip, right - left, 2 * lip));
        return path;
    }();
    fillPath(painter, body, metal.face);
    painter.save();
    painter.setClipPath(body);
    painter.fillRect(QRectF(left + 0.07 * w, 0, 0.08 * w, h), metal.face.lighter(110));
    painter.fillRect(QRectF(right - 0.14 * w, 0, 0.14 * w, h), metal.rim);
    painter.restore();
    strokePath(painter, body, metal.outline, line);

    const double neckWidth = 0.22 * w, ballWidth = 0.42 * w,
                 ballHeight = std::min(ballWidth, 0.5 * top);
    const QRectF neck(w / 2 - neckWidth / 2, 0.6 * ballHeight, neckWidth, top - 0.6 * ballHeight);
    fillPath(painter, face, metal.face.lighter(112));
    strokePath(painter, face, metal.outline, line);
    QPainterPath neckPath;
    neckPath.addRect(neck);
    fillPath(painter, neckPath, metal.rim);
    strokePath(painter, neckPath, metal.outline, line);
    QPainterPath ball;
    ball.addEllipse(QRectF(w / 2 - ballWidth / 2, line, ballWidth, ballHeight - line));
    fillPath(painter, ball, metal.face);
    strokePath(painter, ball, metal.outline, line);
    return withKey(image);
}

// ---- Files ----

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (image.save(path, "PNG", 0))
        return true;
    std::fprintf(stderr, "make_money_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

bool drawAll(const QDir& folder, const QFont& font) {
    bool ok = true;
    constexpr std::array<const char*, 3> prefixes{"C_", "T_", "N_"};
    constexpr std::array<CoinLook, 3> looks{CoinLook::Colour, CoinLook::Outlined,
                                            CoinLook::LineWork};
    for (std::size_t look = 0; look < looks.size(); ++look)
        for (const Coin& coin : coins)
            ok = save(drawCoin(coin, looks[look], font), folder,
                      QLatin1String(prefixes[look]) + QLatin1String(coin.suffix)) &&
                 ok;
    for (const Note& note : notes) {
        const QString value = QString::number(note.value);
        ok = save(drawNote(note, true, false, font), folder, QStringLiteral("R_") + value) && ok;
        ok = save(drawNote(note, true, true, font), folder, QStringLiteral("NR_") + value) && ok;
        ok = save(drawNote(note, false, false, font), folder, QStringLiteral("V_") + value) && ok;
        ok = save(drawNote(note, false, true, font), folder, QStringLiteral("NV_") + value) && ok;
    }
    for (const Mass& mass : masses)
        ok = save(drawMass(mass), folder, QLatin1String(mass.name)) && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_money_pictures DATA\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(fontFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "make_money_pictures: cannot read the font %s\n", fontFile);
        return 1;
    }
    QFont font(families.front());
    font.setBold(true);
    font.setPixelSize(200);
    const QDir data(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(data.filePath(QStringLiteral("money")));
    return drawAll(QDir(data.filePath(QStringLiteral("money"))), font) ? 0 : 1;
}
