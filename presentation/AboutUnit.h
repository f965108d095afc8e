// The splash window shown while the game starts.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

// Made visible by its constructor, which also starts the one-shot 2500 ms Timer2SplashScreen;
// whoever finishes the start-up connects to its timeout.
class TfrmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmAbout(const QString& picturePath, QWidget* parent = nullptr);

    QTimer Timer2SplashScreen;
    QLabel* Image1 = nullptr;
    // The picture's path when it could not be read and a stand-in shows instead; else empty.
    QString MissingPicture;
};
