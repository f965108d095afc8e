// The splash window shown while the game starts.
#include "presentation/AboutUnit.h"

#include "presentation/Screens.h"
#include "presentation/Themes.h"

#include <QGuiApplication>
#include <QScreen>

TfrmAbout::TfrmAbout(const QString& picturePath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    QImage picture = presentation::ReadPicture(picturePath);
    if (picture.isNull()) {
        MissingPicture = picturePath;
        picture = presentation::PlaceholderPicture(415, 277, QColor(130, 30, 40));
    }
    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setGeometry(0, 0, picture.width(), picture.height());
    setFixedSize(picture.size());
    presentation::SetOpacity(this, 200);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer2SplashScreen.setSingleShot(true);
    Timer2SplashScreen.setInterval(2500);
    show();
    Timer2SplashScreen.start();
}
