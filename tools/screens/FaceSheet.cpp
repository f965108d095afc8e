// A contact sheet of the 18 button faces in their three states and of message-window titles, drawn
// by the game's own code with a given font file, for choosing the display font by eye.
//   orvante-face-sheet <font file> <sheet.png>
// The font file must register the family "CHOW FUN"; the game's data folder is the source's.
#include "ScreenTool.h"
#include "presentation/FenetreMess.h"
#include "presentation/Texts.h"
#include "presentation/Themes.h"

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>

namespace {

constexpr int Zoom = 2; // the sheet shows every face twice as large as well, pixels kept sharp

// The message window's title strip with text in it, as the window shows it.
QImage Title(TFormFenetre& window, const QString& text)
{
    window.Label1->setText(text);
    window.Label2->setText(text);
    return window.Panel->grab(QRect(30, 48, 480, 50)).toImage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <font file> <sheet.png>\n", argv[0]);
        return 2;
    }
    QTemporaryDir home;
    screens::PrepareRun(home);
    QApplication application(argc, argv);
    if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1])) < 0) {
        std::fprintf(stderr, "cannot load the font %s\n", argv[1]);
        return 1;
    }
    const QString data = QStringLiteral(ORVANTE_DATA_DIR);
    const QStringList lines
        = presentation::ReadTextLines(data + QStringLiteral("Textes/Francais.txt")).value_or(QStringList());
    const auto text = [&lines](int n) {
        return n < lines.size() ? presentation::LineText(lines[n]) : QString();
    };
    const QColor colours[3] = {QColor(125, 25, 25), QColor(255, 0, 0), QColor(128, 128, 128)};

    // Faces: one row per face, its three states at their size and then doubled.
    const int faceW = 140, faceH = 49, gap = 6;
    const int rowW = 3 * (faceW + gap) + 3 * (faceW * Zoom + gap);
    TFormFenetre window;
    window.SetPicture(presentation::ReadOpaquePicture(data + QStringLiteral("graphisme/fenetre.bmp")));
    window.SetTitleFont(QStringLiteral("CHOW FUN"));
    const QList<int> titleLines{1, 20, 21, 29, 30, 31, 34, 35, 46, 50, 51, 62, 65, 71};
    QStringList titles;
    for (int n : titleLines)
        titles << text(n);
    titles << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ éèêàç ÉÈÊ 0123456789");
    const int titleH = 50 * Zoom + gap;
    QImage sheet(std::max(rowW, 480 * (Zoom + 1) + gap), presentation::FaceCount * (faceH * Zoom + gap) + titles.size() * titleH,
                 QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter painter(&sheet);
    for (int k = 0; k < presentation::FaceCount; ++k) {
        const int y = k * (faceH * Zoom + gap);
        for (int state = 0; state < 3; ++state) {
            QImage face = presentation::ReadFaceBlank(
                data + QStringLiteral("graphisme/%1.bmp").arg(state + 1));
            presentation::EcrireLegende(face, text(k + 2), colours[state]);
            painter.drawImage(state * (faceW + gap), y, face);
            painter.drawImage(QRect(3 * (faceW + gap) + state * (faceW * Zoom + gap), y,
                                    faceW * Zoom, faceH * Zoom),
                              face);
        }
    }
    int y = presentation::FaceCount * (faceH * Zoom + gap);
    for (const QString& title : titles) {
        const QImage strip = Title(window, title);
        painter.drawImage(0, y, strip);
        painter.drawImage(QRect(strip.width() + gap, y, strip.width() * Zoom, strip.height() * Zoom),
                          strip);
        y += titleH;
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("  %s\n", argv[2]);
    return 0;
}
