// Graphics themes: how a theme looks, how its pictures are prepared, the button faces.
#include "presentation/Themes.h"

#include "presentation/Texts.h"

#include <algorithm>
#include <cstdlib>

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QtEndian>

namespace presentation {

ThemeLook LookOfTheme(const QString& theme, const std::array<QString, 3>& themeNames)
{
    ThemeLook look;
    look.printShown = theme == themeNames[0];
    if (theme == themeNames[0]) {
        look.labelColour = QColor(Qt::black);
    } else if (theme == themeNames[1]) {
        look.labelColour = QColor(Qt::white);
    } else if (theme == themeNames[2]) {
        look.labelColour = QColor(Qt::black);
        look.opacity = 230;
    }
    return look;
}

bool PieceHasColourKey(int k)
{
    return (k >= 0 && k <= 9) || (k >= 13 && k <= 22) || k == 25;
}

int PieceOpacity(int k, int themeOpacity)
{
    switch (k) {
    case 10:
    case 26:
        return 150;
    case 25:
        return 120;
    case 11:
    case 12:
    case 23:
    case 24:
        return 255;
    default:
        return themeOpacity;
    }
}

namespace {

bool DeclaredSizeHeld(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    if (!header.startsWith("BM"))
        return true; // not a BMP: its own reader finds a cut file
    if (header.size() < 30)
        return false;
    const auto u32
        = [&header](int at) { return qFromLittleEndian<quint32>(header.constData() + at); };
    const auto s32
        = [&header](int at) { return qFromLittleEndian<qint32>(header.constData() + at); };
    const qint64 fileSize = file.size();
    // The size the file header declares, and where the pixel rows of an uncompressed picture end.
    qint64 needed = u32(2);
    const quint32 compression = header.size() >= 34 ? u32(30) : 0;
    if (u32(14) >= 40 && (compression == 0 || compression == 3)) {
        const qint64 width = s32(18);
        const qint64 height = std::abs(static_cast<qint64>(s32(22)));
        const qint64 bits = qFromLittleEndian<quint16>(header.constData() + 28);
        const qint64 stride = (width * bits + 31) / 32 * 4;
        needed = std::max(needed, static_cast<qint64>(u32(10)) + stride * height);
    }
    return fileSize >= needed;
}

} // namespace

QImage ReadPicture(const QString& path)
{
    if (!DeclaredSizeHeld(path))
        return {};
    return QImage(path);
}

QImage ReadOpaquePicture(const QString& path)
{
    QImage picture = ReadPicture(path);
    if (picture.isNull())
        return {};
    // A 32-bit picture may carry an alpha mask of its own: the board reads every picture opaque.
    return picture.convertToFormat(QImage::Format_RGB32)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void ApplyColourKey(QImage& picture)
{
    ApplyColourKeyAt(picture, QPoint(1, 1));
}

QImage ReadFaceBlank(const QString& path)
{
    QImage blank = ReadOpaquePicture(path);
    if (!blank.isNull())
        ApplyColourKeyAt(blank, QPoint(0, blank.height() - 1));
    return blank;
}

void ApplyColourKeyAt(QImage& picture, QPoint keyPixel)
{
    if (!picture.rect().contains(keyPixel))
        return;
    if (picture.format() != QImage::Format_ARGB32_Premultiplied)
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto rgbOf = [](QRgb pixel) { return qUnpremultiply(pixel) & 0x00FFFFFFu; };
    const QRgb key
        = rgbOf(reinterpret_cast<const QRgb*>(picture.constScanLine(keyPixel.y()))[keyPixel.x()]);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (rgbOf(line[x]) == key)
                line[x] = 0;
        }
    }
}

ThemeFiles ReadThemeFiles(const QString& graphismeFolder, const QString& theme)
{
    ThemeFiles files;
    for (int k = 0; k < PieceCount; ++k) {
        const QString path = ResolvePath(
            graphismeFolder, theme + u'/' + QString::number(k) + QStringLiteral(".bmp"));
        files.pictures[static_cast<std::size_t>(k)] = ReadOpaquePicture(path);
        if (files.pictures[static_cast<std::size_t>(k)].isNull() && files.firstMissing.isEmpty())
            files.firstMissing = path;
    }
    return files;
}

PiecePictures PreparePieces(const ThemeFiles& files, int themeOpacity)
{
    PiecePictures pieces;
    for (int k = 0; k < PieceCount; ++k) {
        auto& piece = pieces[static_cast<std::size_t>(k)];
        piece.image = files.pictures[static_cast<std::size_t>(k)];
        if (piece.image.isNull())
            piece.image = PlaceholderPiece(k);
        else if (PieceHasColourKey(k))
            ApplyColourKey(piece.image);
        piece.opacity = PieceOpacity(k, themeOpacity);
    }
    return pieces;
}

