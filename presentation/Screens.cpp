// Decisions of the screens that need no widget: the arrows of the option boxes, window placing.
#include "presentation/Screens.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

namespace presentation {

QString ChangedChoice(const QStringList& items, const QString& text, int direction)
{
    if (items.isEmpty())
        return text;
    const auto count = items.size();
    const auto i = items.indexOf(text);
    if (direction == 0)
        return items.at(i <= 0 ? count - 1 : i - 1);
    return items.at(i < 0 || i == count - 1 ? 0 : i + 1);
}

QTranslator* PrepareApplication(QCoreApplication& application)
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvante"));
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

bool InstallFont(const QString& path, const QString& family)
{
    const int font = QFontDatabase::addApplicationFont(path);
    if (font >= 0 && QFontDatabase::applicationFontFamilies(font).contains(family))
        return true;
    if (font >= 0)
        QFontDatabase::removeApplicationFont(font);
    return false;
}

QScreen* ScreenOf(const QWidget* widget)
{
    if (QScreen* screen = widget->screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

ScreenMode ScreenModeOf(const QWidget* widget)
{
    const QScreen* screen = ScreenOf(widget);
    if (screen == nullptr)
        return {};
    return {screen->size().width(), screen->size().height(),
            static_cast<std::uint8_t>(screen->depth())};
}

void SetWindowMode(QWidget* window, bool fullScreen)
{
    if (fullScreen) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (window->isVisible())
            window->showFullScreen();
        else
            window->setWindowState(window->windowState() | Qt::WindowFullScreen);
        return;
    }
    if (window->isFullScreen())
        window->showNormal();
    window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
    window->setFixedSize(1024, 768);
    if (const QScreen* screen = ScreenOf(window))
        window->move(WindowedPosition(screen->size()));
}

void ShowErrorBox(QWidget* window, const QString& text)
{
    QMessageBox::warning(window->isVisible() ? window : nullptr, QStringLiteral("Orvante"), text);
}

void SetOpacity(QWidget* window, int alpha)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    window->setWindowOpacity(alpha / 255.0);
}

} // namespace presentation
