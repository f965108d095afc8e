// The start-up and the six settings: defaults, the round trip through the store, bad values.
#include "Support.h"

#include <csignal>
#include <tuple>

#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(Settings, AllSixGoFromTheirDefaultsThroughTheStoreABadNumberReadingAsItsDefault)
{
    testing_support::TestInstall install;
    std::unique_ptr<testing_support::TestWindow> test;
    int musicStarts = 0;
    // A start on the store, the window shown once loaded; returns what the six settings show.
    const auto start = [&] {
        test = std::make_unique<testing_support::TestWindow>(install);
        TfrmMain& w = *test->window;
        w.PlayCurrentTitle = [&musicStarts] { ++musicStarts; };
        EXPECT_FALSE(w.isVisible());
        test->StartUp();
        EXPECT_TRUE(w.isVisible());
        return QStringList() << QString::number(w.TrackBarMP3->value()) << w.ComboBox1->Text()
                             << w.ComboBox2->Text() << w.ComboBox4->Text() << w.NomDuJoueur->text()
                             << (w.MusicPaused ? "1" : "0");
    };
    EXPECT_EQ(start(), QStringList({"500", "Ivoire", "Très facile", "Fenêtre", "Joueur", "0"}));
    // Showing the window again, as after a minimise, does not set the board up anew.
    QTest::mouseClick(test->window->Nouvelle_Partie, Qt::LeftButton);
    test->window->hide(), test->window->show();
    EXPECT_EQ(test->window->GameState, GameStatus::Playing);
    const QStringList keys{"Volume", "Theme", "Difficulte", "Affichage", "Joueur", "Musique"};
    QStringList values{"730", "Minuit", "Difficile", "Plein écran", "Zoé", "1"};
    QSettings store(install.SettingsFile(), QSettings::IniFormat);
    store.beginGroup("TERVALIN SUDOKU");
    for (int i = 0; i < keys.size(); ++i)
        store.setValue(keys[i], values[i]);
    store.sync();
    EXPECT_EQ(start(), values);
    store.remove(""), store.sync(), test->window->close(), store.sync();
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(store.value(keys[i]).toString(), values[i]) << keys[i].toStdString();
    // Any non-zero number pauses; a text from another language is shown as it is.
    store.setValue("Volume", "12x"), store.setValue("Musique", "2");
    store.setValue("Difficulte", "Expert"), store.sync();
    values[0] = "500", values[2] = "Expert";
    EXPECT_EQ(start(), values);
    EXPECT_EQ(musicStarts, 1) << "only the first start, with the music not paused, plays it";
}

TEST(Settings, AQuitSignalClosesTheWindowAsThePlayerWouldTellingOnceOfAFailedWrite)
{
    testing_support::TestInstall install;
    // A settings file inside what is a file, not a folder: no one can write it, root included.
    const std::tuple<const char*, int, QString> cases[]{
        {"SIGTERM", SIGTERM, install.SettingsFile()},
        {"SIGINT", SIGINT, install.SettingsFile()},
        {"an unwritable file", SIGTERM, install.Folder() + "Textes/Francais.txt/s.ini"},
    };
    for (const auto& [name, signal, settings] : cases) {
        SCOPED_TRACE(name);
        QFile::remove(install.SettingsFile());
        TfrmMain w(nullptr, install.Folder(), settings);
        QStringList errors;
        w.ShowErrorBox = [&errors](const QString& text) { errors.append(text); };
        w.Timer2SplashScreenTimer();
        w.NomDuJoueur->setText("Zoé");
        w.HandleQuitSignals();
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.isVisible(); }, 5000));
        const bool writable = settings == install.SettingsFile();
        EXPECT_EQ(QSettings(settings, QSettings::IniFormat).value("TERVALIN SUDOKU/Joueur"),
                  writable ? QVariant("Zoé") : QVariant());
        w.close(); // the settings are written once, whatever closes the window
        EXPECT_EQ(errors,
                  writable ? QStringList{}
                           : QStringList{"Les réglages n'ont pas pu être enregistrés "
                                         "dans :\n"
                                         + settings});
    }
}
