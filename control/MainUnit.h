// The game's one main window.
#pragma once

#include <QMainWindow>

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
};