namespace {

// The picture the reader makes of the file, or a plain stand-in of that size and colour; the first
// file that cannot be read is kept in firstMissing.
QImage ReadOrStandIn(const QString& path,
                     QImage (*reader)(const QString&),
                     QSize size,
                     QColor standIn,
                     QString& firstMissing)
{
    QImage picture = reader(path);
    if (!picture.isNull())
        return picture;
    if (firstMissing.isEmpty())
        firstMissing = path;
    return PlaceholderPicture(size.width(), size.height(), standIn);
}

void ReadWindowPictures(const QString& folder, LoadedTheme& loaded)
{
    QString missing;
    const auto read = [&folder, &missing](const char* name, QSize size, QColor standIn) {
        return ReadOrStandIn(ResolvePath(folder, QString::fromLatin1(name)), ReadOpaquePicture,
                             size, standIn, missing);
    };
    loaded.messageWindow = read("fenetre.bmp", {503, 370}, QColor(245, 235, 210));
    loaded.mainMenu = read("accueil.bmp", {992, 709}, QColor(200, 185, 150));
    loaded.hintButton = read("Aide.bmp", {91, 83}, QColor(120, 30, 30));
    loaded.rightArrow = read("R.bmp", {20, 20}, QColor(120, 30, 30));
    loaded.leftArrow = read("L.bmp", {20, 20}, QColor(120, 30, 30));
    const std::array<QColor, 3> blankStandIns{QColor(250, 235, 215), QColor(255, 245, 225),
                                              QColor(215, 210, 205)};
    for (std::size_t state = 0; state < blankStandIns.size(); ++state) {
        const QString path = ResolvePath(folder, QStringLiteral("%1.bmp").arg(state + 1));
        loaded.faceBlanks[state]
            = ReadOrStandIn(path, ReadFaceBlank, {140, 49}, blankStandIns[state], missing);
    }
    if (!missing.isEmpty())
        loaded.missing.append(missing);
}

} // namespace

LoadedTheme LoadTheme(const QString& graphismeFolder,
                      const QString& theme,
                      const std::array<QString, 3>& themeNames)
{
    LoadedTheme loaded;
    const QString& defaultTheme = themeNames[0];
    loaded.theme = theme.isEmpty() ? defaultTheme : theme;
    ThemeFiles files = ReadThemeFiles(graphismeFolder, loaded.theme);
    if (!files.Complete()) {
        loaded.missing.append(files.firstMissing);
        if (loaded.theme != defaultTheme) {
            files = ReadThemeFiles(graphismeFolder, defaultTheme);
            if (!files.Complete())
                loaded.missing.append(files.firstMissing);
            loaded.theme = defaultTheme;
            loaded.fellBack = true;
        }
    }
    loaded.look = LookOfTheme(loaded.theme, themeNames);
    loaded.pieces = PreparePieces(files, loaded.look.opacity);
    ReadWindowPictures(graphismeFolder, loaded);
    return loaded;
}

QImage PlaceholderPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.setPen(colour.darker(150));
    painter.drawRect(0, 0, width - 1, height - 1);
    return picture;
}

QImage PlaceholderPiece(int k)
{
    switch (k) {
    case 10:
        return PlaceholderPicture(60, 60, QColor(240, 232, 214));
    case 12:
        return PlaceholderPicture(1024, 768, QColor(196, 180, 150));
    case 23:
        return PlaceholderPicture(153, 569, QColor(230, 220, 200));
    case 25: {
        QImage ring(190, 190, QImage::Format_ARGB32_Premultiplied);
        ring.fill(Qt::transparent);
        QPainter painter(&ring);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(120, 80, 40));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(5, 5, 180, 180));
        return ring;
    }
    case 26:
        return PlaceholderPicture(52, 52, QColor(230, 60, 60));
    case 11:
    case 24:
        return PlaceholderPicture(8, 8, Qt::white);
    default:
        break;
    }
    // Pieces: 0 and 13 erase, 1..9 the player's digits, 14..22 the given digits.
    const bool given = k >= 13;
    const int digit = given ? k - 13 : k;
    QImage piece(52, 52, QImage::Format_ARGB32_Premultiplied);
    piece.fill(Qt::transparent);
    QPainter painter(&piece);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(given ? QColor(120, 30, 30) : QColor(245, 235, 215));
    painter.setPen(QPen(QColor(90, 60, 30), 2));
    painter.drawEllipse(QRectF(3, 3, 46, 46));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(given ? QColor(250, 240, 220) : QColor(30, 50, 120));
    painter.drawText(QRect(0, 0, 52, 52), Qt::AlignCenter,
                     digit == 0 ? QStringLiteral("×") : QString::number(digit));
    return piece;
}

void EcrireLegende(QImage& face, const QString& caption, const QColor& colour)
{
    QPainter painter(&face);
    QFont font(QStringLiteral("CHOW FUN"));
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const int left = LegendLeft(face.width(), static_cast<int>(caption.size()));
    // drawText takes the baseline; the caption's top lies at y = 11.
    painter.drawText(QPoint(left, 11 + QFontMetrics(font).ascent()), caption);
}

} // namespace presentation
