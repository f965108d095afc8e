// The music list of a folder, the import path, the dialog filter and the volume slider's scale.
#include "audio/MusicList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
}

class MusicFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* name :
             {"nuit.mp3", "Brise.mp3", "ZEN.MP3", "Jardin.mp3", "notes.txt", "cover.mp3.jpg"})
            Touch(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("album.mp3")));
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(MusicFolder, ListsTheMp3FilesOfAnyCaseSortedByNameIgnoringCase)
{
    const audio::MusicList list = audio::ListMusicFolder(dir.path(), QString());
    EXPECT_EQ(list.titles,
              QStringList({QStringLiteral("Brise.mp3"), QStringLiteral("Jardin.mp3"),
                           QStringLiteral("nuit.mp3"), QStringLiteral("ZEN.MP3")}));
    EXPECT_EQ(list.folder, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(list.current, QStringLiteral("Brise.mp3")); // no title asked: the first file
}

TEST_F(MusicFolder, TheAskedTitleBecomesCurrentOnlyWhenTheFolderHoldsIt)
{
    EXPECT_EQ(
        audio::ListMusicFolder(dir.path() + QLatin1Char('/'), QStringLiteral("nuit.mp3")).current,
        QStringLiteral("nuit.mp3"));
    EXPECT_EQ(audio::ListMusicFolder(dir.path(), QStringLiteral("absent.mp3")).current,
              QStringLiteral("Brise.mp3"));
    EXPECT_EQ(audio::ListMusicFolder(dir.path(), QStringLiteral("album.mp3")).current,
              QStringLiteral("Brise.mp3")); // a folder is no title
}

TEST(MusicList, AFolderWithoutMp3FilesOrMissingGivesAnEmptyListAndNoTitle)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Touch(dir.filePath(QStringLiteral("readme.txt")));
    for (const QString& folder : {dir.path(), dir.filePath(QStringLiteral("absent"))}) {
        const audio::MusicList list = audio::ListMusicFolder(folder, QStringLiteral("absent.mp3"));
        EXPECT_TRUE(list.titles.isEmpty()) << qPrintable(folder);
        EXPECT_TRUE(list.current.isEmpty()) << qPrintable(folder);
    }
}

TEST(QtFileFilter, TurnsDescriptionAndPatternPairsIntoQtEntries)
{
    EXPECT_EQ(audio::ImportFilter(), QStringLiteral("Musiques MP3 (*.mp3)"));
    EXPECT_EQ(audio::QtFileFilter(QStringLiteral("Images|*.bmp;*.png|Tout (*.*)|*.*")),
              QStringLiteral("Images (*.bmp *.png);;Tout (*.*)"));
    // Brackets that show other patterns than the filter's are part of the description.
    EXPECT_EQ(audio::QtFileFilter(QStringLiteral("Sons (*.wav)|*.wav;*.mp3")),
              QStringLiteral("Sons (*.wav) (*.wav *.mp3)"));
    // A description left without its patterns is dropped.
    EXPECT_EQ(audio::QtFileFilter(QStringLiteral("Musiques|*.mp3|Autres")),
              QStringLiteral("Musiques (*.mp3)"));
    EXPECT_EQ(audio::QtFileFilter(QString()), QString());
}
