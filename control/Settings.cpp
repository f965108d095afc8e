// The player's six settings in the per-user settings store, and on the options panel.
#include "control/Settings.h"

#include "presentation/MainScreens.h"

#include <memory>

#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>

namespace control {

namespace {

const QString Group = QStringLiteral("TERVALIN SUDOKU");

std::unique_ptr<QSettings> OpenStore(const QString& filePath)
{
    if (filePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("TERVALIN"));
    return std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

QString ReadText(const QSettings& store, const QString& key, const QString& fallback)
{
    const QVariant value = store.value(key);
    return value.isValid() ? value.toString() : fallback;
}

int ReadInteger(const QSettings& store, const QString& key, int fallback)
{
    const QVariant value = store.value(key);
    return ParseStoredInteger(value.toString(), value.isValid(), fallback);
}

} // namespace

SettingsDefaults SettingsDefaultsFrom(const LineLookup& text)
{
    return {text(line::FirstTheme), text(line::FirstLevel), text(line::Windowed)};
}

void ShowSettings(presentation::MainScreens& form, const SettingsValues& values)
{
    form.TrackBarMP3->setValue(values.volume);
    form.NomDuJoueur->setText(values.joueur);
    form.ComboBox1->SetText(values.theme);
    form.ComboBox2->SetText(values.difficulte);
    form.ComboBox4->SetText(values.affichage);
}

SettingsValues SettingsShown(const presentation::MainScreens& form, bool musicPaused)
{
    return {form.TrackBarMP3->value(), form.NomDuJoueur->text(), form.ComboBox1->Text(),
            form.ComboBox2->Text(),    form.ComboBox4->Text(),   musicPaused};
}

int ParseStoredInteger(const QString& text, bool present, int fallback)
{
    if (!present)
        return fallback;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{}

SettingsValues SettingsStore::Read(const SettingsDefaults& defaults) const
{
    const auto store = OpenStore(m_filePath);
    store->beginGroup(Group);
    SettingsValues values;
    values.volume = ReadInteger(*store, QStringLiteral("Volume"), 500);
    values.joueur = ReadText(*store, QStringLiteral("Joueur"), QStringLiteral("Joueur"));
    values.theme = ReadText(*store, QStringLiteral("Theme"), defaults.theme);
    values.difficulte = ReadText(*store, QStringLiteral("Difficulte"), defaults.difficulte);
    values.affichage = ReadText(*store, QStringLiteral("Affichage"), defaults.affichage);
    values.musique = ReadInteger(*store, QStringLiteral("Musique"), 0) != 0;
    store->endGroup();
    return values;
}

QString SettingsStore::FilePath() const
{
    return QDir::toNativeSeparators(OpenStore(m_filePath)->fileName());
}

bool SettingsStore::Write(const SettingsValues& values) const
{
    const auto store = OpenStore(m_filePath);
    store->beginGroup(Group);
    store->setValue(QStringLiteral("Volume"), QString::number(values.volume));
    store->setValue(QStringLiteral("Joueur"), values.joueur);
    store->setValue(QStringLiteral("Theme"), values.theme);
    store->setValue(QStringLiteral("Difficulte"), values.difficulte);
    store->setValue(QStringLiteral("Affichage"), values.affichage);
    store->setValue(QStringLiteral("Musique"),
                    values.musique ? QStringLiteral("1") : QStringLiteral("0"));
    store->endGroup();
    store->sync();
    return store->status() == QSettings::NoError;
}

} // namespace control
