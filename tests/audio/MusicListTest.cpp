// The music list of a folder, the dialog filter, and the length and scroll texts of a title.
#include "audio/MusicList.h"

#include "audio/mp3.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MusicList, ListsTheMp3FilesOfAnyCaseSortedByNameAndKeepsOnlyAHeldTitle)
{
    QTemporaryDir dir;
    for (const char* name :
         {"nuit.mp3", "Brise.mp3", "ZEN.MP3", "Jardin.mp3", "notes.txt", "cover.mp3.jpg"})
        ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly)) << name;
    ASSERT_TRUE(QDir(dir.path()).mkdir("album.mp3"));
    const audio::MusicList list = audio::ListMusicFolder(dir.path(), QString());
    EXPECT_EQ(list.titles, QStringList({"Brise.mp3", "Jardin.mp3", "nuit.mp3", "ZEN.MP3"}));
    EXPECT_EQ(list.current, "Brise.mp3");
    EXPECT_EQ(audio::ListMusicFolder(dir.path() + '/', "nuit.mp3").current, "nuit.mp3");
    for (const char* absent : {"absent.mp3", "album.mp3"})
        EXPECT_EQ(audio::ListMusicFolder(dir.path(), absent).current, "Brise.mp3") << absent;
    for (const QString& folder : {dir.filePath("album.mp3"), dir.filePath("absent")}) {
        const audio::MusicList none = audio::ListMusicFolder(folder, "nuit.mp3");
        EXPECT_TRUE(none.titles.isEmpty() && none.current.isEmpty()) << qPrintable(folder);
    }
}

TEST(QtFileFilter, TurnsDescriptionAndPatternPairsIntoQtEntries)
{
    const std::pair<const char*, const char*> cases[]{
        {"Images|*.bmp;*.png|Tout (*.*)|*.*", "Images (*.bmp *.png);;Tout (*.*)"},
        // Brackets that show other patterns than the filter's are part of the description.
        {"Sons (*.wav)|*.wav;*.mp3", "Sons (*.wav) (*.wav *.mp3)"},
        // A description left without its patterns is dropped.
        {"Musiques|*.mp3|Autres", "Musiques (*.mp3)"},
        {"", ""}};
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(audio::QtFileFilter(filter), expected) << filter;
    // Patterns the description already shows in brackets are not repeated.
    EXPECT_EQ(audio::ImportFilter(), "Musiques MP3 (*.mp3)");
}

TEST(LengthText, RoundsToTheNearestSecondWithHalvesToEven)
{
    const std::pair<qint64, const char*> cases[]{
        {499, "00:00"},   {500, "00:00"},    {501, "00:01"},       {1'500, "00:02"},
        {2'500, "00:02"}, {59'500, "01:00"}, {3'725'000, "62:05"}, {6'000'000, "100:00"}};
    for (const auto& [milliseconds, expected] : cases)
        EXPECT_EQ(audio::LengthText(milliseconds), expected) << milliseconds;
}

TEST(ScrollWindow, ShowsTwentySixCharactersGoingRoundToTheStartAndBackAtTheTextsLength)
{
    const QString shortText = audio::ScrollText("Ocean.mp3", 185'400);
    const QString longText = audio::ScrollText("Jardin de pierre.mp3", 95'000); // 35 long
    const std::tuple<QString, int, const char*> cases[]{
        {shortText, 1, "cean.mp3  (03:05)  **  O"},   {shortText, 24, "Ocean.mp3  (03:05)  **  "},
        {longText, 0, "Jardin de pierre.mp3  (01:"},  {longText, 20, "  (01:35)  **  Jardin de p"},
        {longText, 35, "Jardin de pierre.mp3  (01:"}, {QString(), 0, ""}};
    for (const auto& [text, p, expected] : cases)
        EXPECT_EQ(audio::ScrollWindow(text, p), expected) << qPrintable(text) << " at " << p;
}
